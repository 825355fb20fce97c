// Chapter 3's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot to the
// loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterStartSlot.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestSupport::ReadFileBytes;
using TestSupport::ReadFileText;

// The recorded answers of the talks, which the talk screen takes without a
// line of the replay's own: the gangway's and the three turns of the rings.
constexpr uint32_t RECORDED_ANSWERS = 4;

std::string Load(const std::string& scene)
{
    return "Load scene : \"scenes/" + scene + ".twscene.pc\"";
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

TEST(ChapterThreeRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    TestSupport::TempDir folder;
    TestSupport::CopySampleData(folder);
    // A small window keeps the software renderer's frames short.
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=512\nResolutionY=384\n");
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 3));
    const std::vector<uint8_t> saved = ReadFileBytes(folder / "save.dat");
    const uint32_t recordCount =
        TestSupport::WriteAutoTestRecording(folder, TestSupport::SourceDir() / "Content/AutoTest/ChapterThree.txt");
    ASSERT_GT(recordCount, 0u);

    // The game ends by itself once the recording is over; a play only
    // watches, noting the story as the cabin comes up and on the loading
    // screen.
    TestSupport::PlayScript watch;
    watch.WatchForScene("bg003_WM_AlessandrosCabin");
    watch.RecordStory("start");
    watch.WatchForScene("bg993_Loading_placeholder");
    watch.RecordStory();
    const pid_t game = TestSupport::StartAutoTestRun(folder, "autotest", &watch);
    ASSERT_EQ(TestSupport::WaitForExit(game, 600s), 0) << ReadFileText(folder / "autotest.out");

    const std::string log = ReadFileText(folder / "log.txt");
    const std::string docks = "bg201_CR_Docks";
    const std::string inn = "bg202_CR_BuckleberryInn";
    const std::string graveyard = "bg203_CR_GraveyardOfTheAncients";
    // The slot is continued in the cabin: no new game, no intro movie. The
    // slot machine is skipped from its box, which pays the bottle.
    const std::vector<std::string> ordered = {
        "AutoTest: " + std::to_string(recordCount) + " recorded events",
        Load("bg999_start_menu"),
        "Activate(Entity[8](bg999_start_menu::slot1),)",
        Load("bg003_WM_AlessandrosCabin"),
        "Talk(alessandro_c,)",
        "Talk(thomas_b,)",
        Load("bg002_WM_Corridor"),
        "Activate(Entity[3](bg002_WM_Corridor::goto_main_dock),)",
        Load("bg911_WorldMap"),
        Load(docks),
        "Talk(sonia,)",
        Load(inn),
        "ITEM_DOUBLOON)",
        "Before MG Init",
        "After MG Shutdown",
        Load(inn),
        "ITEM_STRONG_ALCOHOL_BOTTLE)",
        Load(docks),
        "ITEM_MATCH_BOX)",
        "ITEM_HAIRPIN)",
        Load(inn),
        "UseItem(anita,ITEM_CRAB_ISLAND_MAP)",
        Load(docks),
        Load(graveyard),
        "Combine(ITEM_IRONWORK_PIECE_1,ITEM_IRONWORK_PIECE_2)",
        "Combine(ITEM_NEAR_EMPTY_BOTTLE,ITEM_FLOWERS)",
        "ITEM_BOTTLE_FIREFLY)",
        "ITEM_RAZZO)",
        Load("bg803_CU_03_Telescope"),
        Load(graveyard),
        "ITEM_GRIPPING_DEVICE)",
        Load("bg804_CU_03_MapCylinder"),
        Load(graveyard),
        Load("bg993_Loading_placeholder"),
        "AutoTest: the recording is over, the game ends",
        "FINAL MEMORY DUMP BEFORE EXIT MAIN",
    };
    EXPECT_TRUE(TestSupport::InOrder(log, ordered));
    // Every record played once, as a player could have, and no scene was
    // refused.
    EXPECT_EQ(Count(log, "ASSERT\n"), 0u) << log;
    EXPECT_EQ(Count(log, "\nGAME["), recordCount - RECORDED_ANSWERS) << log;
    EXPECT_EQ(log.find("could not be loaded"), std::string::npos) << log;
    EXPECT_EQ(log.find("Error loading"), std::string::npos) << log;
    EXPECT_EQ(log.find("Before Movie Init"), std::string::npos) << log;

    const std::string watched = ReadFileText(folder / "play.txt");
    EXPECT_EQ(watched.find("FAILED"), std::string::npos) << watched;
    const TestSupport::StoryRecord start = TestSupport::StoryRecord::FromText(ReadFileText(folder / "start.txt"));
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 3);
    TestSupport::ExpectChapterStartHolds(start, 3);
    TestSupport::ExpectChapterThreeEnded(TestSupport::StoryRecord::FromText(ReadFileText(folder / "story.txt")));

    // Nothing in the recording saves: the slot is as the test wrote it.
    EXPECT_EQ(ReadFileBytes(folder / "save.dat"), saved);
}

} // namespace
