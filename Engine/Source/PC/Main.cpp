// The program's entry: one instance at a time, the log, start-up, the main
// loop and shutdown.
#include "App/CoreApp.h"
#include "Common/TwGame.h"
#include "Log/CoreLog.h"
#include "PC/CommandLine.h"
#include "System/InstanceGuard.h"
#include "System/MessageBoxes.h"
#include "Window/CloseSignals.h"

#include <cstdio>

namespace {

constexpr const char* INSTANCE_NAME = "d91489a0-854e-11e0-9d78-0800200c9a66";

} // namespace

int main(int argc, char** argv)
{
    Platform::InstallCloseSignals();

    // Held for the life of the process.
    static Platform::InstanceGuard s_oInstanceGuard;
    if (!s_oInstanceGuard.Acquire(INSTANCE_NAME)) {
        Platform::GetMessageBoxes().ShowOk("", "Application already running");
        return -1;
    }

    if (CommandLineHasAutoTest(argc, argv)) {
        TwGame::s_bAutoTest = true;
        TwGame::s_iStartSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    }

    g_oCoreLog.m_pFile = std::fopen("log.txt", "w+");

    if (g_oTwGame.Initialize())
        g_oTwGame.MainLoop();
    g_oTwGame.Shutdown();

    if (g_oCoreLog.m_pFile) {
        std::fclose(g_oCoreLog.m_pFile);
        g_oCoreLog.m_pFile = nullptr;
    }
    return 0;
}
