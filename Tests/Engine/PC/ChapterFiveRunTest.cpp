// Chapter 5's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot over
// Manuel's errands and the family house to Briscoe's house, its fire and the
// chase, and on to the loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterFiveRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string docks = SceneLoadLine("bg105_BO_Docks");
    const std::string inn = SceneLoadLine("bg106_BO_AdmiralsRest");
    const std::string briscoesHouse = SceneLoadLine("bg110_BO_BriscoesHouseExterior");
    const std::string livingRoom = SceneLoadLine("bg113_BO_CastilloLivingRoom_A");
    // The slot is continued in her father's cabin. Three recorded answers
    // play no line: Tasco's two and the ship's. The chase is skipped from
    // its box, which wins it.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        5,
        "ChapterFive.txt",
        "bg003_WM_AlessandrosCabin",
        3,
        {
            docks,
            "Talk(thomas_b,)",
            briscoesHouse,
            docks,
            "Talk(manuel,)",
            inn,
            "UseItem(tasco,ITEM_BRISCOE)",
            docks,
            SceneLoadLine("bg002_WM_Corridor"),
            "Talk(diego,)",
            SceneLoadLine("bg112_BO_CastilloHouseExterior_A"),
            livingRoom,
            SceneLoadLine("bg101_BO_CastilloLivingRoom"),
            "UseItem(bonita_spirit,ITEM_FLOWER_PICTURE)",
            livingRoom,
            SceneLoadLine("bg814_CU_04_TseTseFly"),
            livingRoom,
            "Map(9,)",
            docks,
            "UseItem(manuel,ITEM_SMALL_BLANKET)",
            "Before Movie Init",
            "After Movie Shutdown",
            briscoesHouse,
            "UseItem(dinsdale,ITEM_STRONG_RUM)",
            SceneLoadLine("bg111_BO_BriscoesHouseInterior"),
            SceneLoadLine("bg111_BO_BriscoesHouseInterior_B"),
            "ITEM_MATCH_BOX)",
            briscoesHouse,
            "Before MG Init",
            "After MG Shutdown",
            docks,
            docks,
        },
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 5);
    TestSupport::ExpectChapterFiveEnded(run->end);
}

} // namespace
