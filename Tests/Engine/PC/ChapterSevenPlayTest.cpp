// Chapter 7 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot on Hollow island's jetty: Briscoe's turtle map and his
// word of the voodoo village, the weed killer from Percy's shed and the
// petals of Miss Brown's flowers, the guards' talk that opens the way up to
// Chemin's hut, Tana's description, the flora book and the voodoo kit; then
// over the sea for the inn's chicken on the first island, the claw pulled
// off the inn's sign on Crab island, the bloody feather of its graveyard and
// the flask filled in Tanner island's burial chamber; back on Hollow island
// Chemin's spell brewed and broken for the painted pebble, the temple opened
// and Bajari cured and sent to the jetty, where he brings Tanner's notes, to
// the loading screen.
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

const std::string JETTY = "bg301_HO_Jety";
const std::string FIRST_SQUARE = "bg302_HO_TownSquareA";
const std::string MIDDLE_SQUARE = "bg303_HO_TownSquareB";
const std::string PERCYS_SQUARE = "bg304_HO_TownSquareC";
const std::string RECEPTION = "bg305_HO_TownHallReception";
const std::string GARDEN = "bg306_HO_Garden";
const std::string VILLAGE = "bg309_HO_VoodooVillage";
const std::string CHEMINS_HUT = "bg311_HO_CheminsHut";
const std::string WORLD_MAP = "bg911_WorldMap";
const std::string BOUNTY_DOCKS = "bg105_BO_Docks";
const std::string INN = "bg106_BO_AdmiralsRest";
const std::string CRAB_DOCKS = "bg201_CR_Docks";
const std::string GRAVEYARD = "bg203_CR_GraveyardOfTheAncients";
const std::string TANNER_JETTY = "bg401_TA_JetyAndCliff";
const std::string MONUMENT = "bg403_TA_CarminesMonument";
const std::string BURIAL_CHAMBER = "bg404_TA_BurialChamber";
const std::string TEMPLE = "bg310_HO_VoodooTemple";
const std::string LOADING = "bg993_Loading_placeholder";

// Up through the town: the weed killer from Percy's shed kills Miss Brown's
// flowers, whose petals she picks up.
void ThePetals(Way& way)
{
    way.Leave("goto_hollow_map", FIRST_SQUARE);
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.Leave("goto_bg306", GARDEN);
    way.Do("percys_shed", Verb::Activate);
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.Leave("goto_bg305", RECEPTION);
    way.Give("ITEM_WEED_KILLER", "vase_of_flowers");
    way.Leave("goto_bg304", PERCYS_SQUARE);
}

// Over the island's map to the voodoo village: the guards' talk opens the
// way up the tree; Tana describes the flowers, and inside the hut the flora
// book and the voodoo kit give the recipes, the flask and the voodoo paper.
void TheHut(Way& way)
{
    way.TravelOver("goto_hollow_island", VILLAGE);
    way.Play().RecordStory("village");
    way.Play().Screenshot("village");
    way.Do("bajari_g1", Verb::Talk);
    way.Leave("goto_climb_to_upper_level", CHEMINS_HUT);
    way.Do("tana", Verb::Talk);
    way.Do("door_hut", Verb::Activate);
    way.Do("bookshelf", Verb::Activate);
    way.Do("voodoo_kit", Verb::Activate);
    way.Do("door_hut_out", Verb::Activate);
    way.Leave("goto_bg309", VILLAGE);
    way.TravelOver("goto_ho_map", JETTY);
}

