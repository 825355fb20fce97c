#pragma once
#include "System/Clock.h"

#include <vector>

namespace Platform {

// A clock that moves only when told to (or when something sleeps on it), so
// that pacing and frame-time code can be tested to the millisecond and every
// seed drawn from it is the same in every run.
class FakeClock final : public Clock {
public:
    uint64_t Counter() override { return m_nanoseconds; }
    uint64_t CounterFrequency() override { return 1000000000ULL; }
    void Sleep(uint32_t milliseconds) override;
    void SleepUntil(uint64_t deadline) override;
    int32_t WallClockMilliseconds() override;
    int64_t CalendarSeconds() override { return m_calendarSeconds; }
    int64_t ProcessorTicks() override { return m_processorTicks; }

    void AdvanceMilliseconds(double milliseconds);
    // Every sleep until a deadline wakes this much after it, as a busy
    // system wakes a sleeping thread late.
    void SetWakeUpLateness(double milliseconds) { m_wakeUpLateness = static_cast<uint64_t>(milliseconds * 1e6); }
    void SetCalendarSeconds(int64_t seconds) { m_calendarSeconds = seconds; }
    void SetProcessorTicks(int64_t ticks) { m_processorTicks = ticks; }
    const std::vector<uint32_t>& Sleeps() const { return m_sleeps; }
    // The deadlines slept until, in counter units.
    const std::vector<uint64_t>& Deadlines() const { return m_deadlines; }

private:
    uint64_t m_nanoseconds = 0;
    int64_t m_calendarSeconds = 0;
    int64_t m_processorTicks = 0;
    uint64_t m_wakeUpLateness = 0;
    std::vector<uint32_t> m_sleeps;
    std::vector<uint64_t> m_deadlines;
};

} // namespace Platform
