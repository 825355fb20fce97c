// Chapter 8 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot in Alessandro's cabin at night: the sheet from the
// corridor's hamper and the cork from Crab island's docks made into a ghost
// that flies on the fishing rod Anita lends, and flown at Drake's guards
// from the priest's canopy; Mabel's ghost in the office, the blowpipe and
// the drawer's combination; the berries, the musket's ram rod and the
// priest shot at his window for the shovel blade; the pole whittled, Mabel's
// grave dug and its papers given to the priest; Mabel told, Sonia's and
// Diego's word of the golden turtle inn, where the turtle rod finds uncle
// Eduardo, and his talk in the cabin, to the loading screen.
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

using TestSupport::Exit;
using TestSupport::ReadFileText;
using TestSupport::Verb;
using TestSupport::Way;

const std::string CABIN = "bg004_WM_AlessandrosCabin_N";
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string DOCKS = "bg201_CR_Docks";
const std::string INN = "bg202_CR_BuckleberryInn";
const std::string GRAVEYARD = "bg203_CR_GraveyardOfTheAncients";
const std::string OUTSIDE = "bg204_CR_DrakesOfficeExterior";
const std::string OFFICE = "bg205_CR_DrakesOfficeInterior";
const std::string SAFE = "bg806_CU_06_DrakesSafe";
const std::string TURTLE_INN = "bg206_CR_TortueOr";
const std::string LOADING = "bg993_Loading_placeholder";

// Out of the inn and over the island's map.
void FromTheInnTo(Way& way, const std::string& next)
{
    way.Leave("goto_bg201", DOCKS);
    way.TravelOver("goto_bg203", next);
}

// The sheet from the hamper and the cork from the barrels make a ghost,
// which flies on the fishing rod that Anita lends once asked.
void TheGhost(Way& way)
{
    way.Leave("goto_bg002", CORRIDOR);
    way.Do("clothes_hamper", Verb::Activate);
    way.LeaveAnswering("goto_main_dock", "BG002_DOCK_ASHORE", DOCKS);
    way.Do("barrels", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_IRON_STEM", "ITEM_CORK");
    way.PutTogetherThenWatch("ITEM_CLOTHES_HANGER", "ITEM_SHEET");
    way.Leave("goto_bg202", INN, Exit::Hotspot);
    way.Do("fishing_rod", Verb::Activate);
    way.Do("anita", Verb::Talk);
    way.Do("fishing_rod", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_GHOSTLY_SILHOUETTE", "ITEM_FISHING_ROD");
    FromTheInnTo(way, OUTSIDE);
}

// From the priest's canopy the ghost scares the guards off; down again for
// their pole and into the office, where Mabel asks for justice; the blowpipe
// from its showcase, and the drawer that the small key opens.
void TheOffice(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("rose_trellis", Verb::Activate);
    way.Give("ITEM_FLYING_SILHOUETTE", "dinsdale");
    way.Do("rose_trellis", Verb::Activate);
    way.Do("wooden_pole", Verb::Activate);
    way.Leave("goto_bg205", OFFICE);
    play.RecordStory("office");
    play.Screenshot("office");
    way.Do("showcase_blowpipe", Verb::Activate);
    way.Do("four_drawer_cabinets", Verb::Activate);
    way.Give("ITEM_SMALL_KEY", "fourth_drawer2");
    way.Leave("goto_bg204", OUTSIDE);
}

// The berries from the graveyard's flowers; the ram rod Anita lets her use
// clears the blowpipe and goes back on its musket; a berry through the
// priest's window brings him out with the shovel blade.
void ThePriest(Way& way)
{
    way.TravelOver("goto_cr_map", GRAVEYARD);
    way.Do("flowers", Verb::Activate);
    way.TravelOver("goto_bg201", DOCKS);
    way.Leave("goto_bg202", INN, Exit::Hotspot);
    way.Do("musket", Verb::Activate);
    way.Do("anita", Verb::Talk);
    way.Do("musket", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_BLOCKED_BLOW_PIPE", "ITEM_RAM_ROD");
    way.Give("ITEM_RAM_ROD", "musket");
    way.PutTogether("ITEM_BLOW_PIPE", "ITEM_WILD_BERRIES");
    FromTheInnTo(way, OUTSIDE);
    way.Do("rose_trellis", Verb::Activate);
    way.Give("ITEM_LOADED_BLOW_PIPE", "priests_window");
    way.Do("father_jerome", Verb::Talk);
}

// Behind the governor's portrait the safe opens to the combination from
// the drawer, and holds Drake's note.
void TheNote(Way& way)
{
    way.Do("governors_portrait", Verb::Activate);
    way.LeaveBy("safe", Verb::Activate, SAFE);
    for (const char* digit : {"1_4", "2_1", "3_7"})
        way.Do(digit, Verb::Activate);
    way.Leave("exit", OFFICE, Exit::Hotspot);
    way.Do("safe_interior", Verb::Activate);
}

// The stranger whittles the pole for the blade; Mabel's grave gives up its
// papers, which the priest reads; Mabel hears of it.
void TheGrave(Way& way)
{
    way.TravelOver("goto_cr_map", DOCKS);
    way.Leave("goto_bg202", INN, Exit::Hotspot);
    way.Give("ITEM_WOODEN_POLE", "stranger");
    way.PutTogetherThenWatch("ITEM_WHITTLED_POLE", "ITEM_SHOVEL_BLADE");
    FromTheInnTo(way, GRAVEYARD);
    way.Give("ITEM_SHOVEL", "grave");
    way.Give("ITEM_OLD_PAPERS", "father_jerome");
    way.TravelOver("goto_bg201", OUTSIDE);
    way.Leave("goto_bg205", OFFICE);
    TheNote(way);
    way.Do("mabel", Verb::Talk);
    way.Leave("goto_bg204", OUTSIDE);
}

// Sonia has seen a golden turtle inn, and Diego knows the way; there the
// turtle rod finds uncle Eduardo, who talks with her back in the cabin.
void TheUncle(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.TravelOver("goto_cr_map", DOCKS);
    way.Do("sonia", Verb::Talk);
    way.TravelOver("goto_bg203", OUTSIDE);
    way.Do("diego", Verb::Talk);
    way.Leave("goto_bg206", TURTLE_INN);
    play.Screenshot("turtle_inn");
    way.Give("ITEM_TURTLE_ROD", "uncle_eduardo");
    way.Arrive(CABIN);
    play.Use("uncle_eduardo", Verb::Talk);
    way.Expect("Action \"Talk\" on \"" + CABIN + ":uncle_eduardo");
    way.Arrive(LOADING);
    play.Screenshot("loading");
}

using ChapterEightPlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterEightPlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 8));

    TestSupport::ContinueTheChapter(way, CABIN);
    play.RecordStory("start");
    TheGhost(way);
    TheOffice(way);
    ThePriest(way);
    TheGrave(way);
    TheUncle(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    TestSupport::ExpectChapterStartHolds(start, 8);
    TestSupport::ExpectChapterEightInTheOffice(TestSupport::RecordedStory(folder, "office"));
    TestSupport::ExpectChapterEightEnded(end);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterEightPlay", {"office", "turtle_inn", "loading"});
}

} // namespace