// Over the sea: the chicken hanging in the inn on the first island, the
// claw that the metal hook pulls off the inn's sign on Crab island, and the
// chicken on the flat grave that gives the bloody feather.
void TheIngredients(Way& way)
{
    way.LeaveAnswering("goto_wm", "BG301_GANGWAY_SAIL", WORLD_MAP, Exit::Hotspot);
    way.Leave("bo", BOUNTY_DOCKS, Exit::Hotspot);
    way.Leave("goto_bg106", INN);
    way.Do("dead_chicken", Verb::Activate);
    way.Leave("goto_bg105", BOUNTY_DOCKS);
    way.LeaveAnswering("the_winsome_maid", "BG105_SHIP_SAIL", WORLD_MAP, Exit::Hotspot);
    way.Leave("cr", CRAB_DOCKS, Exit::Hotspot);
    way.Do("metal_hook", Verb::Activate);
    way.Give("ITEM_METAL_HOOK", "inn_sign");
    way.TravelOver("goto_bg203", GRAVEYARD);
    way.Give("ITEM_DEAD_CHICKEN", "fat_grave");
    way.TravelOver("goto_bg201", CRAB_DOCKS);
    way.LeaveAnswering("goto_bg002", "BG201_DOCK_SAIL", WORLD_MAP, Exit::Hotspot);
    way.Leave("ta", TANNER_JETTY, Exit::Hotspot);
}

// Over Tanner island's map to the burial chamber, where the flask is filled
// at the depression; out by the monument, over the map to the ship and over
// the sea to Hollow island.
void TheFlask(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.TravelByMap(BURIAL_CHAMBER);
    way.Give("ITEM_FLASK", "depression");
    play.Screenshot("burial_chamber");
    way.Leave("goto_bg403", MONUMENT);
    way.TravelByMap(TANNER_JETTY);
    way.LeaveAnswering("winsome_maid", "BG401_SHIP_SAIL", WORLD_MAP, Exit::Hotspot);
    way.Leave("ho", JETTY, Exit::Hotspot);
}

// Up to Chemin's hut again: the feather signs the voodoo paper; the claw,
// the petals and the water go into the vessel, the match lights the fire
// and Chemin's paper burns in the smoke; he wakes and gives the painted
// pebble.
void TheSpell(Way& way)
{
    way.Leave("goto_hollow_map", FIRST_SQUARE);
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.TravelOver("goto_hollow_island", VILLAGE);
    way.Leave("goto_climb_to_upper_level", CHEMINS_HUT);
    way.Do("door_hut", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_BLOODY_FEATHER", "ITEM_VOODOO_PAPER");
    for (const char* item :
         {"ITEM_CRAB_CLAW", "ITEM_CABA_FLOWERS_PETALS", "ITEM_FLASK_WATER", "ITEM_MATCH_BOX", "ITEM_CHEMIN_PAPER"})
        way.Give(item, "fireplace");
    way.Do("chemin", Verb::Talk);
    way.Do("door_hut_out", Verb::Activate);
    way.Leave("goto_bg309", VILLAGE);
}

// The pebble shown to the guards opens the temple, where Bajari, cured,
// hears of Tanner's friend and is sent to the jetty by the turtle rod; told
// of him, Briscoe waits there with her until Bajari brings Tanner's notes.
void BajarisNotes(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Give("ITEM_PAINTED_PEBBLE", "bajari_g2");
    way.Leave("goto_temple_entrance", TEMPLE);
    way.Answer("bajari", "BG310_ASK_TANNERS_FRIEND");
    way.Give("ITEM_TURTLE_ROD", "bajari");
    way.Leave("goto_bg309", VILLAGE);
    way.TravelOver("goto_ho_map", JETTY);
    play.Use("thomas_b", Verb::Talk);
    play.ChooseKey("BG301_TELL_TANNERS_FRIEND");
    way.Expect("Action \"Talk\" on \"" + JETTY + ":thomas_b");
    way.Arrive(LOADING);
    play.Screenshot("loading");
}

using ChapterSevenPlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterSevenPlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 7));

    TestSupport::ContinueTheChapter(way, JETTY);
    play.RecordStory("start");
    play.Screenshot("landing");
    ThePetals(way);
    TheHut(way);
    TheIngredients(way);
    TheFlask(way);
    TheSpell(way);
    BajarisNotes(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    // The slot continued the chapter's start in its first scene.
    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.scene, JETTY);
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 7);
    TestSupport::ExpectChapterSevenInTheVillage(TestSupport::RecordedStory(folder, "village"));
    TestSupport::ExpectChapterSevenEnded(end);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterSevenPlay",
                                            {"landing", "village", "burial_chamber", "loading"});
}

} // namespace
