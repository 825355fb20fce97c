// The icons of the inventory's items: textures named after the items.
#include "Common/ItemIds.h"
#include "Hash/CoreCrc32.h"
#include "Error/EngineAssert.h"
#include "Inventory/Common/Inventory.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <cctype>
#include <cstdio>
#include <utility>

namespace {

bool IsCell(int32_t iCell)
{
    return iCell >= 0 && iCell < INVENTORY_CELLS;
}

// The item's id name in lower case ("item_dull_plate"); false for an item
// the id table does not know.
bool IconName(uint32_t uItemId, char (&name)[CORE_TEXTURE_NAME_SIZE])
{
    const char* idName = Id::GetItemName(uItemId);
    if (idName == nullptr)
        return false;
    std::snprintf(name, sizeof name, "%s", idName);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return true;
}

// The icon's texture, or null. The manager reports a miss only when `report`
// is set.
CoreTexture* FindIcon(uint32_t uItemId, char (&name)[CORE_TEXTURE_NAME_SIZE], bool report)
{
    if (!IconName(uItemId, name) || g_pTextureManager == nullptr)
        return nullptr;
    if (report)
        return g_pTextureManager->GetTextureByName(name);
    Nubra::BinarySearchTree::Avl32& map = g_pTextureManager->m_oTextureMap;
    const auto found = map.Lookup(CoreCrc32::HashString(name));
    return found != map.NotFoundValue() ? reinterpret_cast<CoreTexture*>(found) : nullptr;
}

} // namespace

CoreTexture* Inventory::GetItemDisplayData(int32_t iSlot) const
{
    // Bounded by the cells: a stale selection can never read past them.
    ENGINE_ASSERT(iSlot>=0 && iSlot<INVENTORY_CELLS);
    return IsCell(iSlot) ? m_ahIcons[iSlot] : nullptr;
}

void Inventory::ExchangeItemTextures(int32_t iItem1, int32_t iItem2)
{
    ENGINE_ASSERT((0<=iItem1) && (INVENTORY_WIDTH*INVENTORY_HEIGHT > iItem1));
    ENGINE_ASSERT((0<=iItem2) && (INVENTORY_WIDTH*INVENTORY_HEIGHT > iItem2));
    if (IsCell(iItem1) && IsCell(iItem2))
        std::swap(m_ahIcons[iItem1], m_ahIcons[iItem2]);
}

void Inventory::AddItemPlatform(int32_t iCell)
{
    if (!m_bLoaded || !IsCell(iCell))
        return;
    char name[CORE_TEXTURE_NAME_SIZE] = {};
    CoreTexture* hIcon = FindIcon(m_oCells.m_aCells[iCell], name, true);
    ENGINE_ASSERT_MSG(hIcon != nullptr, "missing item \"%s\"\n", name);
    m_ahIcons[iCell] = hIcon;
}

void Inventory::RefreshItemTextures()
{
    if (!m_bLoaded)
        return;
    for (int32_t iCell = 0; iCell < INVENTORY_CELLS; ++iCell) {
        if (m_oCells.m_aCells[iCell] == 0)
            continue;
        char name[CORE_TEXTURE_NAME_SIZE] = {};
        if (CoreTexture* hIcon = FindIcon(m_oCells.m_aCells[iCell], name, false))
            m_ahIcons[iCell] = hIcon;
    }
    UpdateButtons();
}
