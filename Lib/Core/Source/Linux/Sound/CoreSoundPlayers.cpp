#include "Sound/CoreSoundState.h"

#include "Error/EngineAssert.h"

#include <cstring>

CoreSndPlayerHandle g_oPlayerHandles[SOUND_PLAYER_MAX];

namespace {

bool IsPlayer(int iPlayerID)
{
    return iPlayerID >= 0 && iPlayerID < SOUND_PLAYER_MAX;
}

// Takes the player's cue out of the table (null when it has none).
Platform::SoundCue* TakeCue(int iPlayerID)
{
    std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
    Platform::SoundCue* cue = g_oPlayerHandles[iPlayerID].m_pCue;
    g_oPlayerHandles[iPlayerID].m_pCue = nullptr;
    return cue;
}

// Hands a cue that no player holds to the retired list, which destroys it
// once it has stopped.
void Retire(Platform::SoundCue* cue)
{
    if (!cue)
        return;
    std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
    g_oCoreSnd.m_vRetiredCues.push_back(cue);
}

} // namespace

int CoreSndPlayerInit(const char* category)
{
    for (int id = 0; id < SOUND_PLAYER_MAX; ++id) {
        CoreSndPlayerHandle& player = g_oPlayerHandles[id];
        if (player.m_bBound)
            continue;
        player.m_bBound = 1;
        std::strncpy(player.m_sCategory, category ? category : "", sizeof player.m_sCategory - 1);
        player.m_sCategory[sizeof player.m_sCategory - 1] = '\0';
        Retire(TakeCue(id));
        return id;
    }
    return -1;
}

void CoreSndPlayerTerm(int iPlayerID)
{
    ENGINE_ASSERT(iPlayerID>=0 && iPlayerID<SOUND_PLAYER_MAX && g_oPlayerHandles[iPlayerID].m_bBound==true);
    if (!IsPlayer(iPlayerID))
        return;
    g_oPlayerHandles[iPlayerID].m_bBound = 0;
    Retire(TakeCue(iPlayerID));
}

void CoreSndPlayerPlay(int iPlayerID, uint16_t cueIndex)
{
    ENGINE_ASSERT(iPlayerID >= 0 && iPlayerID < SOUND_PLAYER_MAX);
    Platform::SoundEngine* engine = g_oCoreSnd.m_pEngine.get();
    if (!IsPlayer(iPlayerID) || cueIndex == SOUND_CUE_NONE || !engine || !g_oCoreSnd.m_pSoundBank)
        return;
    Platform::SoundCue* cue = nullptr;
    const Platform::SoundResult hr = engine->Play(g_oCoreSnd.m_pSoundBank, cueIndex, cue);
    ENGINE_ASSERT_MSG(SUCCEEDED(hr), "cue %u: %s\n", cueIndex,
                      hr == Platform::SOUND_E_INVALID_CUE        ? "not in the sound bank"
                      : hr == Platform::SOUND_E_WAVES_NOT_LOADED ? "its wave bank is not loaded"
                                                                 : "the engine refused it");
    if (FAILED(hr))
        return;
    // The cue played before plays out; it is destroyed once it has stopped.
    Platform::SoundCue* previous = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
        previous = g_oPlayerHandles[iPlayerID].m_pCue;
        g_oPlayerHandles[iPlayerID].m_pCue = cue;
    }
    Retire(previous);
}

void CoreSndPlayerStop(int iPlayerID)
{
    ENGINE_ASSERT(iPlayerID >= 0 && iPlayerID < SOUND_PLAYER_MAX);
    if (!IsPlayer(iPlayerID))
        return;
    ENGINE_ASSERT(g_oPlayerHandles[iPlayerID].m_bBound);
    Platform::SoundCue* cue = CoreSndPlayerCue(iPlayerID);
    // Only the main thread destroys cues, so the handle stays valid even if
    // the notification takes it from the player meanwhile.
    if (cue && g_oCoreSnd.m_pEngine)
        g_oCoreSnd.m_pEngine->Stop(cue, false);
}

void CoreSndPlayerClose(int iPlayerID)
{
    ENGINE_ASSERT(iPlayerID >= 0 && iPlayerID < SOUND_PLAYER_MAX);
    if (!IsPlayer(iPlayerID))
        return;
    Platform::SoundCue* cue = TakeCue(iPlayerID);
    if (cue && g_oCoreSnd.m_pEngine)
        g_oCoreSnd.m_pEngine->Destroy(cue);
}

void CoreSndPlayerSetVolume(int iPlayerID, fx32 volume)
{
    ENGINE_ASSERT(iPlayerID >= 0 && iPlayerID < SOUND_PLAYER_MAX);
    Platform::SoundEngine* engine = g_oCoreSnd.m_pEngine.get();
    if (!IsPlayer(iPlayerID) || !engine)
        return;
    const uint16_t category = engine->GetCategory(g_oPlayerHandles[iPlayerID].m_sCategory);
    if (category == Platform::SOUND_CATEGORY_INVALID) {
        ENGINE_ASSERT(false);
        return;
    }
    engine->SetCategoryVolume(category, CoreFx::ToFloat(volume));
}

void CoreSndPlayerSetPan(int iPlayerID, fx32 pan)
{
    ENGINE_ASSERT(iPlayerID >= 0 && iPlayerID < SOUND_PLAYER_MAX);
    Platform::SoundEngine* engine = g_oCoreSnd.m_pEngine.get();
    if (!IsPlayer(iPlayerID) || !engine || g_oCoreSnd.m_vMatrix.empty())
        return;
    Platform::SoundPlacement placement;
    placement.matrix = g_oCoreSnd.m_vMatrix.data();
    placement.sourceChannels = g_oCoreSnd.m_uSourceChannels;
    placement.destinationChannels = g_oCoreSnd.m_uDestinationChannels;
    const Platform::SoundResult hr = engine->Calculate3D(CoreFx::ToFloat(pan), placement);
    ENGINE_ASSERT(SUCCEEDED(hr));
    if (FAILED(hr))
        return;
    if (Platform::SoundCue* cue = CoreSndPlayerCue(iPlayerID))
        engine->Apply3D(placement, cue);
}

Platform::SoundCue* CoreSndPlayerCue(int iPlayerID)
{
    if (!IsPlayer(iPlayerID))
        return nullptr;
    std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
    return g_oPlayerHandles[iPlayerID].m_pCue;
}
