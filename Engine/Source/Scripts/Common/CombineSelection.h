#pragma once
#include <cstdint>

// What the inventory script reads of the inventory tab every frame while the
// in-game menu is open, and the tab's flag that it writes: whether the
// picked-up item and the item under the pointer combine. The inventory tab
// implements it and attaches itself to the inventory script.
class CombineSelection {
public:
    virtual ~CombineSelection() = default;

    // The item in the picked-up cell and in the pointed cell; 0 for no cell
    // or an empty one.
    virtual uint32_t GetPickedItem() = 0;
    virtual uint32_t GetPointedItem() = 0;
    virtual void SetCanCombine(bool bCanCombine) = 0;
};
