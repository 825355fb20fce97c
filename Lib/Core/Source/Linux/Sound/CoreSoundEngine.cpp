#include "Sound/CoreSoundState.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

#include <string>

CoreSndState g_oCoreSnd;

namespace {

constexpr bool FALSE = false;
constexpr const char* GLOBAL_SETTINGS_PATH = "Sound/SoundPack.xgs";
constexpr const char* SOUND_BANK_PATH = "Sound/SoundPack.xsb";
constexpr uint32_t LOOK_AHEAD_MILLISECONDS = 250;
constexpr uint32_t SOURCE_CHANNELS = 2;
constexpr uint32_t DEFAULT_DESTINATION_CHANNELS = 2;
constexpr uint16_t CATEGORY_INDEX_LAST = 0xFFFE;

// A bank file refused by the engine's checks is named with the reason.
void ReportRefusedFile(Platform::SoundResult hr, const char* path, const std::string& reason)
{
    if (hr == Platform::SOUND_E_BAD_FILE)
        CorePrint(&g_oCoreLog, "Refused sound file %s: %s\n", path, reason.c_str());
}

// The engine failed at start-up: nothing of it stays.
int FailInitialization()
{
    g_oCoreSnd.m_pSoundBank = nullptr;
    g_oCoreSnd.m_pEngine.reset();
    Core::ReleaseResource(&g_oCoreSnd.m_oSoundBankFile);
    Core::ReleaseResource(&g_oCoreSnd.m_oGlobalSettings);
    return -1;
}

void SetPaused(bool paused)
{
    if (!g_oCoreSnd.m_pEngine || g_oCoreSnd.m_bPaused == paused)
        return;
    g_oCoreSnd.m_bPaused = paused;
    for (uint32_t category = 0; category <= CATEGORY_INDEX_LAST; ++category)
        g_oCoreSnd.m_pEngine->PauseCategory(static_cast<uint16_t>(category), paused);
}

} // namespace

int CoreSndInitWithBuffer()
{
    CoreSndState& snd = g_oCoreSnd;
    if (snd.m_pEngine) {
        ENGINE_ASSERT_MSG(FALSE, "sound engine already initialised\n");
        return -1;
    }
    if (FAILED(Platform::SoundEngine::Create(snd.m_pEngine))) {
        ENGINE_ASSERT_MSG(FALSE, "XACT engine create failed");
        return FailInitialization();
    }
    if (Core::LoadResource(&snd.m_oGlobalSettings, GLOBAL_SETTINGS_PATH, true) != 0) {
        ENGINE_ASSERT_MSG(FALSE, "error loading %s\n", GLOBAL_SETTINGS_PATH);
        return FailInitialization();
    }
    std::string reason;
    Platform::SoundResult hr = snd.m_pEngine->Initialize(snd.m_oGlobalSettings.m_pBuffer, snd.m_oGlobalSettings.m_uSize,
                                                         LOOK_AHEAD_MILLISECONDS, CoreSndOnNotification, reason);
    if (FAILED(hr)) {
        ReportRefusedFile(hr, GLOBAL_SETTINGS_PATH, reason);
        if (hr == Platform::SOUND_E_NO_OUTPUT)
            CorePrint(&g_oCoreLog, "No audio output could be opened: the game needs a sound device, or runs "
                                   "silently with SDL_AUDIODRIVER=dummy set (as the tests do)\n");
        ENGINE_ASSERT_MSG(FALSE, "XACT engine init failed!!!! %x\n", hr);
        return FailInitialization();
    }
    hr = snd.m_pEngine->RegisterCueStopNotification();
    if (FAILED(hr)) {
        ENGINE_ASSERT_MSG(FALSE, "RegisterNotification failed!!!! %x\n", hr);
        return FailInitialization();
    }
    if (Core::LoadResource(&snd.m_oSoundBankFile, SOUND_BANK_PATH, true) != 0) {
        ENGINE_ASSERT_MSG(FALSE, "error loading %s\n", SOUND_BANK_PATH);
        return FailInitialization();
    }
    hr = snd.m_pEngine->CreateSoundBank(snd.m_oSoundBankFile.m_pBuffer, snd.m_oSoundBankFile.m_uSize, snd.m_pSoundBank,
                                        reason);
    if (FAILED(hr)) {
        ReportRefusedFile(hr, SOUND_BANK_PATH, reason);
        ENGINE_ASSERT_MSG(FALSE, "couldn't create sound bank");
        return FailInitialization();
    }
    if (FAILED(snd.m_pEngine->Initialize3D())) {
        ENGINE_ASSERT_MSG(FALSE, "couldn't init XACT 3D");
        return FailInitialization();
    }
    uint32_t channels = 0;
    if (FAILED(snd.m_pEngine->GetFinalMixChannels(channels))) {
        CorePrint(&g_oCoreLog, "couldn't get mix format\n");
        channels = DEFAULT_DESTINATION_CHANNELS;
    }
    snd.m_uDestinationChannels = channels;
    snd.m_uSourceChannels = SOURCE_CHANNELS;
    snd.m_vMatrix.assign(static_cast<size_t>(channels) * SOURCE_CHANNELS, 0.0f);
    snd.m_bPaused = false;

    for (CoreSndGroupEntry& entry : g_oGroupStack)
        entry = CoreSndGroupEntry {};
    g_iCurrentStackLevel = 0;
    return 0;
}

