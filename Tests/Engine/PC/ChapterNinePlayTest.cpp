// Chapter 9 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot in Alessandro's cabin: Briscoe's news and the
// whistle, Diego told of his axe in the corridor and off to Turtle island's
// bay; the berries for Uncle Eduardo, the battered shell and Diego's axe
// through the green wall; the carvings' answers over the ruins' bridge and
// the lever's trap; in the altar house the whistle and a berry that bring
// Eduardo to the pins, the step built, the earrings and the way out through
// the roof; the caterpillars glue the shell and the earrings into the mask,
// which scares the harvesters off the beach; Bobby's egg, Tanama shown the
// maps, and the whistle that calls Eduardo, to the loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterStartSlot.h"
#include "Support/Files.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::ReadFileText;
using TestSupport::Verb;
using TestSupport::Way;

const std::string CABIN = "bg003_WM_AlessandrosCabin";
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string BAY = "bg501_TU_BeautyBay";
const std::string RUINS = "bg502_TU_Ruins1";
const std::string OUTSIDE = "bg504_TU_AltarHouseExterior";
const std::string HOUSE = "bg505_TU_AltarHouseInterior";
const std::string BEACH = "bg506_TU_TurtleBeach";
const std::string LOADING = "bg993_Loading_placeholder";

// The answers the carvings give, from the first stone to the far side.
const char* const ACROSS[] = {
    "BG502_STEP_AHEAD", "BG502_STEP_RIGHT", "BG502_STEP_RIGHT", "BG502_STEP_AHEAD", "BG502_STEP_AHEAD",
    "BG502_STEP_LEFT",  "BG502_STEP_AHEAD", "BG502_STEP_LEFT",  "BG502_STEP_LEFT",  "BG502_STEP_AHEAD",
};

// Briscoe's word on landing; the berries for Eduardo, the shell, Eduardo up
// in the branches, and Diego's axe through the green wall into the ruins.
void TheBay(Way& way)
{
    way.Do("berry_bush", Verb::Activate);
    way.Give("ITEM_BERRIES", "uncle_eduardo");
    way.Do("battered_turtle_shell", Verb::Activate);
    way.Give("ITEM_EDUARDO", "high_branches_2");
    way.GiveThenLeave("ITEM_DIEGO", "dense_vegetation", RUINS);
}

// The carvings tell the way over the bridge; the lever springs the trap.
void TheRuins(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("carved_stones", Verb::Activate);
    play.Use("the_bridge", Verb::Activate);
    way.Expect("Action \"Activate\" on \"" + RUINS + ":the_bridge");
    for (const char* answer : ACROSS)
        play.ChooseKey(answer);
    play.WaitUntilInteractive();
    way.LeaveBy("mechanism", Verb::Activate, HOUSE);
}

// The amber turtle brings the shaman and Hilary; the whistle calls Eduardo,
// a berry lures him onto the altar and he pulls the pins. Free, she builds
// a step on the posts, gives Briscoe the earrings, and a shackle over the
// plank takes them out through the roof.
void TheAltarHouse(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.LeaveBy("amber_turtle", Verb::Look, HOUSE);
    way.PutTogetherThenWatch("ITEM_WHISTLE", "ITEM_EDUARDO");
    way.Give("ITEM_BERRIES", "pair_of_bodkins");
    way.GiveThenLeave("ITEM_EDUARDO", "pair_of_bodkins", HOUSE);
    for (const char* thing : {"plank", "solid_small_chest", "shackles_1", "shackles_2"})
        way.Do(thing, Verb::Activate);
    way.Give("ITEM_SOLID_SMALL_CHEST", "posts");
    way.Give("ITEM_PLANK", "posts_2");
    way.Give("ITEM_DIAMOND_EARRINGS", "thomas_b");
    play.DragItemOnto("ITEM_SHACKLE1", "unstable_plank");
    way.Expect("UseItem \"ITEM_SHACKLE1\" on \"" + HOUSE + ":unstable_plank");
    play.WaitForMovie();
    way.Arrive(OUTSIDE);
    play.RecordStory("outside");
}

// The caterpillars glue the shell and the earrings into the mask, which on
// Bobby scares the harvesters off; Bobby's egg, Tanama brought round and
// shown the maps put together, and the whistle calls Eduardo.
void TheBeach(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("basket", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_TURTLE_SHELL", "ITEM_SLIMY_CATERPILLARS");
    way.PutTogether("ITEM_UNCOMPLETE_MASK1", "ITEM_DIAMOND_EARRINGS");
    way.Leave("goto_bg506", BEACH, TestSupport::Exit::Hotspot);
    play.DragItemOnto("ITEM_TURTLE_MASK", "bobby");
    way.Expect("UseItem \"ITEM_TURTLE_MASK\" on \"" + BEACH + ":bobby");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(BEACH);
    way.Do("bobby", Verb::Talk);
    way.Do("tanama", Verb::Talk);
    way.PutTogetherThenWatch("ITEM_TURTLE_MAP", "ITEM_BRISCOES_MAP");
    way.Give("ITEM_COMPLETE_MAP", "tanama");
    play.Screenshot("the_way");
    play.Combine("ITEM_WHISTLE", "ITEM_EDUARDO");
    way.Expect("CombineItem \"ITEM_WHISTLE\" with \"ITEM_EDUARDO\"");
    way.Arrive(LOADING);
}

using ChapterNinePlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterNinePlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 9));

    // Briscoe's news and the whistle: she takes input again only as she goes
    // out into the corridor.
    TestSupport::ContinueTheChapter(way, CABIN);
    play.RecordStory("start");
    way.Arrive(CORRIDOR);
    way.LeaveBy("diego", Verb::Talk, BAY);
    play.Screenshot("bay");
    TheBay(way);
    TheRuins(way);
    TheAltarHouse(way);
    TheBeach(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.items.erase("ITEM_WHISTLE"), 1u);
    TestSupport::ExpectChapterStartHolds(start, 9);
    TestSupport::ExpectChapterNineOutOfTheAltarHouse(TestSupport::RecordedStory(folder, "outside"));
    TestSupport::ExpectChapterNineEnded(end);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterNinePlay", {"bay", "the_way"});
}

} // namespace
