#pragma once
// The sound layer's global state, shared by its source files.
#include "Resource/CoreResource.h"
#include "Sound/CoreSound.h"
#include "Sound/SoundEngine.h"

#include <memory>
#include <mutex>
#include <vector>

struct CoreSndPlayerHandle {
    // Guarded by g_oCoreSnd.m_oPlayersLock: the notification clears it.
    Platform::SoundCue* m_pCue;
    char m_sCategory[256];
    uint8_t m_bBound;
};

struct CoreSndGroupEntry {
    Platform::SoundWaveBank* m_pWaveBank;
    // The file image of a bank in memory (empty for the streamed bank).
    CoreResource m_oResource;
    uint8_t m_bMark;
};

struct CoreSndState {
    std::unique_ptr<Platform::SoundEngine> m_pEngine;
    Platform::SoundBank* m_pSoundBank = nullptr;
    CoreResource m_oGlobalSettings;
    CoreResource m_oSoundBankFile;
    uint32_t m_uDestinationChannels = 0;
    uint32_t m_uSourceChannels = 0;
    std::vector<float> m_vMatrix;
    bool m_bPaused = false;

    // Guards the players' cues and the retired cues against the
    // notification, which comes from the engine's thread. No engine call is
    // made while it is held.
    std::mutex m_oPlayersLock;
    // Cues that no player holds any more (replaced by a later play, or
    // reported stopped); destroyed by the main thread once they have stopped.
    std::vector<Platform::SoundCue*> m_vRetiredCues;
};

extern CoreSndState g_oCoreSnd;
extern CoreSndPlayerHandle g_oPlayerHandles[SOUND_PLAYER_MAX];
extern CoreSndGroupEntry g_oGroupStack[GROUP_STACK_SIZE];
extern int g_iCurrentStackLevel;

// Spelled as the checks read in their assert reports.
inline bool SUCCEEDED(Platform::SoundResult hr)
{
    return hr == Platform::SOUND_OK;
}
inline bool FAILED(Platform::SoundResult hr)
{
    return hr != Platform::SOUND_OK;
}

// Destroys every cue that the players and the retired list hold.
void CoreSndDestroyAllCues();
