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
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::Verb;
using TestSupport::Way;

const std::string OFFICE_OUTSIDE = "bg204_CR_DrakesOfficeExterior";
constexpr int32_t OFFICE_OUTSIDE_ID = 25;

// The chapter's start, in the street, with the silhouette and the pipe made.
testing::AssertionResult WriteStreetSlot(const TestSupport::TempDir& folder)
{
    const ChapterStart& chapter = *ChapterStartOf(8);
    std::vector<uint32_t> items(chapter.items.begin(), chapter.items.end());
    for (const uint32_t item : {ItemNamed("ITEM_FLYING_SILHOUETTE"), ItemNamed("ITEM_LOADED_BLOW_PIPE")})
        items.push_back(item);
    const ChapterStart street = {chapter.uPlayingCharacter, items, chapter.ints, chapter.bools, OFFICE_OUTSIDE_ID};
    return TestSupport::WriteSlot(folder, street);
}

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

TEST(DrakesOfficeOutsidePlayTest, TheSilhouetteKnocksTheGuardsOutAndThePipeFetchesThePriestByMouse)
{
    TestSupport::TempDir folder;
    const TestSupport::KeptOnFailure kept(folder, "DrakesOfficeOutsidePlay");
    TestSupport::PrepareSmallGame(folder);
    ASSERT_TRUE(WriteStreetSlot(folder));

    TestSupport::PlayScript play;
    Way way(play, "bg999_start_menu");
    TestSupport::ContinueTheChapter(way, OFFICE_OUTSIDE);
    play.Screenshot("guarded");

    way.Do("rose_trellis", Verb::Activate);
    UseAndComeBack(way, "ITEM_FLYING_SILHOUETTE", "dinsdale", true);
    play.Screenshot("knocked_out");
    UseAndComeBack(way, "ITEM_LOADED_BLOW_PIPE", "priests_window", false);
    way.Do("father_jerome", Verb::Talk);
    way.Do("wooden_pole", Verb::Activate);
    play.RecordStory();
    play.Quit();
    way.Expect("Shutdown Application");
    TestSupport::ExpectThePlayWentItsWay(folder, play, way);
    if (HasFatalFailure())
        return;

    const TestSupport::StoryRecord end =
        TestSupport::StoryRecord::FromText(TestSupport::ReadFileText(folder / "story.txt"));
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
