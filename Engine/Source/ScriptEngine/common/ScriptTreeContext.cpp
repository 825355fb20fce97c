#include "ScriptEngine/common/ScriptTreeContext.h"

#include "Adventure/Common/Scriptable.h"
#include "Adventure/Common/ScriptableServices.h"
#include "Common/GameInterface.h"
#include "Error/EngineAssert.h"

namespace {

Scriptable* FindTarget(int32_t iId)
{
    if (iId == ID_SCRIPTABLE_INVALID)
        return nullptr;
    return GetScriptableServices().FindScriptable(iId);
}

} // namespace

void ScriptTreeContext::Clear()
{
    m_oEvent = EventDesc::MakeEmpty();
    m_iCursor = NO_NODE;
    m_iNbFiredActions = 0;
}

void ScriptTreeContext::Start(const EventDesc& oEvent)
{
    Clear();
    m_oEvent = oEvent;
}

bool ScriptTreeContext::Step()
{
    const VarSet* pVars = m_pGameInterface != nullptr ? m_pGameInterface->GetVarManager() : nullptr;
    if (!m_oEvent.IsEmpty()) {
        bool bHalt = false;
        if (m_oTree.IsEmpty())
            m_iCursor = NO_NODE;
        else if (m_iCursor == NO_NODE)
            m_iCursor = (*m_oTree.m_pPool)[m_oTree.m_iRoot].m_iChild;
        else if (!CanResume())
            bHalt = true;
        else
            m_iCursor = NextNode(m_iCursor, true);

        while (m_iCursor != NO_NODE && !bHalt) {
            const bool bPassed = PassNode(m_iCursor, pVars, bHalt);
            if (!bHalt)
                m_iCursor = NextNode(m_iCursor, bPassed);
        }
        if (m_iCursor == NO_NODE)
            m_oEvent = EventDesc::MakeEmpty();
    }
    return AreActionsDone() && m_iCursor == NO_NODE;
}

bool ScriptTreeContext::PassNode(ScriptNodeIndex iNode, const VarSet* pVars, bool& bHalt)
{
    const ScriptNode& oNode = (*m_oTree.m_pPool)[iNode];
    switch (oNode.m_iType) {
    case NodeType_Condition: return pVars != nullptr && m_oTree.m_pPool->EvalCondition(iNode, *pVars);
    case NodeType_Event: return EventDesc::MatchEvent(oNode.m_oEvent, m_oEvent);
    case NodeType_Action:
        FireAction(oNode.m_oAction);
        bHalt = IsBlockingAction(oNode.m_oAction);
        return true;
    case NodeType_Value: return oNode.m_iValue == m_iValue;
    default: return true;
    }
}

ScriptNodeIndex ScriptTreeContext::NextNode(ScriptNodeIndex iNode, bool bPassed) const
{
    const ScriptNodePool& oPool = *m_oTree.m_pPool;
    const ScriptNode& oNode = oPool[iNode];
    if (bPassed && oNode.m_iChild != NO_NODE)
        return oNode.m_iChild;
    if (!bPassed && oNode.m_iType == NodeType_Condition && oNode.m_oCondition.m_iElse != NO_NODE)
        return oNode.m_oCondition.m_iElse;
    // The climb ends at the root: the walk never leaves its tree.
    while (oPool.Contains(iNode) && iNode != m_oTree.m_iRoot) {
        if (oPool[iNode].m_iNext != NO_NODE)
            return oPool[iNode].m_iNext;
        iNode = oPool[iNode].m_iParent;
    }
    return NO_NODE;
}

void ScriptTreeContext::FireAction(const ActionDesc& oAction)
{
    Scriptable* pTarget = FindTarget(oAction.m_iTargetId);
    if (pTarget != nullptr) {
        if (pTarget->IsIdle())
            pTarget->ExecuteAction(oAction);
        else
            pTarget->PushAction(oAction);
    } else if (oAction.m_iTargetId != ID_SCRIPTABLE_INVALID) {
        // Run as a global action it would be some other action entirely.
        ENGINE_ASSERT_MSG(oAction.m_iTargetId == ID_SCRIPTABLE_INVALID, "action %d for unknown scriptable %d dropped\n",
                          static_cast<int>(oAction.m_iActionType), static_cast<int>(oAction.m_iTargetId));
    } else if (m_pDispatch != nullptr) {
        m_pDispatch->StartAction(oAction);
    }

    ENGINE_ASSERT_MSG(m_iNbFiredActions < MAX_FIRED_ACTIONS, "fired action log full, action %d not logged\n",
                      static_cast<int>(oAction.m_iActionType));
    if (m_iNbFiredActions < MAX_FIRED_ACTIONS)
        m_aFiredActions[m_iNbFiredActions++] = oAction;
}

bool ScriptTreeContext::IsBlockingAction(const ActionDesc& oAction) const
{
    switch (oAction.m_iActionType) {
    case ID_ACTION_TYPE_WAIT_FOR: {
        const Scriptable* pWaitedFor = nullptr;
        if (oAction.m_iParameterType[0] == ID_PARAMETER_TYPE_SCRIPTABLE)
            pWaitedFor = FindTarget(oAction.m_oParameter[0]);
        if (pWaitedFor != nullptr)
            return !pWaitedFor->IsDone();
        return !AreActionsDone();
    }
    case ID_ACTION_TYPE_START_DIALOG: return true;
    default: return false;
    }
}

bool ScriptTreeContext::CanResume() const
{
    if (!AreActionsDone())
        return false;
    const bool bAfterDialog =
        m_iNbFiredActions > 0 && m_aFiredActions[m_iNbFiredActions - 1].m_iActionType == ID_ACTION_TYPE_START_DIALOG;
    return !(bAfterDialog && m_pDispatch != nullptr && m_pDispatch->IsDialogActive());
}

bool ScriptTreeContext::AreActionsDone() const
{
    for (int32_t index = 0; index < m_iNbFiredActions; ++index) {
        const Scriptable* pTarget = FindTarget(m_aFiredActions[index].m_iTargetId);
        if (pTarget != nullptr && !pTarget->IsDone())
            return false;
    }
    return true;
}
