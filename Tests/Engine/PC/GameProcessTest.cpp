// Runs the real program headless in a scratch data folder.
#include "Game/TwGame.h"
#include "Input/KeyCodes.h"
#include "Log/CoreLog.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/ScriptedInputDevices.h"
#include "Support/TestPaths.h"
#include "Window/CloseSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestSupport::Lines;
using TestSupport::ReadFileText;
using TestSupport::SkipSplash;
using TestSupport::StartGame;
using TestSupport::StartGameWithInput;
using TestSupport::TempDir;
using TestSupport::WaitForExit;
using TestSupport::WaitForText;

// What start-up reads: the common pack and the top level of the sound, scene,
// text, font and mini-game folders.
void CopyStartUpData(const TempDir& folder)
{
    std::filesystem::copy_file(TestSupport::DataDir() / "common.dr", folder / "common.dr");
    for (const char* subfolder : {"Sound", "scenes", "text", "fonts", "MiniGame"})
        std::filesystem::copy(TestSupport::DataDir() / subfolder, folder / subfolder);
}

// The lines in sorted order: standard output and standard error interleave
// in their own order when both go to one file.
std::vector<std::string> SortedLines(const std::string& text)
{
    std::vector<std::string> lines = Lines(text);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The text of a line without its "INFO[stamp]:" prefix.
std::string WithoutInfoPrefix(const std::string& line)
{
    if (line.rfind("INFO[", 0) != 0)
        return line;
    const size_t end = line.find("]:");
    return end == std::string::npos ? line : line.substr(end + 2);
}

// Starts the game with the splash skipped and ends it by signal, a clean
// exit, once the adventure's main state starts; the log it wrote.
std::string RunToTheMainState(const TempDir& folder, const std::string& name, std::chrono::seconds timeout)
{
    TestSupport::ScriptedInputDevices devices;
    SkipSplash(devices);
    const pid_t game = StartGameWithInput(folder, name, devices);
    const std::string output = name + ".out";
    EXPECT_TRUE(WaitForText(folder / "log.txt", "Before Main State Init", timeout)) << ReadFileText(folder / output);
    kill(game, SIGTERM);
    EXPECT_EQ(WaitForExit(game, 10s), 0) << ReadFileText(folder / output);
    return ReadFileText(folder / "log.txt");
}

const char* const MEMORY_REPORT_FRAME = "******************************************************************";

const std::vector<std::string> STARTUP_LINES = {
    "-------------------------",
    "Initialize Application...",
    " - Initialize Core...",
    "Init video memory ",
    "Core Init Done",
    " - Initialize Display...",
    "Display done",
    " - Get System Informations...",
    " -> System Language: fr-FR, Game Language: fr-FR",
    " - Initialize boot font...",
    "boot font done",
    " - Initialize Inputs...",
    "Inputs done",
    " - Initialize Ids...",
    "Ids done",
    " - Initialize Profiler...",
    "Profiler done",
    " - Initialize Sound system...",
    "Sound done",
    " - Initialize ResourceManager...",
    "ResourceManager done",
    " - Initialize Localizer...",
    "Localizer done",
    " - Initialize main font(s)...",
    "Font done",
    " - Initialize and test CARD Manager...",
    "--CoreFile_ERROR : File : save.dat - Could not open file", // the first run has no save file
    " - Initialize adventure manager...",
    "+--------------------------------------------------- 0x0000",
    "|\tMAGIC NUMBER",
    "+-------------+------------------------------------- 0x0008",
    "|             |\tPROFILE_DATA",
    "|  PROFILE    +------------------------------------- 0x0020",
    "|             |\tPROFILE_CRC",
    "+-------------+----------------+-------------------- 0x0028",
    "|             |                | SLOT_DATA_0",
    "|   GAME      |    SLOT_0      +-------------------- 0x04d8",
    "|             |                | SLOT_CRC_0",
    "+-------------+----------------+-------------------- 0x04e0",
    "|             |                | SLOT_DATA_1",
    "|   GAME      |    SLOT_1      +-------------------- 0x0990",
    "|             |                | SLOT_CRC_1",
    "+-------------+----------------+-------------------- 0x0998",
    "|             |                | SLOT_DATA_2",
    "|   GAME      |    SLOT_2      +-------------------- 0x0e48",
    "|             |                | SLOT_CRC_2",
    "+-------------+----------------+-------------------- 0x0e50",
    "|  * UNUSED *",
    "+--------------------------------------------------- 0x2000",
    "Adventure manager done",
    "Application Initialized",
    "-----------------------",
    " - Initialize States...",
};

const std::vector<std::string> SHUTDOWN_LINES = {
    "-------------------------------",
    "Shutdown Application",
    " - Shutdown Localizer...",
    "Localizer done",
    " - Shutdown ResourceManager...",
    "ResourceManager done",
    " - Shutdown Sound...",
    "Sound done",
    " - Shutdown Profile ...",
    "Profile done",
    " - Shutdown Inputs ...",
    "Inputs done",
    "-------------------------------",
    "FINAL MEMORY DUMP BEFORE EXIT MAIN",
};

TEST(GameProcessTest, StartsRefusesASecondInstanceRunsFramesAndShutsDownInReverse)
{
    TempDir folder;
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=640\nResolutionY=480\n");
    folder.WriteFile("log.txt", "a log of an earlier run\n");
    CopyStartUpData(folder);

    const pid_t game = StartGame(folder, "first");
    ASSERT_TRUE(WaitForText(folder / "log.txt", "Application Initialized", 10s)) << ReadFileText(folder / "first.out");

    const pid_t second = StartGame(folder, "second");
    EXPECT_EQ(WaitForExit(second, 10s), 255);
    EXPECT_NE(ReadFileText(folder / "second.out").find("Application already running"), std::string::npos);

    // Frames for more than a second of game time, then a stop by signal. A
    // frame counts at most 48 ms of game time, so a slow machine (the
    // sanitizer build under a full test run) needs more than a second of
    // real time for it.
    std::this_thread::sleep_for(3s);
    kill(game, SIGTERM);
    ASSERT_EQ(WaitForExit(game, 10s), 0) << ReadFileText(folder / "first.out");

    const std::vector<std::string> lines = Lines(ReadFileText(folder / "log.txt"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "-------------------------"); // rewritten, not appended
    // The terminal shows each line once, and nothing that the log lacks.
    EXPECT_EQ(SortedLines(ReadFileText(folder / "first.out")), SortedLines(ReadFileText(folder / "log.txt")));

    std::vector<std::string> expected = STARTUP_LINES;
    expected.insert(expected.end(), SHUTDOWN_LINES.begin(), SHUTDOWN_LINES.end());
    size_t next = 0;
    for (size_t i = 0; i < lines.size() && next < expected.size(); ++i) {
        if (WithoutInfoPrefix(lines[i]) != expected[next])
            continue;
        // Every done line is followed by the memory report.
        const std::string& text = expected[next];
        if (text.size() > 5 && text.compare(text.size() - 5, 5, " done") == 0 && lines[i].rfind("INFO[", 0) == 0) {
            ASSERT_LT(i + 3, lines.size());
            EXPECT_EQ(lines[i + 1], MEMORY_REPORT_FRAME) << text;
            EXPECT_EQ(lines[i + 2].rfind("MEM Used memory : ", 0), 0u) << text;
            EXPECT_EQ(lines[i + 3].rfind("MEM Free memory : ", 0), 0u) << text;
        }
        ++next;
    }
    ASSERT_EQ(next, expected.size()) << "missing or out of order: \"" << expected[next] << "\"";

    // The shutdown lines carry the game clock after the frames.
    const std::string& last = lines[lines.size() - 5];
    EXPECT_EQ(WithoutInfoPrefix(last), "FINAL MEMORY DUMP BEFORE EXIT MAIN");
    EXPECT_EQ(last.rfind("INFO[00h:00m:0", 0), 0u) << last;
    EXPECT_EQ(last.find("INFO[00h:00m:00s]"), std::string::npos) << last;
    EXPECT_EQ(lines.back(), MEMORY_REPORT_FRAME);

    // The sample pack was loaded and bound, its textures made and released;
    // nothing was left over.
    const std::string log = ReadFileText(folder / "log.txt");
    EXPECT_EQ(log.find("Error loading \"common.dr\""), std::string::npos);
    EXPECT_EQ(log.find("data pack \"common.dr\" refused"), std::string::npos);
    EXPECT_EQ(log.find("bad DDS image"), std::string::npos);
    EXPECT_EQ(log.find("DkDataPackBinding::"), std::string::npos) << log;
    EXPECT_EQ(log.find("Unloaded package:"), std::string::npos);
    // The common dialogs were found, and start-up asserted nothing.
    EXPECT_EQ(log.find("Error loading \"scenes/common.dialogs.dat\""), std::string::npos);
    const std::string startUp = log.substr(0, log.find("Application Initialized"));
    EXPECT_EQ(startUp.find("ASSERT\n"), std::string::npos) << startUp;
    // Sound started on the sample banks without a complaint.
    const size_t soundStep = log.find(" - Initialize Sound system...");
    const size_t nextStep = log.find(" - Initialize ResourceManager...");
    ASSERT_LT(soundStep, nextStep);
    const std::string soundLines = log.substr(soundStep, nextStep - soundStep);
    EXPECT_EQ(soundLines.find("ASSERT\n"), std::string::npos) << soundLines;
    EXPECT_EQ(log.find("Refused sound file"), std::string::npos);
    // The five common text tables and both fonts loaded.
    EXPECT_EQ(log.find("Error loading \"text/"), std::string::npos) << log;
    // Nothing was refused: the save file of a first start is all zeros,
    // which the start menu's load of the slots reads as nothing saved yet.
    EXPECT_EQ(log.find("refused:"), std::string::npos) << log;
    EXPECT_EQ(log.find("Cannot load the font ressource"), std::string::npos) << log;
}

TEST(GameProcessTest, StartUpEndsAtTheLocalizerWithoutATextTable)
{
    TempDir folder;
    CopyStartUpData(folder);
    std::filesystem::remove(folder / "text/it-ITTextCommon.dat");
    const pid_t game = StartGame(folder, "untranslated");
    ASSERT_EQ(WaitForExit(game, 10s), 1) << ReadFileText(folder / "untranslated.out");
    const std::string log = ReadFileText(folder / "log.txt");
    const size_t step = log.find(" - Initialize Localizer...\n");
    ASSERT_NE(step, std::string::npos) << log;
    EXPECT_NE(log.find("Error loading \"text/it-ITTextCommon.dat\"\nCannot load common text data\nASSERT\n", step),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find(" - Initialize main font(s)..."), std::string::npos);
    const size_t shutdown = log.find(" - Shutdown Localizer...\n");
    ASSERT_NE(shutdown, std::string::npos) << log;
    EXPECT_EQ(log.find("Unloaded package:"), std::string::npos) << log;
    EXPECT_NE(log.find("FINAL MEMORY DUMP BEFORE EXIT MAIN"), std::string::npos);
}

TEST(GameProcessTest, StartUpEndsAtTheSoundSystemWithoutTheSoundBanks)
{
    TempDir folder;
    std::filesystem::copy_file(TestSupport::DataDir() / "common.dr", folder / "common.dr");
    const pid_t game = StartGame(folder, "silent");
    ASSERT_EQ(WaitForExit(game, 10s), 1) << ReadFileText(folder / "silent.out");
    const std::string log = ReadFileText(folder / "log.txt");
    const size_t step = log.find(" - Initialize Sound system...\n");
    ASSERT_NE(step, std::string::npos) << log;
    EXPECT_NE(log.find("message:\nerror loading Sound/SoundPack.xgs\n", step), std::string::npos) << log;
    EXPECT_NE(log.find("condition: bResult\nmessage:\nInitialize sound failed\n", step), std::string::npos) << log;
    EXPECT_EQ(log.find(" - Initialize ResourceManager..."), std::string::npos);
    const size_t shutdown = log.find(" - Shutdown Sound...\n");
    ASSERT_NE(shutdown, std::string::npos) << log;
    EXPECT_NE(log.find("Sound done", shutdown), std::string::npos);
    EXPECT_NE(log.find("FINAL MEMORY DUMP BEFORE EXIT MAIN"), std::string::npos);
}

TEST(GameProcessTest, StartUpEndsAtTheResourceManagerWithoutTheCommonDataPack)
{
    TempDir folder;
    std::filesystem::copy(TestSupport::DataDir() / "Sound", folder / "Sound");
    std::filesystem::create_directory(folder / "scenes");
    std::filesystem::copy_file(TestSupport::DataDir() / "scenes/common.dialogs.dat",
                               folder / "scenes/common.dialogs.dat");
    const pid_t game = StartGame(folder, "missing");
    ASSERT_EQ(WaitForExit(game, 10s), 1) << ReadFileText(folder / "missing.out");
    const std::string log = ReadFileText(folder / "log.txt");
    const size_t step = log.find(" - Initialize ResourceManager...\n");
    ASSERT_NE(step, std::string::npos) << log;
    EXPECT_NE(log.find("Error loading \"common.dr\"\n", step), std::string::npos) << log;
    EXPECT_NE(log.find("Cannot load the common data pack \"common.dr\": the game cannot start without it\n", step),
              std::string::npos)
        << log;
    const size_t shutdown = log.find(" - Shutdown ResourceManager...\n");
    ASSERT_NE(shutdown, std::string::npos) << log;
    EXPECT_GT(log.find("ResourceManager done"), shutdown);
    EXPECT_EQ(log.find(" - Initialize Localizer..."), std::string::npos);
    EXPECT_EQ(log.find("Application Initialized"), std::string::npos);
    EXPECT_NE(log.find("FINAL MEMORY DUMP BEFORE EXIT MAIN"), std::string::npos);
}

// The start menu is where every way back leads, and every scene may talk
// through the common dialogs: the game cannot go on without either.
TEST(GameProcessTest, WithoutTheStartMenuOrTheCommonDialogsTheGameEndsNamingTheFile)
{
    // Each file missing, or cut to its first bytes as a broken copy leaves
    // it (0 keeps none).
    struct Case {
        const char* file;
        uintmax_t kept;
        const char* line;
        const char* last;
    };
    const Case cases[] = {
        {"scenes/bg999_start_menu.twscene.pc", 0, "Error loading \"scenes/bg999_start_menu.twscene.pc\"\n",
         "The start menu could not be loaded: the game cannot go on"},
        {"scenes/bg999_start_menu.twscene.pc", 40,
         "SerialStream -- \"scenes/bg999_start_menu.twscene.pc\" is truncated",
         "The start menu could not be loaded: the game cannot go on"},
        {"scenes/bg999_start_menu.twscene.dr", 0, "Error loading \"scenes/bg999_start_menu.twscene.dr\"\n",
         "The start menu could not be loaded: the game cannot go on"},
        {"scenes/bg999_start_menu.twscene.dr", 3000, "data pack \"scenes/bg999_start_menu.twscene.dr\" refused: ",
         "The start menu could not be loaded: the game cannot go on"},
        {"scenes/common.dialogs.dat", 0,
         "Cannot load the common dialogs \"scenes/common.dialogs.dat\": the game cannot start without them\n",
         "Start-up failed: "},
        {"scenes/common.dialogs.dat", 20,
         "Cannot load the common dialogs \"scenes/common.dialogs.dat\": the game cannot start without them\n",
         "Start-up failed: "},
    };
    for (const Case& c : cases) {
        TempDir folder;
        CopyStartUpData(folder);
        std::filesystem::copy_file(TestSupport::DataDir() / "autotest.dat", folder / "autotest.dat");
        if (c.kept == 0)
            std::filesystem::remove(folder / c.file);
        else
            std::filesystem::resize_file(folder / c.file, c.kept);
        const std::string what = std::string(c.file) + " cut to " + std::to_string(c.kept) + " bytes\n";
        const pid_t game = StartGame(folder, "broken", {"-autotest"});
        ASSERT_EQ(WaitForExit(game, 30s), 1) << what << ReadFileText(folder / "broken.out");
        const std::string log = ReadFileText(folder / "log.txt");
        EXPECT_NE(log.find(c.line), std::string::npos) << what << log;
        EXPECT_NE(log.find(c.last), std::string::npos) << what << log;
        const std::vector<std::string> lines = Lines(ReadFileText(folder / "broken.out"));
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines.back().find("the messages before \"Shutdown Application\" say why"), std::string::npos)
            << lines.back();
    }
}

TEST(GameProcessTest, AMissingStreamedBankIsNamedAndTheExitCodeSaysStartUpFailed)
{
    TempDir folder;
    std::filesystem::copy_file(TestSupport::DataDir() / "common.dr", folder / "common.dr");
    std::filesystem::copy(TestSupport::DataDir() / "Sound", folder / "Sound");
    std::filesystem::remove(folder / "Sound/stream.xwb");
    const pid_t game = StartGame(folder, "nostream");
    ASSERT_EQ(WaitForExit(game, 10s), 1) << ReadFileText(folder / "nostream.out");
    const std::string terminal = ReadFileText(folder / "nostream.out");
    EXPECT_NE(terminal.find("--CoreFile_ERROR : File : sound/stream.xwb - Could not open file\n"), std::string::npos)
        << terminal;
    EXPECT_NE(terminal.find("Initialize sound failed\n"), std::string::npos);
    const std::vector<std::string> lines = Lines(terminal);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind("Start-up failed: ", 0), 0u) << lines.back();
    EXPECT_EQ(SortedLines(terminal), SortedLines(ReadFileText(folder / "log.txt")));
}

