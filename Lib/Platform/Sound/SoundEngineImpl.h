#pragma once
// The engine's inner state, shared by the files that implement SoundEngine.
#include "Sound/GlobalSettingsLayout.h"
#include "Sound/SoundBankLayout.h"
#include "Sound/SoundEngine.h"
#include "Sound/WaveBankLayout.h"

#include <F3DAudio.h>
#include <FACT.h>
#include <FAudio.h>

#include <mutex>
#include <unordered_map>

namespace Platform {

struct SoundBank {
    FACTSoundBank* fact;
    SoundBankInfo info;
};

struct SoundWaveBank {
    FACTWaveBank* fact;
    WaveBankInfo info;
    FAudioIOStream* stream; // the streamed bank's file, null in memory
};

struct SoundCue {
    FACTCue* fact; // null once stopped for good by a bank going away
    SoundBank* bank;
    uint16_t index;
};

struct SoundEngine::Impl {
    FACTAudioEngine* engine = nullptr;
    bool initialized = false;
    GlobalSettingsInfo settings;
    SoundNotificationCallback callback = nullptr;
    F3DAUDIO_HANDLE handle3D {};
    bool has3D = false;
    std::vector<std::unique_ptr<SoundBank>> soundBanks;
    std::vector<std::unique_ptr<SoundWaveBank>> waveBanks; // in load order
    std::vector<std::unique_ptr<SoundCue>> cues;

    // The cues that the engine may report as stopped, by the engine's
    // pointer. The notification runs on the engine's thread and looks cues
    // up here under the lock; no engine call is ever made while it is held.
    std::mutex liveCuesLock;
    std::unordered_map<FACTCue*, SoundCue*> liveCues;

    static void OnEngineNotification(const FACTNotification* notification);

    bool Owns(const SoundCue* cue) const;
    bool Owns(const SoundBank* bank) const;
    bool Owns(const SoundWaveBank* bank) const;
    // Whether a cue plays a wave from a bank of that name.
    bool CueUsesWaveBank(const SoundCue& cue, const std::string& waveBankName) const;
    // Stops the cue at once (its stop is notified) and destroys the engine's
    // cue; the handle stays valid and reports the stopped state.
    void StopAndDestroyCue(SoundCue& cue);
};

} // namespace Platform
