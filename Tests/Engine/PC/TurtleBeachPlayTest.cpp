// The turtle beach on Turtle island as a player plays it: the real program
// with its SDL input, from a slot on the beach in chapter 9 with the turtle
// mask, both maps, the whistle and Uncle Eduardo, played by mouse at the
// places of the scene's own objects: the harvesters spied on, the mask on
// Bobby and its strip, Bobby's bird's egg, Tanama brought round, the maps put
// together and shown to her, and the whistle that calls Eduardo to lead them
// off to the loading screen.
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

const std::string BEACH = "bg506_TU_TurtleBeach";
const std::string LOADING = "bg993_Loading_placeholder";

constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 9}};
constexpr uint32_t ITEMS[] = {ItemIdOf("ITEM_TURTLE_MASK"), ItemIdOf("ITEM_TURTLE_MAP"), ItemIdOf("ITEM_BRISCOES_MAP"),
                              ItemIdOf("ITEM_WHISTLE"), ItemIdOf("ITEM_EDUARDO")};
constexpr int32_t BEACH_ID = 47;

using TurtleBeachPlayTest = TestSupport::GamePlayTest;

TEST_F(TurtleBeachPlayTest, TheMaskTanamaTheMapsAndTheWhistlePlayedByMouseFromASlotOnTheBeach)
{
    const ChapterStart onTheBeach {ActorNamed<"tavrine"> {}, ITEMS, INTS, {}, BEACH_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, onTheBeach));

    TestSupport::ContinueTheChapter(way, BEACH);
    play.Screenshot("spying");
    way.Do("harvester_group", Verb::Look);

    play.DragItemOnto("ITEM_TURTLE_MASK", "bobby");
    way.Expect("UseItem \"ITEM_TURTLE_MASK\" on \"" + BEACH + ":bobby");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(BEACH);
    play.Screenshot("scared_off");

    way.Do("bobby", Verb::Talk);
    way.Do("tanama", Verb::Talk);
    way.PutTogetherThenWatch("ITEM_TURTLE_MAP", "ITEM_BRISCOES_MAP");
    way.Give("ITEM_COMPLETE_MAP", "tanama");
    play.Screenshot("the_way");

    play.Combine("ITEM_WHISTLE", "ITEM_EDUARDO");
    way.Expect("CombineItem \"ITEM_WHISTLE\" with \"ITEM_EDUARDO\"");
    way.Arrive(LOADING);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, LOADING);
    for (const char* item : {"ITEM_BIRD_EGG", "ITEM_COMPLETE_MAP", "ITEM_TURTLE_MASK", "ITEM_WHISTLE", "ITEM_EDUARDO"})
        EXPECT_TRUE(story.items.contains(item)) << item;
    for (const char* flag :
         {"VARBOOL_TU_MAP_BG506", "VARBOOL_BG506_C09_USE_TURTLE_MASK", "VARBOOL_QUEST_C9_HARVESTING_DONE",
          "VARBOOL_QUEST_C5_BOBBY03_DONE", "VARBOOL_BG506_C09_TALK_BOBBY_ABOUT_HELP", "VARBOOL_BG506_C09_TALK_TANAMA",
          "VARBOOL_QUEST_C9_PURE", "VARBOOL_QUEST_C9_PURE_DONE"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    for (const char* flag : {"VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS", "VARBOOL_BG506_C09_EDUARDO_HERE"})
        EXPECT_FALSE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/TurtleBeachPlay", {"spying", "scared_off", "the_way"});
}

} // namespace
