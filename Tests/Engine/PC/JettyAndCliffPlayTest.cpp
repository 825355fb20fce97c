// The jetty below Tanner island's cliff as a player plays it: the real program
// with its SDL input, from a slot on the jetty in chapter 6 with Diego brought
// from the ship, played by mouse at the places of the scene's own objects:
// Briscoe fishes the boards out, the shrubs give up the anchor that Diego
// pulls out, the anchor on the rope and in the crossbow is shot into the
// scaffolding in its strip, she takes the fallen stone and the piton, and a
// feather wakes Diego.
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

const std::string JETTY = "bg401_TA_JetyAndCliff";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_ROPE"), ItemNamed("ITEM_CROSSBOW"), ItemNamed("ITEM_FEATHER")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 6}};
constexpr int32_t BOOLS[] = {VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR};
constexpr int32_t JETTY_ID = 39;

using JettyAndCliffPlayTest = TestSupport::GamePlayTest;

TEST_F(JettyAndCliffPlayTest, TheBoardsTheAnchorAndTheRopeUpTheCliffPlayedByMouseFromASlotOnTheJetty)
{
    const ChapterStart onTheJetty {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, JETTY_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, onTheJetty));

    TestSupport::ContinueTheChapter(way, JETTY);
    way.Give("ITEM_BRISCOE", "floating_wood_boards");
    way.Do("shrubs", Verb::Activate);
    way.Give("ITEM_DIEGO", "rusty_anchor");
    play.Screenshot("diego_asleep");
    way.Do("rusty_anchor2", Verb::Activate);
    way.PutTogether("ITEM_RUSTY_ANCHOR", "ITEM_ROPE");
    way.PutTogetherThenWatch("ITEM_GRAPPEL", "ITEM_CROSSBOW");
    play.DragItemOnto("ITEM_LOADED_CROSSBOW", "scaffolding");
    way.Expect("UseItem \"ITEM_LOADED_CROSSBOW\" on \"" + JETTY + ":scaffolding");
    play.WaitForMovie();
    // A click skips the strip.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(JETTY);
    play.Screenshot("rope_hangs");
    way.Do("dark_rock", Verb::Activate);
    way.Do("loose_piton", Verb::Activate);
    way.Give("ITEM_FEATHER", "diego");
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, JETTY);
    for (const char* item : {"ITEM_WOOD_BOARD", "ITEM_CROSSBOW", "ITEM_DARK_ROCK_1", "ITEM_LOOSE_PITON"})
        EXPECT_TRUE(story.items.contains(item)) << item;
    for (const char* item : {"ITEM_BRISCOE", "ITEM_DIEGO", "ITEM_LOADED_CROSSBOW", "ITEM_ROPE"})
        EXPECT_FALSE(story.items.contains(item)) << item;
    for (const char* flag :
         {"VARBOOL_BG401_C06_EVENT_BRISCOE_TOO", "VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS",
          "VARBOOL_BG401_C06_INT_SHRUBS", "VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR", "VARBOOL_QUEST_C6_DIEGO",
          "VARBOOL_BG401_C06_PICK_RUSTY_ANCHOR", "VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW",
          "VARBOOL_BG401_C06_PICK_DARK_ROCK", "VARBOOL_BG401_C06_PICK_LOOSE_PITON", "VARBOOL_QUEST_C6_DIEGO_DONE"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/JettyAndCliffPlay", {"diego_asleep", "rope_hangs"});
}

} // namespace
