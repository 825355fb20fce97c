// Chapter 7's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot on Hollow
// island's jetty over its town and its voodoo village to Chemin's hut, over
// the sea to the first island's inn, Crab island's docks and graveyard and
// Tanner island's burial chamber, and back to Chemin's spell, Bajari's cure
// and his notes on the jetty, to the loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterSevenRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string jetty = SceneLoadLine("bg301_HO_Jety");
    const std::string percysSquare = SceneLoadLine("bg304_HO_TownSquareC");
    const std::string village = SceneLoadLine("bg309_HO_VoodooVillage");
    const std::string worldMap = SceneLoadLine("bg911_WorldMap");
    const std::string crabDocks = SceneLoadLine("bg201_CR_Docks");
    const std::string tannerJetty = SceneLoadLine("bg401_TA_JetyAndCliff");
    const std::string hut = SceneLoadLine("bg311_HO_CheminsHut");
    // Five recorded answers play no line: the gangway's, the first island's
    // ship's, the landing stage's, Bajari's and Briscoe's. The story is noted
    // as she first comes into the village.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        7,
        "ChapterSeven.txt",
        "bg301_HO_Jety",
        5,
        {
            SceneLoadLine("bg302_HO_TownSquareA"),
            SceneLoadLine("bg303_HO_TownSquareB"),
            percysSquare,
            SceneLoadLine("bg306_HO_Garden"),
            "Activate(Entity[1](bg306_HO_Garden::percys_shed),)",
            percysSquare,
            SceneLoadLine("bg305_HO_TownHallReception"),
            "ITEM_WEED_KILLER)",
            percysSquare,
            "Map(19,)",
            village,
            "Talk(bajari_g1,)",
            hut,
            "Talk(tana,)",
            "voodoo_kit),)",
            village,
            "Map(15,)",
            jetty,
            worldMap,
            SceneLoadLine("bg105_BO_Docks"),
            SceneLoadLine("bg106_BO_AdmiralsRest"),
            "dead_chicken),)",
            SceneLoadLine("bg105_BO_Docks"),
            worldMap,
            crabDocks,
            "ITEM_METAL_HOOK)",
            "Map(13,)",
            SceneLoadLine("bg203_CR_GraveyardOfTheAncients"),
            "ITEM_DEAD_CHICKEN)",
            "Map(12,)",
            crabDocks,
            worldMap,
            tannerJetty,
            "Map(23,)",
            SceneLoadLine("bg404_TA_BurialChamber"),
            "ITEM_FLASK)",
            SceneLoadLine("bg403_TA_CarminesMonument"),
            "Map(20,)",
            tannerJetty,
            worldMap,
            jetty,
            percysSquare,
            "Map(19,)",
            village,
            hut,
            "Combine(ITEM_BLOODY_FEATHER,ITEM_VOODOO_PAPER)",
            "ITEM_CHEMIN_PAPER)",
            "Talk(chemin,)",
            village,
            "ITEM_PAINTED_PEBBLE)",
            SceneLoadLine("bg310_HO_VoodooTemple"),
            "Talk(bajari,)",
            "ITEM_TURTLE_ROD)",
            village,
            "Map(15,)",
            jetty,
            "Talk(thomas_b,)",
        },
        "bg309_HO_VoodooVillage",
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 7);
    TestSupport::ExpectChapterSevenInTheVillage(run->noted);
    TestSupport::ExpectChapterSevenEnded(run->end);
}

} // namespace
