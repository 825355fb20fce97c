#pragma once
#include <cstdint>

namespace Platform {

// Time as the game reads it: a high-resolution counter for pacing and
// profiling, a millisecond sleep, a sleep until a counter value (the frame's
// deadline), a wall-clock millisecond count for the frame time, and calendar
// seconds and the processor time used for seeding.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint64_t Counter() = 0;
    virtual uint64_t CounterFrequency() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
    // Returns once Counter() has reached the deadline (at once when it has).
    virtual void SleepUntil(uint64_t deadline) = 0;
    // Milliseconds of wall-clock time since the process started; wraps like
    // the C runtime's clock on the original platform.
    virtual int32_t WallClockMilliseconds() = 0;
    virtual int64_t CalendarSeconds() = 0;
    // The processor time the process has used, in the C runtime's clock
    // ticks.
    virtual int64_t ProcessorTicks() = 0;
};

// The real monotonic clock.
class SystemClock final : public Clock {
public:
    uint64_t Counter() override;
    uint64_t CounterFrequency() override;
    void Sleep(uint32_t milliseconds) override;
    void SleepUntil(uint64_t deadline) override;
    int32_t WallClockMilliseconds() override;
    int64_t CalendarSeconds() override;
    int64_t ProcessorTicks() override;
};

// The clock every caller uses; tests install a fake one with SetClock and
// restore the real one with SetClock(nullptr).
Clock& GetClock();
void SetClock(Clock* clock);

} // namespace Platform
