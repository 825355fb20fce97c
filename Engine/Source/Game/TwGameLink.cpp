#include "Game/TwGameLink.h"

#include "Game/TwGame.h"

namespace {

TwGameLink s_oGameLink;
GameLink* s_pLink = &s_oGameLink;

} // namespace

const char* TwGameLink::GetClockString()
{
    return g_oTwGame.GetClockString();
}

void TwGameLink::LogStep(const char* pText)
{
    g_oTwGame.LogStep(pText);
}

bool TwGameLink::IsPaused()
{
    return g_oTwGame.m_bPaused != 0;
}

bool TwGameLink::IsAutoTest()
{
    return TwGame::s_bAutoTest;
}

bool TwGameLink::AutoTestWaitsForSentences()
{
    return TwGame::s_bAutoTestWaitsForSentences;
}

void TwGameLink::StartAutoTestPlayback()
{
    g_oTwGame.StartAutoTestPlayback();
}

void TwGameLink::EndAsFailed()
{
    g_oTwGame.EndAsFailed();
}

int32_t TwGameLink::GetGameLanguage()
{
    return g_oTwGame.m_iGameLanguage;
}

int32_t TwGameLink::GetVoiceLanguage()
{
    return g_oTwGame.m_iVoiceLanguage;
}

void TwGameLink::SetGameLanguage(int32_t iLanguage)
{
    g_oTwGame.m_iGameLanguage = iLanguage;
    g_oTwGame.ReloadLocalizer();
}

void TwGameLink::SetVoiceLanguage(int32_t iLanguage)
{
    g_oTwGame.m_iVoiceLanguage = iLanguage;
}

uint64_t TwGameLink::GetGameClock()
{
    return g_oTwGame.m_uGameClock;
}

void TwGameLink::SetGameClock(uint64_t uMilliseconds)
{
    g_oTwGame.m_uGameClock = uMilliseconds;
}

ScreenColorEffect* TwGameLink::GetFade(GlobalFade eFade)
{
    return g_oTwGame.GetFade(eFade);
}

int32_t TwGameLink::GetFadeSlot(GlobalFade eFade)
{
    return g_oTwGame.GetFadeSlot(eFade);
}

Tw::Font& TwGameLink::GetMainFont()
{
    return TwGame::MainFont;
}

Tw::Font& TwGameLink::GetSmallFont()
{
    return TwGame::SmallFont;
}

bool TwGameLink::PlaysLowResolutionVideo()
{
    return g_oTwGame.m_uLowResolutionVideo != 0;
}

uint32_t TwGameLink::GetWindowWidth()
{
    return g_oTwGame.m_oDisplaySettings.uWidth;
}

uint32_t TwGameLink::GetWindowHeight()
{
    return g_oTwGame.m_oDisplaySettings.uHeight;
}

FiniteStateManager& TwGameLink::GetStates()
{
    return g_oTwGame;
}

GameLink& GetGameLink()
{
    return *s_pLink;
}

void SetGameLink(GameLink* pLink)
{
    s_pLink = pLink != nullptr ? pLink : &s_oGameLink;
}
