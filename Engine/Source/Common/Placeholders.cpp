#include "Common/Placeholders.h"

#include "Common/TwGame.h"
#include "CardMngr/CardManager.h"
#include "Log/CoreLog.h"

namespace Placeholder {

bool InitializeEffects()
{
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

void ResetFades()
{
}

bool InitializeStates()
{
    CorePrint(&g_oCoreLog, " - Initialize States...\n");
    // The save-file check state's work: a missing save file is created.
    CardManager* card = CardManager::GetInstance();
    if (card && card->GetStatus() == I_CARD_STATUS_NO_FILE)
        card->CreateDataFiles();
    return true;
}

void EndStateFrame()
{
}

void UpdateQuitRequest(TwGame&)
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

namespace {

uint32_t s_uPlayingCharacter = 0;

} // namespace

uint32_t GetPlayingCharacter()
{
    return s_uPlayingCharacter;
}

void SetPlayingCharacter(uint32_t actorId)
{
    s_uPlayingCharacter = actorId;
}

void ReloadLocalizer(TwGame& game)
{
    game.LogInfo(" - Reload Localizer...\n");
    game.LogInfo(" - Reload Localizer done.\n");
}

} // namespace Placeholder
