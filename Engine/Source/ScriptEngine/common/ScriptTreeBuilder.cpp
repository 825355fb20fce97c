#include "ScriptEngine/common/ScriptTreeBuilder.h"

#include "Error/EngineAssert.h"

ScriptTreeBuilder::ScriptTreeBuilder(ScriptNodePool& oPool, ScriptNodeIndex iTop)
    : m_oPool(oPool), m_iTop(iTop), m_iCurrentNode(iTop)
{
}

void ScriptTreeBuilder::OpenMatch(const MatchExpr& oExpr)
{
    if (IsDiscarding()) {
        ++m_iNbRefusedOpen;
        return;
    }
    const int32_t iMark = m_oPool.GetNbAllocated();
    const ScriptNodeIndex iNode = m_oPool.AllocNode();
    if (iNode == NO_NODE || !m_oPool.Clone(iNode, oExpr)) {
        // The pool has already reported it; the block's contents go with it.
        m_oPool.Rewind(iMark);
        ++m_iNbRefusedOpen;
        return;
    }
    AddNode(iNode);
    m_iCurrentNode = iNode;
    m_bElseMode = 0;
}

void ScriptTreeBuilder::ElseMatch()
{
    if (IsDiscarding())
        return;
    ENGINE_ASSERT(m_oPool[m_iCurrentNode].m_iType == NodeType_Condition);
    if (m_oPool[m_iCurrentNode].m_iType == NodeType_Condition)
        m_bElseMode = 1;
    else
        m_bRefusedElse = true;
}

void ScriptTreeBuilder::EndMatch()
{
    if (m_iNbRefusedOpen > 0) {
        --m_iNbRefusedOpen;
        return;
    }
    m_bElseMode = 0;
    m_bRefusedElse = false;
    ENGINE_ASSERT_MSG(m_iCurrentNode != m_iTop, "_EndMatch without an open node\n");
    if (m_iCurrentNode != m_iTop)
        m_iCurrentNode = m_oPool[m_iCurrentNode].m_iParent;
}

void ScriptTreeBuilder::AddToQueue(int32_t iTargetId, int32_t iActionType, std::span<const ActionParameter> parameters)
{
    ActionDesc oAction = ActionDesc::MakeEmpty();
    oAction.m_iActionType = iActionType;
    oAction.m_iTargetId = iTargetId;
    const int iCount = static_cast<int>(parameters.size());
    ENGINE_ASSERT_MSG(iCount <= ACTION_PARAMETERS_MAX, "action %d with %d parameters refused\n", iActionType, iCount);
    if (iCount > ACTION_PARAMETERS_MAX)
        return;
    for (int iCounter = 0; iCounter < iCount; ++iCounter) {
        const ActionParameter& oParameter = parameters[iCounter];
        oAction.m_iParameterType[iCounter] = oParameter.m_iType;
        ENGINE_ASSERT(oAction.m_iParameterType[iCounter]<NB_PARAMETER_TYPE_ID);
        if (oParameter.m_iType == ID_PARAMETER_TYPE_BOOL)
            oAction.m_oParameter[iCounter] = oParameter.m_iValue != 0 ? 1 : 0;
        else if (oParameter.m_iType >= ID_PARAMETER_TYPE_INT && oParameter.m_iType < NB_PARAMETER_TYPE_ID)
            oAction.m_oParameter[iCounter] = oParameter.m_iValue;
    }
    if (IsDiscarding() || m_iCurrentNode == NO_NODE)
        return;
    const ScriptNodeIndex iNode = m_oPool.AllocNode();
    if (iNode == NO_NODE)
        return;
    m_oPool[iNode].m_iType = NodeType_Action;
    m_oPool[iNode].m_oAction = oAction;
    AddNode(iNode);
}

void ScriptTreeBuilder::AddNode(ScriptNodeIndex iNode)
{
    const ScriptNode& oCurrent = m_oPool[m_iCurrentNode];
    const bool bHasElse = oCurrent.m_iType == NodeType_Condition && oCurrent.m_oCondition.m_iElse != NO_NODE;
    if (m_bElseMode == 0 && !bHasElse)
        m_oPool.AddChild(m_iCurrentNode, iNode);
    else
        m_oPool.AddFailNode(m_iCurrentNode, iNode);
}
