// The garden beside the town hall as a player plays it: the real program with
// its SDL input, from a slot in the garden in chapter 4 with Diego to call,
// played by mouse at the places of the garden's own objects: the shed's
// tools, her own try at the column, Diego called in and handed the tools, his
// movie, and the half disk taken from the rubble.
#include "Common/NamedIds.h"
#include "Common/VarIds.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterStartSlot.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::Verb;
using TestSupport::Way;

const std::string GARDEN = "bg306_HO_Garden";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_DIEGO")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 4}};
constexpr int32_t BOOLS[] = {VARBOOL_QUEST_C4_MISSING_HALF_DISK02};
constexpr int32_t GARDEN_ID = 33;

using GardenPlayTest = TestSupport::GamePlayTest;

TEST_F(GardenPlayTest, DiegoBreaksTheColumnForTheHalfDiskPlayedByMouseFromASlotInTheGarden)
{
    const ChapterStart inTheGarden {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, GARDEN_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheGarden));

    TestSupport::ContinueTheChapter(way, GARDEN);
    way.Do("percys_shed", Verb::Activate);
    way.Give("ITEM_HAMMER_CHISEL", "mosaic_column");
    way.Give("ITEM_DIEGO", "mosaic_column");
    play.Screenshot("diego_called");
    play.DragItemOnto("ITEM_HAMMER_CHISEL", "diego");
    way.Expect("UseItem \"ITEM_HAMMER_CHISEL\" on \"" + GARDEN + ":diego");
    play.WaitForMovie();
    // A click skips the strip.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(GARDEN);
    play.Screenshot("column_broken");
    way.Do("rubble", Verb::Activate);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, GARDEN);
    EXPECT_TRUE(story.items.contains("ITEM_HALF_STONE_DISK02"));
    EXPECT_FALSE(story.items.contains("ITEM_HAMMER_CHISEL"));
    for (const char* flag : {"VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL", "VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL",
                             "VARBOOL_BG306_C04_PICK_HALF_DISK", "VARBOOL_QUEST_C4_MISSING_HALF_DISK02_DONE",
                             "VARBOOL_QUEST_C4_MISSING_HALF_DISK03_DONE"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    EXPECT_EQ(story.numbers.at("VARINT_DIEGO_SCENE"), 6);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/GardenPlay", {"diego_called", "column_broken"});
}

} // namespace
