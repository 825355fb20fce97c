#include "Game/TwGame.h"
#include "Support/ScopedService.h"
#include "System/FakeClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

class FrameTimeTest : public ::testing::Test {
protected:
    // One frame of the given length, at the given speed shift.
    uint32_t Frame(TwGame& game, double milliseconds)
    {
        m_clock.AdvanceMilliseconds(milliseconds);
        return game.AdvanceFrameTime();
    }

    Platform::FakeClock m_clock;
    TestSupport::ScopedService<Platform::Clock> m_installedClock {Platform::SetClock, m_clock};
};

TEST_F(FrameTimeTest, FrameTimeIsClampedAndAdvancesTheGameClock)
{
    TwGame game;
    EXPECT_EQ(Frame(game, 10), 16u);
    EXPECT_EQ(Frame(game, 5), 16u);
    EXPECT_EQ(Frame(game, 16), 16u);
    EXPECT_EQ(Frame(game, 17), 17u);
    EXPECT_EQ(Frame(game, 30), 30u);
    EXPECT_EQ(Frame(game, 47), 47u);
    EXPECT_EQ(Frame(game, 48), 48u);
    EXPECT_EQ(Frame(game, 100), 48u);
    EXPECT_EQ(Frame(game, 200), 48u);
    EXPECT_EQ(game.m_uGameClock, 16u + 16 + 16 + 17 + 30 + 47 + 48 + 48 + 48);
}

TEST_F(FrameTimeTest, AutoTestSpeedRunsFourTimesFaster)
{
    TwGame game;
    game.m_iSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    EXPECT_EQ(Frame(game, 10), 64u);
    EXPECT_EQ(Frame(game, 30), 120u);
    EXPECT_EQ(Frame(game, 100), 192u);
    EXPECT_EQ(game.m_uGameClock, 64u + 120 + 192);
    EXPECT_EQ(TwGame::ScaleFrameTime(48, 2), 12u); // below normal speed halves per step
}

TEST_F(FrameTimeTest, ClockGoingBackwardsCountsAsTheLongestFrame)
{
    TwGame game;
    game.m_iLastClock = 1000;
    EXPECT_EQ(game.AdvanceFrameTime(), 48u); // the fake clock reads 0
    EXPECT_EQ(TwGame::ClampFrameTime(-1), 48u);
}

TEST_F(FrameTimeTest, ClockWrapIsAnOrdinaryFrame)
{
    TwGame game;
    game.m_iLastClock = INT32_MAX - 9; // 20 ms before the counter wraps
    m_clock.AdvanceMilliseconds(2147483648.0 + 10.0);
    EXPECT_EQ(game.AdvanceFrameTime(), 20u);
}

TEST(GameClockTest, StampShowsHoursMinutesSecondsWithoutWrappingHours)
{
    TwGame game;
    EXPECT_STREQ(game.GetClockString(), "00h:00m:00s");
    game.m_uGameClock = 3725000;
    EXPECT_STREQ(game.GetClockString(), "01h:02m:05s");
    game.m_uGameClock = 3725999;
    EXPECT_STREQ(game.GetClockString(), "01h:02m:05s");
    game.m_uGameClock = 360000000;
    EXPECT_STREQ(game.GetClockString(), "100h:00m:00s");
}

} // namespace