TEST(GameProcessTest, WithoutAnAudioOutputStartUpSaysSo)
{
    TempDir folder;
    std::filesystem::copy(TestSupport::DataDir() / "Sound", folder / "Sound");
    const pid_t game = StartGame(folder, "mute", {}, "no-such-audio-driver");
    ASSERT_EQ(WaitForExit(game, 10s), 1) << ReadFileText(folder / "mute.out");
    EXPECT_NE(ReadFileText(folder / "log.txt")
                  .find("No audio output could be opened: the game needs a sound device, or "
                        "runs silently with SDL_AUDIODRIVER=dummy set"),
              std::string::npos)
        << ReadFileText(folder / "log.txt");
}

TEST(GameProcessTest, HelpListsTheSwitchesAndAnUnknownSwitchIsRefused)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* text;
    };
    const Case CASES[] = {
        {{"--help"}, 0, "  -autotest  "},
        {{"--autotests"}, 2, "Unknown switch \"--autotests\"\nUsage: velmarsh [-autotest]\n"},
        {{"-autotest", "x"}, 2, "Unknown switch \"x\"\n"},
    };
    for (const Case& c : CASES) {
        TempDir folder;
        const pid_t game = StartGame(folder, "switches", c.arguments);
        EXPECT_EQ(WaitForExit(game, 10s), c.exitCode) << c.arguments[0];
        EXPECT_NE(ReadFileText(folder / "switches.out").find(c.text), std::string::npos)
            << ReadFileText(folder / "switches.out");
        // Nothing started: no log was written.
        EXPECT_FALSE(std::filesystem::exists(folder / "log.txt")) << c.arguments[0];
    }
}

