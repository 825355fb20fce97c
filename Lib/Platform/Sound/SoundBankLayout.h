#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

// A wave that a cue plays: a wave index in one of the wave banks that the
// sound bank names.
struct SoundBankWaveRef {
    uint8_t waveBank;
    uint16_t wave;
};

// What the sound layer keeps of a sound bank (".xsb"): the names of the wave
// banks it plays from, and for every cue (by index) the waves it plays and
// its name.
struct SoundBankInfo {
    std::vector<std::string> waveBankNames;
    std::vector<std::vector<SoundBankWaveRef>> cueWaves;
    std::vector<std::string> cueNames;
};

// Checks that an untrusted image is a sound bank that the engine can read
// without leaving the image, given the category count of the global
// settings: its header, its tables in the order in which they are read, and
// sounds and cues of the kinds this layer plays (simple sounds, and sounds
// whose tracks play waves; cues of one sound). Returns an empty text when it
// is, otherwise why not.
std::string CheckSoundBank(const uint8_t* bytes, size_t size, size_t categoryCount, SoundBankInfo& info);

} // namespace Platform
