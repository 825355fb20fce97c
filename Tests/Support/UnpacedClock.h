#pragma once
#include "System/Clock.h"

#include <cstdint>

namespace TestSupport {

// The real clock, except that a sleep returns at once and moves the clock on
// by the time it would have slept. A paced game runs on it frame for frame
// as on the real clock (each frame takes its 16 ms of game time), only
// without waiting, while the time its own work takes still counts.
class UnpacedClock final : public Platform::Clock {
public:
    UnpacedClock();

    uint64_t Counter() override;
    uint64_t CounterFrequency() override;
    void Sleep(uint32_t milliseconds) override;
    void SleepUntil(uint64_t deadline) override;
    int32_t WallClockMilliseconds() override;
    int64_t CalendarSeconds() override;
    int64_t ProcessorTicks() override;

    // The time skipped by sleeps, in counter units.
    uint64_t Skipped() const { return m_skipped; }

private:
    Platform::SystemClock m_real;
    uint64_t m_start = 0;
    uint64_t m_skipped = 0;
};

} // namespace TestSupport
