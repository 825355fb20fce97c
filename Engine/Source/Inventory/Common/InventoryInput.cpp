// The inventory tab's frame: press, drag and drop of items, the page arrows
// and the doubloon counts.
#include "Common/GameLink.h"
#include "Common/ItemIds.h"
#include "Common/VarIds.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/InterfaceMenuServices.h"
#include "Inventory/Common/Inventory.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/SceneEventParams.h"
#include "ScriptEngine/common/EventDesc.h"

#include <algorithm>

namespace {

const char* ItemName(uint32_t uItemId)
{
    const char* name = Id::GetItemName(uItemId);
    return name ? name : "";
}

} // namespace

void Inventory::Update(uint32_t dtMs)
{
    m_iPreviousPointedCell = m_iPointedCell;
    m_iPreviousHeldCell = m_iHeldCell;
    m_iPreviousSelectedCell = m_iSelectedCell;
    m_iPreviousPageStart = m_iPageStart;

    if (!GetInterfaceMenuServices().IsGameBusy()) {
        uint32_t pointer;
        if (InputEventActiveAt(InputEventId_MenuPointerPressed, pointer))
            HandlePress(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
        else if (InputEventActive(InputEventId_InventoryNextPage) && IsArrowVisible(BUTTON_NEXT_PAGE))
            FlipPage(INVENTORY_PAGE_CELLS);
        else if (InputEventActive(InputEventId_InventoryPreviousPage) && IsArrowVisible(BUTTON_PREVIOUS_PAGE))
            FlipPage(-INVENTORY_PAGE_CELLS);
        if (m_iSelectedCell != -1 && InputEventActiveAt(InputEventId_MenuPointerHeld, pointer))
            HandleHeld(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer), dtMs);
        if (InputEventActiveAt(InputEventId_PointerMoved, pointer))
            HandlePointerMoved(pointer != INPUT_NO_POINTER, InputPointerVirtualX(pointer),
                               InputPointerVirtualY(pointer));
        if (m_iSelectedCell != -1 && InputEventActiveAt(InputEventId_MenuPointerReleased, pointer))
            HandleRelease(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
    }
    UpdateDoubloonCounts();
}

void Inventory::FlipPage(int32_t iDelta)
{
    // The arrows' flags are only kept while loaded: the page never leaves the
    // three rows whatever they say.
    m_iPageStart = std::clamp(m_iPageStart + iDelta, 0, INVENTORY_CELLS - INVENTORY_PAGE_CELLS);
    RefreshItemTextures();
    m_iHeldCell = -1;
}

void Inventory::HandlePress(fx32 x, fx32 y)
{
    m_iPointedCell = -1;
    if (HitsArrow(BUTTON_NEXT_PAGE, x, y) && IsArrowVisible(BUTTON_NEXT_PAGE)) {
        FlipPage(INVENTORY_PAGE_CELLS);
        return;
    }
    if (HitsArrow(BUTTON_PREVIOUS_PAGE, x, y) && IsArrowVisible(BUTTON_PREVIOUS_PAGE)) {
        FlipPage(-INVENTORY_PAGE_CELLS);
        return;
    }
    m_iSelectedCell = CellAt(x, y);
    if (m_iSelectedCell == -1)
        return;
    m_bLeftInventory = 0;
    if (m_oCells.m_aCells[m_iSelectedCell] == 0) {
        m_iSelectedCell = -1;
        m_iHeldCell = -1;
    } else {
        m_iHeldCell = m_iSelectedCell;
    }
}

void Inventory::HandleHeld(fx32 x, fx32 y, uint32_t dtMs)
{
    if (!IsInInventoryArea(x, y) && !m_bLeftInventory) {
        // Once per drag: the scene carries the item from here on.
        m_bLeftInventory = 1;
        GetInterfaceMenuServices().PostSceneEvent(SCENE_EVENT_DRAG_ITEM);
        m_iHeldCell = -1;
    }
    m_iPointedCell = CellAt(x, y);
    int32_t iArrow = -1;
    if (HitsArrow(BUTTON_NEXT_PAGE, x, y))
        iArrow = BUTTON_NEXT_PAGE;
    else if (HitsArrow(BUTTON_PREVIOUS_PAGE, x, y))
        iArrow = BUTTON_PREVIOUS_PAGE;
    if (iArrow == -1) {
        // Reaching an arrow flips at once, then every half second.
        m_fxPageFlipTimer = PAGE_FLIP_DELAY;
        return;
    }
    if (m_fxPageFlipTimer < PAGE_FLIP_DELAY) {
        m_fxPageFlipTimer += static_cast<fx32>((static_cast<uint64_t>(dtMs) << FX32_SHIFT) / 1000);
        return;
    }
    if (IsArrowVisible(iArrow))
        FlipPage(iArrow == BUTTON_NEXT_PAGE ? INVENTORY_PAGE_CELLS : -INVENTORY_PAGE_CELLS);
    m_fxPageFlipTimer = 0;
}

void Inventory::HandlePointerMoved(bool bInWindow, fx32 x, fx32 y)
{
    bool bPreviousLit = false;
    bool bNextLit = false;
    if (bInWindow) {
        m_iPointedCell = CellAt(x, y);
        if (HitsArrow(BUTTON_PREVIOUS_PAGE, x, y) && IsArrowVisible(BUTTON_PREVIOUS_PAGE))
            bPreviousLit = true;
        else if (HitsArrow(BUTTON_NEXT_PAGE, x, y) && IsArrowVisible(BUTTON_NEXT_PAGE))
            bNextLit = true;
    }
    ShowButton(BUTTON_PREVIOUS_PAGE_LIT, bPreviousLit);
    ShowButton(BUTTON_NEXT_PAGE_LIT, bNextLit);
}

void Inventory::HandleRelease(fx32 x, fx32 y)
{
    const int32_t iTarget = CellAt(x, y);
    const uint32_t uDragged = m_oCells.m_aCells[m_iSelectedCell];
    if (iTarget == -1) {
        SetPageStart(InventoryRowStart(m_iHeldCell));
    } else if (m_oCells.m_aCells[iTarget] == 0) {
        m_oCells.m_aCells[iTarget] = uDragged;
        ExchangeItemTextures(m_iSelectedCell, iTarget);
        m_oCells.m_aCells[m_iSelectedCell] = 0;
        m_iHeldCell = iTarget;
    } else if (m_oCells.m_aCells[iTarget] != uDragged) {
        CombineOnto(iTarget);
    }
    m_iSelectedCell = -1;
    m_iHeldCell = -1;
}

void Inventory::CombineOnto(int32_t iTarget)
{
    InterfaceMenuServices& services = GetInterfaceMenuServices();
    const uint32_t uDragged = m_oCells.m_aCells[m_iSelectedCell];
    const uint32_t uTarget = m_oCells.m_aCells[iTarget];
    EventDesc event {};
    if (m_bCanCombine && iTarget == m_iPointedCell && services.CombineItems(uDragged, uTarget, &event)) {
        const bool bExecuted = services.FireEvent(event);
        CorePrint(&g_oCoreLog, "GAME[%s]:", GetGameLink().GetClockString());
        CorePrint(&g_oCoreLog, "CombineItem \"%s\" with \"%s\" [executed:%d]\n", ItemName(uDragged), ItemName(uTarget),
                  bExecuted ? 1 : 0);
        return;
    }
    services.PlayEffect(REFUSAL_SOUND);
}

void Inventory::UpdateDoubloonCounts()
{
    const int32_t iDoubloons = g_VarManager.GetInt(VARINT_INV_DOUBLOON);
    bool bChanged = false;
    for (int32_t k = 0; k < INVENTORY_PAGE_CELLS; ++k) {
        const int32_t iCount = m_oCells.m_aCells[m_iPageStart + k] == ITEM_DOUBLOON ? iDoubloons : 0;
        bChanged = bChanged || iCount != m_aiDoubloonCounts[k];
        m_aiDoubloonCounts[k] = iCount;
    }
    m_bCountsChanged = bChanged ? 1 : 0;
}
