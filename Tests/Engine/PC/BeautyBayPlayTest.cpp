// Beauty bay on Turtle island as a player plays it: the real program with its
// SDL input, from a slot on the bay in chapter 9 with Diego told about his
// axe on the ship, played by mouse at the places of the scene's own objects:
// Briscoe's word on landing, the berries picked and given to Uncle Eduardo,
// the battered shell picked up, Eduardo sent up from the high branches, and
// the row back to the ship, which leaves Diego aboard.
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

const std::string BAY = "bg501_TU_BeautyBay";
const std::string CORRIDOR = "bg002_WM_Corridor";

constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 9}};
constexpr int32_t BOOLS[] = {VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE};
constexpr int32_t BAY_ID = 43;

using BeautyBayPlayTest = TestSupport::GamePlayTest;

TEST_F(BeautyBayPlayTest, TheBerriesTheShellAndTheBranchesPlayedByMouseFromASlotOnTheBay)
{
    const ChapterStart onTheBay {ActorNamed<"tavrine"> {}, {}, INTS, BOOLS, BAY_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, onTheBay));

    TestSupport::ContinueTheChapter(way, BAY);
    way.Do("berry_bush", Verb::Activate);
    way.Give("ITEM_BERRIES", "uncle_eduardo");
    way.Do("battered_turtle_shell", Verb::Activate);
    play.Screenshot("shell_taken");
    way.Give("ITEM_EDUARDO", "high_branches_2");
    way.LeaveAnswering("goto_wm", "BG501_BOAT_ABOARD", CORRIDOR, TestSupport::Exit::Hotspot);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, CORRIDOR);
    // Eduardo keeps what is left of the berries with her.
    for (const char* item : {"ITEM_TURTLE_SHELL", "ITEM_BERRIES", "ITEM_EDUARDO"})
        EXPECT_TRUE(story.items.contains(item)) << item;
    EXPECT_FALSE(story.items.contains("ITEM_DIEGO"));
    for (const char* flag :
         {"VARBOOL_QUEST_C9_ISLANDERS", "VARBOOL_BG002_C09_DIEGO_NOT_HERE", "VARBOOL_TU_MAP_BASE",
          "VARBOOL_BG501_C09_USE_BERRIES_ON_UNCLE_EDUARDO", "VARBOOL_BG501_C09_PICK_BATTERED_TURTLE_SHELL"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/BeautyBayPlay", {"shell_taken"});
}

} // namespace