TEST(GameProcessTest, TheAdventureStartsAndEscapeThenAClickOnQuitEndsTheGameCleanly)
{
    TempDir folder;
    CopyStartUpData(folder);

    // The window of the devices is 1280 x 960: the quit button's line is at
    // 114 virtual units, 570 pixels, from the top. Esc comes once the start
    // menu has faded in (0.9 s), after the skipped splash.
    constexpr int ESCAPE_FRAME = 200;
    TestSupport::ScriptedInputDevices devices;
    SkipSplash(devices);
    devices.At(ESCAPE_FRAME, [](auto& input) { input.SetKey(Platform::KEY_ESCAPE, true); });
    devices.At(ESCAPE_FRAME + 1, [](auto& input) {
        input.SetKey(Platform::KEY_ESCAPE, false);
        input.SetPointer(640, 570);
    });
    devices.At(ESCAPE_FRAME + 4, [](auto& input) { input.SetMouseButton(0, true); });
    devices.At(ESCAPE_FRAME + 5, [](auto& input) { input.SetMouseButton(0, false); });

    const pid_t game = StartGameWithInput(folder, "quit", devices);
    ASSERT_EQ(WaitForExit(game, 30s), 0) << ReadFileText(folder / "quit.out");

    const std::string log = ReadFileText(folder / "log.txt");
    const std::vector<std::string> ordered = {
        " - Initialize States...",   "Before MG Init",
        "Before MG Solo Init",       "After MG Shutdown",
        "Before Main State Init",    "Load scene : \"scenes/bg999_start_menu.twscene.pc\"",
        "Scene Init time:",          "Shutdown Application",
        "After Main State Shutdown", "FINAL MEMORY DUMP BEFORE EXIT MAIN",
    };
    ASSERT_TRUE(TestSupport::InOrder(log, ordered));
    // The only report allowed: a live current scene of 0, which the start
    // menu replaces, while no save slot has given the game a scene.
    EXPECT_EQ(TestSupport::Occurrences(log, "ASSERT\n"), TestSupport::Occurrences(log, "message:\ninvalid sceneId\n"))
        << log;
    EXPECT_EQ(log.find("Unloaded package:"), std::string::npos) << log;
    // The click ended the game: it ran the script's 206 frames of 16 to 48 ms
    // of game time, not more.
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(INFO\[00h:00m:0[3-9]s\]:After Main State Shutdown)"))) << log;
}

