// The altar house's inside as a player plays it: the real program with its
// SDL input, from a slot in the house in chapter 9 with the whistle, Uncle
// Eduardo and the berries, played by mouse at the places of the scene's own
// objects: she wakes in the trap, the amber turtle brings the shaman and then
// Hilary (asked about the tanner), the whistle calls Eduardo, the berry lures
// him onto the altar and he pulls the pins; free, she takes the plank, the
// chest with the earrings and the shackles, builds the step on the posts,
// gives Briscoe the earrings, hooks a shackle over the plank, watches the
// strip and goes out of the house.
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

const std::string HOUSE = "bg505_TU_AltarHouseInterior";
const std::string OUTSIDE = "bg504_TU_AltarHouseExterior";

constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 9}};
constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO"), ItemNamed("ITEM_BERRIES")};
constexpr int32_t HOUSE_ID = 46;

using AltarHouseInteriorPlayTest = TestSupport::GamePlayTest;

TEST_F(AltarHouseInteriorPlayTest, FromTheTrapOutOfTheHousePlayedByMouse)
{
    const ChapterStart inTheHouse {ActorNamed<"tavrine"> {}, ITEMS, INTS, {}, HOUSE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheHouse));

    TestSupport::ContinueTheChapter(way, HOUSE);

    // The turtle brings the shaman in; then Hilary, who leaves once asked
    // about the tanner; each visit restarts the house.
    way.LeaveBy("amber_turtle", Verb::Look, HOUSE);

    way.PutTogetherThenWatch("ITEM_WHISTLE", "ITEM_EDUARDO");
    way.Give("ITEM_BERRIES", "pair_of_bodkins");
    play.Screenshot("eduardo_on_the_altar");
    way.GiveThenLeave("ITEM_EDUARDO", "pair_of_bodkins", HOUSE);

    way.Do("plank", Verb::Activate);
    way.Do("solid_small_chest", Verb::Activate);
    way.Do("shackles_1", Verb::Activate);
    way.Do("shackles_2", Verb::Activate);
    way.Give("ITEM_SOLID_SMALL_CHEST", "posts");
    way.Give("ITEM_PLANK", "posts_2");
    way.Give("ITEM_DIAMOND_EARRINGS", "thomas_b");
    play.Screenshot("the_step_built");
    play.DragItemOnto("ITEM_SHACKLE1", "unstable_plank");
    way.Expect("UseItem \"ITEM_SHACKLE1\" on \"" + HOUSE + ":unstable_plank");
    play.WaitForMovie();
    way.Arrive(OUTSIDE);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, OUTSIDE);
    for (const char* item : {"ITEM_DIAMOND_EARRINGS", "ITEM_WHISTLE", "ITEM_EDUARDO"})
        EXPECT_TRUE(story.items.contains(item)) << item;
    for (const char* item : {"ITEM_PLANK", "ITEM_SOLID_SMALL_CHEST", "ITEM_SHACKLE1", "ITEM_SHACKLE2"})
        EXPECT_FALSE(story.items.contains(item)) << item;
    for (const char* flag :
         {"VARBOOL_QUEST_C9_ESCAPE_DONE", "VARBOOL_BG505_C09_TAVRINE_FREE", "VARBOOL_QUEST_C9_ISLANDERS_DONE",
          "VARBOOL_BG505_C09_NOT_SO_GOOD", "VARBOOL_QUEST_C9_JEWELS_02_DONE",
          "VARBOOL_BG505_C09_USE_EARRINGS_ON_BRISCOE", "VARBOOL_QUEST_C9_HUT_DONE", "VARBOOL_QUEST_C9_THIEVES",
          "VARBOOL_BG505_C09_EVENT_WHAT_NOW"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/AltarHouseInteriorPlay",
                                            {"eduardo_on_the_altar", "the_step_built"});
}

} // namespace
