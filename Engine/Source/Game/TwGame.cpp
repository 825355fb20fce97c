#include "Game/TwGame.h"

#include "App/CoreApp.h"
#include "Common/GameLanguages.h"
#include "Dialogs/Common/DialogManager.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptManager.h"
#include "Nubra/Common/Memory/NubraMemory.h"
#include "Scripts/Common/GlobalScript.h"
#include "Scripts/Common/InventoryScript.h"

#include <cstdio>

TwGame g_oTwGame;
uint8_t g_bQuitBoxShown = 0;

bool TwGame::s_bAutoTest = false;
bool TwGame::s_bAutoTestWaitsForSentences = false;
int32_t TwGame::s_iStartSpeedShift = TwGame::NORMAL_SPEED_SHIFT;

namespace {

// Whether memory reports end with a dump of the heap's chunks.
constexpr bool HEAP_DUMP_IN_REPORTS = false;

} // namespace

bool TwGame::Initialize()
{
    CorePrint(&g_oCoreLog, "-------------------------\n");
    CorePrint(&g_oCoreLog, "Initialize Application...\n");
    CorePrint(&g_oCoreLog, " - Initialize Core...\n");
    if (!ReadSettings())
        return false;
    CorePrint(&g_oCoreLog, "Init video memory \n");
    LogStep("Core Init Done");

    if (!InitializeDisplay())
        return false;

    GetSystemInformations();
    m_iVoiceLanguage = VoiceLanguageOfGameLanguage(m_iGameLanguage);

    CorePrint(&g_oCoreLog, " - Initialize boot font...\n");
    LogStep("boot font done");

    if (!InitializeInputs())
        return false;
    if (!InitializeIds())
        return false;
    if (!InitializeProfiler())
        return false;
    if (!InitializeSound())
        return false;
    if (!InitializeResourceManager())
        return false;
    if (!InitializeLocalizerCommon())
        return false;
    if (!InitializeFonts())
        return false;
    if (!InitializeCardManager())
        return false;
    if (!InitializeEffects())
        return false;
    DialogManager::CreateSingleton();
    // The dialogs' callbacks run their global actions through the script manager.
    DialogManager::GetInstance()->SetScriptDispatch(&g_oScriptManager);
    InventoryScript::CreateSingleton();
    g_oScriptManager.SetCommonScripts(m_pInventoryScript, &g_oGlobalScript);
    if (!InitializeAdventureManager())
        return false;
    if (!InitializeInGameMenu())
        return false;
    m_oQuitBox.Initialize(&MainFont);
    if (!InitializeAutoTest())
        return false;

    CorePrint(&g_oCoreLog, "Application Initialized\n");
    CorePrint(&g_oCoreLog, "-----------------------\n");
    m_bPaused = 0;
    return true;
}

void TwGame::Shutdown()
{
    // A replay ended before its recording was over reports above the
    // shutdown, with the messages that say why the run failed.
    ShutdownAutoTest();
    CorePrint(&g_oCoreLog, "-------------------------------\n");
    CorePrint(&g_oCoreLog, "Shutdown Application\n");

    ShutdownStates();
    m_oQuitBox.Release();
    ShutdownInGameMenu();
    ShutdownAdventureManager();
    g_oScriptManager.SetCommonScripts(nullptr, nullptr);
    if (m_pInventoryScript != nullptr)
        InventoryScript::DestroySingleton();
    if (DialogManager::GetInstance() != nullptr)
        DialogManager::DestroySingleton();
    ResetFades();
    ShutdownCardManager();
    ReleaseFonts();

    ShutdownLocalizer();

    ShutdownResourceManager();

    ShutdownSound();

    ShutdownProfiler();

    ShutdownInputs();

    ShutdownDisplay();

    delete g_pCoreApp;
    g_pCoreApp = nullptr;

    CorePrint(&g_oCoreLog, "-------------------------------\n");
    LogStep("FINAL MEMORY DUMP BEFORE EXIT MAIN");
}

const char* TwGame::GetClockString() const
{
    static char s_clockString[256];
    const uint64_t clock = m_uGameClock;
    const uint32_t hours = static_cast<uint32_t>(clock / 3600000u);
    const uint64_t minutes = (clock / 60000u) % 60u;
    const uint64_t seconds = (clock / 1000u) % 60u;
    std::snprintf(s_clockString, sizeof s_clockString, "%02dh:%02dm:%02ds", static_cast<int>(hours),
                  static_cast<int>(minutes), static_cast<int>(seconds));
    return s_clockString;
}

void TwGame::LogInfo(const char* text) const
{
    CorePrint(&g_oCoreLog, "INFO[%s]:%s", GetClockString(), text);
}

void TwGame::LogStep(const char* text) const
{
    CorePrint(&g_oCoreLog, "INFO[%s]:%s\n", GetClockString(), text);
    CoreMemoryStatusPrint(HEAP_DUMP_IN_REPORTS);
}
