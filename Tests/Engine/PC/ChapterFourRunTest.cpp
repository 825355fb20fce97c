// Chapter 4's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot to the
// garden that Percy lets her up to.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterFourRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheOpenGardenWithoutSaving)
{
    const std::string firstSquare = SceneLoadLine("bg302_HO_TownSquareA");
    const std::string middleSquare = SceneLoadLine("bg303_HO_TownSquareB");
    const std::string percysSquare = SceneLoadLine("bg304_HO_TownSquareC");
    const std::string reception = SceneLoadLine("bg305_HO_TownHallReception");
    // The slot is continued in the cabin at night. The key rack's game is
    // skipped from its box, which finds the key. Seven recorded answers play
    // no line: the two gangways', Briscoe's, Sancha's, Miss Brown's two and
    // Diego's.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        4,
        "ChapterFour.txt",
        "bg004_WM_AlessandrosCabin_N",
        7,
        {
            SceneLoadLine("bg002_WM_Corridor"),
            SceneLoadLine("bg911_WorldMap"),
            SceneLoadLine("bg301_HO_Jety"),
            firstSquare,
            "Talk(thomas_b,)",
            middleSquare,
            percysSquare,
            "Activate(Entity[1](bg304_HO_TownSquareC::percys_bell),)",
            middleSquare,
            "Talk(sancha,)",
            percysSquare,
            "ITEM_STICKY_CLAPPER)",
            "Combine(ITEM_CLAPPER,ITEM_HAIRPIN)",
            "ITEM_REPAIRED_CLAPPER)",
            reception,
            "UseItem(missbrown,ITEM_HALF_STONE_DISK01)",
            percysSquare,
            reception,
            "Before MG Init",
            "After MG Shutdown",
            reception,
            percysSquare,
            "Talk(percy,)",
            firstSquare,
            "Talk(vasco,)",
            SceneLoadLine("bg301_HO_Jety"),
            SceneLoadLine("bg002_WM_Corridor"),
            "Talk(diego,)",
            firstSquare,
            "Talk(diego,)",
            reception,
            "UseItem(missbrown,ITEM_EGG_SHELL)",
            percysSquare,
        },
        "bg306_HO_Garden",
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 4);
    TestSupport::ExpectChapterFourAtTheOpenGarden(run->end);
}

} // namespace
