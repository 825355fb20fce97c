#include "Managers/Common/ScriptManager.h"

#include "Managers/Common/SoundManager.h"
#include "Sound/CoreSound.h"

void ScriptManager::StartSoundAction(const ActionDesc& oAction)
{
    const int32_t a = oAction.m_oParameter[0];
    switch (oAction.m_iActionType) {
    case ID_ACTION_TYPE_MUSIC_SCRIPT_VOLUME: SoundManager::SetMusicScriptVolume(a); break;
    case ID_ACTION_TYPE_AMBIENT_SCRIPT_VOLUME: SoundManager::SetAmbientScriptVolume(a); break;
    case ID_ACTION_TYPE_MASTER_MUSIC_VOLUME: SoundManager::SetMusicVolume(a); break;
    case ID_ACTION_TYPE_MASTER_AMBIENT_VOLUME: SoundManager::SetAmbientVolume(a); break;
    case ID_ACTION_TYPE_MASTER_EFFECTS_VOLUME: SoundManager::SetEffectsVolume(a); break;
    case ID_ACTION_TYPE_MASTER_SPEECH_VOLUME: SoundManager::SetSpeechVolume(a); break;
    case ID_ACTION_TYPE_PLAY_SOUND_EFFECT: SoundManager::PlayEffect(a); break;
    case ID_ACTION_TYPE_STOP_SOUND_EFFECT:
        if (CoreSndPlayerCue(SoundManager::m_iEffectPlayer) != nullptr) {
            CoreSndPlayerStop(SoundManager::m_iEffectPlayer);
            CoreSndPlayerClose(SoundManager::m_iEffectPlayer);
        }
        break;
    case ID_ACTION_TYPE_PLAY_MUSIC: SoundManager::PlayMusic(a); break;
    case ID_ACTION_TYPE_STOP_MUSIC: SoundManager::StopMusic(); break;
    case ID_ACTION_TYPE_PLAY_AMBIENT:
        // Asking for the ambience that plays would start it over.
        if (SoundManager::m_iCurrentAmbientId != a)
            SoundManager::PlayAmbient(a);
        break;
    case ID_ACTION_TYPE_STOP_AMBIENT: SoundManager::StopAmbient(); break;
    default: break;
    }
}
