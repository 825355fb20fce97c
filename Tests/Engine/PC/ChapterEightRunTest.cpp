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
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        8,
        "ChapterEight.txt",
        "bg004_WM_AlessandrosCabin_N",
        1,
        {
            SceneLoadLine("bg002_WM_Corridor"),
            docks,
        },
    });
    ASSERT_TRUE(run);

    TestSupport::ExpectChapterStartHolds(run->start, 8);
}

} // namespace
