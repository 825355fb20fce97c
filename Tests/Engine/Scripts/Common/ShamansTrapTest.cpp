// The secret trap's close up (scene 51): every visit starts from the faces 5,
// 1, 2, 3; random clicks turn the columns as the carving's rules say, with
// the faces wrapping around, and the trap opens on the click that brings all
// four to the sun face and never before; columns 2 to 4 turn two columns
// together; the opened trap shows later after column 1's own turn; a later
// visit finds it open; and the exit always leads to the hut.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/ActorIds.h"
#include "Common/SceneObjectNames.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace {

constexpr int32_t TRAP_CLOSE_UP = 51;
constexpr int32_t SHAMANS_HUT = 50;
constexpr int32_t MINI_GAME_MENU = 2;

using Object = NamedObject<SceneTableRows::s_aObjects_bg801_51>;
using Faces = std::array<int32_t, 4>;

constexpr Faces START = {5, 1, 2, 3};
constexpr Faces OPEN = {5, 5, 5, 5};
constexpr int32_t HOTSPOTS[] = {Object("column1"), Object("column2"), Object("column3"), Object("column4")};
constexpr int32_t PICTURES[] = {Object("o_column1"), Object("o_column2"), Object("o_column3"), Object("o_column4")};
// The sprite animation of face 1 and of face 5 of each column.
constexpr uint32_t FACE_ONE[] = {0x05120e24, 0x9c1b5f9e, 0xeb1c6f08, 0x7578faab};
constexpr uint32_t FACE_FIVE[] = {0x69a25954, 0xf0ab08ee, 0x87ac3878, 0x19c8addb};

// The carving's rules: which columns a click on a column turns, and which way.
Faces Turned(Faces faces, int iColumn)
{
    const auto turn = [&](int i, int32_t iBy) { faces[i] = (faces[i] - 1 + iBy + 5) % 5 + 1; };
    // Each click turns its own column and, for columns 2 to 4, one more.
    constexpr int TURNS[4][2][2] = {{{0, -1}, {0, 0}}, {{1, 1}, {0, 1}}, {{2, -1}, {3, -1}}, {{3, 1}, {0, 1}}};
    for (const auto& [iTurned, iBy] : TURNS[iColumn])
        turn(iTurned, iBy);
    return faces;
}

// One way to open it: column 2 four times, column 3 twice, column 4 four
// times and column 1 three times, with the column given last.
std::vector<int> SolutionEndingWith(int iLast)
{
    std::vector<int> clicks;
    const int counts[] = {3, 4, 2, 4};
    for (int iColumn = 0; iColumn < 4; ++iColumn)
        for (int i = 0; i < counts[iColumn] - (iColumn == iLast ? 1 : 0); ++i)
            clicks.push_back(iColumn);
    clicks.push_back(iLast);
    return clicks;
}

class ShamansTrapTest : public SceneScriptTest {
protected:
    void Enter(int32_t iFrom = SHAMANS_HUT) { EnterInChapter(TRAP_CLOSE_UP, 10, iFrom); }
    Faces Shown()
    {
        return {g_VarManager.GetInt(VARINT_COLUMN1), g_VarManager.GetInt(VARINT_COLUMN2),
                g_VarManager.GetInt(VARINT_COLUMN3), g_VarManager.GetInt(VARINT_COLUMN4)};
    }
    bool AnyColumnOpen()
    {
        for (const int32_t iHotspot : HOTSPOTS)
            if (Open(iHotspot))
                return true;
        return false;
    }
    bool Solved() { return Get(VARBOOL_BG511_C10_SECRET_TRAP_OPEN); }
    // Frames from the click until the opened trap shows.
    int FramesUntilTheTrapShows(int iColumn)
    {
        manager.Update(16);
        EXPECT_TRUE(manager.FireEvent(Click(HOTSPOTS[iColumn])));
        int iFrames = 0;
        while (!Visible(Object("o_win")) && iFrames < 500) {
            manager.Update(16);
            ++iFrames;
        }
        RunWalk();
        return iFrames;
    }
};

TEST_F(ShamansTrapTest, EveryVisitStartsFromTheSameFacesWithTheTrapShut)
{
    g_VarManager.SetBool(VARBOOL_ACTIVE_MAP, 1);
    g_VarManager.SetInt(VARINT_COLUMN2, 5);
    Enter();
    EXPECT_EQ(Shown(), START);
    EXPECT_FALSE(Visible(Object("o_win")) || Solved() || Get(VARBOOL_ACTIVE_MAP));
    for (const int32_t iHotspot : HOTSPOTS)
        EXPECT_TRUE(Open(iHotspot));
    // Column 1 starts at its sun face, column 2 at its first.
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, PICTURES[0]), Ids({FACE_FIVE[0]}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, PICTURES[1]), Ids({FACE_ONE[1]}));
}

