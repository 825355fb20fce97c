// The script of the garden beside the town hall (scene 33): chapter 4 played
// from the shed's tools to the half disk in the rubble, the tools that fail
// her every time, Diego called twice, the disk that no second visit offers,
// the garden of the other chapters with its column broken and nothing to
// take from it, and the stairs down.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t GARDEN = 33;
constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t MOVIE_STRIP10 = 17;
constexpr int32_t AFTER_STRIP10 = 512 + MOVIE_STRIP10;
constexpr int32_t DIEGO_IN_THE_GARDEN = 6;

using Object = NamedObject<SceneTableRows::s_aObjects_bg306_33>;

constexpr uint32_t DIEGO_ACTOR = ActorIdOf("diego");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t DIEGO = ActorScriptableId(DIEGO_ACTOR);

constexpr uint32_t INTO_THE_SHED = 0x43dd1d51;
constexpr uint32_t SEARCH_THE_SHED = 0x963786db;
constexpr uint32_t SHED_SHAKES = 0x68bfe2f3;
constexpr uint32_t FIND_THE_TOOLS = 0xcb36030f;
constexpr uint32_t TOOLS_TOO_WEAK = 0x1b043a2b;
constexpr uint32_t CALL_DIEGO = 0xd012953f;
constexpr uint32_t DIEGO_COMES = 0x640c4039;
constexpr uint32_t HAND_OVER_THE_TOOLS = 0xf7385775;
constexpr uint32_t DIEGO_BREAKS_THE_COLUMN = 0x3eb6ab35;
constexpr uint32_t COLUMN_BROKEN = 0x124005d1;
constexpr uint32_t TAKE_THE_DISK = 0xef4d0db9;

// The column's pictures, broken and whole.
constexpr int32_t BROKEN = static_cast<int32_t>(0x7e8f9fd3);
constexpr int32_t WHOLE = static_cast<int32_t>(0x6e0d5147);

class GardenTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = TOWN_SQUARE_C) { EnterInChapter(GARDEN, iChapter, iFrom); }
    // The picture the column shows last.
    int32_t Column() const
    {
        const std::vector<int32_t> shown = Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("o_mosaic"));
        return shown.empty() ? 0 : shown.back();
    }
    // Whether the shed's doorway is shut by the last switch of its blocker.
    bool ShedShut() const
    {
        const auto last = std::find_if(calls.rbegin(), calls.rend(), [](const std::string& call) {
            return call == "blocker 0 on" || call == "blocker 0 off";
        });
        EXPECT_NE(last, calls.rend());
        return last != calls.rend() && *last == "blocker 0 on";
    }
    int32_t DiegoScene() const { return g_VarManager.GetInt(VARINT_DIEGO_SCENE); }
};

