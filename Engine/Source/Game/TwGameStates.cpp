#include "Game/TwGame.h"

#include "Effects/Common/EffectList.h"
#include "Game/TwGameSceneLinks.h"
#include "Game/TwGameStateLink.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureSaveLink.h"
#include "Managers/Common/GameAutoTestLink.h"
#include "Managers/Common/GameSceneWorldLink.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "States/Common/CardCheckGameState.h"
#include "States/Common/DispatchGameState.h"
#include "States/Common/MainGameState.h"
#include "States/Common/MiniGameState.h"
#include "States/Common/MovieGameState.h"

#include <memory>

namespace {

// The splash sequence: mini-game 0, run in the mini-game state.
constexpr uint32_t SPLASH_MINIGAME = 0;
constexpr uint32_t SPLASH_SECOND_PARAMETER = 1;

struct FadeSetting {
    uint32_t uStart;
    uint32_t uEnd;
    fx32 fxDuration;
};

// In the order of GlobalFade.
constexpr FadeSetting FADE_SETTINGS[TwGame::GLOBAL_FADE_COUNT] = {
    {0x000000FF, 0x00000000, 0xE66}, // in from black, 0.9 s
    {0x00000000, 0x000000FF, 0xB33}, // out to black, 0.7 s
    {0xFFFFFFFF, 0xFFFFFF00, 0xE66}, // in from white, 0.9 s
    {0xFFFFFF00, 0xFFFFFFFF, 0xE66}, // out to white, 0.9 s
};

std::unique_ptr<TwGameStateLink> s_pStateLink;
SceneManagerScriptLink s_oSceneLink;
GameSceneWorldLink s_oWorldLink;
AdventureSaveLink s_oSaveLink;
GameAutoTestLink s_oAutoTestLink;
GameSceneInterfaceLink s_oSceneInterfaceLink;
GameSceneInputLink s_oSceneInputLink;

} // namespace

bool TwGame::InitializeEffects()
{
    bool bResult = true;
    for (int32_t iFade = 0; iFade < GLOBAL_FADE_COUNT; ++iFade) {
        ScreenColorEffect& oFade = m_aoFades[iFade];
        const bool bInitialized = oFade.Initialize();
        if (bInitialized) {
            oFade.SetColors(FADE_SETTINGS[iFade].uStart, FADE_SETTINGS[iFade].uEnd);
            oFade.SetDuration(FADE_SETTINGS[iFade].fxDuration);
        }
        bResult = bResult && bInitialized;
    }
    for (int32_t iFade = 0; iFade < GLOBAL_FADE_COUNT; ++iFade)
        m_aiFadeSlots[iFade] = g_oEffectList.Add(&m_aoFades[iFade]);
    return bResult;
}

void TwGame::ResetFades()
{
    for (int32_t iFade = GLOBAL_FADE_COUNT - 1; iFade >= 0; --iFade) {
        m_aoFades[iFade].Reset();
        g_oEffectList.Remove(&m_aoFades[iFade]);
        m_aiFadeSlots[iFade] = -1;
    }
}

int32_t TwGame::GetFadeSlot(GlobalFade eFade) const
{
    const int32_t iFade = static_cast<int32_t>(eFade);
    return iFade >= 0 && iFade < GLOBAL_FADE_COUNT ? m_aiFadeSlots[iFade] : -1;
}

ScreenColorEffect* TwGame::GetFade(GlobalFade eFade)
{
    return GetFadeSlot(eFade) == -1 ? nullptr : &m_aoFades[static_cast<int32_t>(eFade)];
}

bool TwGame::InitializeStates()
{
    CorePrint(&g_oCoreLog, " - Initialize States...\n");
    AddState(std::make_unique<DispatchGameState>(this));
    AddState(std::make_unique<CardCheckGameState>(this));
    AddState(std::make_unique<MainGameState>(this));
    AddState(std::make_unique<MiniGameState>(this));
    AddState(std::make_unique<MovieGameState>(this));

    s_pStateLink = std::make_unique<TwGameStateLink>(*this);
    SetScriptStateLink(s_pStateLink.get());
    SetScriptSceneLink(&s_oSceneLink);
    SetSceneWorldLink(&s_oWorldLink);
    SetScriptSaveLink(&s_oSaveLink);
    SetScriptAutoTestLink(&s_oAutoTestLink);
    SetSceneInterfaceLink(&s_oSceneInterfaceLink);
    SetSceneInputLink(&s_oSceneInputLink);

    GameStateQueue& oQueue = GetStateQueue();
    if (GetState(STATE_ID_MINIGAME) != nullptr)
        oQueue.Push({STATE_ID_MINIGAME, SPLASH_MINIGAME, SPLASH_SECOND_PARAMETER});
    else
        CorePrint(&g_oCoreLog, "No mini-game state: the splash sequence is skipped\n");
    oQueue.Push({STATE_ID_CARD_CHECK, 0, 0});
    SetState(static_cast<uint16_t>(oQueue.Top()->m_uStateId));
    return true;
}

void TwGame::ShutdownStates()
{
    // The main state's exit still ends the scene through the links.
    ReleaseStates();
    SetSceneInputLink(nullptr);
    SetSceneInterfaceLink(nullptr);
    SetScriptAutoTestLink(nullptr);
    SetScriptSaveLink(nullptr);
    SetSceneWorldLink(nullptr);
    SetScriptSceneLink(nullptr);
    SetScriptStateLink(nullptr);
    s_pStateLink.reset();
}