TEST_F(ShamansTrapTest, RandomClicksTurnTheColumnsByTheRulesAndOpenTheTrapOnlyAtTheSunFaces)
{
    std::mt19937 random(11);
    for (int iRound = 0; iRound < 20; ++iRound) {
        g_VarManager = VarSet {};
        Enter();
        Faces expected = START;
        // Random clicks, then a solution from wherever they left the faces.
        std::vector<int> clicks;
        for (int i = 0; i < 12; ++i)
            clicks.push_back(static_cast<int>(random() % 4));
        for (const int iColumn : clicks) {
            Run(Click(HOTSPOTS[iColumn]));
            expected = Turned(expected, iColumn);
            ASSERT_EQ(Shown(), expected) << "round " << iRound;
            // The face shown last on the clicked column is its face now,
            // also where it wrapped around.
            const std::vector<int32_t> animations = Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, PICTURES[iColumn]);
            const int32_t iFace = expected[iColumn];
            if (iFace == 1 || iFace == 5) {
                EXPECT_EQ(animations.back(), static_cast<int32_t>((iFace == 1 ? FACE_ONE : FACE_FIVE)[iColumn]));
            }
            EXPECT_EQ(Solved(), expected == OPEN);
            if (expected == OPEN)
                break;
        }
        if (Solved()) {
            EXPECT_FALSE(AnyColumnOpen());
            EXPECT_TRUE(Visible(Object("o_win")));
        }
    }
    // The rules let a player open it: the solution's counts do from the start.
    g_VarManager = VarSet {};
    Enter();
    for (const int iColumn : SolutionEndingWith(2)) {
        EXPECT_FALSE(Solved());
        Run(Click(HOTSPOTS[iColumn]));
    }
    EXPECT_EQ(Shown(), OPEN);
    EXPECT_TRUE(Solved() && Visible(Object("o_win")));
    EXPECT_FALSE(AnyColumnOpen());
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(ShamansTrapTest, ColumnsTwoToFourTurnTwoColumnsTogetherAndTheTrapShowsLaterAfterColumnOne)
{
    Enter();
    manager.Update(16);
    // The two columns of a click turn together, the second 100 ms later: the
    // click is over after 500 ms, not after the two turns one by one.
    for (const int iColumn : {1, 2, 3}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(Click(HOTSPOTS[iColumn])));
        int iFrames = 0;
        for (; (manager.IsBusy() || iFrames < 2) && iFrames < 200; ++iFrames)
            manager.Update(16);
        EXPECT_NEAR(iFrames, 500 / 16, 3) << "column " << iColumn + 1;
    }
    EXPECT_EQ(Shown(), (Faces {2, 2, 1, 3}));

    std::vector<int> byOne = SolutionEndingWith(0);
    std::vector<int> byTwo = SolutionEndingWith(1);
    int iShownAfter[2] = {};
    for (int iCase = 0; iCase < 2; ++iCase) {
        g_VarManager = VarSet {};
        Enter();
        std::vector<int>& clicks = iCase == 0 ? byOne : byTwo;
        for (size_t i = 0; i + 1 < clicks.size(); ++i)
            Run(Click(HOTSPOTS[clicks[i]]));
        iShownAfter[iCase] = FramesUntilTheTrapShows(clicks.back());
        EXPECT_TRUE(Solved());
    }
    // 600 ms after the click; after column 1's 400 ms turn as well.
    EXPECT_NEAR(iShownAfter[1], 600 / 16, 3);
    EXPECT_NEAR(iShownAfter[0], 1000 / 16, 4);
}

TEST_F(ShamansTrapTest, AnOpenedTrapStaysOpenAndTheExitAlwaysLeadsToTheHut)
{
    Set(VARBOOL_BG511_C10_SECRET_TRAP_OPEN);
    Enter();
    EXPECT_EQ(Shown(), START);
    EXPECT_TRUE(Visible(Object("o_win")));
    EXPECT_FALSE(AnyColumnOpen());
    for (const int32_t iFrom : {SHAMANS_HUT, MINI_GAME_MENU}) {
        g_VarManager = VarSet {};
        Enter(iFrom);
        Run(Click(Object("exit")));
        EXPECT_EQ(NextScene(), SHAMANS_HUT) << iFrom;
    }
}

// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using ShamansTrapGoldenImageTest = SampleSceneScriptTest;

TEST_F(ShamansTrapGoldenImageTest, TheFourColumnsAtTheirStartingFaces)
{
    Enter(TRAP_CLOSE_UP, 10, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/ShamansTrap", TOLERANCE));
}

} // namespace
