// Chapter 3's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot to the
// loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterThreeRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string docks = SceneLoadLine("bg201_CR_Docks");
    const std::string inn = SceneLoadLine("bg202_CR_BuckleberryInn");
    const std::string graveyard = SceneLoadLine("bg203_CR_GraveyardOfTheAncients");
    // The slot is continued in the cabin. The slot machine is skipped from
    // its box, which pays the bottle. Four recorded answers play no line: the
    // gangway's and the three turns of the rings.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        3,
        "ChapterThree.txt",
        "bg003_WM_AlessandrosCabin",
        4,
        {
            "Talk(alessandro_c,)",
            "Talk(thomas_b,)",
            SceneLoadLine("bg002_WM_Corridor"),
            "Activate(Entity[3](bg002_WM_Corridor::goto_main_dock),)",
            SceneLoadLine("bg911_WorldMap"),
            docks,
            "Talk(sonia,)",
            inn,
            "ITEM_DOUBLOON)",
            "Before MG Init",
            "After MG Shutdown",
            inn,
            "ITEM_STRONG_ALCOHOL_BOTTLE)",
            docks,
            "ITEM_MATCH_BOX)",
            "ITEM_HAIRPIN)",
            inn,
            "UseItem(anita,ITEM_CRAB_ISLAND_MAP)",
            docks,
            graveyard,
            "Combine(ITEM_IRONWORK_PIECE_1,ITEM_IRONWORK_PIECE_2)",
            "Combine(ITEM_NEAR_EMPTY_BOTTLE,ITEM_FLOWERS)",
            "ITEM_BOTTLE_FIREFLY)",
            "ITEM_RAZZO)",
            SceneLoadLine("bg803_CU_03_Telescope"),
            graveyard,
            "ITEM_GRIPPING_DEVICE)",
            SceneLoadLine("bg804_CU_03_MapCylinder"),
            graveyard,
        },
    });
    ASSERT_TRUE(run);
    EXPECT_EQ(run->log.find("Before Movie Init"), std::string::npos) << run->log;

    TestSupport::ExpectChapterStartHolds(run->start, 3);
    TestSupport::ExpectChapterThreeEnded(run->end);
}

} // namespace
