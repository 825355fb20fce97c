#include "Scripts/Common/InventoryScript.h"

#include "Common/GameInterface.h"
#include "Error/EngineAssert.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Scripts/Common/CombineSelection.h"

#include <algorithm>
#include <utility>

namespace {

// Item ids carry the top bit: the table's order and its searches compare them
// as signed numbers.
int32_t Signed(uint32_t uItemId)
{
    return static_cast<int32_t>(uItemId);
}

int32_t First(const ItemCombination& oRow)
{
    return Signed(oRow.m_uItem1);
}

// Whether the row uses the item up: the flag that stands beside it.
uint32_t ConsumeFlagOf(const ItemCombination& oRow, uint32_t uItemId)
{
    return uItemId == oRow.m_uItem1 ? oRow.m_uConsume1 : oRow.m_uConsume2;
}

} // namespace

InventoryScript::InventoryScript()
{
    std::ranges::copy(GetStoredCombinations(), m_aCombinations);
}

void InventoryScript::Init()
{
    NormalizeCombinations();
}

void InventoryScript::Update(uint32_t dt)
{
    UpdateCombineState(dt);
}

void InventoryScript::ReleaseSounds()
{
}

void InventoryScript::NormalizeCombinations()
{
    for (ItemCombination& oRow : m_aCombinations) {
        if (Signed(oRow.m_uItem1) > Signed(oRow.m_uItem2)) {
            std::swap(oRow.m_uItem1, oRow.m_uItem2);
            std::swap(oRow.m_uConsume1, oRow.m_uConsume2);
        }
    }
    // Passes over the neighbours until one swaps nothing.
    bool bSwapped = true;
    while (bSwapped) {
        bSwapped = false;
        for (int index = 0; index + 1 < NB_ITEM_COMBINATIONS; ++index) {
            if (First(m_aCombinations[index + 1]) < First(m_aCombinations[index])) {
                std::swap(m_aCombinations[index], m_aCombinations[index + 1]);
                bSwapped = true;
            }
        }
    }
}

void InventoryScript::UpdateCombineState(uint32_t)
{
    ComputeCanCombine();
}

void InventoryScript::ComputeCanCombine()
{
    if (m_pSelection == nullptr)
        return;
    bool bCanCombine = false;
    ScriptSceneLink& oScene = GetScriptSceneLink();
    if (oScene.HasScene() && oScene.IsInMenuState()) {
        const uint32_t a = m_pSelection->GetPickedItem();
        const uint32_t b = m_pSelection->GetPointedItem();
        bCanCombine = a != 0 && b != 0 && a != b && FindCombination(a, b) != nullptr;
    }
    m_pSelection->SetCanCombine(bCanCombine);
}

const ItemCombination* InventoryScript::FindCombination(uint32_t a, uint32_t b) const
{
    int32_t iKey = std::min(Signed(a), Signed(b));
    int32_t iOther = std::max(Signed(a), Signed(b));
    if (iKey == 0)
        std::swap(iKey, iOther);

    // The last row whose first item is not above the key.
    int lo = 0;
    int hi = NB_ITEM_COMBINATIONS;
    int mid = (lo + hi) / 2;
    while (mid != lo) {
        if (iKey >= First(m_aCombinations[mid]))
            lo = mid;
        else
            hi = mid;
        mid = (lo + hi) / 2;
    }
    if (First(m_aCombinations[mid]) != iKey)
        return nullptr;
    while (mid > 0 && First(m_aCombinations[mid - 1]) == iKey)
        --mid;
    if (b == 0)
        return &m_aCombinations[mid];
    for (int index = mid; index < NB_ITEM_COMBINATIONS && First(m_aCombinations[index]) == iKey; ++index) {
        if (Signed(m_aCombinations[index].m_uItem2) == iOther)
            return &m_aCombinations[index];
    }
    return nullptr;
}

bool InventoryScript::CombineItem(GameInterface* g, uint32_t a, uint32_t b, EventDesc* out) const
{
    const ItemCombination* pRow = FindCombination(a, b);
    if (pRow == nullptr || g == nullptr || out == nullptr)
        return false;

    // The cell of the item removed last, where the made item goes.
    int32_t iCell = -1;
    if (pRow->m_uConsume1 == 0) {
        // The row's first item is kept.
        iCell = a == pRow->m_uItem1 ? g->RemoveItem(b, static_cast<int32_t>(pRow->m_uConsume2), -1)
                                    : g->RemoveItem(a, 0, -1);
    } else if (pRow->m_uConsume2 == 0) {
        // The row's second item is kept.
        iCell = a == pRow->m_uItem2 ? g->RemoveItem(b, static_cast<int32_t>(pRow->m_uConsume1), -1)
                                    : g->RemoveItem(a, 0, -1);
    } else {
        g->RemoveItem(a, static_cast<int32_t>(ConsumeFlagOf(*pRow, a)), -1);
        iCell = g->RemoveItem(b, static_cast<int32_t>(ConsumeFlagOf(*pRow, b)), -1);
    }
    if (pRow->m_uResult != 0)
        g->AddItem(pRow->m_uResult, static_cast<int32_t>(pRow->m_uResultFlag), iCell);

    BuildEvent(out, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, Signed(a), ID_PARAMETER_TYPE_ITEM, Signed(b));
    return true;
}
