#include "SoundSamples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double AMPLITUDE = 0.5 * 32767.0;
constexpr double FADE_SECONDS = 0.005;

double Envelope(uint32_t index, uint32_t count, uint32_t sampleRate)
{
    const double fade = FADE_SECONDS * sampleRate;
    const double fromStart = index;
    const double toEnd = static_cast<double>(count - 1 - index);
    return std::min({1.0, fromStart / fade, toEnd / fade});
}

} // namespace

std::vector<int16_t> ToneSequence(const std::vector<ToneStep>& steps, uint32_t sampleRate)
{
    std::vector<int16_t> samples;
    for (const ToneStep& step : steps) {
        const uint32_t count = static_cast<uint32_t>(static_cast<uint64_t>(step.milliseconds) * sampleRate / 1000);
        for (uint32_t i = 0; i < count; ++i) {
            const double phase = 2.0 * std::numbers::pi * step.frequency * i / sampleRate;
            const double value = step.frequency > 0 ? std::sin(phase) * Envelope(i, count, sampleRate) : 0.0;
            samples.push_back(static_cast<int16_t>(std::lround(value * AMPLITUDE)));
        }
    }
    return samples;
}

std::vector<int16_t> SoftNoise(uint32_t milliseconds, uint32_t sampleRate)
{
    const uint32_t count = static_cast<uint32_t>(static_cast<uint64_t>(milliseconds) * sampleRate / 1000);
    std::vector<int16_t> samples(count);
    uint32_t state = 0x12345678u;
    double smoothed = 0.0;
    for (uint32_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        smoothed += (white - smoothed) * 0.2;
        samples[i] = static_cast<int16_t>(std::lround(smoothed * Envelope(i, count, sampleRate) * AMPLITUDE));
    }
    return samples;
}
