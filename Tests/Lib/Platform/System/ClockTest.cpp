#include "System/Clock.h"
#include "System/FakeClock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace {

TEST(ClockTest, FakeClockMovesOnlyWhenDriven)
{
    Platform::FakeClock fake;
    Platform::SetClock(&fake);
    Platform::Clock& clock = Platform::GetClock();
    EXPECT_EQ(clock.WallClockMilliseconds(), 0);
    fake.AdvanceMilliseconds(4.6);
    EXPECT_EQ(clock.Counter(), 4600000u);
    EXPECT_EQ(clock.WallClockMilliseconds(), 4);
    clock.Sleep(11);
    EXPECT_EQ(clock.WallClockMilliseconds(), 15);
    ASSERT_EQ(fake.Sleeps().size(), 1u);
    EXPECT_EQ(fake.Sleeps()[0], 11u);
    fake.SetCalendarSeconds(1700000000);
    EXPECT_EQ(clock.CalendarSeconds(), 1700000000);
    Platform::SetClock(nullptr);
    EXPECT_NE(&Platform::GetClock(), &fake);
}

TEST(ClockTest, SystemClockIsMonotonicAndSleeps)
{
    Platform::Clock& clock = Platform::GetClock();
    const uint64_t before = clock.Counter();
    const int32_t wallBefore = clock.WallClockMilliseconds();
    clock.Sleep(5);
    EXPECT_GE(clock.Counter() - before, 5u * clock.CounterFrequency() / 1000u);
    EXPECT_GE(clock.WallClockMilliseconds() - wallBefore, 5);
    EXPECT_GT(clock.CalendarSeconds(), 1600000000);
    // The processor time is the C runtime's.
    const clock_t ticksBefore = std::clock();
    const int64_t ticks = clock.ProcessorTicks();
    EXPECT_LE(ticksBefore, ticks);
    EXPECT_LE(ticks, std::clock());

    // A deadline between two milliseconds is met, not rounded down.
    const uint64_t deadline = clock.Counter() + 2500u * clock.CounterFrequency() / 1000000u;
    clock.SleepUntil(deadline);
    EXPECT_GE(clock.Counter(), deadline);
}

TEST(ClockTest, FakeClockSleepsUntilADeadlineButNeverBack)
{
    Platform::FakeClock fake;
    fake.AdvanceMilliseconds(4.6);
    fake.SleepUntil(16000000);
    EXPECT_EQ(fake.Counter(), 16000000u);
    fake.SleepUntil(10000000);
    EXPECT_EQ(fake.Counter(), 16000000u);
    EXPECT_EQ(fake.Deadlines(), (std::vector<uint64_t> {16000000, 10000000}));
}

} // namespace
