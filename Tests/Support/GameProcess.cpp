#include "Support/GameProcess.h"

#include "Support/Files.h"
#include "Support/UnpacedClock.h"
#include "Support/WatchedGraphics.h"

#include "ContentBuilder/AutoTestSource.h"
#include "ContentBuilder/ContentError.h"
#include "Game/TwGame.h"
#include "Log/CoreLog.h"
#include "ScriptEngine/common/AutoTestRecording.h"
#include "Window/CloseSignals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace TestSupport {

using namespace std::chrono_literals;

namespace {

// In a new child: works in the folder, writes what it prints to `output`
// and shows no window and plays no sound.
void EnterHeadlessChild(const TempDir& folder, const std::string& output, const char* audioDriver)
{
    if (chdir(folder.Path().c_str()) != 0)
        _exit(120);
    const int descriptor = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(descriptor, STDOUT_FILENO);
    dup2(descriptor, STDERR_FILENO);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", audioDriver, 1);
}

// In the child: the game's start-up, main loop and shutdown, as the
// program runs them, with its log in log.txt; never returns.
[[noreturn]] void RunGame()
{
    setenv("LANG", "en_GB.UTF-8", 1);
    // A stop by signal closes the game as it closes the program.
    Platform::InstallCloseSignals();
    g_oCoreLog.m_pFile = std::fopen("log.txt", "w+");
    const bool started = g_oTwGame.Initialize();
    if (started)
        g_oTwGame.MainLoop();
    g_oTwGame.Shutdown();
    std::fclose(g_oCoreLog.m_pFile);
    g_oCoreLog.m_pFile = nullptr;
    std::fflush(stdout);
    // The program's exit code: 1 when start-up failed or the game ended as
    // failed.
    _exit(started && !g_oTwGame.HasFailed() ? 0 : 1);
}

// The same on a clock whose sleeps return at once: the frames follow each
// other as fast as the game can make them, each 16 ms of game time.
[[noreturn]] void RunUnpacedGame()
{
    UnpacedClock clock;
    Platform::SetClock(&clock);
    RunGame();
}

} // namespace

pid_t StartGame(const TempDir& folder, const std::string& name, const std::vector<std::string>& arguments,
                const char* audioDriver)
{
    const std::string binary = (BinaryDir() / "velmarsh").string();
    const std::string output = (folder / (name + ".out")).string();
    const pid_t child = fork();
    if (child != 0)
        return child;
    EnterHeadlessChild(folder, output, audioDriver);
    // Sanitizer builds would add the leak checker's list of used suppressions
    // to what the game itself wrote.
    const char* leakOptions = getenv("LSAN_OPTIONS");
    setenv("LSAN_OPTIONS", (std::string(leakOptions ? leakOptions : "") + ":print_suppressions=0").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder.Path().c_str(), 1);
    setenv("LANG", "fr_FR.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    std::vector<char*> argv = {const_cast<char*>(binary.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(121);
}

pid_t StartGameWithInput(const TempDir& folder, const std::string& name, ScriptedInputDevices& devices)
{
    const std::string output = (folder / (name + ".out")).string();
    const pid_t child = fork();
    if (child != 0)
        return child;
    EnterHeadlessChild(folder, output, "dummy");
    Platform::SetInputDevices(&devices);
    RunUnpacedGame();
}

pid_t StartAutoTestRun(const TempDir& folder, const std::string& name, PlayScript* watching)
{
    const std::string output = (folder / (name + ".out")).string();
    const pid_t child = fork();
    if (child != 0)
        return child;
    EnterHeadlessChild(folder, output, "dummy");
    // What the "-autotest" switch sets.
    TwGame::s_bAutoTest = true;
    TwGame::s_iStartSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    if (watching)
        Platform::SetGraphicsSystemFactory(
            WatchedOpenGl([watching](Platform::GraphicsDevice& device) { watching->OnFrame(device); },
                          [watching]() { return watching->LooksAtNextFrame(); }));
    RunUnpacedGame();
}

namespace {

// The recording that compile gives into the folder's "autotest.dat"; the
// number of its records, or 0 when its source is refused.
uint32_t WriteCompiledRecording(const TempDir& folder, const std::function<std::vector<uint8_t>()>& compile)
{
    std::vector<uint8_t> recording;
    try {
        recording = compile();
    } catch (const ContentError& error) {
        ADD_FAILURE() << error.what();
        return 0;
    }
    folder.WriteFile(AUTOTEST_RECORDING_FILE, std::string(recording.begin(), recording.end()));
    // The header's second word counts the records.
    uint32_t recordCount = 0;
    std::memcpy(&recordCount, recording.data() + 4, sizeof recordCount);
    return recordCount;
}

} // namespace

uint32_t WriteAutoTestRecording(const TempDir& folder, const std::filesystem::path& source)
{
    return WriteCompiledRecording(folder, [&source]() { return CompileAutoTestRecordingFile(source); });
}

uint32_t WriteFirstSlotRecording(const TempDir& folder, const std::string& recording)
{
    const std::string source = "include StartMenuFirstSlot.txt\ninclude " + recording + "\n";
    return WriteCompiledRecording(folder, [&source]() {
        return CompileAutoTestRecording(source, "first slot", SourceDir() / "Content/AutoTest");
    });
}

pid_t StartGamePlayedBy(const TempDir& folder, const std::string& name, PlayScript& play, bool fast)
{
    const std::string output = (folder / (name + ".out")).string();
    const pid_t child = fork();
    if (child != 0)
        return child;
    EnterHeadlessChild(folder, output, "dummy");
    Platform::SetClock(&play.Clock());
    if (fast)
        TwGame::s_iStartSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    Platform::SetGraphicsSystemFactory(
        WatchedOpenGl([&play](Platform::GraphicsDevice& device) { play.OnFrame(device); },
                      [&play]() { return play.LooksAtNextFrame(); }));
    RunGame();
}

int WaitForExit(pid_t child, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1000;
        }
        std::this_thread::sleep_for(10ms);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

bool WaitForText(const std::filesystem::path& path, const std::string& text, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (ReadFileText(path).find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

void CopySampleData(const TempDir& folder)
{
    std::filesystem::copy_file(DataDir() / "common.dr", folder / "common.dr");
    // The scenes folder holds the actor packs in a folder per scene and set.
    for (const char* subfolder : {"Sound", "scenes", "text", "fonts", "video", "MiniGame", "minigame", "Attachments"})
        if (std::filesystem::exists(DataDir() / subfolder))
            std::filesystem::copy(DataDir() / subfolder, folder / subfolder, std::filesystem::copy_options::recursive);
}

void PrepareSmallGame(const TempDir& folder)
{
    CopySampleData(folder);
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=512\nResolutionY=384\n");
}

void SkipSplash(ScriptedInputDevices& devices)
{
    for (int frame : {3, 70}) {
        devices.At(frame, [](auto& input) {
            input.SetPointer(640, 480);
            input.SetMouseButton(0, true);
        });
        devices.At(frame + 1, [](auto& input) { input.SetMouseButton(0, false); });
    }
}

} // namespace TestSupport
