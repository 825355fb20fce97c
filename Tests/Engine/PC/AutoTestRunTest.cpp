// Chapter 1's recorded play-through from a new game, replayed by the game
// headless as the program runs it under "-autotest", with unpaced frames.
#include "Managers/Common/SaveFileLayout.h"
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestSupport::ReadFileBytes;
using TestSupport::ReadFileText;
using TestSupport::SceneLoadLine;
using TestSupport::TempDir;

TEST(AutoTestRunTest, ChapterOnesRecordingPlaysFromANewGameAndTheGameEndsByItselfWithoutSaving)
{
    TempDir folder;
    TestSupport::PrepareSmallGame(folder);
    const uint32_t recordCount = TestSupport::WriteFirstSlotRecording(folder, "ChapterOne.txt");
    ASSERT_GT(recordCount, 0u);

    // Nobody closes the game: it ends by itself, or the test fails on time.
    // A play only watches for the last scene and notes the story there.
    TestSupport::PlayScript watch;
    watch.WatchForScene("bg993_Loading_placeholder");
    watch.RecordStory();
    const pid_t game = TestSupport::StartAutoTestRun(folder, "autotest", &watch);
    ASSERT_EQ(TestSupport::WaitForExit(game, 300s), 0) << ReadFileText(folder / "autotest.out");

    const std::string log = ReadFileText(folder / "log.txt");
    // Start-up ran the state queue into the adventure, whose start menu
    // loaded before anything was played; the recording starts a new game in
    // the first slot: the intro movie, the controls screen, the living room.
    const std::vector<std::string> ordered = {
        " - Initialize auto-test recording...",
        "AutoTest: " + std::to_string(recordCount) + " recorded events",
        "Before Main State Init",
        "Load scene : \"scenes/bg999_start_menu.twscene.pc\"",
        "Scene Init time:",
        "Activate(Entity[8](bg999_start_menu::slot1),)",
        "Before Movie Init",
        "After Movie Shutdown",
        "Load scene : \"scenes/bg902_Controls.twscene.pc\"",
        "Activate(Entity[3](bg902_Controls::skip_1),)",
        "Load scene : \"scenes/bg101_BO_CastilloLivingRoom.twscene.pc\"",
        "Scene Init time:",
        // Chapter 1: the kid sweeps the three patches with the dustpan and
        // brush she put together, and her mother lets her out.
        "GAME[",
        "Combine(ITEM_DUSTPAN,ITEM_BRUSH)",
        "UseItem(Entity[7](bg101_BO_CastilloLivingRoom::dust_patch_3),ITEM_DUSTPAN_AND_BRUSH)",
        "Activate(Entity[9](bg101_BO_CastilloLivingRoom::goto_bg102),)",
        // The yard: the pump mended, the jug filled, the dust thrown away.
        SceneLoadLine("bg102_BO_CastilloHouseExterior"),
        "Combine(ITEM_PUMP_HANDLE,ITEM_PIVOT_BOLT)",
        "UseItem(Entity[0](bg102_BO_CastilloHouseExterior::large_barrel),ITEM_DUSTPAN_BRUSH_FULL)",
        // The window washed; the jug back; out to the hill over the map.
        SceneLoadLine("bg101_BO_CastilloLivingRoom"),
        "UseItem(Entity[27](bg101_BO_CastilloLivingRoom::dirty_window),ITEM_WET_CLOTH)",
        SceneLoadLine("bg102_BO_CastilloHouseExterior"),
        SceneLoadLine("bg101_BO_CastilloLivingRoom"),
        SceneLoadLine("bg102_BO_CastilloHouseExterior"),
        "Activate(Entity[11](bg102_BO_CastilloHouseExterior::goto_bg901),)",
        SceneLoadLine("bg901_BountyIslandMap"),
        // The hill: the duel, whose box the run closes with a skip that wins
        // it, Arno tied up, the boat seen from the rock.
        SceneLoadLine("bg103_BO_FlatTopHill"),
        "UseItem(arno_kid,ITEM_WOODEN_SWORD)",
        "Before MG Init",
        "After MG Shutdown",
        SceneLoadLine("bg103_BO_FlatTopHill"),
        "UseItem(arno_kid,ITEM_ROPE)",
        "UseItem(Entity[1](bg103_BO_FlatTopHill::lookout_rock),ITEM_BOBBY_KID)",
        SceneLoadLine("bg901_BountyIslandMap"),
        // The fork: the shepherd woken, the torch to the burning grass, the
        // movie, and home over the map.
        SceneLoadLine("bg104_BO_Fork"),
        "UseItem(manuel,ITEM_FLASK_OF_WATER)",
        "Combine(ITEM_SHEPHERDS_STICK,ITEM_DRY_CLOTH)",
        "UseItem(Entity[4](bg104_BO_Fork::burning_grass),ITEM_TORCH)",
        "Before Movie Init",
        "After Movie Shutdown",
        SceneLoadLine("bg104_BO_Fork"),
        SceneLoadLine("bg901_BountyIslandMap"),
        // The human ladder, the ledge, the end of the chapter.
        SceneLoadLine("bg102_BO_CastilloHouseExterior"),
        "Activate(Entity[7](bg102_BO_CastilloHouseExterior::human_ladder),)",
        "Activate(Entity[9](bg102_BO_CastilloHouseExterior::ledge),)",
        SceneLoadLine("bg101_BO_CastilloLivingRoom"),
        SceneLoadLine("bg993_Loading_placeholder"),
        "AutoTest: " + std::to_string(recordCount) + " events played in ",
        "AutoTest: the recording is over, every check passed: the game ends",
        "After Main State Shutdown",
        "FINAL MEMORY DUMP BEFORE EXIT MAIN",
    };
    ASSERT_TRUE(TestSupport::InOrder(log, ordered));
    // The chapter's recording answers no talk.
    TestSupport::ExpectEveryRecordPlayedOnce(log, recordCount, 0);
    // The start menu read the first start's empty save file as nothing saved
    // yet, not as a file to refuse.
    EXPECT_NE(log.find("LoadFromBackup>Start"), std::string::npos) << log;
    EXPECT_EQ(log.find("refused:"), std::string::npos) << log;

    // The replay's own report of its frames.
    std::smatch report;
    ASSERT_TRUE(std::regex_search(log, report,
                                  std::regex(R"(AutoTest: (\d+) events played in (\d+) frames; )"
                                             R"(frame time median (\d+\.\d\d) ms, worst (\d+\.\d\d) ms; )"
                                             R"(work per frame median (\d+\.\d\d) ms, 99th percentile )"
                                             R"((\d+\.\d\d) ms \(update (\d+\.\d\d) ms, render (\d+\.\d\d) ms\)\n)")))
        << log;
    EXPECT_EQ(report[1].str(), std::to_string(recordCount));
    EXPECT_GT(std::stoi(report[2].str()), 0);
    EXPECT_LE(std::stod(report[3].str()), std::stod(report[4].str()));
    // The intro movie's frames are not one long frame of the replay: its
    // three seconds would be; a scene loading on a busy machine is not. The
    // engine's work is part of a frame.
    EXPECT_LT(std::stod(report[4].str()), 3000.0);
    EXPECT_GT(std::stod(report[5].str()), 0.0);
    EXPECT_LE(std::stod(report[5].str()), std::stod(report[6].str()));
    EXPECT_LE(std::stod(report[5].str()), std::stod(report[3].str()));

    // The story where the recording ends: chapter 1 is over.
    EXPECT_EQ(ReadFileText(folder / "play.txt").find("FAILED"), std::string::npos) << ReadFileText(folder / "play.txt");
    TestSupport::ExpectChapterOneEnded(TestSupport::RecordedStory(folder));

    // The first start made the save file, and nothing in the recording saves:
    // it holds no game.
    const std::vector<uint8_t> save = ReadFileBytes(folder / "save.dat");
    EXPECT_EQ(save.size(), sizeof(SaveFileImage));
    EXPECT_TRUE(std::all_of(save.begin(), save.end(), [](uint8_t byte) { return byte == 0; }));
}

