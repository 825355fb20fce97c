// The cursor's modes and verb icons: their animations, where the icons
// stand, which one a point hits, and where the pointer may go.
#include "Scene/Common/SceneCursor.h"
#include "Support/HandMadeScene.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr fx32 FX = FX32_ONE;
// One key of a verb animation lasts 0.08 s: 328 fx32, a little over 80 ms.
constexpr uint32_t KEY_MS = 81;

// The images a slot shows, key after key.
std::vector<uint32_t> Frames(int32_t iVerb, int keys)
{
    SceneCursor cursor;
    cursor.SetMode(iVerb);
    std::vector<uint32_t> frames;
    for (int i = 0; i < keys; ++i) {
        frames.push_back(cursor.m_aSlots[0].m_uFrame);
        cursor.Update(KEY_MS);
    }
    return frames;
}

TEST(SceneCursorTest, EachModeAndVerbLoopsThroughItsImages)
{
    using Row = std::vector<uint32_t>;
    EXPECT_EQ(Frames(CURSOR_LOOK, 9), (Row {8, 9, 10, 11, 12, 11, 10, 9, 8}));
    EXPECT_EQ(Frames(CURSOR_TALK, 9), (Row {16, 17, 18, 19, 20, 21, 22, 22, 16}));
    EXPECT_EQ(Frames(CURSOR_ACTIVATE, 9), (Row {24, 25, 26, 27, 28, 29, 30, 31, 24}));
    EXPECT_EQ(Frames(CURSOR_WAIT, 7), (Row {13, 14, 15, 1, 2, 3, 13}));
    EXPECT_EQ(Frames(CURSOR_HOTSPOT, 7), (Row {4, 5, 6, 7, 6, 5, 4}));
    EXPECT_EQ(Frames(CURSOR_POINTER, 2), (Row {0, 0}));
    EXPECT_EQ(Frames(CURSOR_MENU, 2), (Row {0, 0}));
    // Anything else animates as Look.
    EXPECT_EQ(Frames(42, 2), (Row {8, 9}));
}

TEST(SceneCursorTest, AKeyThatLeadsToItselfEndsTheAnimationAndAStillSlotKeepsItsKey)
{
    SceneCursor cursor;
    cursor.SetMode(CURSOR_POINTER);
    EXPECT_TRUE(cursor.m_aSlots[0].m_bAnimating);
    EXPECT_EQ(cursor.m_aSlots[1].m_iVerb, CURSOR_NONE);
    EXPECT_FALSE(cursor.m_aSlots[1].m_bAnimating);
    cursor.Update(KEY_MS);
    EXPECT_FALSE(cursor.m_aSlots[0].m_bAnimating);

    // A still slot gets no time.
    cursor.SetMode(CURSOR_HOTSPOT);
    cursor.m_aSlots[0].m_bAnimating = 0;
    cursor.Update(1000);
    EXPECT_EQ(cursor.m_aSlots[0].m_uKey, 0u);
    EXPECT_EQ(cursor.m_aSlots[0].m_uFrame, 4u);

    // Both verbs of a menu animate from their first image.
    cursor.OpenVerbs(CURSOR_LOOK, CURSOR_ACTIVATE);
    EXPECT_TRUE(cursor.m_aSlots[0].m_bAnimating);
    EXPECT_TRUE(cursor.m_aSlots[1].m_bAnimating);
    cursor.Update(KEY_MS * 2);
    EXPECT_EQ(cursor.m_aSlots[0].m_uFrame, 10u);
    EXPECT_EQ(cursor.m_aSlots[1].m_uFrame, 26u);
    // A long frame runs through several keys at once.
    CursorVerbSlot slot;
    slot.m_iVerb = CURSOR_ACTIVATE;
    SceneCursor::AdvanceSlot(slot, 1000);
    EXPECT_EQ(slot.m_uKey, 4u);
}

TEST(SceneCursorTest, TheMenuOpensAwayFromTheEdgesOfTheScreen)
{
    struct Case {
        int x, y, zone;
    };
    const Case cases[] = {{10, 10, 0},   {240, 10, 1}, {10, 180, 2},  {240, 180, 3}, {128, 10, 4},
                          {128, 180, 5}, {10, 100, 6}, {240, 100, 7}, {128, 96, 8},  {32, 32, 8},
                          {224, 160, 8}, {31, 100, 6}, {225, 100, 7}};
    for (const Case& c : cases)
        EXPECT_EQ(SceneCursor::GetScreenZone(c.x * FX, c.y * FX), c.zone) << c.x << "," << c.y;

    SceneCursor cursor;
    cursor.m_vVerbPosition = {10 * FX, 10 * FX};
    cursor.OpenVerbs(CURSOR_LOOK, CURSOR_TALK);
    EXPECT_EQ(cursor.GetVerbPlace(0).x, 36 * FX);
    EXPECT_EQ(cursor.GetVerbPlace(0).y, 20 * FX);
    EXPECT_EQ(cursor.GetVerbPlace(1).x, 20 * FX);
    EXPECT_EQ(cursor.GetVerbPlace(1).y, 36 * FX);
    cursor.OpenVerbs(CURSOR_ACTIVATE, CURSOR_NONE);
    EXPECT_EQ(cursor.GetVerbPlace(0).x, 20 * FX);
    EXPECT_EQ(cursor.GetVerbPlace(0).y, 20 * FX);
}

