#pragma once
#include "Interface/Common/InterfacePanel.h"
#include "Inventory/Common/InventoryData.h"
#include "Scripts/Common/CombineSelection.h"

#include <cstdint>

// One page of the inventory tab: ten cells in two lines of five.
constexpr int32_t INVENTORY_PAGE_CELLS = 10;
constexpr int32_t INVENTORY_PAGE_COLUMNS = 5;

// The inventory tab of the in-game menu: the live inventory of the character
// the menu shows, three pages of ten cells. A press picks an item up; a drop
// on an empty cell moves it, on another item combines the two through the
// inventory script, and outside the inventory area hands it to the scene,
// which carries it on the cursor to a hotspot.
class Inventory : public InterfacePanel, public CombineSelection {
public:
    // The sound of a drop on an item that does not combine.
    static constexpr int32_t REFUSAL_SOUND = 0x13B761B9;
    // Half a second between page flips while an item is held on an arrow.
    static constexpr fx32 PAGE_FLIP_DELAY = 2048;

    bool Init() override;
    void Term() override;
    bool Load() override;
    void Unload() override;
    void Draw() override;
    // The press, drag and drop of items and the page arrows.
    void Update(uint32_t dtMs) override;
    void DrawText() override;
    bool IsDirty() override;
    void UpdateButtons() override;
    void ClearSelection() override;
    void Deactivate() override;
    int32_t GetCursorTargets(CoreFxVec2* pTargets, int32_t iMax) override;

    // For scripts: shows the inventory tab, adds the item, pages to its cell
    // and starts the menu's new-item alert. The cell, or -1 when the
    // inventory is full.
    int32_t AddItem(uint32_t uItemId, int32_t iCount, int32_t iCell);
    // Removes through the inventory data; the cell, or -1.
    int32_t RemoveItem(uint32_t uItemId, int32_t iCount, int32_t iCell);
    // The 30 cells of another character or of a restored slot.
    void SetItems(std::span<const uint32_t, INVENTORY_CELLS> items);
    // The carried item was used on a hotspot or put back.
    void ResetSelection();
    // A script took the picked-up item away: nothing is picked up any more.
    void DropPickedItem()
    {
        m_iSelectedCell = -1;
        m_iHeldCell = -1;
    }
    // The icon of a cell's item; null for a cell outside the 30 or without an
    // icon.
    CoreTexture* GetItemDisplayData(int32_t iCell) const;
    void ExchangeItemTextures(int32_t iCell1, int32_t iCell2);
    // Fetches one cell's icon (the item's lower-case id name); a missing one
    // is reported.
    void AddItemPlatform(int32_t iCell);
    // Fetches every held item's icon, keeping the old one when it is
    // missing, then shows the arrows of the page.
    void RefreshItemTextures();
    // The shown cell under the point, or -1.
    int32_t CellAt(fx32 x, fx32 y) const;
    // Whether the point lies in the area that an item is dragged out of.
    static bool IsInInventoryArea(fx32 x, fx32 y);
    // The top-left corner of a shown cell (0..9 on the page).
    static CoreFxVec2 GetCellPosition(int32_t iPageCell);

    // What the inventory script reads and writes.
    uint32_t GetPickedItem() override;
    uint32_t GetPointedItem() override;
    void SetCanCombine(bool bCanCombine) override { m_bCanCombine = bCanCombine ? 1 : 0; }

    std::span<const uint32_t, INVENTORY_CELLS> GetCells() const { return m_oCells.m_aCells; }
    std::span<uint32_t, INVENTORY_CELLS> GetCells() { return m_oCells.m_aCells; }
    int32_t GetPageStart() const { return m_iPageStart; }
    int32_t GetSelectedCell() const { return m_iSelectedCell; }
    int32_t GetHeldCell() const { return m_iHeldCell; }
    int32_t GetPointedCell() const { return m_iPointedCell; }
    bool HasLeftInventory() const { return m_bLeftInventory != 0; }
    // The item of the selected cell, 0 for none.
    uint32_t GetSelectedItem() const;

private:
    void FlipPage(int32_t iDelta);
    void SetPageStart(int32_t iPageStart);
    void HandlePress(fx32 x, fx32 y);
    void HandleHeld(fx32 x, fx32 y, uint32_t dtMs);
    void HandlePointerMoved(bool bInWindow, fx32 x, fx32 y);
    void HandleRelease(fx32 x, fx32 y);
    void CombineOnto(int32_t iTarget);
    void UpdateDoubloonCounts();
    bool IsArrowVisible(int32_t iEntry) const;
    bool HitsArrow(int32_t iEntry, fx32 x, fx32 y) const;
    void ShowButton(int32_t iEntry, bool bShow);
    void PrintItemTexts();

    int32_t m_iPageStart = 0;
    int32_t m_iPreviousPageStart = 0;
    InventoryData m_oCells;
    int32_t m_aiDoubloonCounts[INVENTORY_PAGE_CELLS] = {};
    uint8_t m_bCountsChanged = 0;
    int32_t m_iSelectedCell = -1;
    int32_t m_iPreviousSelectedCell = -1;
    int32_t m_iHeldCell = -1;
    int32_t m_iPreviousHeldCell = -1;
    uint8_t m_bLeftInventory = 0;
    uint8_t m_bSelectionReset = 0;
    uint8_t m_bCanCombine = 0;
    int32_t m_iPointedCell = -1;
    int32_t m_iPreviousPointedCell = -1;
    fx32 m_fxPageFlipTimer = PAGE_FLIP_DELAY;
    uint8_t m_bLoaded = 0;
    CoreTexture* m_ahIcons[INVENTORY_CELLS] = {};
    CoreTexture* m_hCellBackground = nullptr;
};
