#include "Video/MoviePacing.h"

#include "System/Clock.h"

namespace Platform {

void MoviePacing::NextFrame()
{
    if (m_uCurrentFrame <= m_info.frameCount)
        ++m_uCurrentFrame;
}

bool MoviePacing::Wait()
{
    return !IsDue(m_uCurrentFrame);
}

bool MoviePacing::ShouldSkip()
{
    return IsDue(m_uCurrentFrame + 1);
}

bool MoviePacing::IsDue(uint32_t frame)
{
    Clock& clock = GetClock();
    if (!m_bStarted) {
        m_bStarted = true;
        m_uStartCounter = clock.Counter();
    }
    if (m_info.frameRate == 0 || frame <= 1)
        return true;
    const uint64_t frequency = clock.CounterFrequency();
    const uint64_t elapsed = clock.Counter() - m_uStartCounter;
    // Frame n is due (n - 1) * divisor / rate seconds into the movie; both
    // sides are multiplied out so that nothing is divided.
    const unsigned __int128 due = static_cast<unsigned __int128>(frame - 1) * m_info.frameRateDivisor * frequency;
    return static_cast<unsigned __int128>(elapsed) * m_info.frameRate >= due;
}

} // namespace Platform
