#include "Sound/SoundEngineImpl.h"

#include <algorithm>

namespace Platform {

SoundEngine::SoundEngine() : m_pImpl(std::make_unique<Impl>())
{
}

SoundResult SoundEngine::Create(std::unique_ptr<SoundEngine>& engine)
{
    std::unique_ptr<SoundEngine> created(new SoundEngine());
    const SoundResult result = FACTCreateEngine(0, &created->m_pImpl->engine);
    if (result == SOUND_OK && created->m_pImpl->engine)
        engine = std::move(created);
    return result != SOUND_OK ? result : (engine ? SOUND_OK : SOUND_E_INVALID_CALL);
}

SoundEngine::~SoundEngine()
{
    if (!m_pImpl->engine)
        return;
    // The library's release shuts down while holding the lock that its own
    // thread waits for, and then waits for that thread: it must find the
    // engine shut down already, initialised or not.
    if (m_pImpl->initialized)
        ShutDown();
    else
        FACTAudioEngine_ShutDown(m_pImpl->engine);
    FACTAudioEngine_Release(m_pImpl->engine);
}

SoundResult SoundEngine::Initialize(const uint8_t* settings, size_t size, uint32_t lookAheadMilliseconds,
                                    SoundNotificationCallback callback, std::string& error)
{
    Impl& impl = *m_pImpl;
    if (impl.initialized)
        return SOUND_E_INVALID_CALL;
    error = CheckGlobalSettings(settings, size, impl.settings);
    if (!error.empty())
        return SOUND_E_BAD_FILE;
    FACTRuntimeParameters parameters {};
    parameters.lookAheadTime = lookAheadMilliseconds;
    parameters.pGlobalSettingsBuffer = const_cast<uint8_t*>(settings);
    parameters.globalSettingsBufferSize = static_cast<uint32_t>(size);
    parameters.fnNotificationCallback = &Impl::OnEngineNotification;
    impl.callback = callback;
    const SoundResult result = FACTAudioEngine_Initialize(impl.engine, &parameters);
    // With the settings checked above, the library refuses the call only when
    // it cannot open its mastering voice on an audio output.
    if (result == FAUDIO_E_INVALID_CALL)
        return SOUND_E_NO_OUTPUT;
    if (result != SOUND_OK)
        return result;
    impl.initialized = true;
    m_vCategoryVolumes.assign(impl.settings.categoryNames.size(), 1.0f);
    return SOUND_OK;
}

SoundResult SoundEngine::RegisterCueStopNotification()
{
    if (!m_pImpl->initialized)
        return SOUND_E_INVALID_CALL;
    FACTNotificationDescription description {};
    description.type = FACTNOTIFICATIONTYPE_CUESTOP;
    description.flags = FACT_FLAG_NOTIFICATION_PERSIST;
    description.cueIndex = FACTINDEX_INVALID; // every cue
    description.pvContext = m_pImpl.get();
    return FACTAudioEngine_RegisterNotification(m_pImpl->engine, &description);
}

void SoundEngine::Impl::OnEngineNotification(const FACTNotification* notification)
{
    if (!notification || notification->type != FACTNOTIFICATIONTYPE_CUESTOP)
        return;
    Impl* impl = static_cast<Impl*>(notification->pvContext);
    if (!impl)
        return;
    FACTCue* stopped = notification->cue.pCue;
    std::lock_guard<std::mutex> lock(impl->liveCuesLock);
    const auto found = impl->liveCues.find(stopped);
    if (found == impl->liveCues.end() || !impl->callback)
        return;
    const SoundNotification ours {SOUND_NOTIFICATION_CUE_STOP, found->second};
    impl->callback(&ours);
}

SoundResult SoundEngine::ShutDown()
{
    Impl& impl = *m_pImpl;
    if (!impl.initialized)
        return SOUND_E_INVALID_CALL;
    for (const std::unique_ptr<SoundCue>& cue : impl.cues)
        impl.StopAndDestroyCue(*cue);
    while (!impl.waveBanks.empty())
        DestroyWaveBank(impl.waveBanks.back().get());
    while (!impl.soundBanks.empty())
        DestroySoundBank(impl.soundBanks.back().get());
    impl.initialized = false;
    impl.has3D = false;
    return FACTAudioEngine_ShutDown(impl.engine);
}

SoundResult SoundEngine::DoWork()
{
    return m_pImpl->initialized ? FACTAudioEngine_DoWork(m_pImpl->engine) : SOUND_E_INVALID_CALL;
}

uint16_t SoundEngine::GetCategory(const char* name) const
{
    if (!m_pImpl->initialized || !name)
        return SOUND_CATEGORY_INVALID;
    return FACTAudioEngine_GetCategory(m_pImpl->engine, name);
}

SoundResult SoundEngine::SetCategoryVolume(uint16_t category, float volume)
{
    if (!m_pImpl->initialized || category >= m_vCategoryVolumes.size())
        return SOUND_E_INVALID_CALL;
    const SoundResult result = FACTAudioEngine_SetVolume(m_pImpl->engine, category, volume);
    if (result == SOUND_OK)
        m_vCategoryVolumes[category] = volume;
    return result;
}

float SoundEngine::GetCategoryVolume(uint16_t category) const
{
    return category < m_vCategoryVolumes.size() ? m_vCategoryVolumes[category] : 0.0f;
}

SoundResult SoundEngine::PauseCategory(uint16_t category, bool pause)
{
    if (!m_pImpl->initialized)
        return SOUND_E_INVALID_CALL;
    // Indices past the settings' categories name nothing to pause.
    if (category >= m_vCategoryVolumes.size())
        return SOUND_OK;
    return FACTAudioEngine_Pause(m_pImpl->engine, category, pause ? 1 : 0);
}

SoundResult SoundEngine::GetFinalMixChannels(uint32_t& channels)
{
    channels = 0;
    if (!m_pImpl->initialized)
        return SOUND_E_INVALID_CALL;
    FAudioWaveFormatExtensible format {};
    const SoundResult result = FACTAudioEngine_GetFinalMixFormat(m_pImpl->engine, &format);
    if (result != SOUND_OK)
        return result;
    // The library may succeed without filling the format in.
    if (format.Format.nChannels == 0)
        return SOUND_E_NO_MIX_FORMAT;
    channels = format.Format.nChannels;
    return SOUND_OK;
}

bool SoundEngine::Impl::Owns(const SoundCue* cue) const
{
    return std::any_of(cues.begin(), cues.end(), [cue](const auto& owned) { return owned.get() == cue; });
}

bool SoundEngine::Impl::Owns(const SoundBank* bank) const
{
    return std::any_of(soundBanks.begin(), soundBanks.end(), [bank](const auto& owned) { return owned.get() == bank; });
}

bool SoundEngine::Impl::Owns(const SoundWaveBank* bank) const
{
    return std::any_of(waveBanks.begin(), waveBanks.end(), [bank](const auto& owned) { return owned.get() == bank; });
}

} // namespace Platform
