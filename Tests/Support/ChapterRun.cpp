#include "Support/ChapterRun.h"

#include "Support/ChapterStartSlot.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>

namespace TestSupport {

namespace {

using namespace std::chrono_literals;

const std::string LOADING_SCREEN = "bg993_Loading_placeholder";

void Run(const ChapterRun& run, std::optional<ChapterRunOutcome>& outcome)
{
    TempDir folder;
    PrepareSmallGame(folder);
    ASSERT_TRUE(WriteChapterStartSlot(folder, run.chapter));
    const std::vector<uint8_t> saved = ReadFileBytes(folder / "save.dat");
    const uint32_t recordCount = WriteFirstSlotRecording(folder, run.recording);
    ASSERT_GT(recordCount, 0u);

    // The game ends by itself once the recording is over; a play only
    // watches, noting the story as the first scene comes up, as the noted
    // one does and on the loading screen, and watching the credits through.
    PlayScript watch;
    watch.WatchForScene(run.firstScene);
    watch.RecordStory("start");
    if (!run.notedScene.empty()) {
        watch.WatchForScene(run.notedScene);
        watch.RecordStory("noted");
    }
    watch.WatchForScene(LOADING_SCREEN);
    watch.RecordStory();
    if (run.toTheCredits)
        watch.WatchAMiniGameToItsEnd();
    const pid_t game = StartAutoTestRun(folder, "autotest", &watch);
    ASSERT_EQ(WaitForExit(game, 600s), 0) << ReadFileText(folder / "autotest.out");

    const std::string log = ReadFileText(folder / "log.txt");
    // The slot is continued from the start menu: no new game, no intro movie.
    std::vector<std::string> ordered = {
        "AutoTest: " + std::to_string(recordCount) + " recorded events",
        SceneLoadLine("bg999_start_menu"),
        "Activate(Entity[8](bg999_start_menu::slot1),)",
        SceneLoadLine(run.firstScene),
    };
    ordered.insert(ordered.end(), run.ordered.begin(), run.ordered.end());
    ordered.push_back(SceneLoadLine(LOADING_SCREEN));
    if (run.toTheCredits)
        ordered.insert(ordered.end(), {"bg993_Loading_placeholder::clique),)", "Before MG Init"});
    ordered.insert(ordered.end(), {"AutoTest: the recording is over, every check passed: the game ends",
                                   "FINAL MEMORY DUMP BEFORE EXIT MAIN"});
    EXPECT_TRUE(InOrder(log, ordered));
    ExpectEveryRecordPlayedOnce(log, recordCount, run.answers);

    const std::string watched = ReadFileText(folder / "play.txt");
    EXPECT_EQ(watched.find("FAILED"), std::string::npos) << watched;
    const StoryRecord start = RecordedStory(folder, "start");
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), run.chapter);

    // Nothing in the recording saves: the slot is as the test wrote it.
    EXPECT_EQ(ReadFileBytes(folder / "save.dat"), saved);
    const StoryRecord noted = run.notedScene.empty() ? StoryRecord {} : RecordedStory(folder, "noted");
    outcome = ChapterRunOutcome {log, start, noted, RecordedStory(folder)};
}

} // namespace

void ExpectEveryRecordPlayedOnce(const std::string& log, uint32_t records, uint32_t answers)
{
    EXPECT_EQ(Occurrences(log, "ASSERT\n"), 0u) << log;
    EXPECT_EQ(Occurrences(log, "\nGAME[") - Occurrences(log, "]:Event \""), records - answers) << log;
    EXPECT_EQ(log.find("could not be loaded"), std::string::npos) << log;
    EXPECT_EQ(log.find("Error loading"), std::string::npos) << log;
    EXPECT_EQ(CharactersStandingStill(log), "");
}

std::optional<ChapterRunOutcome> RunChapterRecording(const ChapterRun& run)
{
    std::optional<ChapterRunOutcome> outcome;
    Run(run, outcome);
    return outcome;
}

} // namespace TestSupport
