#pragma once
#include <cstdint>
#include <span>

constexpr int32_t INVENTORY_WIDTH = 10;
constexpr int32_t INVENTORY_HEIGHT = 3;
constexpr int32_t INVENTORY_CELLS = INVENTORY_WIDTH * INVENTORY_HEIGHT;
constexpr int32_t INVENTORY_INVALID_SLOT = -1;
constexpr uint32_t ITEM_DOUBLOON = 0x8E740AEA;
// The first cell of the row of ten that holds the cell; 0 for no cell.
constexpr int32_t InventoryRowStart(int32_t iCell)
{
    return iCell >= 0 ? iCell / INVENTORY_WIDTH * INVENTORY_WIDTH : 0;
}
// The most doubloons a character can hold.
constexpr int32_t MAX_DOUBLOONS = 99;

// The inventory of one playing character: 30 cells of item ids in rows of
// ten, 0 for an empty cell. How many doubloons are held is kept in the game
// variable VARINT_INV_DOUBLOON; the doubloon takes one cell.
class InventoryData {
public:
    using Cells = std::span<uint32_t, INVENTORY_CELLS>;

    // Puts the item into the preferred cell when it is empty, else into a
    // cell that holds the same item, else into the first empty cell; a
    // doubloon adds the count to the counter (at most 99). The cell used, or
    // INVENTORY_INVALID_SLOT (after the assert) when every cell holds
    // another item: nothing is stored.
    static int32_t AddItem(Cells cells, uint32_t uItemId, int32_t iCount, int32_t iCell);
    // Empties the item's cell: the given one when it holds the item, else
    // the first that does; a doubloon takes the count off the counter (not
    // below 0) and keeps its cell while any are left. The cell, or
    // INVENTORY_INVALID_SLOT (logged) when the item is not there.
    static int32_t RemoveItem(Cells cells, uint32_t uItemId, int32_t iCell, int32_t iCount);
    // Whether a cell holds the item.
    static bool Holds(std::span<const uint32_t, INVENTORY_CELLS> cells, uint32_t uItemId);

    InventoryData() { Reset(); }
    void Reset();

    int32_t AddItem(uint32_t uItemId, int32_t iCount, int32_t iCell)
    {
        return AddItem(m_aCells, uItemId, iCount, iCell);
    }
    int32_t RemoveItem(uint32_t uItemId, int32_t iCell, int32_t iCount)
    {
        return RemoveItem(m_aCells, uItemId, iCell, iCount);
    }

    uint32_t m_aCells[INVENTORY_CELLS];
};

static_assert(sizeof(InventoryData) == 120);
