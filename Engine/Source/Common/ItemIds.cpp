#include "Common/ItemIds.h"

#include "Common/IdSearch.h"
#include "Error/EngineAssert.h"

#include <iterator>

namespace {

const ItemIdRow s_aItems[] = {
#include "Common/ItemTable.inc"
};

const ItemTextRow s_aItemTexts[] = {
#include "Common/ItemTextTable.inc"
};

const ItemTextRow* FindItemText(uint32_t iItemId)
{
    for (const ItemTextRow& row : s_aItemTexts)
        if (row.m_uId == iItemId)
            return &row;
    return nullptr;
}

} // namespace

const int ITEM_LAST = static_cast<int>(std::size(s_aItems));

std::span<const ItemIdRow> Id::GetItemTable()
{
    return s_aItems;
}

std::span<const ItemTextRow> Id::GetItemTextTable()
{
    return s_aItemTexts;
}

int Id::GetItemIndex(uint32_t iItemId)
{
    if (iItemId == 0 || iItemId == static_cast<uint32_t>(ITEM_LAST))
        return -1;
    const std::span<const ItemIdRow> rows = s_aItems;
    const int middle = IdSearch::BisectFinal(rows, iItemId, [](const ItemIdRow& row) { return row.m_uId; });
    const uint32_t iFinalKey = rows[middle].m_uId;
    ENGINE_ASSERT(iFinalKey == iItemId);
    return iFinalKey == iItemId ? middle : -1;
}

const char* Id::GetItemName(uint32_t iItemId)
{
    const int index = GetItemIndex(iItemId);
    return index < 0 ? nullptr : s_aItems[index].m_pName;
}

int32_t Id::GetItemHashA(uint32_t iItemId)
{
    const ItemTextRow* pRow = FindItemText(iItemId);
    return pRow == nullptr ? -1 : static_cast<int32_t>(pRow->m_uNameTextId);
}

int32_t Id::GetItemHashB(uint32_t iItemId)
{
    const ItemTextRow* pRow = FindItemText(iItemId);
    return pRow == nullptr ? -1 : static_cast<int32_t>(pRow->m_uDescriptionTextId);
}
