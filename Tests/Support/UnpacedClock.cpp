#include "Support/UnpacedClock.h"

namespace TestSupport {

UnpacedClock::UnpacedClock() : m_start(m_real.Counter())
{
}

uint64_t UnpacedClock::Counter()
{
    return m_real.Counter() + m_skipped;
}

uint64_t UnpacedClock::CounterFrequency()
{
    return m_real.CounterFrequency();
}

void UnpacedClock::Sleep(uint32_t milliseconds)
{
    // A sleep of nothing lets other threads run, as on the real clock.
    if (milliseconds == 0) {
        m_real.Sleep(0);
        return;
    }
    m_skipped += uint64_t(milliseconds) * m_real.CounterFrequency() / 1000u;
}

void UnpacedClock::SleepUntil(uint64_t deadline)
{
    const uint64_t now = Counter();
    if (deadline > now)
        m_skipped += deadline - now;
}

int32_t UnpacedClock::WallClockMilliseconds()
{
    const uint64_t elapsed = Counter() - m_start;
    return static_cast<int32_t>(static_cast<uint32_t>(elapsed * 1000u / m_real.CounterFrequency()));
}

int64_t UnpacedClock::CalendarSeconds()
{
    return m_real.CalendarSeconds();
}

int64_t UnpacedClock::ProcessorTicks()
{
    return m_real.ProcessorTicks();
}

} // namespace TestSupport