TEST_F(GardenTest, ChapterFourPlaysFromTheShedsToolsToTheHalfDiskInTheRubble)
{
    Enter(4);
    EXPECT_EQ(PlacedAt(HEROINE), 1);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {2});
    EXPECT_EQ(Column(), WHOLE);
    EXPECT_TRUE(Open(Object("mosaic_column")));
    EXPECT_FALSE(Open(Object("rubble")) || Visible(Object("i_disk")) || Visible(DIEGO) || Open(DIEGO));
    EXPECT_TRUE(ShedShut());

    // The shed: she goes in, the shed shakes while she rummages, and the
    // tools are hers; she comes out and the doorway shuts behind her.
    Run(Click(Object("percys_shed")));
    EXPECT_EQ(Dialogs(), Ids({INTO_THE_SHED, SEARCH_THE_SHED}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {6, 11, 6, 5}));
    EXPECT_TRUE(ShedShut());
    Run(Callback(SHED_SHAKES));
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_VISIBLE, HEROINE), (std::vector<int32_t> {0, 1}));
    EXPECT_TRUE(Visible(Object("o_shed")) && Visible(Object("o_shed_enter")));
    EXPECT_FALSE(Visible(Object("fx_shake_shed")));
    Run(Callback(FIND_THE_TOOLS));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_HAMMER_CHISEL")});
    EXPECT_TRUE(Get(VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL));

    // The column withstands her every time, and the tools stay hers.
    for (int iTry = 0; iTry < 2; ++iTry) {
        Run(UseOn(Object("mosaic_column"), "ITEM_HAMMER_CHISEL"));
        EXPECT_EQ(Dialogs(), Ids({TOOLS_TOO_WEAK}));
        EXPECT_TRUE(Taken().empty());
        EXPECT_FALSE(Get(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL));
    }

    // Diego is called into the garden from the stairs.
    Run(UseOn(Object("mosaic_column"), "ITEM_DIEGO"));
    EXPECT_EQ(Dialogs(), Ids({CALL_DIEGO}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {8});
    Run(Callback(DIEGO_COMES));
    EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
    EXPECT_EQ(Places(DIEGO), std::vector<int32_t> {1});
    EXPECT_EQ(Walks(DIEGO), (std::vector<int32_t> {10, 3}));
    EXPECT_EQ(DiegoScene(), DIEGO_IN_THE_GARDEN);
    EXPECT_TRUE(Get(VARBOOL_BG306_C04_DIEGO_HERE));

    // Handed the tools, he breaks the column, and the movie shows it.
    Run(ScriptEvent_ItemOnFlaggedId3(DIEGO_ACTOR, ItemIdOf("ITEM_HAMMER_CHISEL")));
    EXPECT_EQ(Dialogs(), Ids({HAND_OVER_THE_TOOLS, CALL_DIEGO}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_HAMMER_CHISEL")});
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {7, 8}));
    Run(Callback(DIEGO_BREAKS_THE_COLUMN));
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {10});
    EXPECT_TRUE(Get(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL));
    EXPECT_EQ(QueuedMovie(), MOVIE_STRIP10);

    // Back from the movie: Diego steps back from the rubble, where the disk lies.
    Enter(4, AFTER_STRIP10);
    EXPECT_EQ(PlacedAt(DIEGO), 10);
    EXPECT_EQ(PlacedAt(HEROINE), 8);
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {3});
    EXPECT_EQ(Dialogs(), Ids({COLUMN_BROKEN}));
    EXPECT_FALSE(Get(VARBOOL_BG306_C04_DIEGO_HERE));
    EXPECT_EQ(Column(), BROKEN);
    EXPECT_FALSE(Open(Object("mosaic_column")));
    EXPECT_TRUE(Open(Object("rubble")) && Visible(Object("i_disk")));

    Run(Click(Object("rubble")));
    EXPECT_EQ(Dialogs(), Ids({TAKE_THE_DISK}));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_HALF_STONE_DISK02")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK02_DONE) && Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK03_DONE));
    EXPECT_FALSE(Open(Object("rubble")) || Visible(Object("i_disk")));

    // The next visit offers the disk no more, and Diego waits at his place.
    Enter(4);
    EXPECT_TRUE(Get(VARBOOL_BG306_C04_PICK_HALF_DISK));
    EXPECT_EQ(Column(), BROKEN);
    EXPECT_FALSE(Open(Object("rubble")) || Visible(Object("i_disk")) || Open(Object("mosaic_column")));
    EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
    EXPECT_EQ(PlacedAt(DIEGO), 3);
}

TEST_F(GardenTest, DiegoCalledAgainOnlyComesToLookAndGoesBackToHisPlace)
{
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, DIEGO_IN_THE_GARDEN);
    Enter(4);
    EXPECT_EQ(PlacedAt(DIEGO), 3);
    Run(Callback(DIEGO_COMES));
    EXPECT_TRUE(Places(DIEGO).empty());
    EXPECT_EQ(Walks(DIEGO), (std::vector<int32_t> {10, 3}));
    EXPECT_FALSE(Get(VARBOOL_BG306_C04_DIEGO_HERE));
}

TEST_F(GardenTest, ADiskTakenElsewhereLeavesTheRubbleEmptyOnceTheColumnIsBroken)
{
    Set(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL);
    Set(VARBOOL_BG306_C04_PICK_HALF_DISK);
    Enter(4);
    EXPECT_EQ(Column(), BROKEN);
    EXPECT_FALSE(Open(Object("rubble")) || Visible(Object("i_disk")) || Open(Object("mosaic_column")));
}

TEST_F(GardenTest, OutsideChapterFourTheColumnLiesBrokenWithNothingToTakeAndDiegoAway)
{
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, DIEGO_IN_THE_GARDEN);
    Set(VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL);
    for (const int32_t iChapter : {1, 5, 7, 10}) {
        SCOPED_TRACE(iChapter);
        Enter(iChapter);
        EXPECT_EQ(Column(), BROKEN);
        EXPECT_FALSE(Open(Object("mosaic_column")) || Open(Object("rubble")) || Visible(Object("i_disk")));
        EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));
        EXPECT_EQ(PlacedAt(HEROINE), 1);
    }
}

TEST_F(GardenTest, TheStairsLeadDownToTheSquareWhileSheWalksOnIntoTheFade)
{
    Enter(7);
    Run(Click(Object("goto_bg304")));
    EXPECT_EQ(NextScene(), TOWN_SQUARE_C);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {13, 4}));
}

} // namespace
