// Chapter 10 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot on Turtle island's turtle path: the turtle puzzle on
// the altar won by stacking the turtles, which opens the door; the old
// golden turtle's incubator and Tanama's word of the shaman's hut; up the
// altar house's stairs, the hide bag sewn, the trap's columns turned to
// their sun faces and the spirit egg swapped for the bird's egg; Eduardo on
// the sleepy guard below; back in the chamber the egg laid, the shaman's
// amends, the rod, the hatching, the tanner's name and the chest; the
// confrontation on the beach, the loading screen and the credits.
#include "Support/ChapterEnds.h"
#include "Support/ChapterStartSlot.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::Exit;
using TestSupport::ReadFileText;
using TestSupport::Verb;
using TestSupport::Way;

const std::string PATH = "bg508_TU_TurtlePath";
const std::string CHAMBER = "bg509_TU_TurtleChamber";
const std::string BEACH = "bg506_TU_TurtleBeach";
const std::string OUTSIDE = "bg504_TU_AltarHouseExterior";
const std::string HUT = "bg511_TU_ShamansHut";
const std::string TRAP = "bg801_CU_01_ShamansHut";
const std::string LOADING = "bg993_Loading_placeholder";

// A movie clicked away, and the scene it leads to.
void WatchTheMovie(Way& way, const std::string& next)
{
    way.Play().WaitForMovie();
    way.Play().ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(next);
}

// The turtles stacked on the altar open the door; the old turtle tells of
// the incubator and Tanama of the hut where the spirit egg is kept.
void TheDoorAndTheChamber(Way& way)
{
    way.Start("turtle_altar", Verb::Activate);
    way.Expect("Before MG Init");
    way.Play().PlayTurtleDoorPuzzle();
    way.Expect("After MG Shutdown");
    way.Arrive(PATH);
    way.Leave("goto_bg509", CHAMBER, Exit::Hotspot);
    way.Answer("golden_turtle", "BG509_ASK_DEVICE");
    way.Answer("tanama", "BG509_ASK_EGG");
    way.Leave("goto_bg508", PATH, Exit::Hotspot);
}

// Round by the beach to the altar house, whose stairs bring the shaman and
// Hilary down; in the hut the hide bag, the mattress and the trap's columns
// (each to its sun face), the spirit egg taken and the bird's egg left.
void TheSpiritEgg(Way& way)
{
    way.Leave("goto_bg506", BEACH, Exit::Hotspot);
    way.Leave("goto_bg504", OUTSIDE, Exit::Hotspot);
    way.Leave("goto_bg511", OUTSIDE, Exit::Hotspot);
    way.Leave("goto_bg511", HUT, Exit::Hotspot);
    for (const char* thing : {"leather_hide_pelt", "fur_hide_pelt", "bone_needle", "tough_thread"})
        way.Do(thing, Verb::Activate);
    way.PutTogetherThenWatch("ITEM_BONE_NEEDLE", "ITEM_TOUGH_THREAD");
    way.PutTogetherThenWatch("ITEM_THREADED_NEEDLE", "ITEM_LEATHER_HIDE_PELT");
    way.PutTogetherThenWatch("ITEM_UNCOMPLETE_HIDE_BAG", "ITEM_FUR_HIDE_PELT");
    way.Do("mattress", Verb::Activate);
    way.LeaveBy("secret_trap_close", Verb::Activate, TRAP);
    for (const auto& [column, times] :
         {std::pair {"column2", 4}, std::pair {"column3", 2}, std::pair {"column4", 4}, std::pair {"column1", 3}})
        for (int i = 0; i < times; ++i)
            way.Do(column, Verb::Activate);
    way.LeaveBy("exit", Verb::Activate, HUT);
    way.Give("ITEM_HIDE_BAG", "great_spirit_egg");
    way.Give("ITEM_BIRD_EGG", "secret_trap_open");
    way.Play().Screenshot("egg_swapped");
    way.Leave("goto_bg504", OUTSIDE, Exit::Hotspot);
    way.PutTogetherThenWatch("ITEM_WHISTLE", "ITEM_EDUARDO");
    way.Give("ITEM_EDUARDO", "villager2");
    way.LeaveBy("villager1", Verb::Talk, CHAMBER);
}

// The egg laid, the shaman's men burst in; the shaman's amends, the rod on
// the panel and the hatching; Tanama healed, the tanner's name, leave in
// peace and the chest, after which the beach's confrontation plays by
// itself to the loading screen.
void TheHatching(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.DragItemOnto("ITEM_EGG_BAG", "incubator");
    way.Expect("UseItem \"ITEM_EGG_BAG\" on \"" + CHAMBER + ":incubator");
    WatchTheMovie(way, CHAMBER);
    way.Do("baba_c", Verb::Talk);
    way.Do("shaking_incubator", Verb::Activate);
    play.DragItemOnto("ITEM_TURTLE_ROD", "secret_panel");
    way.Expect("UseItem \"ITEM_TURTLE_ROD\" on \"" + CHAMBER + ":secret_panel");
    way.Arrive(CHAMBER);
    way.Answer("newgolden_turtle", "BG509_ASK_HEAL_TANAMA");
    play.Use("newgolden_turtle", Verb::Talk);
    play.ChooseKey("BG509_ASK_TANNER");
    way.Expect("Action \"Talk\" on \"" + CHAMBER + ":newgolden_turtle");
    WatchTheMovie(way, CHAMBER);
    way.Answer("newgolden_turtle", "BG509_ASK_LEAVE");
    way.Start("chest", Verb::Activate);
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    play.SkipToScene(BEACH);
    play.SkipToScene(LOADING);
    way.Expect(TestSupport::SceneLoadLine(BEACH));
    way.Expect(TestSupport::SceneLoadLine(LOADING));
}

using ChapterTenPlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterTenPlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheCredits)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 10));

    TestSupport::ContinueTheChapter(way, PATH);
    play.RecordStory("start");
    TheDoorAndTheChamber(way);
    TheSpiritEgg(way);
    TheHatching(way);
    play.WaitUntilInteractive();
    play.Screenshot("the_end");
    play.RecordStory();
    // The loading screen takes a click anywhere: no verb menu.
    play.Click("clique");
    way.Expect("Action \"Activate\" on \"" + LOADING + ":clique");
    way.Expect("Before MG Init");
    play.WatchAMiniGameToItsEnd();
    way.Expect("After MG Shutdown");
    PlayToTheEnd();
    if (HasFatalFailure())
        return;

    TestSupport::ExpectChapterStartHolds(TestSupport::RecordedStory(folder, "start"), 10);
    const TestSupport::StoryRecord end = TestSupport::RecordedStory(folder);
    TestSupport::ExpectChapterTenEnded(end);
    // Won by hand, not skipped.
    EXPECT_EQ(end.flags.count("VARBOOL_C_CHEAT_MINIGAME"), 0u);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterTenPlay", {"egg_swapped", "the_end"});
}

} // namespace
