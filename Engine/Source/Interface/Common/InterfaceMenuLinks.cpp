#include "Interface/Common/InterfaceMenuLinks.h"

#include "Common/GameInterfaceImpl.h"
#include "Common/ItemIds.h"
#include "Error/EngineAssert.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Inventory/Common/InventoryGameLink.h"
#include "Managers/Common/AdventureManager.h"
#include "Scripts/Common/InventoryScript.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

MenuAdventureLink s_oAdventureLink;
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
    if (InventoryScript* pScript = InventoryScript::GetInstance())
        pScript->SetCombineSelection(ShownInventory());
    NullAdventureLink::StartInventoryScript();
}

void MenuAdventureLink::EndInventoryScript()
{
    NullAdventureLink::EndInventoryScript();
    if (InventoryScript* pScript = InventoryScript::GetInstance())
        pScript->SetCombineSelection(nullptr);
}

void InstallInterfaceMenuLinks()
{
    SetAdventureLink(&s_oAdventureLink);
    g_oGameInterface.AttachInventory(&s_oInventoryLink);
}

void UninstallInterfaceMenuLinks()
{
    g_oGameInterface.AttachInventory(nullptr);
    SetAdventureLink(nullptr);
}

namespace InGameMenu {

void Update(uint32_t dtMs)
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->Update(dtMs);
}

void DrawPanel()
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->DrawPanel();
}

void DrawAlerts()
{
    if (InterfaceMenu* pMenu = Menu()) {
        pMenu->DrawItemAlert();
        pMenu->DrawQuestAlert();
    }
}

CoreTexture* GetHeldItemIcon()
{
    const int32_t iCell = GetSelectedCell();
    return iCell >= 0 ? ShownInventory()->GetItemDisplayData(iCell) : nullptr;
}

void SetTab(int32_t iTab)
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->SetCurrentTab(iTab);
}

int32_t GetSelectedCell()
{
    const Inventory* pInventory = ShownInventory();
    return pInventory && pInventory->GetSelectedItem() != 0 ? pInventory->GetSelectedCell() : -1;
}

uint32_t GetItemId(int32_t iCell)
{
    const Inventory* pInventory = ShownInventory();
    if (pInventory == nullptr || iCell < 0 || iCell >= INVENTORY_CELLS)
        return 0;
    return pInventory->GetCells()[iCell];
}

const char* GetItemName(int32_t iCell)
{
    const uint32_t uItemId = GetItemId(iCell);
    if (uItemId == 0)
        return nullptr;
    return g_oDkLocalizer.GetText(static_cast<uint32_t>(Id::GetItemHashA(uItemId)));
}

void ClearItemSelection()
{
    if (Inventory* pInventory = ShownInventory())
        pInventory->ResetSelection();
}

void Load()
{
    InterfaceMenu* pMenu = Menu();
    const bool bGoodInitialization = pMenu == nullptr || pMenu->Load();
    ENGINE_ASSERT(bGoodInitialization);
}

void Unload()
{
    if (InterfaceMenu* pMenu = Menu())
        pMenu->Unload();
}

bool UpdateMap()
{
    InterfaceMenu* pMenu = Menu();
    return pMenu == nullptr || pMenu->GetMap().UpdateMap();
}

void UpdateHeroInventory()
{
    if (AdventureManager* pAdventure = AdventureManager::GetInstance())
        pAdventure->UpdateHeroInventory();
}

} // namespace InGameMenu
