// Chapter 9's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot in
// Alessandro's cabin over Turtle island's bay, ruins, altar house and beach
// to the loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterNineRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string altarHouse = SceneLoadLine("bg504_TU_AltarHouseExterior");
    // The story is noted as she first comes out of the altar house.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        9,
        "ChapterNine.txt",
        "bg003_WM_AlessandrosCabin",
        10,
        {
            SceneLoadLine("bg002_WM_Corridor"),
            "Talk(diego,)",
            SceneLoadLine("bg501_TU_BeautyBay"),
            "UseItem(uncle_eduardo,ITEM_BERRIES)",
            "dense_vegetation),ITEM_DIEGO)",
            SceneLoadLine("bg502_TU_Ruins1"),
            "mechanism),)",
            SceneLoadLine("bg505_TU_AltarHouseInterior"),
            "unstable_plank),ITEM_SHACKLE1)",
            altarHouse,
            "Combine(ITEM_UNCOMPLETE_MASK1,ITEM_DIAMOND_EARRINGS)",
            SceneLoadLine("bg506_TU_TurtleBeach"),
            "UseItem(bobby,ITEM_TURTLE_MASK)",
            "Combine(ITEM_TURTLE_MAP,ITEM_BRISCOES_MAP)",
            "Combine(ITEM_WHISTLE,ITEM_EDUARDO)",
        },
        "bg504_TU_AltarHouseExterior",
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 9);
    TestSupport::ExpectChapterNineOutOfTheAltarHouse(run->noted);
    TestSupport::ExpectChapterNineEnded(run->end);
}

} // namespace
