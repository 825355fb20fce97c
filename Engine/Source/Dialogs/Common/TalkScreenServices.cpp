#include "Dialogs/Common/TalkScreenServices.h"

#include "Adventure/Common/Actor.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Scene/Common/Character.h"
#include "States/Common/MainGameState.h"

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

int DefaultTalkScreenServices::GetSpeakerSoundActor(uint32_t uActorId)
{
    const auto* pActor = dynamic_cast<const Actor*>(g_oScriptManager.FindActorScriptable(uActorId));
    const Character* pCharacter = pActor != nullptr ? pActor->GetCharacter() : nullptr;
    // A character that has not taken a sound actor speaks on the shared one.
    if (pCharacter == nullptr || pCharacter->GetSoundActorIndex() < 0)
        return 0;
    return pCharacter->GetSoundActorIndex();
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
