#pragma once
#include "Common/GameInterfaceImpl.h"

// The game interface's view of the inventory the in-game menu shows: the
// scripts' item tests, additions and removals go to the inventory tab. While
// no menu exists nothing is held and nothing changes.
class InventoryGameLink final : public GameInterfaceImpl::Inventory {
public:
    bool Holds(uint32_t uItemId) override;
    void Add(uint32_t uItemId, int32_t iAmount, int32_t iCell) override;
    int32_t Remove(uint32_t uItemId, int32_t iAmount, int32_t iCell) override;
    // 1 while no item is picked up, 2 while one is.
    int32_t GetPanelState() override;
    // 1 drops the picked-up item.
    void SetPanelState(int32_t iState) override;
};
