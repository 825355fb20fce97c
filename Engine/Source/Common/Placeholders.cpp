#include "Common/Placeholders.h"

#include "Common/TwGame.h"
#include "Log/CoreLog.h"

namespace Placeholder {

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

bool InitializeStates()
{
    CorePrint(&g_oCoreLog, " - Initialize States...\n");
    return true;
}

void EndStateFrame()
{
}

void UpdateQuitRequest(TwGame&)
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
