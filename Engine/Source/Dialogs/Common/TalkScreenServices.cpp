#include "Dialogs/Common/TalkScreenServices.h"

#include "Common/TwGameSceneLinks.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"

namespace {

DefaultTalkScreenServices s_oDefaultServices;
TalkScreenServices* s_pServices = &s_oDefaultServices;

} // namespace

Tw::TextRenderer* DefaultTalkScreenServices::GetTextRenderer()
{
    return GetCurrentStateTextRenderer(false);
}

bool DefaultTalkScreenServices::IsGameBusy()
{
    return g_oScriptManager.IsBusy();
}

void DefaultTalkScreenServices::PlaySpeech(int iSoundActor, int32_t iSoundId)
{
    SoundManager::PlayActorSpeech(iSoundActor, iSoundId);
}

void DefaultTalkScreenServices::StopSpeech(int iSoundActor)
{
    SoundManager::StopActorSpeech(iSoundActor);
}

const EventDesc* DefaultTalkScreenServices::PeekAutoTestEvent()
{
    return g_oScriptManager.PeekAutoTestEvent();
}

void DefaultTalkScreenServices::ConsumeAutoTestEvent()
{
    g_oScriptManager.ConsumeAutoTestEvent();
}

TalkScreenServices& GetTalkScreenServices()
{
    return *s_pServices;
}

void SetTalkScreenServices(TalkScreenServices* pServices)
{
    s_pServices = pServices ? pServices : &s_oDefaultServices;
}
