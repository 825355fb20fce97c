// The view over a main layer wider than the screen: its range in windows of
// either shape, and how it follows the selected character.
#include "Scene/Common/Scene.h"
#include "Support/HandMadeScene.h"

#include <gtest/gtest.h>

namespace {

using TestSupport::AddFakeCharacter;
using TestSupport::BuildMainLayer;
using TestSupport::FakeCastMember;
using TestSupport::ScopedWindowSize;

constexpr fx32 FX = FX32_ONE;
constexpr uint32_t HEROINE = 0x80000001u;

// fx32 of a decimal, rounded to nearest.
fx32 Fixed(double value)
{
    return static_cast<fx32>(value * FX + (value < 0 ? -0.5 : 0.5));
}

TEST(SceneScrollTest, TheScrollStaysWithinTheLayerForEveryWindowShape)
{
    struct Case {
        uint32_t width, height;
        double layer, lowest, highest;
    };
    const Case cases[] = {
        {1280, 960, 400, 0, 144},
        {1280, 720, 400, 42.6667, 101.3333},
        // Narrow layers are centred and fixed.
        {1280, 960, 256, 0, 0},
        {1280, 960, 200, -28, -28},
        {1280, 720, 300, 22, 22},
    };
    for (const Case& c : cases) {
        ScopedWindowSize window(c.width, c.height);
        Scene scene;
        BuildMainLayer(scene, Fixed(c.layer), {}, {});
        scene.m_fScroll = -1000 * FX;
        scene.ClampScroll();
        EXPECT_NEAR(scene.m_fScroll, Fixed(c.lowest), 2) << c.layer << " in " << c.width << "x" << c.height;
        scene.m_fScroll = 1000 * FX;
        scene.ClampScroll();
        EXPECT_NEAR(scene.m_fScroll, Fixed(c.highest), 2) << c.layer << " in " << c.width << "x" << c.height;
        if (c.lowest == c.highest) {
            scene.UpdateScrollRatio();
            EXPECT_EQ(scene.m_fScrollRatio, 0) << c.layer;
        }
    }
}

TEST(SceneScrollTest, TheRatioShiftsTheCameraByTheScrollFromTheCentre)
{
    ScopedWindowSize window(1280, 960);
    Scene scene;
    BuildMainLayer(scene, 400 * FX, {}, {});
    // Scrolled fully left, the view is 72 units left of the layer's centre:
    // 144 of 256 in normalised device units.
    scene.m_fScroll = 0;
    scene.UpdateScrollRatio();
    EXPECT_EQ(scene.m_fScrollRatio, -Fixed(144.0 / 256));
    EXPECT_EQ(scene.m_oCamera.m_f3DShift, scene.m_fScrollRatio);
    scene.m_fScroll = 72 * FX;
    scene.UpdateScrollRatio();
    EXPECT_EQ(scene.m_fScrollRatio, 0);
}

class ScrollFollowTest : public testing::Test {
protected:
    void SetUp() override
    {
        BuildMainLayer(m_scene, 1000 * FX, {}, {});
        m_pHeroine = &AddFakeCharacter(m_scene, HEROINE, -10 * FX);
        m_scene.m_fScroll = 128 * FX;
    }

    // The heroine at layer x, seen through the current scroll.
    void StandAt(double layerX)
    {
        m_pHeroine->m_vScreen.x = Fixed(layerX);
        m_pHeroine->UpdateTransform(m_scene.m_oCamera, m_scene.m_fScroll);
    }

