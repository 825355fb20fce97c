// The burial chamber as a player plays it: the real program with its SDL
// input, played by mouse events at the places of the chamber's own objects,
// from a slot saved in the chamber in chapter 6 with the stone cup, the
// greasy iron stem and the small hammer: the cup filled at the depression,
// the sarcophagus washed, the stem set in the glass panel and struck, the
// panel's movie, and the turtle rod handed to Buck, which sends her back to
// the ship.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Support/ChapterStartSlot.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::Way;

const std::string CHAMBER = "bg404_TA_BurialChamber";
const std::string CORRIDOR = "bg002_WM_Corridor";
constexpr int32_t CHAMBER_ID = 42;

using BurialChamberPlayTest = TestSupport::GamePlayTest;

TEST_F(BurialChamberPlayTest, ThePanelIsBrokenOpenByMouseAndTheRodHandedToBuck)
{
    const uint32_t items[] = {ItemIdOf("ITEM_STONE_CUP"), ItemIdOf("ITEM_GREASY_IRON_STEM"),
                              ItemIdOf("ITEM_SMALL_HAMMER")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 6}};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, {Id::GetActorId("tavrine"), items, ints, {}, CHAMBER_ID}));

    TestSupport::ContinueTheChapter(way, CHAMBER);
    play.Screenshot("grimy");

    way.Give("ITEM_STONE_CUP", "depression");
    way.Give("ITEM_CUP_OF_WATER", "sarcophagus");
    way.Give("ITEM_GREASY_IRON_STEM", "glass_panel");
    play.Screenshot("stem_set");

    play.DragItemOnto("ITEM_SMALL_HAMMER", "custom_crowbar");
    way.Expect("UseItem \"ITEM_SMALL_HAMMER\" on \"" + CHAMBER + ":custom_crowbar");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(CHAMBER);
    play.Screenshot("rod");

    play.DragItemOnto("ITEM_TURTLE_ROD", "buck");
    way.Expect("UseItem \"ITEM_TURTLE_ROD\" on \"" + CHAMBER + ":buck");
    way.Arrive(CORRIDOR);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(end.scene, CORRIDOR);
    for (const char* item : {"ITEM_TURTLE_ROD", "ITEM_IRON_STEM", "ITEM_STONE_CUP", "ITEM_SMALL_HAMMER"})
        EXPECT_TRUE(end.items.contains(item)) << item;
    for (const char* item : {"ITEM_GREASY_IRON_STEM", "ITEM_CUP_OF_WATER"})
        EXPECT_FALSE(end.items.contains(item)) << item;
    for (const char* flag : {"VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS", "VARBOOL_BG404_C06_POSE_GREASY_IRON_STEM",
                             "VARBOOL_QUEST_C6_TURTLEROD_DONE", "VARBOOL_QUEST_C6_TANNERSFRIEND01"})
        EXPECT_TRUE(end.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/BurialChamberPlay", {"grimy", "stem_set", "rod"});
}

} // namespace