void CoreSndOnNotification(const Platform::SoundNotification* notification)
{
    if (!notification || notification->type != Platform::SOUND_NOTIFICATION_CUE_STOP || !notification->cue)
        return;
    std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
    bool held = false;
    for (CoreSndPlayerHandle& player : g_oPlayerHandles) {
        if (player.m_pCue == notification->cue) {
            player.m_pCue = nullptr;
            held = true;
        }
    }
    if (held)
        g_oCoreSnd.m_vRetiredCues.push_back(notification->cue);
}

void CoreSndDoWork()
{
    Platform::SoundEngine* engine = g_oCoreSnd.m_pEngine.get();
    if (!engine)
        return;
    engine->DoWork();

    std::vector<Platform::SoundCue*> retired;
    {
        std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
        retired.swap(g_oCoreSnd.m_vRetiredCues);
    }
    std::vector<Platform::SoundCue*> stillPlaying;
    for (Platform::SoundCue* cue : retired) {
        uint32_t state = 0;
        if (SUCCEEDED(engine->GetState(cue, state)) && !(state & Platform::SOUND_STATE_STOPPED))
            stillPlaying.push_back(cue);
        else
            engine->Destroy(cue);
    }
    std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
    g_oCoreSnd.m_vRetiredCues.insert(g_oCoreSnd.m_vRetiredCues.end(), stillPlaying.begin(), stillPlaying.end());
}

void CoreSndDestroyAllCues()
{
    std::vector<Platform::SoundCue*> cues;
    {
        std::lock_guard<std::mutex> lock(g_oCoreSnd.m_oPlayersLock);
        cues.swap(g_oCoreSnd.m_vRetiredCues);
        for (CoreSndPlayerHandle& player : g_oPlayerHandles) {
            if (player.m_pCue)
                cues.push_back(player.m_pCue);
            player.m_pCue = nullptr;
        }
    }
    if (g_oCoreSnd.m_pEngine)
        for (Platform::SoundCue* cue : cues)
            g_oCoreSnd.m_pEngine->Destroy(cue);
}

void CoreSndDestroy()
{
    CoreSndState& snd = g_oCoreSnd;
    if (snd.m_pEngine) {
        CoreSndDestroyAllCues();
        CoreSndFreeAllMemory();
        if (snd.m_pSoundBank)
            snd.m_pEngine->DestroySoundBank(snd.m_pSoundBank);
        const Platform::SoundResult hr = snd.m_pEngine->ShutDown();
        ENGINE_ASSERT(!FAILED( hr ));
        snd.m_pEngine.reset();
    }
    snd.m_pSoundBank = nullptr;
    Core::ReleaseResource(&snd.m_oSoundBankFile);
    Core::ReleaseResource(&snd.m_oGlobalSettings);
    snd.m_vMatrix.clear();
    snd.m_uDestinationChannels = 0;
    snd.m_bPaused = false;
}

void CoreSndPauseAll()
{
    SetPaused(true);
}

void CoreSndResumeAll()
{
    SetPaused(false);
}

bool CoreSndIsPaused()
{
    return g_oCoreSnd.m_bPaused;
}

Platform::SoundEngine* CoreSndGetEngine()
{
    return g_oCoreSnd.m_pEngine.get();
}
