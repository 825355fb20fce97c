// Chapter 10's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot on Turtle
// island's turtle path over the turtle chamber, the altar house and the
// shaman's hut and back to the chamber, to the confrontation on the turtle
// beach, the loading screen and the credits.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterTenRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheCreditsWithoutSaving)
{
    const std::string chamber = SceneLoadLine("bg509_TU_TurtleChamber");
    const std::string altarHouse = SceneLoadLine("bg504_TU_AltarHouseExterior");
    const std::string hut = SceneLoadLine("bg511_TU_ShamansHut");
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        10,
        "ChapterTen.txt",
        "bg508_TU_TurtlePath",
        5,
        {
            "turtle_altar),)",
            "Before MG Init",
            "After MG Shutdown",
            chamber,
            "Activate(Entity[",
            SceneLoadLine("bg506_TU_TurtleBeach"),
            altarHouse,
            hut,
            SceneLoadLine("bg801_CU_01_ShamansHut"),
            hut,
            "great_spirit_egg),ITEM_HIDE_BAG)",
            altarHouse,
            "(villager2,ITEM_EDUARDO)",
            chamber,
            "incubator),ITEM_EGG_BAG)",
            "secret_panel),ITEM_TURTLE_ROD)",
            "chest),)",
            SceneLoadLine("bg506_TU_TurtleBeach"),
        },
        {},
        true,
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 10);
    TestSupport::ExpectChapterTenEnded(run->end);
}

} // namespace
