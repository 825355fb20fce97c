#include "System/FakeClock.h"

namespace Platform {

void FakeClock::Sleep(uint32_t milliseconds)
{
    m_sleeps.push_back(milliseconds);
    AdvanceMilliseconds(milliseconds);
}

void FakeClock::SleepUntil(uint64_t deadline)
{
    m_deadlines.push_back(deadline);
    if (deadline > m_nanoseconds)
        m_nanoseconds = deadline + m_wakeUpLateness;
}

int32_t FakeClock::WallClockMilliseconds()
{
    return static_cast<int32_t>(static_cast<uint32_t>(m_nanoseconds / 1000000ULL));
}

void FakeClock::AdvanceMilliseconds(double milliseconds)
{
    m_nanoseconds += static_cast<uint64_t>(milliseconds * 1000000.0);
}

} // namespace Platform
