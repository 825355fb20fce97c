#include "Common/ProfileSections.h"
#include "Game/TwGame.h"
#include "Log/CoreLog.h"
#include "Profiler/CoreProfiler.h"

namespace {

const char* const s_ProfileSectionNames[PROFILE_SECTION_COUNT] = {
    "PROFILE_UPDATE",           "PROFILE_UPDATE_HOME",      "PROFILE_UPDATE_MISC",          "PROFILE_UPDATE_STATE",
    "PROFILE_UPDATE_SCRIPT",    "PROFILE_UPDATE_SCENE",     "PROFILE_UPDATE_DIALOG",        "PROFILE_RENDER",
    "PROFILE_RENDER_GUI",       "PROFILE_RENDER_SPRITE",    "PROFILE_RENDER_SCENEGRAPH",    "PROFILE_RENDER_SHADOW",
    "PROFILE_RENDER_DEBUG",     "PROFILE_RENDER_EFFECT",    "PROFILE_RENDER_HOME",          "PROFILE_SYNC",
    "PROFILE_RENDER_INVENTORY", "PROFILE_RENDER_OFFSCREEN", "PROFILE_RENDER_SWITCH_BUTTON", "PROFILE_RENDER_ITEM",
    "PROFILE_RENDER_CURSOR",
};

} // namespace

bool TwGame::InitializeProfiler()
{
    CorePrint(&g_oCoreLog, " - Initialize Profiler...\n");
    Core::CoreProfiler& profiler = Core::CoreProfiler::GetInstance();
    for (int section = 0; section < PROFILE_SECTION_COUNT; ++section)
        profiler.NameSection(section, s_ProfileSectionNames[section]);
    LogStep("Profiler done");
    return true;
}

void TwGame::ShutdownProfiler()
{
    LogInfo(" - Shutdown Profile ...\n");
    LogStep("Profile done");
}
