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

namespace {

constexpr const char* INSTANCE_NAME = "d91489a0-854e-11e0-9d78-0800200c9a66";
// Exit codes besides 0 and the -1 of a second instance.
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_UNKNOWN_SWITCH = 2;

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
    if (!s_oInstanceGuard.Acquire(INSTANCE_NAME)) {
        Platform::GetMessageBoxes().ShowOk("", "Application already running");
        return -1;
    }

    if (commandLine.bAutoTest) {
        TwGame::s_bAutoTest = true;
        TwGame::s_iStartSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    }

    g_oCoreLog.m_pFile = std::fopen("log.txt", "w+");
    if (!g_oCoreLog.m_pFile)
        CorePrint(&g_oCoreLog, "Cannot write log.txt in the working directory: the log goes to the terminal only\n");

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