// A replay that went astray ends with the exit code of a failure and a line
// that says why: a scene that cannot be loaded stops it at once (nothing
// recorded after it can be played); a refused input is reported and the
// replay plays on to its end.
TEST(AutoTestRunTest, AReplayThatWentAstrayEndsAsFailedSayingWhy)
{
    const std::string intoTheLivingRoom = "include StartMenuFirstSlot.txt\n"
                                          "scene bg902_Controls\nActivate skip_1\n"
                                          "scene bg101_BO_CastilloLivingRoom\n";
    struct Case {
        const char* name;
        std::string recording;
        const char* missingFile;
        const char* line;
        bool playsOn;
    };
    const Case cases[] = {
        {"unloadable", intoTheLivingRoom + "Activate dustpan\nActivate brush\n",
         "scenes/bg101_BO_CastilloLivingRoom.twscene.pc",
         "AutoTest: scene 9 could not be loaded: the replay stops as failed\n", false},
        // The dustpan and brush are not put together yet.
        {"refused", intoTheLivingRoom + "UseItem dust_patch_1 ITEM_DUSTPAN_AND_BRUSH\nActivate dustpan\n", nullptr,
         "message:\nAutoTest: use item not present in inventory\n", true},
    };
    for (const Case& c : cases) {
        TempDir folder;
        TestSupport::PrepareSmallGame(folder);
        std::filesystem::copy_file(TestSupport::SourceDir() / "Content/AutoTest/StartMenuFirstSlot.txt",
                                   folder / "StartMenuFirstSlot.txt");
        folder.WriteFile("astray.txt", c.recording);
        ASSERT_GT(TestSupport::WriteAutoTestRecording(folder, folder / "astray.txt"), 0u) << c.name;
        if (c.missingFile != nullptr)
            std::filesystem::remove(folder / c.missingFile);
        const pid_t game = TestSupport::StartAutoTestRun(folder, c.name);
        EXPECT_EQ(TestSupport::WaitForExit(game, 60s), 1) << c.name;
        const std::string log = ReadFileText(folder / "log.txt");
        const size_t stop = log.find(c.line);
        ASSERT_NE(stop, std::string::npos) << c.name << "\n" << log;
        if (!c.playsOn) {
            EXPECT_EQ(log.find("GAME[", stop), std::string::npos) << c.name << ": played on after the stop\n" << log;
            continue;
        }
        EXPECT_TRUE(TestSupport::InOrder(log.substr(stop),
                                         {"Activate(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),)",
                                          "AutoTest: 6 events played in ",
                                          "AutoTest: the recording is over, 1 of its checks failed: the game ends "
                                          "as failed"}))
            << c.name;
    }
}

