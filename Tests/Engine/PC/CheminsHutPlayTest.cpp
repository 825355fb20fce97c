// Chemin's hut as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the hut's own objects, from a slot
// that stands on the hilltop in chapter 7 with the ingredients gathered:
// Tana's description, in through the door, the flora book and the kit, the
// feather and the voodoo paper put together, the mixture brewed and lit, the
// paper burnt, and back down to the village with the painted pebble.
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

const std::string CHEMINS_HUT = "bg311_HO_CheminsHut";
const std::string VOODOO_VILLAGE = "bg309_HO_VoodooVillage";
constexpr int32_t CHEMINS_HUT_ID = 38;

// Tana gives the description; inside, the book and the kit; the feather
// signs the voodoo paper.
void TheRecipe(Way& way)
{
    way.Do("tana", Verb::Talk);
    way.Do("door_hut", Verb::Activate);
    way.Play().Screenshot("inside");
    way.Do("bookshelf", Verb::Activate);
    way.Do("voodoo_kit", Verb::Activate);
    way.PutTogetherThenWatch("ITEM_BLOODY_FEATHER", "ITEM_VOODOO_PAPER");
}

// The claw, the petals and the water in turn, the match under them, and
// Chemin's paper in the smoke: he wakes and gives the pebble.
void TheSpell(Way& way)
{
    for (const char* item :
         {"ITEM_CRAB_CLAW", "ITEM_CABA_FLOWERS_PETALS", "ITEM_FLASK_WATER", "ITEM_MATCH_BOX", "ITEM_CHEMIN_PAPER"})
        way.Give(item, "fireplace");
    way.Play().Screenshot("chemin_awake");
    way.Do("chemin", Verb::Talk);
    way.Do("door_hut_out", Verb::Activate);
    way.Leave("goto_bg309", VOODOO_VILLAGE);
}

using CheminsHutPlayTest = TestSupport::GamePlayTest;

TEST_F(CheminsHutPlayTest, TheTranceIsBrokenByMouseFromTheHilltopToThePathDown)
{
    // The chapter's start, on the hilltop, with what the island and the
    // graveyard give before the hut's mixture.
    ASSERT_TRUE(
        TestSupport::WriteChapterStartSlotIn(folder, 7, CHEMINS_HUT_ID,
                                             {ItemNamed("ITEM_CRAB_CLAW"), ItemNamed("ITEM_CABA_FLOWERS_PETALS"),
                                              ItemNamed("ITEM_FLASK_WATER"), ItemNamed("ITEM_BLOODY_FEATHER")}));

    TestSupport::ContinueTheChapter(way, CHEMINS_HUT);
    TheRecipe(way);
    TheSpell(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(end.scene, VOODOO_VILLAGE);
    for (const char* item : {"ITEM_PAINTED_PEBBLE", "ITEM_DESCRIPTION_FLOWERS", "ITEM_VOODOO_RECIPES", "ITEM_FLASK"})
        EXPECT_TRUE(end.items.contains(item)) << item;
    for (const char* item : {"ITEM_CRAB_CLAW", "ITEM_CABA_FLOWERS_PETALS", "ITEM_FLASK_WATER", "ITEM_CHEMIN_PAPER"})
        EXPECT_FALSE(end.items.contains(item)) << item;
    for (const char* flag : {"VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE", "VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE",
                             "VARBOOL_BG311_C07_FIREPLACE_ON_FIRE", "VARBOOL_QUEST_C7_CLIMB_DONE"})
        EXPECT_TRUE(end.flags.contains(flag)) << flag;
    EXPECT_FALSE(end.flags.contains("VARBOOL_BG311_C07_INSIDE_HUT"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/CheminsHutPlay", {"inside", "chemin_awake"});
}

} // namespace
