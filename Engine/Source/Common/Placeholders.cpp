#include "Common/Placeholders.h"

#include "App/CoreApp.h"
#include "Common/TwGame.h"
#include "Log/CoreLog.h"
#include "System/MessageBoxes.h"

namespace Placeholder {

bool InitializeDisplay(TwGame& game)
{
    CorePrint(&g_oCoreLog, " - Initialize Display...\n");
    Platform::Window* window = g_pCoreApp ? g_pCoreApp->GetWindow() : nullptr;
    if (!window) {
        Platform::GetMessageBoxes().ShowOk("Error", "Could not initialize renderer!");
        return false;
    }
    // What the renderer does first: the client area takes the configured size.
    window->SetClientSize(static_cast<int>(game.m_oDisplaySettings.uWidth),
                          static_cast<int>(game.m_oDisplaySettings.uHeight));
    game.LogStep("Display done");
    return true;
}

bool InitializeInputs(TwGame& game)
{
    game.LogInfo(" - Initialize Inputs...\n");
    game.LogStep("Inputs done");
    return true;
}

bool InitializeSound(TwGame& game)
{
    game.LogInfo(" - Initialize Sound system...\n");
    game.LogStep("Sound done");
    return true;
}

bool InitializeLocalizerCommon(TwGame& game)
{
    game.LogInfo(" - Initialize Localizer...\n");
    game.LogStep("Localizer done");
    return true;
}

bool InitializeFonts(TwGame& game)
{
    CorePrint(&g_oCoreLog, " - Initialize main font(s)...\n");
    game.LogStep("Font done");
    return true;
}

bool InitializeCardManager(TwGame& game)
{
    game.LogInfo(" - Initialize and test CARD Manager...\n");
    return true;
}

bool InitializeEffects()
{
    return true;
}

bool CreateDialogManagerAndInventoryScript()
{
    return true;
}

bool InitializeAdventureManager(TwGame& game)
{
    CorePrint(&g_oCoreLog, " - Initialize adventure manager...\n");
    game.LogStep("Adventure manager done");
    return true;
}

bool CreateInGameMenuAndBindQuitBox()
{
    return true;
}

void ReleaseStates()
{
}

void ReleaseQuitBoxText()
{
}

void DestroyInGameMenu()
{
}

void DestroyAdventureManagerInventoryScriptAndDialogManager()
{
}

void ResetFades()
{
}

void DestroyCardManager()
{
}

void ReleaseFonts()
{
}

void ReleaseCommonTextTables()
{
}

void TerminateSoundManager()
{
}

void ShutdownInputSystem()
{
}

void ShutdownDisplay()
{
}

bool InitializeStates()
{
    CorePrint(&g_oCoreLog, " - Initialize States...\n");
    return true;
}

void BeginRenderFrame()
{
}

void EndRenderFrame()
{
}

void EndStateFrame()
{
}

void UpdateQuitRequest(TwGame&)
{
}

void PollInputDevices()
{
}

void UpdateInputTriggers(uint32_t)
{
}

void UpdateSound()
{
}

void ManageStates(uint32_t)
{
}

void UpdateEffects(uint32_t)
{
}

void RenderCurrentState()
{
}

void RenderEffects()
{
}

void RenderQuitBox()
{
}

} // namespace Placeholder
