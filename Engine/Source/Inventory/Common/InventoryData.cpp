#include "Inventory/Common/InventoryData.h"

#include "Common/ItemIds.h"
#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsCell(int32_t iCell)
{
    return iCell >= 0 && iCell < INVENTORY_CELLS;
}

int32_t FindItem(std::span<const uint32_t, INVENTORY_CELLS> cells, uint32_t uItemId)
{
    const auto found = std::ranges::find(cells, uItemId);
    return found == cells.end() ? INVENTORY_INVALID_SLOT : static_cast<int32_t>(found - cells.begin());
}

} // namespace

void InventoryData::Reset()
{
    std::ranges::fill(m_aCells, 0u);
}

bool InventoryData::Holds(std::span<const uint32_t, INVENTORY_CELLS> cells, uint32_t uItemId)
{
    return uItemId != 0 && FindItem(cells, uItemId) != INVENTORY_INVALID_SLOT;
}

int32_t InventoryData::AddItem(Cells cells, uint32_t uItemId, int32_t iCount, int32_t iCell)
{
    int32_t iSelectedCell = IsCell(iCell) && cells[iCell] == 0 ? iCell : INVENTORY_INVALID_SLOT;
    if (iSelectedCell == INVENTORY_INVALID_SLOT)
        iSelectedCell = FindItem(cells, uItemId);
    if (iSelectedCell == INVENTORY_INVALID_SLOT)
        iSelectedCell = FindItem(cells, 0);
    // A full inventory stores nothing rather than write outside its cells.
    ENGINE_ASSERT(iSelectedCell!=INVENTORY_INVALID_SLOT);
    if (iSelectedCell == INVENTORY_INVALID_SLOT)
        return INVENTORY_INVALID_SLOT;
    cells[iSelectedCell] = uItemId;
    if (uItemId == ITEM_DOUBLOON) {
        const int64_t sum = static_cast<int64_t>(g_VarManager.GetInt(VARINT_INV_DOUBLOON)) + iCount;
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, static_cast<int32_t>(std::min<int64_t>(sum, MAX_DOUBLOONS)));
    }
    return iSelectedCell;
}

int32_t InventoryData::RemoveItem(Cells cells, uint32_t uItemId, int32_t iCell, int32_t iCount)
{
    // A cell that does not hold the item is searched for it instead, so that
    // a stale cell never empties another item.
    if (!IsCell(iCell) || uItemId == 0 || cells[iCell] != uItemId)
        iCell = uItemId == 0 ? INVENTORY_INVALID_SLOT : FindItem(cells, uItemId);
    if (iCell == INVENTORY_INVALID_SLOT) {
        const char* name = Id::GetItemName(uItemId);
        CorePrint(&g_oCoreLog, "RemoveItem from inventory: item(%s) not found\n", name ? name : "");
        return INVENTORY_INVALID_SLOT;
    }
    if (uItemId == ITEM_DOUBLOON) {
        const int64_t left = static_cast<int64_t>(g_VarManager.GetInt(VARINT_INV_DOUBLOON)) - iCount;
        const int32_t count = static_cast<int32_t>(std::clamp<int64_t>(left, 0, INT32_MAX));
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, count);
        if (count != 0)
            return iCell;
    }
    cells[iCell] = 0;
    return iCell;
}
