#pragma once
// What the sound harnesses share: the sample sound files, an engine made as
// the game makes it, and cues played as the game's players play them, so
// that the engine reads every byte that a played sound reaches (on the
// output of Fuzz::SelectFastSilentOutput, in a fraction of its time).
#include "Sound/SoundEngine.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace Fuzz {

// The categories of the game's sound players.
inline const char* const PLAYER_CATEGORIES[] = {"Effects", "Voices", "Musics", "Ambients"};
// Enough cues for every kind of sound of a bank, few enough to keep each
// input short.
constexpr uint16_t MAX_CUES_PLAYED = 48;
// How long the cues of one input may play, in the mix's own time.
constexpr auto MIX_TIME = std::chrono::milliseconds(30);
// The game's look-ahead and the packet size of its streamed bank.
constexpr uint32_t LOOK_AHEAD_MILLISECONDS = 250;
constexpr uint16_t STREAM_PACKET_SECTORS = 64;

// The sample data folder that the build writes beside the harness.
inline std::filesystem::path DataFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Data";
}

inline std::vector<uint8_t> ReadDataFile(const char* name)
{
    std::ifstream file(DataFolder() / name, std::ios::binary);
    if (!file)
        std::abort();
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// An engine on the settings, with its cue-stop notification as the game has
// it; null when the engine refuses the settings.
inline std::unique_ptr<Platform::SoundEngine> MakeEngine(const std::vector<uint8_t>& settings)
{
    std::unique_ptr<Platform::SoundEngine> engine;
    std::string reason;
    if (Platform::SoundEngine::Create(engine) != Platform::SOUND_OK ||
        engine->Initialize(
            settings.data(), settings.size(), LOOK_AHEAD_MILLISECONDS, [](const Platform::SoundNotification*) {},
            reason) != Platform::SOUND_OK)
        return nullptr;
    engine->RegisterCueStopNotification();
    engine->Initialize3D();
    return engine;
}

// Plays the bank's cues whose waves are loaded, as the game's players do
// (each category's volume set, each cue placed left or right), lets them
// sound for a while, then stops and destroys them.
inline void PlayCues(Platform::SoundEngine& engine, Platform::SoundBank* bank)
{
    uint32_t channels = 0;
    if (engine.GetFinalMixChannels(channels) != Platform::SOUND_OK)
        channels = 2;
    std::vector<float> matrix(size_t(channels) * 2);
    for (const char* name : PLAYER_CATEGORIES)
        engine.SetCategoryVolume(engine.GetCategory(name), 0.5f);
    std::vector<Platform::SoundCue*> cues;
    for (uint32_t index = 0; index < Platform::SOUND_CUE_INVALID && cues.size() < MAX_CUES_PLAYED; ++index) {
        Platform::SoundCue* cue = nullptr;
        if (engine.Play(bank, uint16_t(index), cue) == Platform::SOUND_E_INVALID_CUE)
            break;
        if (cue == nullptr)
            continue;
        Platform::SoundPlacement placement;
        placement.matrix = matrix.data();
        placement.destinationChannels = channels;
        if (engine.Calculate3D(index % 2 ? -0.75f : 0.75f, placement) == Platform::SOUND_OK)
            engine.Apply3D(placement, cue);
        cues.push_back(cue);
    }
    const auto end = std::chrono::steady_clock::now() + MIX_TIME;
    for (bool playing = !cues.empty(); playing && std::chrono::steady_clock::now() < end;) {
        engine.DoWork();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        playing = false;
        for (Platform::SoundCue* cue : cues) {
            uint32_t state = 0;
            engine.GetState(cue, state);
            playing = playing || !(state & Platform::SOUND_STATE_STOPPED);
        }
    }
    for (Platform::SoundCue* cue : cues) {
        engine.Stop(cue, false);
        engine.Destroy(cue);
    }
}

// Loads a streamed bank from a file as the game does: created on the file,
// then worked until it is prepared (or a short while has passed).
inline Platform::SoundWaveBank* LoadStreamedBank(Platform::SoundEngine& engine, const std::string& path)
{
    Platform::SoundWaveBank* bank = nullptr;
    std::string reason;
    if (engine.CreateStreamingWaveBank(path.c_str(), STREAM_PACKET_SECTORS, bank, reason) != Platform::SOUND_OK)
        return nullptr;
    const auto end = std::chrono::steady_clock::now() + MIX_TIME;
    for (uint32_t state = 0; !(state & Platform::SOUND_STATE_PREPARED) && std::chrono::steady_clock::now() < end;) {
        engine.DoWork();
        if (engine.GetWaveBankState(bank, state) != Platform::SOUND_OK)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return bank;
}

} // namespace Fuzz