TEST(GameProcessTest, AFirstStartCreatesTheSaveFileAndTheNextStartReadsIt)
{
    TempDir folder;
    CopyStartUpData(folder);

    // The save-file check creates the file before the adventure starts.
    EXPECT_NE(RunToTheMainState(folder, "first", 10s).find("--CoreFile_ERROR : File : save.dat - Could not open file"),
              std::string::npos);
    const std::string created = ReadFileText(folder / "save.dat");
    EXPECT_EQ(created, std::string(3664, '\0'));
    EXPECT_FALSE(std::filesystem::exists(folder / "save.dat.tmp"));
    std::filesystem::remove(folder / "log.txt");

    const std::string log = RunToTheMainState(folder, "second", 10s);
    EXPECT_NE(log.find(" - Initialize and test CARD Manager..."), std::string::npos) << log;
    EXPECT_EQ(log.find("File : save.dat"), std::string::npos) << log;
    EXPECT_EQ(ReadFileText(folder / "save.dat"), created);
}

// A save file the game cannot use is named and left alone; the game starts
// without saved games. A pipe would block the save-file check for ever.
TEST(GameProcessTest, ASaveFileThatIsNoRegularFileOrTooLargeIsRefusedByNameAndKept)
{
    struct Case {
        const char* name;
        void (*make)(const std::filesystem::path& path);
        const char* line;
    };
    const Case cases[] = {
        {"pipe", [](const std::filesystem::path& path) { mkfifo(path.c_str(), 0644); },
         "Save file \"save.dat\" refused: it is not a regular file\n"},
        {"gigabyte",
         [](const std::filesystem::path& path) {
             std::ofstream(path).put('s');
             std::filesystem::resize_file(path, uintmax_t(1) << 30);
         },
         "Save file \"save.dat\" refused: larger than the 3664 bytes of a save\n"},
    };
    for (const Case& c : cases) {
        TempDir folder;
        CopyStartUpData(folder);
        c.make(folder / "save.dat");
        const auto kind = std::filesystem::status(folder / "save.dat").type();
        const std::string log = RunToTheMainState(folder, c.name, 30s);
        EXPECT_NE(log.find(c.line), std::string::npos) << c.name << "\n" << log;
        EXPECT_EQ(std::filesystem::status(folder / "save.dat").type(), kind) << c.name;
        if (kind == std::filesystem::file_type::regular) {
            EXPECT_EQ(std::filesystem::file_size(folder / "save.dat"), uintmax_t(1) << 30) << c.name;
        }
        EXPECT_FALSE(std::filesystem::exists(folder / "save.dat.tmp")) << c.name;
    }
}

