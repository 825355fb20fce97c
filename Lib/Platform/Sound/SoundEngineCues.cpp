#include "Sound/SoundEngineImpl.h"

#include <FACT3D.h>

#include <algorithm>

namespace Platform {
namespace {

// Enough room for a two-channel source on any speaker layout, whatever the
// destination count the caller asks for.
constexpr uint32_t SOURCE_CHANNELS_MAX = 2;
constexpr uint32_t SPEAKERS_MAX = 32;

} // namespace

bool SoundEngine::Impl::CueUsesWaveBank(const SoundCue& cue, const std::string& waveBankName) const
{
    if (!cue.bank)
        return false;
    const SoundBankInfo& info = cue.bank->info;
    for (const SoundBankWaveRef& wave : info.cueWaves[cue.index])
        if (info.waveBankNames[wave.waveBank] == waveBankName)
            return true;
    return false;
}

void SoundEngine::Impl::StopAndDestroyCue(SoundCue& cue)
{
    if (!cue.fact)
        return;
    FACTCue_Stop(cue.fact, FACT_FLAG_STOP_IMMEDIATE);
    {
        std::lock_guard<std::mutex> lock(liveCuesLock);
        liveCues.erase(cue.fact);
    }
    FACTCue_Destroy(cue.fact);
    cue.fact = nullptr;
}

SoundResult SoundEngine::Play(SoundBank* bank, uint16_t cueIndex, SoundCue*& cue)
{
    cue = nullptr;
    Impl& impl = *m_pImpl;
    if (!impl.initialized || !impl.Owns(bank))
        return SOUND_E_INVALID_CALL;
    if (cueIndex >= bank->info.cueWaves.size())
        return SOUND_E_INVALID_CUE;
    // The library looks a cue's wave bank up by name and does not check the
    // wave index: every bank of that name must hold the wave.
    for (const SoundBankWaveRef& wave : bank->info.cueWaves[cueIndex]) {
        const std::string& name = bank->info.waveBankNames[wave.waveBank];
        bool loaded = false;
        for (const std::unique_ptr<SoundWaveBank>& waveBank : impl.waveBanks) {
            if (waveBank->info.name != name)
                continue;
            if (wave.wave >= waveBank->info.waveCount)
                return SOUND_E_WAVES_NOT_LOADED;
            loaded = true;
        }
        if (!loaded)
            return SOUND_E_WAVES_NOT_LOADED;
    }
    FACTCue* fact = nullptr;
    const SoundResult result = FACTSoundBank_Play(bank->fact, cueIndex, 0, 0, &fact);
    if (result != SOUND_OK)
        return result;
    impl.cues.push_back(std::make_unique<SoundCue>(SoundCue {fact, bank, cueIndex}));
    cue = impl.cues.back().get();
    std::lock_guard<std::mutex> lock(impl.liveCuesLock);
    impl.liveCues[fact] = cue;
    return SOUND_OK;
}

SoundResult SoundEngine::Stop(SoundCue* cue, bool immediately)
{
    if (!m_pImpl->Owns(cue))
        return SOUND_E_INVALID_CALL;
    if (!cue->fact)
        return SOUND_OK;
    return FACTCue_Stop(cue->fact, immediately ? FACT_FLAG_STOP_IMMEDIATE : FACT_FLAG_STOP_RELEASE);
}

SoundResult SoundEngine::GetState(SoundCue* cue, uint32_t& state)
{
    state = 0;
    if (!m_pImpl->Owns(cue))
        return SOUND_E_INVALID_CALL;
    if (!cue->fact) {
        state = SOUND_STATE_STOPPED;
        return SOUND_OK;
    }
    return FACTCue_GetState(cue->fact, &state);
}

SoundResult SoundEngine::Destroy(SoundCue* cue)
{
    Impl& impl = *m_pImpl;
    if (!impl.Owns(cue))
        return SOUND_E_INVALID_CALL;
    SoundResult result = SOUND_OK;
    if (cue->fact) {
        {
            std::lock_guard<std::mutex> lock(impl.liveCuesLock);
            impl.liveCues.erase(cue->fact);
        }
        result = FACTCue_Destroy(cue->fact);
    }
    std::erase_if(impl.cues, [cue](const auto& owned) { return owned.get() == cue; });
    return result;
}

SoundResult SoundEngine::Initialize3D()
{
    Impl& impl = *m_pImpl;
    if (!impl.initialized)
        return SOUND_E_INVALID_CALL;
    const SoundResult result = FACT3DInitialize(impl.engine, impl.handle3D);
    impl.has3D = result == SOUND_OK;
    return result;
}

SoundResult SoundEngine::Calculate3D(float x, SoundPlacement& placement)
{
    if (!m_pImpl->has3D || !placement.matrix || placement.sourceChannels == 0 ||
        placement.sourceChannels > SOURCE_CHANNELS_MAX || placement.destinationChannels == 0 ||
        placement.destinationChannels > SPEAKERS_MAX)
        return SOUND_E_INVALID_CALL;
    F3DAUDIO_LISTENER listener {};
    listener.OrientFront = {0.0f, 0.0f, 1.0f};
    listener.OrientTop = {0.0f, 1.0f, 0.0f};
    float azimuths[SOURCE_CHANNELS_MAX] = {};
    F3DAUDIO_EMITTER emitter {};
    emitter.Position = {x, 0.0f, 0.0f};
    emitter.OrientFront = {0.0f, 0.0f, 1.0f};
    emitter.OrientTop = {0.0f, 1.0f, 0.0f};
    emitter.ChannelCount = placement.sourceChannels;
    emitter.ChannelRadius = 1.0f;
    emitter.pChannelAzimuths = azimuths;
    emitter.CurveDistanceScaler = 1.0f;
    emitter.DopplerScaler = 1.0f;
    float matrix[SOURCE_CHANNELS_MAX * SPEAKERS_MAX] = {};
    F3DAUDIO_DSP_SETTINGS settings {};
    settings.pMatrixCoefficients = matrix;
    settings.SrcChannelCount = placement.sourceChannels;
    settings.DstChannelCount = placement.destinationChannels;
    const SoundResult result = FACT3DCalculate(m_pImpl->handle3D, &listener, &emitter, &settings);
    if (result != SOUND_OK)
        return result;
    std::copy_n(matrix, placement.sourceChannels * placement.destinationChannels, placement.matrix);
    placement.distance = settings.EmitterToListenerDistance;
    placement.dopplerFactor = settings.DopplerFactor;
    placement.angle = settings.EmitterToListenerAngle;
    return SOUND_OK;
}

SoundResult SoundEngine::Apply3D(const SoundPlacement& placement, SoundCue* cue)
{
    if (!m_pImpl->Owns(cue) || !placement.matrix)
        return SOUND_E_INVALID_CALL;
    if (!cue->fact)
        return SOUND_OK;
    F3DAUDIO_DSP_SETTINGS settings {};
    settings.pMatrixCoefficients = placement.matrix;
    settings.SrcChannelCount = placement.sourceChannels;
    settings.DstChannelCount = placement.destinationChannels;
    settings.EmitterToListenerDistance = placement.distance;
    settings.DopplerFactor = placement.dopplerFactor;
    settings.EmitterToListenerAngle = placement.angle;
    return FACT3DApply(&settings, cue->fact);
}

} // namespace Platform
