#include "System/Clock.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <thread>

namespace Platform {
namespace {

const std::chrono::steady_clock::time_point s_processStart = std::chrono::steady_clock::now();

SystemClock s_systemClock;
Clock* s_currentClock = &s_systemClock;

} // namespace

uint64_t SystemClock::Counter()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000000ULL + static_cast<uint64_t>(now.tv_nsec);
}

uint64_t SystemClock::CounterFrequency()
{
    return 1000000000ULL;
}

void SystemClock::Sleep(uint32_t milliseconds)
{
    if (milliseconds == 0) {
        std::this_thread::yield();
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SystemClock::SleepUntil(uint64_t deadline)
{
    // An absolute sleep on the counter's own clock: no rounding to whole
    // milliseconds, and a signal that interrupts it does not shorten it.
    timespec until {};
    until.tv_sec = static_cast<time_t>(deadline / 1000000000ULL);
    until.tv_nsec = static_cast<long>(deadline % 1000000000ULL);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) { }
}

int32_t SystemClock::WallClockMilliseconds()
{
    const auto elapsed = std::chrono::steady_clock::now() - s_processStart;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

int64_t SystemClock::CalendarSeconds()
{
    return static_cast<int64_t>(std::time(nullptr));
}

int64_t SystemClock::ProcessorTicks()
{
    return static_cast<int64_t>(std::clock());
}

Clock& GetClock()
{
    return *s_currentClock;
}

void SetClock(Clock* clock)
{
    s_currentClock = clock ? clock : &s_systemClock;
}

} // namespace Platform
