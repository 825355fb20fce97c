// The street before Drake's office as a player plays it: the real program with
// its SDL input, played by mouse events at the places of the scene's own
// objects, from a slot saved in the street in chapter 8 with the flying
// silhouette and the loaded blow pipe: up the rose trellis, the silhouette on
// a guard into the movie, the pipe at the priest's window, the shovel blade
// from the priest at his door and Dinsdale's pole from the ground.
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

const std::string OFFICE_OUTSIDE = "bg204_CR_DrakesOfficeExterior";
constexpr int32_t OFFICE_OUTSIDE_ID = 25;

// An item used where the scene goes on anew: after a movie, or by itself.
void UseAndComeBack(Way& way, const std::string& item, const std::string& thing, bool bMovie)
{
    TestSupport::PlayScript& play = way.Play();
    play.DragItemOnto(item, thing);
    way.Expect("UseItem \"" + item + "\" on \"" + OFFICE_OUTSIDE + ":" + thing.substr(0, 16));
    if (bMovie) {
        play.WaitForMovie();
        // A click skips the movie.
        play.ClickHere();
        way.Expect("Before Movie Init");
        way.Expect("After Movie Shutdown");
    }
    way.Arrive(OFFICE_OUTSIDE);
}

using DrakesOfficeOutsidePlayTest = TestSupport::GamePlayTest;

TEST_F(DrakesOfficeOutsidePlayTest, TheSilhouetteKnocksTheGuardsOutAndThePipeFetchesThePriestByMouse)
{
    // The chapter's start, in the street, with the silhouette and the pipe made.
    ASSERT_TRUE(TestSupport::WriteChapterStartSlotIn(
        folder, 8, OFFICE_OUTSIDE_ID, {ItemNamed("ITEM_FLYING_SILHOUETTE"), ItemNamed("ITEM_LOADED_BLOW_PIPE")}));

    TestSupport::ContinueTheChapter(way, OFFICE_OUTSIDE);
    play.Screenshot("guarded");

    way.Do("rose_trellis", Verb::Activate);
    UseAndComeBack(way, "ITEM_FLYING_SILHOUETTE", "dinsdale", true);
    play.Screenshot("knocked_out");
    UseAndComeBack(way, "ITEM_LOADED_BLOW_PIPE", "priests_window", false);
    way.Do("father_jerome", Verb::Talk);
    way.Do("wooden_pole", Verb::Activate);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(end.scene, OFFICE_OUTSIDE);
    for (const char* item : {"ITEM_WOODEN_POLE", "ITEM_SHOVEL_BLADE", "ITEM_BLOW_PIPE"})
        EXPECT_TRUE(end.items.contains(item)) << item;
    EXPECT_FALSE(end.items.contains("ITEM_LOADED_BLOW_PIPE"));
    for (const char* flag :
         {"VARBOOL_QUEST_C8_GUARDS_DONE", "VARBOOL_QUEST_C8_GHOST_DONE", "VARBOOL_QUEST_C8_PRIEST_DONE",
          "VARBOOL_QUEST_C8_POLE01", "VARBOOL_BG204_C08_PICK_WOODEN_POLE"})
        EXPECT_TRUE(end.flags.contains(flag)) << flag;
    EXPECT_FALSE(end.flags.contains("VARBOOL_BG204_C08_TAVRINE_ON_CANOPY"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/DrakesOfficeOutsidePlay", {"guarded", "knocked_out"});
}

} // namespace
