// Chapter 3 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot over the world map to Crab island: the docks' lamp
// and town map, the inn's slot machine, basket and picture, the graveyard's
// fence, fireflies and statue, the telescope and the map cylinder to the
// loading screen.
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

const std::string FATHERS_CABIN = "bg003_WM_AlessandrosCabin";
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string WORLD_MAP = "bg911_WorldMap";
const std::string DOCKS = "bg201_CR_Docks";
const std::string INN = "bg202_CR_BuckleberryInn";
const std::string GRAVEYARD = "bg203_CR_GraveyardOfTheAncients";
const std::string TELESCOPE = "bg803_CU_03_Telescope";
const std::string MAP_CYLINDER = "bg804_CU_03_MapCylinder";
const std::string LOADING = "bg993_Loading_placeholder";

std::string Load(const std::string& scene)
{
    return "Load scene : \"scenes/" + scene + ".twscene.pc\"";
}

// Diego's good news; her father lends her the doubloons, Briscoe tells her
// of the island and sends her off; down the gangway, the boat sails.
void TheGoodNews(Way& way)
{
    way.Do("alessandro_c", Verb::Talk);
    way.LeaveBy("thomas_b", Verb::Talk, CORRIDOR);
    way.LeaveAnswering("goto_main_dock", "BG002_DOCK_SAIL", WORLD_MAP);
    way.Leave("cr", DOCKS, Exit::Hotspot);
}

// Sonia tells of the town map in the lamp's case and of the inn's machine.
// Upstairs a doubloon plays the slot machine for the strong alcohol; the
// basket's match box; the alcohol on the picture shows the hairpin.
void TheInn(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("sonia", Verb::Talk);
    way.Leave("goto_bg202", INN, Exit::Hotspot);
    way.Do("upstairs", Verb::Activate);
    play.Screenshot("inn_upstairs");
    play.DragItemOnto("ITEM_DOUBLOON", "jackpot_machine");
    way.Expect("UseItem \"ITEM_DOUBLOON\" on \"" + INN + ":jackpot_machine");
    play.PlaySlotMachine();
    way.Expect("Before MG Init");
    way.Expect("After MG Shutdown");
    way.Arrive(INN);
    way.GoBy("downstairs");
    way.Do("basket", Verb::Activate);
    way.Give("ITEM_STRONG_ALCOHOL_BOTTLE", "modern_picture");
    way.Leave("goto_bg201", DOCKS);
}

// The alcohol and a match light the lamp; the hairpin opens its case for the
// island's map, which Anita reads: the graveyard lies up the road, where
// Razzo comes along.
void TheTownMap(Way& way)
{
    way.Give("ITEM_STRONG_ALCOHOL_BOTTLE", "lamp");
    way.Give("ITEM_MATCH_BOX", "lamp");
    way.Give("ITEM_HAIRPIN", "town_map");
    way.Play().Screenshot("docks");
    way.Leave("goto_bg202", INN, Exit::Hotspot);
    way.Give("ITEM_CRAB_ISLAND_MAP", "anita");
    way.Leave("goto_bg201", DOCKS);
    way.Leave("goto_bg203", GRAVEYARD);
}

// The fence's two pieces make the gripping device; the flowers' nectar
// catches a firefly, which lights the statue; Razzo climbs the telescope
// and looks through it.
void TheStatue(Way& way)
{
    way.Give("ITEM_PISTOL", "ironwork_fence");
    way.PutTogether("ITEM_IRONWORK_PIECE_1", "ITEM_IRONWORK_PIECE_2");
    way.Do("flowers", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_NEAR_EMPTY_BOTTLE", "ITEM_FLOWERS");
    way.Give("ITEM_BOTTLE_FLOWER_NECTAR", "fat_grave");
    way.Give("ITEM_BOTTLE_FIREFLY", "tanners_statue");
    way.Play().DragItemOnto("ITEM_RAZZO", "telescope");
    way.Expect("UseItem \"ITEM_RAZZO\" on \"" + GRAVEYARD + ":telescope");
    way.Arrive(TELESCOPE);
    way.Play().Screenshot("telescope");
    // Back down from the statue, they leave its light in view.
    way.Leave("clique", GRAVEYARD, Exit::Hotspot);
    way.Play().Screenshot("statue_lit");
}

// The gripping device on the cylinder: the inner ring down to the sixth
// sign, the outer up twice; the cylinder opens, and what it holds ends the
// chapter.
void TheMapCylinder(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.DragItemOnto("ITEM_GRIPPING_DEVICE", "map_cylinder");
    way.Expect("UseItem \"ITEM_GRIPPING_DEVICE\" on \"" + GRAVEYARD + ":map_cylinder");
    // The close-up opens on the talk screen with the turns.
    play.WaitForScene(MAP_CYLINDER);
    way.Expect(Load(MAP_CYLINDER));
    play.WaitForChoices();
    play.Screenshot("map_cylinder");
    for (const char* turn : {"BG804_INNER_DOWN", "BG804_OUTER_UP", "BG804_OUTER_UP"})
        play.ChooseKey(turn);
    play.WaitForScene(GRAVEYARD);
    way.Expect(Load(GRAVEYARD));
    way.Arrive(LOADING);
    play.Screenshot("loading");
}

using ChapterThreePlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterThreePlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 3));

    TestSupport::ContinueTheChapter(way, FATHERS_CABIN);
    play.RecordStory("start");
    TheGoodNews(way);
    TheInn(way);
    TheTownMap(way);
    TheStatue(way);
    TheMapCylinder(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    // The slot continued the chapter's start: no new game, no intro movie.
    EXPECT_EQ(ReadFileText(folder / "log.txt").find("Before Movie Init"), std::string::npos);
    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.scene, FATHERS_CABIN);
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 3);
    TestSupport::ExpectChapterStartHolds(start, 3);
    TestSupport::ExpectChapterThreeEnded(end);
    TestSupport::ExpectPicturesAsReferenced(
        folder, "Engine/PC/ChapterThreePlay",
        {"docks", "inn_upstairs", "statue_lit", "telescope", "map_cylinder", "loading"});
}

} // namespace
