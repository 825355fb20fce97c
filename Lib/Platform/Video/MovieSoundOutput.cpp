#include "Video/MovieSoundOutput.h"

#include "Video/Movie.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace Platform {

MovieSoundOutput::~MovieSoundOutput()
{
    if (m_uDevice == 0)
        return;
    SDL_CloseAudioDevice(m_uDevice);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MovieSoundOutput::Open(std::string& error)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    SDL_AudioSpec wanted {};
    wanted.freq = SAMPLE_RATE;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = CHANNELS;
    wanted.samples = 1024;
    // With no changes allowed SDL converts to whatever the device plays.
    m_uDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_uDevice == 0) {
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void MovieSoundOutput::Start()
{
    if (m_uDevice == 0 || m_bStarted)
        return;
    m_bStarted = true;
    SDL_PauseAudioDevice(m_uDevice, 0);
}

void MovieSoundOutput::Queue(const int16_t* samples, uint32_t frameCount)
{
    if (m_uDevice == 0 || frameCount == 0)
        return;
    const size_t count = static_cast<size_t>(frameCount) * CHANNELS;
    m_dKept.insert(m_dKept.end(), samples, samples + count);
    if (m_dKept.size() > KEPT_SAMPLES)
        m_dKept.erase(m_dKept.begin(), m_dKept.begin() + static_cast<std::ptrdiff_t>(m_dKept.size() - KEPT_SAMPLES));
    QueueScaled(samples, count);
}

void MovieSoundOutput::SetVolume(int32_t volume)
{
    if (volume == m_iVolume)
        return;
    m_iVolume = volume;
    if (m_uDevice == 0)
        return;
    // What waits in the device was scaled for the old volume (the first
    // frame is decoded before the caller sets it): it is queued again.
    SDL_LockAudioDevice(m_uDevice);
    const size_t waiting = SDL_GetQueuedAudioSize(m_uDevice) / sizeof(int16_t);
    SDL_ClearQueuedAudio(m_uDevice);
    SDL_UnlockAudioDevice(m_uDevice);
    size_t count = std::min(waiting, m_dKept.size());
    count -= count % CHANNELS;
    const std::vector<int16_t> samples(m_dKept.end() - static_cast<std::ptrdiff_t>(count), m_dKept.end());
    QueueScaled(samples.data(), count);
}

void MovieSoundOutput::QueueScaled(const int16_t* samples, size_t count)
{
    if (count == 0)
        return;
    if (m_iVolume == MOVIE_VOLUME_NORMAL) {
        SDL_QueueAudio(m_uDevice, samples, static_cast<uint32_t>(count * sizeof(int16_t)));
        return;
    }
    std::vector<int16_t> scaled(count);
    for (size_t i = 0; i < count; ++i) {
        const int64_t value = static_cast<int64_t>(samples[i]) * m_iVolume / MOVIE_VOLUME_NORMAL;
        scaled[i] = static_cast<int16_t>(std::clamp<int64_t>(value, INT16_MIN, INT16_MAX));
    }
    SDL_QueueAudio(m_uDevice, scaled.data(), static_cast<uint32_t>(count * sizeof(int16_t)));
}

uint32_t MovieSoundOutput::QueuedBytes() const
{
    return m_uDevice != 0 ? SDL_GetQueuedAudioSize(m_uDevice) : 0;
}

} // namespace Platform
