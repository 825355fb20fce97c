#include "Inventory/Common/Inventory.h"

#include "Interface/Common/InterfaceMenu.h"
#include "Texture/CoreTextureManager.h"

#include <algorithm>

namespace {

constexpr fx32 U = FX32_ONE;
constexpr fx32 CELL_SIZE = 32 * U;
constexpr fx32 CELLS_LEFT = 60 * U;
constexpr fx32 CELLS_TOP = 49 * U;
constexpr fx32 CELLS_RIGHT = 220 * U;
constexpr fx32 CELLS_BOTTOM = 113 * U;
// The area an item is dragged out of, edges inside.
constexpr fx32 AREA_LEFT = 20 * U;
constexpr fx32 AREA_TOP = 20 * U;
constexpr fx32 AREA_RIGHT = 236 * U;
constexpr fx32 AREA_BOTTOM = 157 * U;

} // namespace

bool Inventory::Init()
{
    m_oCells.Reset();
    std::ranges::fill(m_aiDoubloonCounts, 0);
    m_iPageStart = m_iPreviousPageStart = 0;
    m_bCountsChanged = m_bLeftInventory = m_bSelectionReset = m_bCanCombine = 0;
    m_iSelectedCell = m_iPreviousSelectedCell = -1;
    m_iHeldCell = m_iPreviousHeldCell = -1;
    m_iPointedCell = m_iPreviousPointedCell = -1;
    m_fxPageFlipTimer = PAGE_FLIP_DELAY;
    return true;
}

void Inventory::Term()
{
    m_oCells.Reset();
}

bool Inventory::Load()
{
    InterfacePanel::Load();
    for (const int32_t iEntry :
         {BUTTON_PREVIOUS_PAGE_LIT, BUTTON_NEXT_PAGE_LIT, BUTTON_PREVIOUS_PAGE, BUTTON_NEXT_PAGE})
        m_pMenu->GetButton(iEntry).InitFromTable(iEntry);
    ShowButton(BUTTON_PREVIOUS_PAGE_LIT, false);
    ShowButton(BUTTON_NEXT_PAGE_LIT, false);
    m_hCellBackground = nullptr;
    if (g_pTextureManager != nullptr)
        m_hCellBackground = g_pTextureManager->GetTextureByName("s_inv_square_bg");
    m_bLoaded = 1;
    RefreshItemTextures();
    return true;
}

void Inventory::Unload()
{
    m_bLoaded = 0;
    for (const int32_t iEntry :
         {BUTTON_NEXT_PAGE, BUTTON_PREVIOUS_PAGE_LIT, BUTTON_NEXT_PAGE_LIT, BUTTON_PREVIOUS_PAGE})
        m_pMenu->GetButton(iEntry).DropTexture();
}

bool Inventory::IsDirty()
{
    const bool bDirty = m_bSelectionReset || m_bCountsChanged || m_iPointedCell != m_iPreviousPointedCell ||
                        m_iHeldCell != m_iPreviousHeldCell || m_iSelectedCell != m_iPreviousSelectedCell ||
                        m_iPageStart != m_iPreviousPageStart;
    m_bSelectionReset = 0;
    return bDirty;
}

void Inventory::UpdateButtons()
{
    if (m_iPageStart == 0) {
        ShowButton(BUTTON_PREVIOUS_PAGE, false);
        ShowButton(BUTTON_PREVIOUS_PAGE_LIT, false);
    } else {
        ShowButton(BUTTON_PREVIOUS_PAGE, true);
    }
    if (m_iPageStart == INVENTORY_CELLS - INVENTORY_PAGE_CELLS) {
        ShowButton(BUTTON_NEXT_PAGE, false);
        ShowButton(BUTTON_NEXT_PAGE_LIT, false);
    } else {
        ShowButton(BUTTON_NEXT_PAGE, true);
    }
}

void Inventory::ClearSelection()
{
    m_iHeldCell = -1;
}

void Inventory::Deactivate()
{
    if (m_iSelectedCell != -1)
        SetPageStart(InventoryRowStart(m_iSelectedCell));
    m_iSelectedCell = -1;
    m_iHeldCell = -1;
}

