#pragma once
#include "Video/Movie.h"

#include <cstdint>
#include <deque>
#include <string>

namespace Platform {

// The audio output of a movie's sound track: 16-bit stereo samples at
// SAMPLE_RATE, queued to an audio device of its own on the platform's audio
// driver (the device, or the silent or file output chosen with
// SelectSoundOutput), played from the first Start, at the volume last set.
class MovieSoundOutput {
public:
    static constexpr int32_t SAMPLE_RATE = 48000;
    static constexpr int32_t CHANNELS = 2;

    MovieSoundOutput() = default;
    ~MovieSoundOutput();
    MovieSoundOutput(const MovieSoundOutput&) = delete;
    MovieSoundOutput& operator=(const MovieSoundOutput&) = delete;

    // False, with `error`, when no audio device could be opened.
    bool Open(std::string& error);
    void Start();
    // Interleaved samples, scaled by the volume / 32768 (clipped).
    void Queue(const int16_t* samples, uint32_t frameCount);
    // The volume of what is queued from now on and of what is queued and
    // not yet played.
    void SetVolume(int32_t volume);
    // Bytes queued and not yet played.
    uint32_t QueuedBytes() const;
    bool IsOpen() const { return m_uDevice != 0; }

private:
    // Two seconds of sound: more than is ever queued ahead.
    static constexpr size_t KEPT_SAMPLES = size_t(SAMPLE_RATE) * CHANNELS * 2;

    void QueueScaled(const int16_t* samples, size_t count);

    uint32_t m_uDevice = 0;
    bool m_bStarted = false;
    int32_t m_iVolume = MOVIE_VOLUME_NORMAL;
    // The latest samples as decoded, to queue again at a new volume.
    std::deque<int16_t> m_dKept;
};

} // namespace Platform
