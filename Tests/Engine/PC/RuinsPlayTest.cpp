// The first ruins of Turtle island as a player plays it: the real program
// with its SDL input, from a slot in the ruins in chapter 9 just come from
// the bay with Diego, played by mouse at the places of the scene's own
// objects: Diego left behind, the carvings read, a wrong step into the pit
// and the scene again, the bridge crossed by the carvings' answers in its
// dialog, and the lever, after which the guard carries her off.
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

const std::string RUINS = "bg502_TU_Ruins1";
const std::string ALTAR_HOUSE_INTERIOR = "bg505_TU_AltarHouseInterior";

constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 9}, {VARINT_C_PREVIOUS_STATE, 43}};
constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_LOADED_PISTOL"), ItemNamed("ITEM_MAGNIFICENT_SWORD"),
                              ItemNamed("ITEM_MATCH_BOX"), ItemNamed("ITEM_DIEGO"), ItemNamed("ITEM_EDUARDO")};
constexpr int32_t BOOLS[] = {VARBOOL_QUEST_C9_ISLANDERS};
constexpr int32_t RUINS_ID = 44;

// The answers the carvings give, from the first stone to the far side.
const char* const ACROSS[] = {
    "BG502_STEP_AHEAD", "BG502_STEP_RIGHT", "BG502_STEP_RIGHT", "BG502_STEP_AHEAD", "BG502_STEP_AHEAD",
    "BG502_STEP_LEFT",  "BG502_STEP_AHEAD", "BG502_STEP_LEFT",  "BG502_STEP_LEFT",  "BG502_STEP_AHEAD",
};

const std::string ON_THE_BRIDGE = "Action \"Activate\" on \"" + RUINS + ":the_bridge";

using RuinsPlayTest = TestSupport::GamePlayTest;

TEST_F(RuinsPlayTest, TheBridgeCrossedByTheCarvingsAnswersAndTheLeverPlayedByMouseFromASlotInTheRuins)
{
    const ChapterStart inTheRuins {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, RUINS_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheRuins));

    TestSupport::ContinueTheChapter(way, RUINS);
    way.Do("carved_stones", Verb::Activate);

    // Left from the first stone is the pit: the ruins again, from the near side.
    play.Use("the_bridge", Verb::Activate);
    way.Expect(ON_THE_BRIDGE);
    play.ChooseKey("BG502_STEP_LEFT");
    way.Arrive(RUINS);

    play.Use("the_bridge", Verb::Activate);
    way.Expect(ON_THE_BRIDGE);
    for (const char* answer : ACROSS)
        play.ChooseKey(answer);
    play.WaitUntilInteractive();
    play.Screenshot("across");

    way.LeaveBy("mechanism", Verb::Activate, ALTAR_HOUSE_INTERIOR);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, ALTAR_HOUSE_INTERIOR);
    for (const char* item : {"ITEM_LOADED_PISTOL", "ITEM_MAGNIFICENT_SWORD", "ITEM_MATCH_BOX", "ITEM_DIEGO"})
        EXPECT_FALSE(story.items.contains(item)) << item;
    EXPECT_TRUE(story.items.contains("ITEM_EDUARDO"));
    for (const char* flag : {"VARBOOL_BG502_C09_TAKING_A_MOMENT", "VARBOOL_QUEST_C9_RUINS",
                             "VARBOOL_QUEST_C9_JUNGLE_DONE", "VARBOOL_TU_MAP_BG502", "VARBOOL_BG502_C09_ACROSS_BRIDGE",
                             "VARBOOL_QUEST_C9_RUINS_DONE", "VARBOOL_BG502_C09_INT_MECHANISM"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/RuinsPlay", {"across"});
}

} // namespace
