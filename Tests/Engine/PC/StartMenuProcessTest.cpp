// The real program headless with clicks of the mouse: from start-up through
// the start menu into a new game, and out of the game from the start menu.
#include "Input/KeyCodes.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/ScriptedInputDevices.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestSupport::ReadFileText;
using TestSupport::TempDir;

// A point of the 256 x 192 screen in the devices' 1280 x 960 window.
struct ScreenPoint {
    int x;
    int y;
};

// The centres of the sample start menu's buttons and of the controls
// screen's way on.
constexpr ScreenPoint TITLE = {128, 68};
constexpr ScreenPoint START = {128, 85};
constexpr ScreenPoint SLOT1 = {144, 68};
constexpr ScreenPoint OPTIONS = {128, 101};
constexpr ScreenPoint QUIT = {128, 133};
constexpr ScreenPoint NEXT_GAME_LANGUAGE = {160, 82};
constexpr ScreenPoint BACK = {40, 175};
constexpr ScreenPoint CONTINUE = {196, 163};
// Anywhere: the talk screen takes the click; bare floor afterwards.
constexpr ScreenPoint TALK_SCREEN = {220, 150};

// Frames between clicks: each leaves time for the blink, the waits and the
// fades that the click starts, and for a scene change, with room to spare
// on a slow machine; the first waits for the skipped splash too.
constexpr int FIRST_CLICK = 260;
constexpr int AFTER_TITLE = 60;
constexpr int AFTER_BUTTON = 150;
constexpr int AFTER_SCENE_CHANGE = 240;
// The intro movie lasts three seconds.
constexpr int AFTER_NEW_GAME = 500;
// Two clicks a sentence (the first ends the typing) for the three sentences
// of the living room's first visit, and some to spare.
constexpr int FIRST_VISIT_CLICKS = 10;

// Moves the pointer to the point at the frame, then presses and releases the
// left button; the frame after the click.
int Click(TestSupport::ScriptedInputDevices& devices, int frame, ScreenPoint point)
{
    devices.At(frame, [point](auto& input) { input.SetPointer(point.x * 5, point.y * 5); });
    devices.At(frame + 3, [](auto& input) { input.SetMouseButton(0, true); });
    devices.At(frame + 4, [](auto& input) { input.SetMouseButton(0, false); });
    return frame + 5;
}

// Esc, then a click on the quit box's quit button.
void QuitByTheBox(TestSupport::ScriptedInputDevices& devices, int frame)
{
    devices.At(frame, [](auto& input) { input.SetKey(Platform::KEY_ESCAPE, true); });
    devices.At(frame + 1, [](auto& input) { input.SetKey(Platform::KEY_ESCAPE, false); });
    Click(devices, frame + 2, {128, 114});
}

using TestSupport::InOrder;

TEST(StartMenuProcessTest, ANewGameGoesFromTheStartMenuThroughTheControlsIntoTheLivingRoomAndQuitEndsTheNext)
{
    TempDir folder;
    TestSupport::CopySampleData(folder);

    TestSupport::ScriptedInputDevices newGame;
    TestSupport::SkipSplash(newGame);
    int frame = Click(newGame, FIRST_CLICK, TITLE);
    frame = Click(newGame, frame + AFTER_TITLE, START);
    frame = Click(newGame, frame + AFTER_BUTTON, SLOT1);
    frame = Click(newGame, frame + AFTER_NEW_GAME, CONTINUE);
    // The living room opens with the mother's first words: clicks finish and
    // turn each page of the talk screen.
    frame += AFTER_SCENE_CHANGE;
    for (int page = 0; page < FIRST_VISIT_CLICKS; ++page)
        frame = Click(newGame, frame + AFTER_TITLE, TALK_SCREEN);
    QuitByTheBox(newGame, frame + AFTER_BUTTON);
    const pid_t first = TestSupport::StartGameWithInput(folder, "new", newGame);
    ASSERT_EQ(TestSupport::WaitForExit(first, 120s), 0) << ReadFileText(folder / "new.out");
    const std::string log = ReadFileText(folder / "log.txt");
    EXPECT_TRUE(
        InOrder(log, {"Load scene : \"scenes/bg999_start_menu.twscene.pc\"",
                      // The slot was empty: a new game, which opens with the intro
                      // movie.
                      "Before Movie Init", "After Movie Shutdown", "Load scene : \"scenes/bg902_Controls.twscene.pc\"",
                      "Load scene : \"scenes/bg101_BO_CastilloLivingRoom.twscene.pc\"", "Shutdown Application"}));
    EXPECT_EQ(log.find("ASSERT\n"), std::string::npos) << log;

    // The next start changes the game language in the options, then quits
    // from the main menu.
    std::filesystem::remove(folder / "log.txt");
    TestSupport::ScriptedInputDevices quit;
    TestSupport::SkipSplash(quit);
    frame = Click(quit, FIRST_CLICK, TITLE);
    frame = Click(quit, frame + AFTER_TITLE, OPTIONS);
    frame = Click(quit, frame + AFTER_BUTTON, NEXT_GAME_LANGUAGE);
    frame = Click(quit, frame + AFTER_TITLE, BACK);
    Click(quit, frame + AFTER_BUTTON, QUIT);
    const pid_t second = TestSupport::StartGameWithInput(folder, "quit", quit);
    ASSERT_EQ(TestSupport::WaitForExit(second, 120s), 0) << ReadFileText(folder / "quit.out");
    const std::string quitLog = ReadFileText(folder / "log.txt");
    EXPECT_TRUE(InOrder(quitLog, {"Load scene : \"scenes/bg999_start_menu.twscene.pc\"", "Shutdown Application",
                                  "FINAL MEMORY DUMP BEFORE EXIT MAIN"}));
    EXPECT_EQ(quitLog.find("bg902_Controls"), std::string::npos) << quitLog;
    // French came in with its texts, and the save file's header keeps it.
    EXPECT_NE(quitLog.find(" - Reload Localizer done."), std::string::npos) << quitLog;
    const std::vector<uint8_t> save = TestSupport::ReadFileBytes(folder / "save.dat");
    ASSERT_GE(save.size(), 0x1Cu);
    EXPECT_EQ(save[0x14], 1) << "game language";
    EXPECT_EQ(quitLog.find("ASSERT\n"), std::string::npos) << quitLog;
}

} // namespace
