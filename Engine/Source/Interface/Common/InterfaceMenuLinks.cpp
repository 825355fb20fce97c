#include "Interface/Common/InterfaceMenuLinks.h"

#include "Common/GameInterfaceImpl.h"
#include "Common/ItemIds.h"
#include "Common/TwGame.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/InterfaceMenuServices.h"
#include "Inventory/Common/InventoryGameLink.h"
#include "Scripts/Common/InventoryScript.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

MenuAdventureLink s_oAdventureLink;
MenuSceneInterfaceLink s_oSceneInterfaceLink;
MenuSceneInputLink s_oSceneInputLink;
InventoryGameLink s_oInventoryLink;

InterfaceMenu* Menu()
{
    return InterfaceMenu::GetInstance();
}

Inventory* ShownInventory()
{
    InterfaceMenu* pMenu = Menu();
    return pMenu ? &pMenu->GetInventory() : nullptr;
}

} // namespace

void MenuAdventureLink::OpenMenu(uint32_t uPlayingCharacter)
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->Open(uPlayingCharacter);
}

void MenuAdventureLink::CloseMenu()
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->Close();
}

void MenuAdventureLink::StartInventoryScript()
{
    if (InventoryScript* pScript = g_oTwGame.m_pInventoryScript)
        pScript->SetCombineSelection(ShownInventory());
    NullAdventureLink::StartInventoryScript();
}

void MenuAdventureLink::EndInventoryScript()
{
    NullAdventureLink::EndInventoryScript();
    if (InventoryScript* pScript = g_oTwGame.m_pInventoryScript)
        pScript->SetCombineSelection(nullptr);
}

void MenuSceneInterfaceLink::UpdateMenu(uint32_t dtMs)
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->Update(dtMs);
}

void MenuSceneInterfaceLink::DrawMenuPanel()
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->DrawPanel();
}

void MenuSceneInterfaceLink::DrawMenuBars()
{
    if (InterfaceMenu* pMenu = Menu()) {
        pMenu->DrawItemAlert();
        pMenu->DrawQuestAlert();
    }
}

CoreTexture* MenuSceneInterfaceLink::GetHeldItemIcon()
{
    const Inventory* pInventory = ShownInventory();
    if (pInventory == nullptr || pInventory->GetSelectedCell() < 0)
        return nullptr;
    return pInventory->GetItemDisplayData(pInventory->GetSelectedCell());
}

bool MenuSceneInterfaceLink::IsBusy()
{
    return GetInterfaceMenuServices().IsGameBusy();
}

Tw::TextRenderer* MenuSceneInterfaceLink::GetMainTextRenderer()
{
    return GetInterfaceMenuServices().GetMainTextRenderer();
}

Tw::TextRenderer* MenuSceneInterfaceLink::GetSmallTextRenderer()
{
    return GetInterfaceMenuServices().GetSecondTextRenderer();
}

void MenuSceneInputLink::SetMenuTab(int32_t iTab)
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->SetCurrentTab(iTab);
}

int32_t MenuSceneInputLink::GetSelectedItem()
{
    const Inventory* pInventory = ShownInventory();
    return pInventory && pInventory->GetSelectedItem() != 0 ? pInventory->GetSelectedCell() : -1;
}

const char* MenuSceneInputLink::GetItemName(int32_t iItem)
{
    const uint32_t uItemId = GetItemId(iItem);
    if (uItemId == 0)
        return nullptr;
    return g_oDkLocalizer.GetText(static_cast<uint32_t>(Id::GetItemHashA(uItemId)));
}

uint32_t MenuSceneInputLink::GetItemId(int32_t iItem)
{
    const Inventory* pInventory = ShownInventory();
    if (pInventory == nullptr || iItem < 0 || iItem >= INVENTORY_CELLS)
        return 0;
    return pInventory->GetCells()[iItem];
}

void MenuSceneInputLink::ClearItemSelection()
{
    if (Inventory* pInventory = ShownInventory())
        pInventory->ResetSelection();
}

const char* MenuSceneInputLink::GetText(uint32_t uTextId)
{
    return g_oDkLocalizer.GetText(uTextId);
}

void InstallInterfaceMenuLinks()
{
    SetAdventureLink(&s_oAdventureLink);
    SetSceneInterfaceLink(&s_oSceneInterfaceLink);
    SetSceneInputLink(&s_oSceneInputLink);
    g_oGameInterface.AttachInventory(&s_oInventoryLink);
}

void UninstallInterfaceMenuLinks()
{
    g_oGameInterface.AttachInventory(nullptr);
    SetSceneInputLink(nullptr);
    SetSceneInterfaceLink(nullptr);
    SetAdventureLink(nullptr);
}
