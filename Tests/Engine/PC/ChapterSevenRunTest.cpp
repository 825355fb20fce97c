// Chapter 7's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot on Hollow
// island's jetty over its town and its voodoo village to Chemin's hut, and
// over the sea to the first island's inn, Crab island's docks and graveyard
// and Tanner island.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterSevenRunTest, TheRecordingPlaysTheChapterFromItsStartSlotWithoutSaving)
{
    const std::string jetty = SceneLoadLine("bg301_HO_Jety");
    const std::string percysSquare = SceneLoadLine("bg304_HO_TownSquareC");
    const std::string village = SceneLoadLine("bg309_HO_VoodooVillage");
    const std::string worldMap = SceneLoadLine("bg911_WorldMap");
    const std::string crabDocks = SceneLoadLine("bg201_CR_Docks");
    // Three recorded answers play no line: the gangway's, the first
    // island's ship's and the landing stage's. The story is noted as she
    // first comes into the village.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        7,
        "ChapterSeven.txt",
        "bg301_HO_Jety",
        3,
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
            SceneLoadLine("bg311_HO_CheminsHut"),
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
        },
        "bg309_HO_VoodooVillage",
        "bg401_TA_JetyAndCliff",
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 7);
    TestSupport::ExpectChapterSevenInTheVillage(run->noted);
}

} // namespace
