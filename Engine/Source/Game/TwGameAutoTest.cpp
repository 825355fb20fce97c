#include "Game/TwGame.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/AutoTestRecording.h"

namespace {

// Read once at start-up and replayed by the script manager for the whole run.
AutoTestRecording s_oAutoTestRecording;

} // namespace

bool TwGame::InitializeAutoTest()
{
    if (!s_bAutoTest)
        return true;
    CorePrint(&g_oCoreLog, " - Initialize auto-test recording...\n");
    if (!s_oAutoTestRecording.Load(AUTOTEST_RECORDING_FILE))
        return false;
    CorePrint(&g_oCoreLog, "AutoTest: %d recorded events\n", static_cast<int>(s_oAutoTestRecording.GetEvents().size()));
    return true;
}

void TwGame::StartAutoTestPlayback()
{
    g_oScriptManager.SetAutoTestEvents(s_oAutoTestRecording.GetEvents());
}

void TwGame::ShutdownAutoTest()
{
    g_oScriptManager.EndAutoTest();
}
