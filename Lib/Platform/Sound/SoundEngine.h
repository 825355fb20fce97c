#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Platform {

// Results: 0 is success; the engine's own failure codes are passed through,
// and the checks of this layer add their own.
using SoundResult = uint32_t;
constexpr SoundResult SOUND_OK = 0;
constexpr SoundResult SOUND_E_BAD_FILE = 0x8AC7F001;         // a bank file failed its checks
constexpr SoundResult SOUND_E_INVALID_CUE = 0x8AC7F002;      // a cue index outside the sound bank
constexpr SoundResult SOUND_E_WAVES_NOT_LOADED = 0x8AC7F003; // no loaded wave bank holds the cue's waves
constexpr SoundResult SOUND_E_INVALID_CALL = 0x8AC7F004;     // no engine, or a handle it does not know
constexpr SoundResult SOUND_E_FILE_NOT_FOUND = 0x8AC7F005;   // a streamed bank's file cannot be opened
constexpr SoundResult SOUND_E_NO_MIX_FORMAT = 0x8AC7F006;    // the engine does not tell its mix format
constexpr SoundResult SOUND_E_NO_OUTPUT = 0x8AC7F007;        // no audio output could be opened

// State bits of cues and wave banks.
constexpr uint32_t SOUND_STATE_PREPARED = 0x04;
constexpr uint32_t SOUND_STATE_PLAYING = 0x08;
constexpr uint32_t SOUND_STATE_STOPPING = 0x10;
constexpr uint32_t SOUND_STATE_STOPPED = 0x20;
constexpr uint32_t SOUND_STATE_PAUSED = 0x40;

constexpr uint16_t SOUND_CATEGORY_INVALID = 0xFFFF;
constexpr uint16_t SOUND_CUE_INVALID = 0xFFFF;
constexpr uint8_t SOUND_NOTIFICATION_CUE_STOP = 3;

struct SoundBank;
struct SoundWaveBank;
struct SoundCue;

// A notification of the engine; only cue stops are delivered. It may come
// from the engine's own thread, or from inside a call that stops a cue.
struct SoundNotification {
    uint8_t type;
    SoundCue* cue;
};
using SoundNotificationCallback = void (*)(const SoundNotification* notification);

// Left-right placement of a two-channel source: the output matrix (source x
// destination coefficients, in a buffer that the caller owns) and the
// per-cue values that go with it.
struct SoundPlacement {
    float* matrix = nullptr;
    uint32_t sourceChannels = 2;
    uint32_t destinationChannels = 2;
    float distance = 0.0f;
    float dopplerFactor = 1.0f;
    float angle = 0.0f;
};

// The sound engine: global settings with categories and variables, one or
// more sound banks of numbered cues, wave banks in memory or streamed from a
// file, cues with their state, category volume and pause, and 3D placement.
// Every bank image is checked before the engine reads it, and a cue is only
// started when its waves are in a loaded wave bank, so that bad data is
// refused instead of being read out of bounds. Cues stay valid handles until
// Destroy (a cue whose wave bank or sound bank goes away is stopped, and then
// reports the stopped state). Call from one thread; only the notification
// callback runs elsewhere.
class SoundEngine {
public:
    static SoundResult Create(std::unique_ptr<SoundEngine>& engine);
    ~SoundEngine();
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // The settings image is checked, then read; `error` tells why a file
    // was refused (SOUND_E_BAD_FILE). SOUND_E_NO_OUTPUT when no audio output
    // (device, or the silent or file output) could be opened.
    SoundResult Initialize(const uint8_t* settings, size_t size, uint32_t lookAheadMilliseconds,
                           SoundNotificationCallback callback, std::string& error);
    // Persistent notification of every cue's stop.
    SoundResult RegisterCueStopNotification();
    SoundResult ShutDown();
    SoundResult DoWork();

    SoundResult CreateSoundBank(const uint8_t* bytes, size_t size, SoundBank*& bank, std::string& error);
    SoundResult DestroySoundBank(SoundBank* bank);
    // The index of the cue of that name, or SOUND_CUE_INVALID.
    uint16_t GetCueIndex(SoundBank* bank, const char* name) const;
    // The image must outlive the wave bank: waves play from it.
    SoundResult CreateInMemoryWaveBank(const uint8_t* bytes, size_t size, SoundWaveBank*& bank, std::string& error);
    // Opens the file (an existing one) for the bank's whole life.
    SoundResult CreateStreamingWaveBank(const char* path, uint16_t packetSize, SoundWaveBank*& bank,
                                        std::string& error);
    SoundResult GetWaveBankState(SoundWaveBank* bank, uint32_t& state);
    // Stops every cue that plays from a wave bank of that name, then
    // destroys the bank.
    SoundResult DestroyWaveBank(SoundWaveBank* bank);

    // The speaker layout of the mix and the speed of sound of the settings.
    SoundResult Initialize3D();
    SoundResult GetFinalMixChannels(uint32_t& channels);
    // A listener at the origin facing +z with +y up and the source at
    // (x, 0, 0).
    SoundResult Calculate3D(float x, SoundPlacement& placement);
    SoundResult Apply3D(const SoundPlacement& placement, SoundCue* cue);

    uint16_t GetCategory(const char* name) const;
    size_t CategoryCount() const { return m_vCategoryVolumes.size(); }
    SoundResult SetCategoryVolume(uint16_t category, float volume);
    // The volume last set (1.0 until then).
    float GetCategoryVolume(uint16_t category) const;
    SoundResult PauseCategory(uint16_t category, bool pause);

    SoundResult Play(SoundBank* bank, uint16_t cueIndex, SoundCue*& cue);
    SoundResult Stop(SoundCue* cue, bool immediately);
    SoundResult GetState(SoundCue* cue, uint32_t& state);
    SoundResult Destroy(SoundCue* cue);

private:
    struct Impl;
    SoundEngine();

    std::unique_ptr<Impl> m_pImpl;
    std::vector<float> m_vCategoryVolumes;
};

} // namespace Platform
