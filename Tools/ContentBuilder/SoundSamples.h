#pragma once
#include <cstdint>
#include <vector>

// Generated sample waves (mono, 16-bit) for the sample sound banks.
struct ToneStep {
    double frequency; // Hz; 0 is a rest
    uint32_t milliseconds;
};

// Sine tones one after another, each faded in and out over a few
// milliseconds so that steps do not click.
std::vector<int16_t> ToneSequence(const std::vector<ToneStep>& steps, uint32_t sampleRate);

// Soft noise (a low-passed pseudo-random sequence, the same every build).
std::vector<int16_t> SoftNoise(uint32_t milliseconds, uint32_t sampleRate);
