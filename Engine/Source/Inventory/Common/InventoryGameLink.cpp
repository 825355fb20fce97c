#include "Inventory/Common/InventoryGameLink.h"

#include "Interface/Common/InterfaceMenu.h"

namespace {

Inventory* ShownInventory()
{
    InterfaceMenu* pMenu = InterfaceMenu::GetInstance();
    return pMenu ? &pMenu->GetInventory() : nullptr;
}

constexpr int32_t PANEL_IDLE = 1;
constexpr int32_t PANEL_ITEM_PICKED = 2;

} // namespace

bool InventoryGameLink::Holds(uint32_t uItemId)
{
    const ::Inventory* pInventory = ShownInventory();
    return pInventory != nullptr && InventoryData::Holds(pInventory->GetCells(), uItemId);
}

void InventoryGameLink::Add(uint32_t uItemId, int32_t iAmount, int32_t iCell)
{
    if (::Inventory* pInventory = ShownInventory())
        pInventory->AddItem(uItemId, iAmount, iCell);
}

int32_t InventoryGameLink::Remove(uint32_t uItemId, int32_t iAmount, int32_t iCell)
{
    ::Inventory* pInventory = ShownInventory();
    return pInventory ? pInventory->RemoveItem(uItemId, iAmount, iCell) : INVENTORY_INVALID_SLOT;
}

int32_t InventoryGameLink::GetPanelState()
{
    const ::Inventory* pInventory = ShownInventory();
    return pInventory != nullptr && pInventory->GetSelectedCell() != -1 ? PANEL_ITEM_PICKED : PANEL_IDLE;
}

void InventoryGameLink::SetPanelState(int32_t iState)
{
    ::Inventory* pInventory = ShownInventory();
    if (pInventory != nullptr && iState == PANEL_IDLE)
        pInventory->DropPickedItem();
}
