#include "Scene/Common/Sprite.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <cstring>

namespace {

using TestSupport::LogCapture;

constexpr fx32 FX = FX32_ONE;

// A still sprite of one split: a box from position and size at scale 1.
Sprite MakeSprite(fx32 x, fx32 y, fx32 width, fx32 height)
{
    Sprite sprite;
    sprite.m_oPosition = {x, y};
    sprite.m_oSize = {width, height};
    sprite.m_oScale = {FX, FX};
    sprite.m_iNbSplitInfos = 1;
    sprite.m_iColour = 0xFFFFFFFF;
    sprite.ComputeBoundingBox();
    return sprite;
}

std::unique_ptr<TwAnimation> MakeCurve(uint32_t flags, uint32_t length, bool loop, const std::vector<uint32_t>& times,
                                       const std::vector<int32_t>& values)
{
    auto curve = std::make_unique<TwAnimation>();
    curve->m_iLength = length;
    curve->m_iFlags = loop ? TW_ANIMATION_LOOP : 0;
    curve->m_iNbCtrl = 1;
    TwAnimationCtrl& ctrl = curve->m_vCtrl.emplace_back();
    ctrl.m_iId = TW_ANIMATION_VALUE_CTRL_ID;
    ctrl.m_iFlags = flags;
    ctrl.m_iNbKeys = static_cast<uint32_t>(times.size());
    ctrl.m_vTimes = times;
    ctrl.m_iValueWords = TwAnimationCtrl::ValueWords(flags);
    ctrl.m_vValues = values;
    return curve;
}

TEST(SpriteTest, PictureScalesAboutItsPivot)
{
    const struct {
        fx32 scale;
        fx32 pivot;
        SceneRect box;
    } cases[] = {
        {FX, 0, {10 * FX, 20 * FX, 110 * FX, 70 * FX}},
        {FX, FX, {10 * FX, 20 * FX, 110 * FX, 70 * FX}},
        // Half size about the centre (60, 45).
        {FX / 2, FX / 2, {35 * FX, 32 * FX + FX / 2, 85 * FX, 57 * FX + FX / 2}},
        // Double size about the bottom-right corner (110, 70).
        {2 * FX, FX, {-90 * FX, -30 * FX, 110 * FX, 70 * FX}},
    };
    for (const auto& row : cases) {
        Sprite sprite = MakeSprite(10 * FX, 20 * FX, 100 * FX, 50 * FX);
        sprite.m_oScale = {row.scale, row.scale};
        sprite.m_oPivot = {row.pivot, row.pivot};
        sprite.ComputeBoundingBox();
        EXPECT_EQ(sprite.m_oBox.xMin, row.box.xMin) << row.scale << " " << row.pivot;
        EXPECT_EQ(sprite.m_oBox.yMin, row.box.yMin) << row.scale << " " << row.pivot;
        EXPECT_EQ(sprite.m_oBox.xMax, row.box.xMax) << row.scale << " " << row.pivot;
        EXPECT_EQ(sprite.m_oBox.yMax, row.box.yMax) << row.scale << " " << row.pivot;
        // Edges belong to the box.
        EXPECT_TRUE(sprite.Contains(row.box.xMin, row.box.yMax, 0));
        EXPECT_FALSE(sprite.Contains(row.box.xMin - 1, row.box.yMin, 0));
        EXPECT_FALSE(sprite.Contains(row.box.xMax, row.box.yMax + 1, 0));
    }
}

TEST(SpriteTest, SplitsShareTheBoxByTheirTextureWidths)
{
    Sprite sprite = MakeSprite(16 * FX, 8 * FX, 384 * FX, 100 * FX);
    sprite.m_iNbSplitInfos = 2;
    sprite.m_vSplitInfos[0].m_vTextureSize = {512, 128};
    sprite.m_vSplitInfos[1].m_vTextureSize = {256, 128};
    const SceneRect left = sprite.GetSplitRect(0);
    const SceneRect right = sprite.GetSplitRect(1);
    EXPECT_EQ(left.xMin, sprite.m_oBox.xMin);
    EXPECT_EQ(left.xMax, right.xMin);
    EXPECT_EQ(right.xMax, sprite.m_oBox.xMax);
    EXPECT_NEAR(left.xMax - left.xMin, 256 * FX, FX / 16);
    EXPECT_NEAR(right.xMax - right.xMin, 128 * FX, FX / 16);
    EXPECT_EQ(left.yMin, sprite.m_oBox.yMin);
    EXPECT_EQ(right.yMax, sprite.m_oBox.yMax);

    // One split, or splits without texture widths, cover the whole box.
    sprite.m_vSplitInfos[0].m_vTextureSize = {};
    sprite.m_vSplitInfos[1].m_vTextureSize = {};
    EXPECT_EQ(sprite.GetSplitRect(1).xMin, sprite.m_oBox.xMin);
    sprite.m_iNbSplitInfos = 1;
    EXPECT_EQ(sprite.GetSplitRect(0).xMax, sprite.m_oBox.xMax);
}

TEST(SpriteTest, FadesReachHalfwayAlphaAndStop)
{
    const struct {
        bool fadeIn;
        uint32_t elapsed;
        uint8_t alpha;
        bool fading;
    } cases[] = {
        {true, 0, 0, true},       {true, 500, 127, true},  {true, 999, 254, true},  {true, 1000, 255, false},
        {true, 5000, 255, false}, {false, 500, 128, true}, {false, 1000, 0, false},
    };
    for (const auto& row : cases) {
        Sprite sprite = MakeSprite(0, 0, FX, FX);
        sprite.m_iColour = 0x10203080;
        ASSERT_TRUE(sprite.StartFade(row.fadeIn, 1000));
        EXPECT_EQ(sprite.m_iColour & 0xFF, row.fadeIn ? 0u : 255u);
        sprite.Update(row.elapsed);
        EXPECT_EQ(sprite.m_iColour, 0x10203000u | row.alpha) << row.fadeIn << " " << row.elapsed;
        EXPECT_EQ(sprite.m_bFading != 0, row.fading) << row.fadeIn << " " << row.elapsed;
    }
}

TEST(SpriteTest, FadeWithoutDurationIsRefusedAndNeverDivides)
{
    Sprite sprite = MakeSprite(0, 0, FX, FX);
    std::memcpy(sprite.m_sName, "door_open_sprite", 16);
    sprite.m_iColour = 0xFFFFFF40;
    bool started = true;
    LogCapture capture;
    started = sprite.StartFade(true, 0);
    const std::string log = capture.Take();
    EXPECT_FALSE(started);
    EXPECT_EQ(log, "Sprite::StartFade -- \"door_open_sprite\": a fade of 0 ms is refused\n");
    EXPECT_EQ(sprite.m_iColour, 0xFFFFFF40u);
    EXPECT_EQ(sprite.m_bFading, 0);

    // A fade set up by hand without duration ends at once.
    sprite.m_bFading = 1;
    sprite.m_bFadeIn = 0;
    sprite.Update(16);
    EXPECT_EQ(sprite.m_iColour, 0xFFFFFF00u);
    EXPECT_EQ(sprite.m_bFading, 0);
}

TEST(SpriteTest, ScrollOffsetsWrapAtAThousandRepeats)
{
    const struct {
        fx32 speed;
        uint32_t elapsed;
        fx32 start;
        fx32 offset;
    } cases[] = {
        {FX / 2, 16, 0, 8 * FX},
        {FX, 1000, 0, 0},
        {-FX, 1000, 0, 0},
        {FX, 1, 999 * FX, 0},
        {FX, 1, 999 * FX - 1, 1000 * FX - 1},
        {-FX, 2, -999 * FX, -FX},
    };
    for (const auto& row : cases) {
        Sprite sprite = MakeSprite(0, 0, FX, FX);
        sprite.m_vScrollUV = {row.speed, row.speed};
        sprite.m_oScrollOffset = {row.start, row.start};
        sprite.Update(row.elapsed);
        EXPECT_EQ(sprite.m_oScrollOffset.x, row.offset) << row.speed << " " << row.elapsed;
        EXPECT_EQ(sprite.m_oScrollOffset.y, row.offset) << row.speed << " " << row.elapsed;
    }
}

TEST(SpriteTest, PausedSpriteKeepsEverything)
{
    Sprite sprite = MakeSprite(0, 0, FX, FX);
    sprite.m_pFrameAnimation = MakeCurve(0x201, 1000, false, {0, 1000}, {0, 9});
    sprite.m_vScrollUV = {FX, 0};
    ASSERT_TRUE(sprite.StartFade(true, 100));
    sprite.m_bAnimating = 0;
    sprite.Update(50);
    EXPECT_EQ(sprite.m_iFrameClock, 0u);
    EXPECT_EQ(sprite.m_iFrameIndex, 0u);
    EXPECT_EQ(sprite.m_oScrollOffset.x, 0);
    EXPECT_EQ(sprite.m_iFadeElapsed, 0u);
    EXPECT_EQ(sprite.m_iColour & 0xFF, 0u);
}

TEST(SpriteTest, CurvesDriveFramePositionScaleAndAlpha)
{
    Sprite sprite = MakeSprite(0, 0, 10 * FX, 10 * FX);
    sprite.m_iFrameClock = 100;
    sprite.m_pFrameAnimation = MakeCurve(0x101, 300, true, {0, 100, 200}, {0, 1, 2});
    const std::vector<int32_t> path = {0, 0, 0, 0, 0, 0, 0, 0, 0, 40 * FX, 20 * FX, 0, 0, 0, 0, 0, 0, 0};
    sprite.m_pPositionAnimation = MakeCurve(0x303, 400, false, {0, 400}, path);
    sprite.m_pScaleAnimation = MakeCurve(0x202, 400, false, {0, 400}, {FX, FX, 3 * FX, 2 * FX});
    sprite.m_pAlphaAnimation = MakeCurve(0x104, 400, false, {0, 400}, {0x11, 0x22});
    sprite.Update(100);
    EXPECT_EQ(sprite.m_iFrameClock, 200u);
    EXPECT_EQ(sprite.m_iFrameIndex, 1u);
    EXPECT_EQ(sprite.m_oPosition.x, 20 * FX);
    EXPECT_EQ(sprite.m_oPosition.y, 10 * FX);
    EXPECT_EQ(sprite.m_oScale.x, 2 * FX);
    EXPECT_EQ(sprite.m_oScale.y, FX + FX / 2);
    EXPECT_EQ(sprite.m_iColour, 0xFFFFFF11u);
    // The box follows.
    EXPECT_EQ(sprite.m_oBox.xMin, 20 * FX);
    EXPECT_EQ(sprite.m_oBox.xMax, 40 * FX);
    EXPECT_EQ(sprite.m_oBox.yMax, 25 * FX);
}

TEST(SpriteTest, AnimationIsDoneAtItsLengthUnlessItLoops)
{
    Sprite sprite = MakeSprite(0, 0, FX, FX);
    EXPECT_TRUE(sprite.IsAnimationDone());
    sprite.m_pFrameAnimation = MakeCurve(0x101, 300, false, {0, 100, 200}, {0, 1, 2});
    sprite.m_iFrameClock = 299;
    EXPECT_FALSE(sprite.IsAnimationDone());
    sprite.m_iFrameClock = 300;
    EXPECT_TRUE(sprite.IsAnimationDone());
    sprite.m_pFrameAnimation->m_iFlags = TW_ANIMATION_LOOP;
    sprite.m_iFrameClock = 0;
    EXPECT_TRUE(sprite.IsAnimationDone());
    sprite.m_pFrameAnimation = MakeCurve(0x101, 300, false, {0}, {0});
    EXPECT_TRUE(sprite.IsAnimationDone());
}

} // namespace