void Inventory::ResetSelection()
{
    m_bSelectionReset = 1;
    m_bLeftInventory = 0;
    if (m_iSelectedCell != -1)
        SetPageStart(InventoryRowStart(m_iSelectedCell));
    m_iSelectedCell = -1;
}

int32_t Inventory::AddItem(uint32_t uItemId, int32_t iCount, int32_t iCell)
{
    m_pMenu->SetCurrentTab(TAB_INVENTORY);
    const int32_t iAdded = InventoryData::AddItem(m_oCells.m_aCells, uItemId, iCount, iCell);
    if (iAdded == INVENTORY_INVALID_SLOT)
        return INVENTORY_INVALID_SLOT;
    SetPageStart(InventoryRowStart(iAdded));
    AddItemPlatform(iAdded);
    m_pMenu->StartItemAlert();
    return iAdded;
}

int32_t Inventory::RemoveItem(uint32_t uItemId, int32_t iCount, int32_t iCell)
{
    return InventoryData::RemoveItem(m_oCells.m_aCells, uItemId, iCell, iCount);
}

void Inventory::SetItems(std::span<const uint32_t, INVENTORY_CELLS> items)
{
    std::ranges::copy(items, m_oCells.m_aCells);
    for (int32_t iCell = 0; iCell < INVENTORY_CELLS; ++iCell) {
        if (m_oCells.m_aCells[iCell] != 0)
            AddItemPlatform(iCell);
    }
}

uint32_t Inventory::GetSelectedItem() const
{
    return m_iSelectedCell >= 0 && m_iSelectedCell < INVENTORY_CELLS ? m_oCells.m_aCells[m_iSelectedCell] : 0;
}

uint32_t Inventory::GetPickedItem()
{
    return GetSelectedItem();
}

uint32_t Inventory::GetPointedItem()
{
    return m_iPointedCell >= 0 && m_iPointedCell < INVENTORY_CELLS ? m_oCells.m_aCells[m_iPointedCell] : 0;
}

int32_t Inventory::CellAt(fx32 x, fx32 y) const
{
    if (!(x > CELLS_LEFT && x < CELLS_RIGHT && y > CELLS_TOP && y < CELLS_BOTTOM))
        return -1;
    const int32_t column = std::clamp((x - CELLS_LEFT) / CELL_SIZE, 0, INVENTORY_PAGE_COLUMNS - 1);
    const int32_t line = std::clamp((y - CELLS_TOP) / CELL_SIZE, 0, 1);
    return m_iPageStart + INVENTORY_PAGE_COLUMNS * line + column;
}

bool Inventory::IsInInventoryArea(fx32 x, fx32 y)
{
    return x >= AREA_LEFT && x <= AREA_RIGHT && y >= AREA_TOP && y <= AREA_BOTTOM;
}

CoreFxVec2 Inventory::GetCellPosition(int32_t iPageCell)
{
    return {CELLS_LEFT + CELL_SIZE * (iPageCell % INVENTORY_PAGE_COLUMNS),
            CELLS_TOP + CELL_SIZE * (iPageCell / INVENTORY_PAGE_COLUMNS)};
}

int32_t Inventory::GetCursorTargets(CoreFxVec2* pTargets, int32_t iMax)
{
    int32_t count = 0;
    for (int32_t k = 0; k < INVENTORY_PAGE_CELLS && count < iMax; ++k) {
        const CoreFxVec2 corner = GetCellPosition(k);
        pTargets[count++] = {corner.x + CELL_SIZE * 3 / 4, corner.y + CELL_SIZE * 3 / 4};
    }
    return count;
}

void Inventory::SetPageStart(int32_t iPageStart)
{
    if (iPageStart == m_iPageStart)
        return;
    m_iPageStart = iPageStart;
    RefreshItemTextures();
}

bool Inventory::IsArrowVisible(int32_t iEntry) const
{
    return m_pMenu->GetButton(iEntry).m_bVisible != 0;
}

bool Inventory::HitsArrow(int32_t iEntry, fx32 x, fx32 y) const
{
    return m_pMenu->GetButton(iEntry).HitTest(x, y, 0);
}

void Inventory::ShowButton(int32_t iEntry, bool bShow)
{
    m_pMenu->GetButton(iEntry).m_bVisible = bShow ? 1 : 0;
}