    ScopedWindowSize m_window {1280, 960};
    Scene m_scene;
    FakeCastMember* m_pHeroine = nullptr;
};

TEST_F(ScrollFollowTest, APushMovesTheViewAStepAtAFixedSpeedThenFollowsANewSelection)
{
    m_scene.SelectCharacter(HEROINE);
    EXPECT_EQ(m_scene.m_iScrollMode, SCROLL_PUSH);
    EXPECT_EQ(m_scene.m_fScrollTarget, 128 * FX);

    // On screen at 200: the target is a step right, the view moves 0.15625
    // units per millisecond.
    StandAt(328);
    m_scene.UpdateScroll(10);
    EXPECT_EQ(m_scene.m_fScrollTarget, 224 * FX);
    EXPECT_EQ(m_scene.m_fScroll, 128 * FX + Fixed(1.5625));

    // Back within the edges, the view goes on to the target and stops there.
    StandAt(m_scene.m_fScroll / double(FX) + 128);
    int frames = 0;
    while (m_scene.m_fScroll != m_scene.m_fScrollTarget && frames < 100) {
        m_scene.UpdateScroll(16);
        ++frames;
    }
    EXPECT_EQ(m_scene.m_fScroll, 224 * FX);
    EXPECT_EQ(frames, 38); // (96 - 1.5625) / 2.5, rounded up
    EXPECT_EQ(m_scene.m_iScrollMode, SCROLL_PUSH);
    // Settled, and the selection had just changed: the view follows now.
    m_scene.UpdateScroll(16);
    EXPECT_EQ(m_scene.m_iScrollMode, SCROLL_FOLLOW);
    EXPECT_EQ(m_scene.m_bFollowOnSettle, 0);
}

TEST_F(ScrollFollowTest, APushWithoutANewSelectionStaysAPush)
{
    m_scene.SelectCharacter(HEROINE);
    m_scene.m_bFollowOnSettle = 0;
    StandAt(128 + 128);
    for (int i = 0; i < 5; ++i)
        m_scene.UpdateScroll(16);
    EXPECT_EQ(m_scene.m_iScrollMode, SCROLL_PUSH);
    EXPECT_EQ(m_scene.m_fScroll, 128 * FX);
    // The left edge pushes the other way.
    StandAt(128 + 40);
    m_scene.UpdateScroll(16);
    EXPECT_EQ(m_scene.m_fScrollTarget, 32 * FX);
    EXPECT_EQ(m_scene.m_fScroll, 128 * FX - Fixed(2.5));
}

TEST_F(ScrollFollowTest, FollowingGoesFasterTheFurtherOutTheCharacterStands)
{
    m_scene.m_iSelectedCharacter = 0;
    m_scene.m_iScrollMode = SCROLL_FOLLOW;
    struct Case {
        double screenX, move;
    };
    // (x - 160) / 16 · 2.5 per 16 ms frame; between 96 and 160 nothing.
    const Case cases[] = {{176, 2.5}, {208, 7.5}, {160, 0}, {100, 0}, {96, 0}, {80, -2.5}, {64, -5}};
    for (const Case& c : cases) {
        m_scene.m_fScroll = 300 * FX;
        StandAt(300 + c.screenX);
        m_scene.UpdateScroll(16);
        EXPECT_EQ(m_scene.m_fScroll, Fixed(300 + c.move)) << c.screenX;
    }
    // Half the frame time, half the move.
    m_scene.m_fScroll = 300 * FX;
    StandAt(300 + 208);
    m_scene.UpdateScroll(8);
    EXPECT_EQ(m_scene.m_fScroll, Fixed(303.75));
}

TEST_F(ScrollFollowTest, TheViewStartsCentredOnTheSelectedCharacterWithinTheLayer)
{
    m_scene.m_fScroll = 0;
    StandAt(500);
    m_scene.m_iSelectedCharacter = 0;
    m_scene.InitializeScroll();
    EXPECT_EQ(m_scene.m_fScroll, 372 * FX);
    EXPECT_EQ(m_scene.m_fScrollTarget, 372 * FX);
    // Near the layer's end the view stops at it.
    m_scene.m_fScroll = 0;
    StandAt(990);
    m_scene.InitializeScroll();
    EXPECT_EQ(m_scene.m_fScroll, 744 * FX);
    // Nobody selected: the middle of the layer.
    m_scene.m_iSelectedCharacter = -1;
    m_scene.InitializeScroll();
    EXPECT_EQ(m_scene.m_fScroll, 372 * FX);
}

} // namespace