TEST(GameProcessTest, AutoTestReadsTheSampleRecordingAndADamagedOneStopsStartUpNamingIt)
{
    const std::vector<uint8_t> recording = TestSupport::ReadFileBytes(TestSupport::DataDir() / "autotest.dat");
    ASSERT_GT(recording.size(), 8u);
    struct Case {
        const char* name;
        size_t size;
        int exitCode;
        const char* line;
    };
    const Case cases[] = {
        {"sample", recording.size(), 0, "AutoTest: "},
        {"damaged", recording.size() - 1, 1,
         "auto-test recording \"autotest.dat\" refused: size does not match its record count\n"},
        {"missing", 0, 1, "autotest.dat"},
    };
    for (const Case& c : cases) {
        TempDir folder;
        CopyStartUpData(folder);
        if (c.size != 0)
            folder.WriteFile("autotest.dat",
                             std::string(recording.begin(), recording.begin() + std::ptrdiff_t(c.size)));
        const pid_t game = StartGame(folder, c.name, {"-autotest"});
        if (c.exitCode == 0) {
            ASSERT_TRUE(WaitForText(folder / "log.txt", "Application Initialized", 10s))
                << ReadFileText(folder / "sample.out");
            kill(game, SIGTERM);
        }
        ASSERT_EQ(WaitForExit(game, 10s), c.exitCode)
            << c.name << ReadFileText(folder / (std::string(c.name) + ".out"));
        const std::string log = ReadFileText(folder / "log.txt");
        const size_t step = log.find(" - Initialize auto-test recording...\n");
        ASSERT_NE(step, std::string::npos) << log;
        EXPECT_NE(log.find(c.line, step), std::string::npos) << c.name << "\n" << log;
        EXPECT_EQ(log.find("ASSERT\n"), std::string::npos) << c.name << "\n" << log;
    }
}

TEST(GameProcessTest, TheSplashShowsItsLogosAndTwoClicksSkipThemToTheSaveFileCheck)
{
    TempDir folder;
    CopyStartUpData(folder);

    const std::string log = RunToTheMainState(folder, "splash", 20s);
    ASSERT_TRUE(TestSupport::InOrder(log, {"Before MG Solo Init", "After MG Solo Shutdown", "Before Main State Init"}));
    EXPECT_EQ(log.find("Initialize of minigame 0 failed"), std::string::npos) << log;
    EXPECT_EQ(log.find("ASSERT\n"), std::string::npos) << log;
    // Without the clicks the logos would hold for ten seconds.
    EXPECT_TRUE(std::regex_search(log, std::regex(R"(INFO\[00h:00m:0[0-4]s\]:After MG Shutdown)"))) << log;
}

} // namespace
