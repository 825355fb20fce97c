// Chapter 2's recorded play-through, replayed by the game headless as the
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
// line of the replay's own.
constexpr uint32_t RECORDED_ANSWERS = 3;

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

TEST(ChapterTwoRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    TestSupport::TempDir folder;
    TestSupport::CopySampleData(folder);
    // A small window keeps the software renderer's frames short.
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=512\nResolutionY=384\n");
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 2));
    const std::vector<uint8_t> saved = ReadFileBytes(folder / "save.dat");
    const uint32_t recordCount =
        TestSupport::WriteAutoTestRecording(folder, TestSupport::SourceDir() / "Content/AutoTest/ChapterTwo.txt");
    ASSERT_GT(recordCount, 0u);

    // The game ends by itself once the recording is over; a play only
    // watches, noting the story as the cabin comes up and on the loading
    // screen.
    TestSupport::PlayScript watch;
    watch.WatchForScene("bg001_WM_TavrinesCabin");
    watch.RecordStory("start");
    watch.WatchForScene("bg993_Loading_placeholder");
    watch.RecordStory();
    const pid_t game = TestSupport::StartAutoTestRun(folder, "autotest", &watch);
    ASSERT_EQ(TestSupport::WaitForExit(game, 600s), 0) << ReadFileText(folder / "autotest.out");

    const std::string log = ReadFileText(folder / "log.txt");
    // The slot is continued in the cabin: no new game, no intro movie. The
    // only movie is the magpie's strip on the hill.
    const std::vector<std::string> ordered = {
        "AutoTest: " + std::to_string(recordCount) + " recorded events",
        Load("bg999_start_menu"),
        "Activate(Entity[8](bg999_start_menu::slot1),)",
        Load("bg001_WM_TavrinesCabin"),
        "Activate(Entity[1](bg001_WM_TavrinesCabin::pistol),)",
        "Activate(Entity[5](bg001_WM_TavrinesCabin::goto_bg002),)",
        Load("bg002_WM_Corridor"),
        "Combine(ITEM_EMBROIDED_HANDKERCHIEF,ITEM_DULL_PLATE)",
        Load("bg003_WM_AlessandrosCabin"),
        Load("bg002_WM_Corridor"),
        "Activate(Entity[3](bg002_WM_Corridor::goto_main_dock),)",
        Load("bg105_BO_Docks"),
        Load("bg107_BO_TownhallExterior"),
        Load("bg104_BO_Fork"),
        Load("bg103_BO_FlatTopHill"),
        "UseItem(Entity[5](bg103_BO_FlatTopHill::nest),ITEM_POLISHED_PLATE)",
        "Before Movie Init",
        "After Movie Shutdown",
        Load("bg103_BO_FlatTopHill"),
        Load("bg104_BO_Fork"),
        Load("bg107_BO_TownhallExterior"),
        "UseItem(Entity[8](bg107_BO_TownhallExterior::closed_shutter),ITEM_PISTOL)",
        Load("bg105_BO_Docks"),
        Load("bg106_BO_AdmiralsRest"),
        "Talk(tasco,)",
        "Talk(nell,)",
        // Nell gone, the room starts again with Briscoe.
        Load("bg106_BO_AdmiralsRest"),
        "Talk(thomas_b,)",
        Load("bg105_BO_Docks"),
        "UseItem(carlo,ITEM_FRIED_CHICKEN_WINGS)",
        Load("bg106_BO_AdmiralsRest"),
        "UseItem(Entity[0](bg106_BO_AdmiralsRest::greasy_fry_pan),ITEM_BREAD_LOAF)",
        Load("bg105_BO_Docks"),
        "UseItem(Entity[5](bg105_BO_Docks::sea),ITEM_MAGNET)",
        "UseItem(razzo,ITEM_ARNOS_SWORD)",
        Load("bg107_BO_TownhallExterior"),
        "UseItem(Entity[3](bg107_BO_TownhallExterior::goto_bg108),ITEM_RAZZO)",
        Load("bg108_BO_TownHallInterior"),
        "UseItem(Entity[7](bg108_BO_TownHallInterior::open_chest),ITEM_SERIAL_NUMBER)",
        Load("bg107_BO_TownhallExterior"),
        Load("bg105_BO_Docks"),
        Load("bg106_BO_AdmiralsRest"),
        "UseItem(thomas_b,ITEM_BRISCOES_MAP)",
        Load("bg993_Loading_placeholder"),
        "AutoTest: the recording is over, the game ends",
        "FINAL MEMORY DUMP BEFORE EXIT MAIN",
    };
    EXPECT_TRUE(TestSupport::InOrder(log, ordered));
    EXPECT_EQ(log.find("Before Movie Init"), log.find("Before Movie Init", log.find(Load("bg103_BO_FlatTopHill"))));
    // Every record played once, as a player could have, and no scene was
    // refused.
    EXPECT_EQ(Count(log, "ASSERT\n"), 0u) << log;
    EXPECT_EQ(Count(log, "\nGAME["), recordCount - RECORDED_ANSWERS) << log;
    EXPECT_EQ(log.find("could not be loaded"), std::string::npos) << log;
    EXPECT_EQ(log.find("Error loading"), std::string::npos) << log;

    const std::string watched = ReadFileText(folder / "play.txt");
    EXPECT_EQ(watched.find("FAILED"), std::string::npos) << watched;
    const TestSupport::StoryRecord start = TestSupport::StoryRecord::FromText(ReadFileText(folder / "start.txt"));
    EXPECT_EQ(start.character, "tavrine");
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 2);
    EXPECT_TRUE(start.items.empty());
    EXPECT_EQ(start.flags.count("VARBOOL_PICK_BO_MAP"), 1u);
    TestSupport::ExpectChapterTwoEnded(TestSupport::StoryRecord::FromText(ReadFileText(folder / "story.txt")));

    // Nothing in the recording saves: the slot is as the test wrote it.
    EXPECT_EQ(ReadFileBytes(folder / "save.dat"), saved);
}

} // namespace
