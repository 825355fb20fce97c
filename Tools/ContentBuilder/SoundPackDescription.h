#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The sample sound content as read from its text description: the categories
// of the global settings, the wave banks with their generated waves, and the
// cues of the sound bank in cue-index order.
struct SoundCategoryDesc {
    std::string name;
    uint16_t parent; // index of the parent category; 0xFFFF for the root
    double volumeDb;
};

struct WaveDesc {
    std::string name;
    uint32_t sampleRate;
    std::vector<int16_t> samples; // mono, 16-bit
};

struct WaveBankDesc {
    std::string name;
    bool streaming;
    std::vector<WaveDesc> waves;
};

struct CueDesc {
    std::string name;
    uint16_t category;
    uint8_t bank;
    uint16_t wave;
    bool loop;
    double volumeDb;
};

// A sound of the game's sound id table bound to a particular cue.
struct SoundBinding {
    uint32_t soundId;
    CueDesc cue;
};

struct SoundPackDesc {
    std::vector<SoundCategoryDesc> categories;
    std::vector<WaveBankDesc> banks;
    std::vector<SoundBinding> bindings;
    // The cue of every sound without a binding.
    CueDesc defaultCue {};
    bool hasDefaultCue = false;
    // The one wave of every bank that a sound group names and that the
    // description does not declare.
    WaveDesc groupWave {};
    // The cues in cue-index order, made from the sound id table.
    std::vector<CueDesc> cues;
};

// Reads the description, its files in the order given as if they were one;
// on failure returns false with "file:line: reason".
bool ReadSoundPackDescription(const std::vector<std::filesystem::path>& paths, SoundPackDesc& pack, std::string& error);