TEST(SceneCursorTest, ALoneIconIsHitStrictlyWithinSixteenUnitsAndOfTwoTheNearerWins)
{
    SceneCursor cursor;
    cursor.m_vVerbPosition = {128 * FX, 96 * FX};
    EXPECT_EQ(cursor.HitVerb(128 * FX, 86 * FX), CURSOR_NONE); // no menu open
    cursor.OpenVerbs(CURSOR_ACTIVATE, CURSOR_NONE);
    // The lone icon stands at (128, 86).
    struct Case {
        fx32 x, y;
        int32_t verb;
    };
    const Case single[] = {
        {128 * FX, 86 * FX, CURSOR_ACTIVATE},     {144 * FX - 1, 86 * FX, CURSOR_ACTIVATE},
        {144 * FX, 86 * FX, CURSOR_NONE},         {112 * FX, 86 * FX, CURSOR_NONE},
        {128 * FX, 70 * FX + 1, CURSOR_ACTIVATE}, {128 * FX, 102 * FX, CURSOR_NONE},
    };
    for (const Case& c : single)
        EXPECT_EQ(cursor.HitVerb(c.x, c.y), c.verb) << c.x << "," << c.y;

    // Two icons at (144, 86) and (112, 86).
    cursor.OpenVerbs(CURSOR_LOOK, CURSOR_TALK);
    const Case twin[] = {
        {140 * FX, 90 * FX, CURSOR_LOOK}, {100 * FX, 80 * FX, CURSOR_TALK}, {128 * FX, 86 * FX, CURSOR_LOOK},
        {176 * FX, 86 * FX, CURSOR_NONE}, {175 * FX, 86 * FX, CURSOR_LOOK}, {112 * FX, 118 * FX, CURSOR_NONE},
    };
    for (const Case& c : twin)
        EXPECT_EQ(cursor.HitVerb(c.x, c.y), c.verb) << c.x << "," << c.y;
    // Closed again: nothing is hit.
    cursor.ResetVerbPosition();
    EXPECT_EQ(cursor.HitVerb(144 * FX, 86 * FX), CURSOR_NONE);
}

TEST(SceneCursorTest, ThePointerStaysOnTheVisibleScreen)
{
    struct Case {
        uint32_t width, height;
        double x, y, expectedX, expectedY;
    };
    const Case cases[] = {
        {1280, 960, -20, -5, 0, 0},
        {1280, 960, 300, 200, 256, 192},
        {1280, 960, 100, 50, 100, 50},
        {1280, 720, -60, 100, -42.6667, 100},
        {1280, 720, 310, 100, 298.6667, 100},
        // Narrower than 4:3: the sides are cut off.
        {960, 960, 0, 0, 32, 0},
    };
    for (const Case& c : cases) {
        TestSupport::ScopedWindowSize window(c.width, c.height);
        SceneCursor cursor;
        cursor.SetPosition(fx32(c.x * FX), fx32(c.y * FX));
        EXPECT_NEAR(cursor.m_vPosition.x, c.expectedX * FX, 2) << c.x << " in " << c.width << "x" << c.height;
        EXPECT_NEAR(cursor.m_vPosition.y, c.expectedY * FX, 2) << c.y;
    }
}

TEST(SceneCursorTest, TheVerbMenuOpensOverThreeTenthsOfASecond)
{
    SceneCursor cursor;
    cursor.m_fOpeningTime = 5000;
    cursor.OpenVerbs(CURSOR_LOOK, CURSOR_NONE);
    EXPECT_EQ(cursor.m_fOpeningTime, 0);
    cursor.Update(100);
    EXPECT_EQ(cursor.m_fOpeningTime, 409);
    for (int i = 0; i < 100; ++i)
        cursor.Update(100);
    // The clock stops once the icons are out.
    EXPECT_LT(cursor.m_fOpeningTime, 1229 + 410);
}

} // namespace
