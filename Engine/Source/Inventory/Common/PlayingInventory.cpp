#include "Inventory/Common/PlayingInventory.h"

#include "Interface/Common/InterfaceMenu.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SceneManager.h"

#include <span>

namespace {

// The tab when the menu shows the playing character, else null.
Inventory* ShownInventory()
{
    InterfaceMenu* pMenu = InterfaceMenu::GetInstance();
    const uint32_t uPlaying = SceneManager::GetPlayingCharacter();
    if (pMenu == nullptr || uPlaying == 0 || pMenu->GetShownCharacter() != uPlaying)
        return nullptr;
    return &pMenu->GetInventory();
}

// The playing character's block of the current slot, or null.
uint32_t* SlotCells()
{
    AdventureManager* pAdventure = AdventureManager::GetInstance();
    const uint32_t uPlaying = SceneManager::GetPlayingCharacter();
    if (pAdventure == nullptr || uPlaying == 0)
        return nullptr;
    SaveSlotData* pSlot = pAdventure->GetSaveSlot(pAdventure->GetSaveSlotIndex());
    const int iInventory = AdventureManager::GetInventoryIndex(uPlaying);
    if (pSlot == nullptr || iInventory == -1)
        return nullptr;
    return pSlot->GetInventory(iInventory).data();
}

using Cells = std::span<uint32_t, INVENTORY_CELLS>;

} // namespace

namespace PlayingInventory {

void AddItem(uint32_t uItemId, int32_t iAmount)
{
    if (Inventory* pTab = ShownInventory()) {
        pTab->AddItem(uItemId, iAmount, INVENTORY_INVALID_SLOT);
        return;
    }
    if (uint32_t* cells = SlotCells())
        InventoryData::AddItem(Cells(cells, INVENTORY_CELLS), uItemId, iAmount, INVENTORY_INVALID_SLOT);
}

void RemoveItem(uint32_t uItemId, int32_t iAmount)
{
    if (Inventory* pTab = ShownInventory()) {
        // The picked-up item may be the one that goes.
        if (pTab->RemoveItem(uItemId, iAmount, INVENTORY_INVALID_SLOT) != INVENTORY_INVALID_SLOT)
            pTab->DropPickedItem();
        return;
    }
    if (uint32_t* cells = SlotCells())
        InventoryData::RemoveItem(Cells(cells, INVENTORY_CELLS), uItemId, INVENTORY_INVALID_SLOT, iAmount);
}

} // namespace PlayingInventory
