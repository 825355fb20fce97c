// The program's entry: the switches, one instance at a time, the log,
// start-up, the main loop and shutdown.
#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Log/CoreLog.h"
#include "PC/CommandLine.h"
#include "System/InstanceGuard.h"
#include "System/MessageBoxes.h"
#include "Window/CloseSignals.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* INSTANCE_NAME = "d91489a0-854e-11e0-9d78-0800200c9a66";
// Exit codes besides 0 and the -1 of a second instance.
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_UNKNOWN_SWITCH = 2;
// After the lock files that could not be made: what the user can do.
constexpr const char* LOCK_ADVICE = "Set XDG_RUNTIME_DIR to a folder you may write in and start the game again.";

} // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (commandLine.bHelp) {
        std::fputs(COMMAND_LINE_HELP, stdout);
        return 0;
    }
    if (commandLine.pUnknown) {
        std::fprintf(stderr, "Unknown switch \"%s\"\n%s", commandLine.pUnknown, COMMAND_LINE_HELP);
        return EXIT_UNKNOWN_SWITCH;
    }

    Platform::InstallCloseSignals();

    // Held for the life of the process.
    static Platform::InstanceGuard s_oInstanceGuard;
    const Platform::InstanceLock lock = s_oInstanceGuard.Acquire(INSTANCE_NAME);
    if (lock == Platform::InstanceLock::HeldElsewhere) {
        Platform::GetMessageBoxes().ShowOk("", "Application already running");
        return -1;
    }
    // Without the lock another instance may be writing the log and the save
    // file, so nothing is opened.
    if (lock == Platform::InstanceLock::CannotBeMade) {
        const std::string text = s_oInstanceGuard.Report() + LOCK_ADVICE;
        Platform::GetMessageBoxes().ShowError("Error", text.c_str());
        return EXIT_FAILED;
    }

    if (commandLine.bAutoTest) {
        TwGame::s_bAutoTest = true;
        TwGame::s_iStartSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    }

    g_oCoreLog.m_pFile = std::fopen("log.txt", "w+");
    if (!g_oCoreLog.m_pFile)
        CorePrint(&g_oCoreLog, "Cannot write log.txt in the working directory: the log goes to the terminal only\n");
    if (!s_oInstanceGuard.Report().empty())
        CorePrint(&g_oCoreLog, "%s", s_oInstanceGuard.Report().c_str());

    const bool started = g_oTwGame.Initialize();
    if (started)
        g_oTwGame.MainLoop();
    g_oTwGame.Shutdown();
    // A launcher or script learns of the failure from the exit code; the
    // user, from this last line.
    if (!started)
        CorePrint(&g_oCoreLog, "Start-up failed: the messages before \"Shutdown Application\" say why (they are in "
                               "log.txt too)\n");
    else if (g_oTwGame.HasFailed() && commandLine.bAutoTest)
        CorePrint(&g_oCoreLog, "The recorded run failed: the messages before \"Shutdown Application\" say why (they "
                               "are in log.txt too)\n");
    else if (g_oTwGame.HasFailed())
        CorePrint(&g_oCoreLog, "The game could not go on: the messages before \"Shutdown Application\" say why (they "
                               "are in log.txt too)\n");

    if (g_oCoreLog.m_pFile) {
        std::fclose(g_oCoreLog.m_pFile);
        g_oCoreLog.m_pFile = nullptr;
    }
    return started && !g_oTwGame.HasFailed() ? 0 : EXIT_FAILED;
}
