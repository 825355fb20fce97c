#include "Game/TwGameSceneLinks.h"

#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogManager.h"
#include "Interface/Common/InterfaceMenuLinks.h"
#include "Managers/Common/ScriptManager.h"
#include "States/Common/MainGameState.h"
#include "Utils/Common/DkLocalizer.h"

void GameSceneInterfaceLink::UpdateTalkScreen(uint32_t dtMs)
{
    g_oDialogInterface.Update(dtMs);
}

void GameSceneInterfaceLink::DrawTalkScreen()
{
    g_oDialogInterface.DrawCaption();
    g_oDialogInterface.Draw();
}

bool GameSceneInterfaceLink::IsBusy()
{
    return g_oScriptManager.IsBusy();
}

bool GameSceneInputLink::IsTalkScreenActive()
{
    return g_oDialogInterface.IsActive();
}

bool GameSceneInputLink::IsDialogRunning()
{
    const DialogManager* pDialogs = DialogManager::GetInstance();
    return pDialogs != nullptr && pDialogs->IsDialogRunning();
}

bool GameSceneInputLink::DialogOffersChoices()
{
    return g_oDialogInterface.GetState() == DIALOG_STATE_THINKING;
}

void GameSceneInputLink::SetCaption(const char* pText)
{
    g_oDialogInterface.SetCaptionDisplayed(pText);
}

void GameSceneInputLink::HideCaption()
{
    g_oDialogInterface.SetCaptionDisplayed(nullptr);
}

const char* GameSceneInputLink::GetText(uint32_t uTextId)
{
    return g_oDkLocalizer.GetText(uTextId);
}

void GameSceneInterfaceLink::UpdateMenu(uint32_t dtMs)
{
    InGameMenu::Update(dtMs);
}

void GameSceneInterfaceLink::DrawMenuPanel()
{
    InGameMenu::DrawPanel();
}

void GameSceneInterfaceLink::DrawMenuBars()
{
    InGameMenu::DrawAlerts();
}

CoreTexture* GameSceneInterfaceLink::GetHeldItemIcon()
{
    return InGameMenu::GetHeldItemIcon();
}

void GameSceneInputLink::SetMenuTab(int32_t iTab)
{
    InGameMenu::SetTab(iTab);
}

int32_t GameSceneInputLink::GetSelectedItem()
{
    return InGameMenu::GetSelectedCell();
}

const char* GameSceneInputLink::GetItemName(int32_t iItem)
{
    return InGameMenu::GetItemName(iItem);
}

uint32_t GameSceneInputLink::GetItemId(int32_t iItem)
{
    return InGameMenu::GetItemId(iItem);
}

void GameSceneInputLink::ClearItemSelection()
{
    InGameMenu::ClearItemSelection();
}
