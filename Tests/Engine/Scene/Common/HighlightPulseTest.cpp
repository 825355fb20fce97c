#include "Random/CoreRandom.h"
#include "Scene/Common/SceneObject.h"

#include <gtest/gtest.h>

namespace {

SceneObject ActivePulse(fx32 clock)
{
    SceneObject object;
    object.m_oPulse.m_bActive = 1;
    object.m_oPulse.m_iClock = clock;
    object.m_oPulse.m_iAngle = 77;
    object.m_oPulse.m_iAlpha = 77;
    object.m_oPulse.m_iScaleX = 77;
    object.m_oPulse.m_iScaleY = 77;
    return object;
}

TEST(HighlightPulseTest, PulseFollowsItsKeysAndWrapsPastTheLast)
{
    const struct {
        fx32 clock;
        uint32_t milliseconds;
        fx32 clockAfter;
        fx32 angle;
        fx32 scale;
        fx32 alpha;
    } cases[] = {
        {1229, 0, 1229, 3217, 2048, 4096},
        {4915, 0, 4915, 12868, 2048, 2048},
        // Halfway from key 2 to key 3.
        {1966 + 983 / 2, 0, 2457, 5146 + (7722 - 5146) * 491 / 983, 4096, 4096},
        // 300 ms is 1228.8 units, truncated.
        {1, 300, 1229, 3217, 2048, 4096},
        // Past the last key: back to 1, this frame's values unchanged.
        {4916, 0, 1, 77, 77, 77},
        {4000, 1000, 4000 + 4096 - 4915, 77, 77, 77},
        // A clock at or below 0 does nothing yet.
        {0, 0, 0, 77, 77, 77},
    };
    for (const auto& row : cases) {
        SceneObject object = ActivePulse(row.clock);
        object.Update(row.milliseconds);
        const HighlightPulse& pulse = object.m_oPulse;
        EXPECT_EQ(pulse.m_iClock, row.clockAfter) << row.clock;
        EXPECT_NEAR(pulse.m_iAngle, row.angle, 1) << row.clock;
        EXPECT_EQ(pulse.m_iScaleX, row.scale) << row.clock;
        EXPECT_EQ(pulse.m_iScaleY, row.scale) << row.clock;
        EXPECT_EQ(pulse.m_iAlpha, row.alpha) << row.clock;
    }
}

TEST(HighlightPulseTest, HighlightStartsAtARandomPointAndStopsOnRequest)
{
    SceneObject object;
    EXPECT_EQ(object.m_oPulse.m_oPosition.x, -1);
    EXPECT_EQ(object.m_oPulse.m_oPosition.y, -1);
    object.Update(100);
    EXPECT_EQ(object.m_oPulse.m_iClock, 0);

    CoreRandom::Init(1234);
    const fx32 expected = static_cast<fx32>(CoreRandom::Next() >> 20);
    CoreRandom::Init(1234);
    object.SetHighlight(true);
    const HighlightPulse& pulse = object.m_oPulse;
    EXPECT_TRUE(pulse.m_bActive);
    EXPECT_EQ(pulse.m_iClock, expected);
    EXPECT_LT(pulse.m_iClock, 4096);
    EXPECT_EQ(pulse.m_iAngle, 0);
    EXPECT_EQ(pulse.m_iAlpha, 2048);
    EXPECT_EQ(pulse.m_iScaleX, 2048);

    // A running pulse is left as it is.
    object.Update(16);
    const fx32 running = pulse.m_iClock;
    object.SetHighlight(true);
    EXPECT_EQ(pulse.m_iClock, running);
    object.SetHighlight(false);
    EXPECT_FALSE(pulse.m_bActive);
    object.Update(16);
    EXPECT_EQ(pulse.m_iClock, running);
}

TEST(HighlightPulseTest, ObjectBoxHoldsItsEdges)
{
    SceneObject object;
    object.m_oBox = {-10, 5, 20, 30};
    EXPECT_TRUE(object.Contains(-10, 5, 0));
    EXPECT_TRUE(object.Contains(20, 30, 0));
    EXPECT_FALSE(object.Contains(21, 30, 16 * FX32_ONE));
    EXPECT_FALSE(object.Contains(0, 4, 0));
    EXPECT_FALSE(object.IsVisible());
    EXPECT_EQ(object.GetDirection(), DIR_NONE);
}

} // namespace
