#include "Common/GameInterfaceImpl.h"

#include "Managers/Common/VarManager.h"

GameInterfaceImpl g_oGameInterface;

GameInterfaceImpl::Inventory::~Inventory() = default;

bool GameInterfaceImpl::HasItem(uint32_t uItemId)
{
    return m_pInventory != nullptr && m_pInventory->Holds(uItemId);
}

void GameInterfaceImpl::AddItem(uint32_t uItemId, int32_t iAmount, int32_t iCell)
{
    if (m_pInventory != nullptr)
        m_pInventory->Add(uItemId, iAmount, iCell);
}

int32_t GameInterfaceImpl::RemoveItem(uint32_t uItemId, int32_t iAmount, int32_t iCell)
{
    if (m_pInventory == nullptr)
        return -1;
    const int32_t iRemovedCell = m_pInventory->Remove(uItemId, iAmount, iCell);
    // A selection may have pointed at the removed item: the tab drops it.
    const int32_t iState = m_pInventory->GetPanelState();
    if (iRemovedCell != -1 && (iState == 2 || iState == 3))
        m_pInventory->SetPanelState(1);
    return iRemovedCell;
}

VarSet* GameInterfaceImpl::GetVarManager()
{
    return &g_VarManager;
}

ScriptTree GameInterfaceImpl::GetScriptTree()
{
    return m_pScriptTree != nullptr ? *m_pScriptTree : ScriptTree {};
}