// The performance table's idle run, at a small size: the recording its
// script writes plays a wait in the living room, whose frames play and log
// nothing, and the run ends as passed.
TEST(AutoTestRunTest, ThePerformanceTablesIdleRecordingStandsInTheLivingRoomWithoutLogging)
{
    TempDir folder;
    TestSupport::PrepareSmallGame(folder);
    const std::filesystem::path source = folder / "idle";
    const std::string command = "sh \"" + (TestSupport::SourceDir() / "Tools/Scripts/idle-recording.sh").string() +
                                "\" 30 \"" + source.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_GT(TestSupport::WriteAutoTestRecording(folder, source / "Recording.txt"), 0u);
    const pid_t game = TestSupport::StartAutoTestRun(folder, "idle");
    EXPECT_EQ(TestSupport::WaitForExit(game, 60s), 0);

    const std::string log = ReadFileText(folder / "log.txt");
    std::smatch wait;
    ASSERT_TRUE(std::regex_search(log, wait,
                                  std::regex(SceneLoadLine("bg101_BO_CastilloLivingRoom") +
                                             R"([\s\S]*\nGAME\[[^\]]*\]:Wait\(1920\)\n(AutoTest: waited (\d+) ms )"
                                             R"(of game time\n)AutoTest: 5 events played in )")))
        << log;
    EXPECT_GE(std::stoi(wait[2]), 1920);
    EXPECT_NE(log.find("AutoTest: the recording is over, every check passed: the game ends", wait.position(1)),
              std::string::npos)
        << log;
}

} // namespace
