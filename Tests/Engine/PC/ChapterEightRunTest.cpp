// Chapter 8's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot in
// Alessandro's cabin at night over Crab island's docks, inn, graveyard and
// Drake's office to the golden turtle inn, and back to the cabin, to the
// loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterEightRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string docks = SceneLoadLine("bg201_CR_Docks");
    const std::string inn = SceneLoadLine("bg202_CR_BuckleberryInn");
    const std::string graveyard = SceneLoadLine("bg203_CR_GraveyardOfTheAncients");
    const std::string outside = SceneLoadLine("bg204_CR_DrakesOfficeExterior");
    const std::string office = SceneLoadLine("bg205_CR_DrakesOfficeInterior");
    // One recorded answer plays no line: the corridor's gangway's. The
    // story is noted as she first comes into Drake's office.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        8,
        "ChapterEight.txt",
        "bg004_WM_AlessandrosCabin_N",
        1,
        {
            SceneLoadLine("bg002_WM_Corridor"),
            "clothes_hamper),)",
            docks,
            "Combine(ITEM_CLOTHES_HANGER,ITEM_SHEET)",
            inn,
            "Combine(ITEM_GHOSTLY_SILHOUETTE,ITEM_FISHING_ROD)",
            docks,
            "Map(14,)",
            outside,
            "UseItem(dinsdale,ITEM_FLYING_SILHOUETTE)",
            "wooden_pole),)",
            office,
            "fourth_drawer2),ITEM_SMALL_KEY)",
            outside,
            "Map(13,)",
            graveyard,
            "flowers),)",
            docks,
            inn,
            "Combine(ITEM_BLOCKED_BLOW_PIPE,ITEM_RAM_ROD)",
            "musket),ITEM_RAM_ROD)",
            "Combine(ITEM_BLOW_PIPE,ITEM_WILD_BERRIES)",
            docks,
            outside,
            "priests_window),ITEM_LOADED_BLOW_PIPE)",
            "Talk(father_jerome,)",
            docks,
            inn,
            "UseItem(stranger,ITEM_WOODEN_POLE)",
            "Combine(ITEM_WHITTLED_POLE,ITEM_SHOVEL_BLADE)",
            docks,
            graveyard,
            "grave),ITEM_SHOVEL)",
            "UseItem(father_jerome,ITEM_OLD_PAPERS)",
            outside,
            office,
            SceneLoadLine("bg806_CU_06_DrakesSafe"),
            "3_7),)",
            office,
            "safe_interior),)",
            "Talk(mabel,)",
            outside,
            docks,
            "Talk(sonia,)",
            outside,
            "Talk(diego,)",
            SceneLoadLine("bg206_CR_TortueOr"),
            "UseItem(uncle_eduardo,ITEM_TURTLE_ROD)",
            SceneLoadLine("bg004_WM_AlessandrosCabin_N"),
            "Talk(uncle_eduardo,)",
        },
        "bg205_CR_DrakesOfficeInterior",
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 8);
    TestSupport::ExpectChapterEightInTheOffice(run->noted);
    TestSupport::ExpectChapterEightEnded(run->end);
}

} // namespace
