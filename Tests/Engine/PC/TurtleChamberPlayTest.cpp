// The turtle chamber as a player plays it: the real program with its SDL
// input, played by mouse events at the places of the chamber's own objects,
// from a slot saved in the chamber in chapter 10 on her return with the spirit
// egg: the egg laid in the incubator and the shaman's men bursting in (their
// movie), the shaman won over, the shaking incubator's panel and the turtle
// rod, the hatching, the new turtle asked to heal Tanama and about the tanner,
// Alessandro and Briscoe's arrival (their movie), and leave to go in peace,
// which brings out the chest.
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

using TestSupport::Verb;
using TestSupport::Way;

const std::string CHAMBER = "bg509_TU_TurtleChamber";
constexpr int32_t CHAMBER_ID = 49;

// A movie that the walk starts, clicked away, and the chamber entered anew.
void WatchTheMovie(TestSupport::PlayScript& play, Way& way)
{
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(CHAMBER);
}

using TurtleChamberPlayTest = TestSupport::GamePlayTest;

TEST_F(TurtleChamberPlayTest, TheEggHatchesAndTheChestIsOpenedByMouseFromASlotOnTheReturn)
{
    const uint32_t items[] = {ItemIdOf("ITEM_EGG_BAG"), ItemIdOf("ITEM_TURTLE_ROD")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 10}};
    const int32_t bools[] = {VARBOOL_BG509_C10_FIRST_TIME, VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE,
                             VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT, VARBOOL_QUEST_C10_RETURN};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, {Id::GetActorId("tavrine"), items, ints, bools, CHAMBER_ID}));

    TestSupport::ContinueTheChapter(way, CHAMBER);

    play.DragItemOnto("ITEM_EGG_BAG", "incubator");
    way.Expect("UseItem \"ITEM_EGG_BAG\" on \"" + CHAMBER + ":incubator");
    WatchTheMovie(play, way);
    play.Screenshot("egg_in_danger");
    way.Do("baba_c", Verb::Talk);
    way.Do("shaking_incubator", Verb::Activate);
    play.DragItemOnto("ITEM_TURTLE_ROD", "secret_panel");
    way.Expect("UseItem \"ITEM_TURTLE_ROD\" on \"" + CHAMBER + ":secret_panel");
    way.Arrive(CHAMBER);
    play.Screenshot("hatched");

    way.Answer("newgolden_turtle", "BG509_ASK_HEAL_TANAMA");
    play.Use("newgolden_turtle", Verb::Talk);
    play.ChooseKey("BG509_ASK_TANNER");
    way.Expect("Action \"Talk\" on \"" + CHAMBER + ":newgolden_turtle");
    WatchTheMovie(play, way);
    way.Answer("newgolden_turtle", "BG509_ASK_LEAVE");
    play.Screenshot("chest");
    way.Do("chest", Verb::Look);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(end.scene, CHAMBER);
    EXPECT_FALSE(end.items.contains("ITEM_EGG_BAG"));
    for (const char* flag :
         {"VARBOOL_QUEST_C10_RETURN_DONE", "VARBOOL_QUEST_C10_INCUBATE_DONE",
          "VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER", "VARBOOL_BG509_C10_TALK_BABA_ABOUT_MAKE_AMENDS",
          "VARBOOL_BG509_C10_EVENT_THE_EGG_HATCHES", "VARBOOL_BG509_C10_EVENT_BETRAYAL",
          "VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE", "VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL",
          "VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_LEAVE_IN_PEACE", "VARBOOL_BG509_C10_CHEST_HERE"})
        EXPECT_TRUE(end.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/TurtleChamberPlay",
                                            {"egg_in_danger", "hatched", "chest"});
}

} // namespace
