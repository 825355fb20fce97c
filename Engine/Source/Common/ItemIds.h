#pragma once
#include <cstdint>
#include <span>

using ItemId = uint32_t;

struct ItemIdRow {
    ItemId m_uId;
    const char* m_pName;
};

struct ItemTextRow {
    ItemId m_uId;
    uint32_t m_uNameTextId;
    uint32_t m_uDescriptionTextId;
};

namespace Id {

std::span<const ItemIdRow> GetItemTable();
std::span<const ItemTextRow> GetItemTextTable();
// Index in the table, -1 when unknown (the id 0 and ITEM_LAST give -1).
int GetItemIndex(uint32_t iItemId);
// The name with "ITEM_", or null.
const char* GetItemName(uint32_t iItemId);
// The text id of the item's name / description, -1 when unknown.
int32_t GetItemHashA(uint32_t iItemId);
int32_t GetItemHashB(uint32_t iItemId);

} // namespace Id

// The number of items.
extern const int ITEM_LAST;
