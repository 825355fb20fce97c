// Chapter 6's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot over the
// sketch map's voyage to Tanner island's jetty, Buck's camp, Carmine's
// monument and the burial chamber, back aboard to the fly and home to the
// memories, and on to the loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterSixRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string cabin = SceneLoadLine("bg003_WM_AlessandrosCabin");
    const std::string corridor = SceneLoadLine("bg002_WM_Corridor");
    const std::string worldMap = SceneLoadLine("bg911_WorldMap");
    const std::string jetty = SceneLoadLine("bg401_TA_JetyAndCliff");
    const std::string camp = SceneLoadLine("bg402_TA_BucksPlace");
    const std::string monument = SceneLoadLine("bg403_TA_CarminesMonument");
    // The slot is continued in her father's cabin. The birds' game is skipped
    // from its box. Nine recorded answers play no line: the gangway's three,
    // the ship's two and Buck's four.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        6,
        "ChapterSix.txt",
        "bg003_WM_AlessandrosCabin",
        9,
        {
            "UseItem(Entity[2](bg003_WM_AlessandrosCabin::chart),ITEM_SKETCH_MAP)",
            worldMap,
            cabin,
            corridor,
            worldMap,
            jetty,
            corridor,
            jetty,
            "Before Movie Init",
            "After Movie Shutdown",
            camp,
            "Before MG Init",
            "After MG Shutdown",
            monument,
            camp,
            jetty,
            corridor,
            jetty,
            camp,
            monument,
            SceneLoadLine("bg404_TA_BurialChamber"),
            "Before Movie Init",
            "After Movie Shutdown",
            corridor,
            SceneLoadLine("bg001_WM_TavrinesCabin"),
            corridor,
            worldMap,
            corridor,
            cabin,
            SceneLoadLine("bg113_BO_CastilloLivingRoom_A"),
            cabin,
        },
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 6);
    TestSupport::ExpectChapterSixEnded(run->end);
}

} // namespace
