#include "Screen/CoreVirtualScreen.h"

#include <gtest/gtest.h>

namespace {

TEST(CoreVirtualScreenTest, VisibleWidthFollowsTheAspectRatio)
{
    EXPECT_EQ(CoreVisibleScreenWidth(1280, 960), VIRTUAL_SCREEN_WIDTH);
    EXPECT_EQ(CoreVisibleScreenWidth(640, 480), VIRTUAL_SCREEN_WIDTH);
    EXPECT_EQ(CoreVisibleScreenWidth(1920, 1080), 1920 * 0xC0000 / 1080); // wider: margins at both sides
    EXPECT_EQ(CoreVisibleScreenWidth(1000, 1000), 192 * FX32_ONE);        // narrower: strips cut off
}

TEST(CoreVirtualScreenTest, WideBackBuffersDoNotOverflow)
{
    EXPECT_EQ(CoreVisibleScreenWidth(5462, 4096), 1048704); // 5462 · 0xC0000 needs 33 bits
    EXPECT_EQ(CoreVisibleScreenWidth(7680, 4320), 1398101);
    EXPECT_EQ(CoreVisibleScreenWidth(0xFFFFFFFFu, 1), INT32_MAX);
}

TEST(CoreVirtualScreenTest, ZeroHeightGivesTheFourByThreeWidth)
{
    EXPECT_EQ(CoreVisibleScreenWidth(1280, 0), VIRTUAL_SCREEN_WIDTH);
}

} // namespace
