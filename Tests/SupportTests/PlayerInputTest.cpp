#include "Support/PlayerInput.h"

#include <gtest/gtest.h>

namespace {

using TestSupport::PixelOf;
using TestSupport::ScreenPoint;
using TestSupport::SeenAt;

// How far from a point the game may see the pointer aimed at it in a window
// this high: a pixel's span (the height holds the screen's 192 units), and
// the 4096th of the picture that the input keeps.
int64_t Reach(int32_t height)
{
    return (192LL << FX32_SHIFT) / height + 1 + (256 << FX32_SHIFT) / 4096;
}

TEST(PlayerInputTest, EveryPointIsSeenOnThePixelAimedAtInWindowsOfEveryShape)
{
    // 4:3, wide with side margins, and a size whose pixels are not whole
    // units.
    const std::pair<int32_t, int32_t> windows[] = {{1280, 960}, {640, 480}, {1280, 720}, {1000, 600}, {333, 250}};
    for (const auto& [width, height] : windows) {
        for (fx32 y = 0; y < 192 * FX32_ONE; y += 7 * FX32_ONE / 3) {
            for (fx32 x = 0; x < 256 * FX32_ONE; x += 11 * FX32_ONE / 3) {
                const auto seen = SeenAt(PixelOf({x, y}, width, height), width, height);
                ASSERT_TRUE(seen) << width << " x " << height << " at " << x << ", " << y;
                // The game sees the pixel's top-left corner, a little before
                // the point.
                EXPECT_LE(seen->x, x);
                EXPECT_LE(seen->y, y);
                EXPECT_LT(x - seen->x, Reach(height)) << width << " x " << height;
                EXPECT_LT(y - seen->y, Reach(height)) << width << " x " << height;
            }
        }
    }
}

TEST(PlayerInputTest, TheSideMarginsOfAWideWindowLieOffTheVirtualScreen)
{
    // 1280 x 720 shows the 4:3 picture 960 wide between margins of 160.
    EXPECT_EQ(PixelOf({0, 0}, 1280, 720).x, 160);
    EXPECT_EQ(PixelOf({256 * FX32_ONE - 1, 0}, 1280, 720).x, 1119);
    EXPECT_LT(SeenAt({0, 0}, 1280, 720)->x, 0);
    EXPECT_GT(SeenAt({1279, 0}, 1280, 720)->x, 256 * FX32_ONE);
    EXPECT_FALSE(SeenAt({1280, 0}, 1280, 720));
    EXPECT_FALSE(SeenAt({0, -1}, 1280, 720));
}

} // namespace
