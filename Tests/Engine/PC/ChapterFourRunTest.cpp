// Chapter 4's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot over
// Hollow island's town and garden to the dark reefs, and on to the loading
// screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterFourRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    const std::string firstSquare = SceneLoadLine("bg302_HO_TownSquareA");
    const std::string middleSquare = SceneLoadLine("bg303_HO_TownSquareB");
    const std::string percysSquare = SceneLoadLine("bg304_HO_TownSquareC");
    const std::string reception = SceneLoadLine("bg305_HO_TownHallReception");
    const std::string garden = SceneLoadLine("bg306_HO_Garden");
    const std::string darkBeach = SceneLoadLine("bg307_HO_DarkBeach");
    const std::string darkReefs = SceneLoadLine("bg308_HO_DarkReefs");
    // The slot is continued in the cabin at night. The key rack's game is
    // skipped from its box, which finds the key. Eight recorded answers play
    // no line: the two gangways', Briscoe's, Sancha's two, Miss Brown's two
    // and Diego's. The story is noted as she first comes into the garden.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        4,
        "ChapterFour.txt",
        "bg004_WM_AlessandrosCabin_N",
        8,
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
            garden,
            "UseItem(diego,ITEM_HAMMER_CHISEL)",
            "Before Movie Init",
            "After Movie Shutdown",
            garden,
            "Combine(ITEM_HALF_STONE_DISK01,ITEM_HALF_STONE_DISK02)",
            percysSquare,
            "Map(18,)",
            darkBeach,
            darkReefs,
            darkBeach,
            "Map(17,)",
            percysSquare,
            middleSquare,
            "UseItem(Entity[3](bg303_HO_TownSquareB::ladder),ITEM_DIEGO)",
            darkReefs,
            "Talk(thomas_b,)",
            SceneLoadLine("bg003_WM_AlessandrosCabin"),
        },
        "bg306_HO_Garden",
    });
    ASSERT_TRUE(run);

    // The slot continued the chapter's start: the first movie is the
    // column's breaking, no intro.
    EXPECT_GT(run->log.find("Before Movie Init"), run->log.find(garden)) << run->log;
    TestSupport::ExpectChapterStartHolds(run->start, 4);
    TestSupport::ExpectChapterFourAtTheOpenGarden(run->noted);
    TestSupport::ExpectChapterFourEnded(run->end);
}

} // namespace
