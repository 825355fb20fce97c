#pragma once
#include <cstdint>

// The scripts' add-item and remove-item actions: the playing character's
// inventory changes through the inventory tab when the in-game menu shows
// it (so the tab pages to a new item and raises its alert), otherwise in
// that character's block of the current save slot.
namespace PlayingInventory {

void AddItem(uint32_t uItemId, int32_t iAmount);
void RemoveItem(uint32_t uItemId, int32_t iAmount);

} // namespace PlayingInventory
