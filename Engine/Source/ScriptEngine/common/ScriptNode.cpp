#include "ScriptEngine/common/ScriptNode.h"

#include "Error/EngineAssert.h"

namespace {

// The report of an operator that cannot be copied reads "condition: FALSE".
constexpr bool FALSE = false;

} // namespace

void ScriptNodePool::InitPool()
{
    ENGINE_ASSERT(m_pNodes==NULL);
    if (m_pNodes != nullptr)
        return;
    m_pNodes = std::make_unique<ScriptNode[]>(MAX_SCRIPTNODES);
    m_iNbNodeAllocated = 0;
}

void ScriptNodePool::TermPool()
{
    ENGINE_ASSERT(m_iNbNodeAllocated==0);
    ENGINE_ASSERT(m_pNodes!=NULL);
    m_pNodes.reset();
    m_iNbNodeAllocated = 0;
}

void ScriptNodePool::ResetPool()
{
    ENGINE_ASSERT(m_pNodes!=NULL);
    m_iNbNodeAllocated = 0;
}

ScriptNodeIndex ScriptNodePool::AllocNode()
{
    ENGINE_ASSERT_MSG(m_iNbNodeAllocated<MAX_SCRIPTNODES, "script node pool full (%d nodes)\n", MAX_SCRIPTNODES);
    ENGINE_ASSERT(m_pNodes!=NULL);
    if (m_iNbNodeAllocated >= MAX_SCRIPTNODES || m_pNodes == nullptr)
        return NO_NODE;
    const ScriptNodeIndex iNode = m_iNbNodeAllocated++;
    m_pNodes[iNode].Clear();
    return iNode;
}

void ScriptNodePool::Rewind(int32_t iMark)
{
    if (iMark >= 0 && iMark < m_iNbNodeAllocated)
        m_iNbNodeAllocated = iMark;
}

bool ScriptNodePool::Clone(ScriptNodeIndex iNode, const MatchExpr& oExpr)
{
    ENGINE_ASSERT(Contains(iNode));
    if (!Contains(iNode))
        return false;
    ScriptNode& oNode = m_pNodes[iNode];
    switch (oExpr.m_iType) {
    case NodeType_Condition: {
        const int32_t iMark = m_iNbNodeAllocated;
        if (oExpr.m_iNbCondition == 0 || !CloneCondition(iNode, oExpr, 0)) {
            Rewind(iMark);
            oNode.Clear();
            return false;
        }
        break;
    }
    case NodeType_Event: oNode.m_oEvent = oExpr.m_oEvent; break;
    case NodeType_Action: oNode.m_oAction = oExpr.m_oAction; break;
    case NodeType_Value: oNode.m_iValue = oExpr.m_iValue; break;
    default: break;
    }
    oNode.m_iType = oExpr.m_iType;
    return true;
}

bool ScriptNodePool::CloneCondition(ScriptNodeIndex iNode, const MatchExpr& oExpr, int32_t iRecord)
{
    const MatchCondition& oFrom = oExpr.m_aConditions[iRecord];
    // Operands are resolved in order, a before b, each into a fresh node.
    ScriptNodeIndex aOperands[2] = {NO_NODE, NO_NODE};
    const int32_t aRecords[2] = {oFrom.m_iA, oFrom.m_iOp == Op_Not ? NO_OPERAND : oFrom.m_iB};
    if (IsLogicOp(oFrom.m_iOp)) {
        for (int side = 0; side < 2; ++side) {
            const int32_t iSub = aRecords[side];
            if (iSub <= iRecord || iSub >= oExpr.m_iNbCondition)
                continue;
            aOperands[side] = AllocNode();
            if (aOperands[side] == NO_NODE || !CloneCondition(aOperands[side], oExpr, iSub))
                return false;
        }
    }

    ScriptNode& oNode = m_pNodes[iNode];
    oNode.m_iType = NodeType_Condition;
    oNode.m_oCondition = ScriptCondition {};
    MatchCondition& oTo = oNode.m_oCondition.m_oRecord;
    oTo.m_iOp = oFrom.m_iOp;
    if (IsLogicOp(oFrom.m_iOp)) {
        oTo.m_iA = aOperands[0];
        oTo.m_iB = aOperands[1];
    } else if (oFrom.m_iOp >= Op_IntLess && oFrom.m_iOp <= Op_IntGreaterEqual) {
        oTo.m_iA = oFrom.m_iA;
        oTo.m_iValue = oFrom.m_iValue;
    } else if (oFrom.m_iOp == Op_BoolEqual || oFrom.m_iOp == Op_BoolNotEqual) {
        oTo.m_iA = oFrom.m_iA;
        oTo.m_iValue = oFrom.m_iValue & 0xFF;
    } else {
        ENGINE_ASSERT_MSG(FALSE, "expression copy not implemented");
    }
    return true;
}

bool ScriptNodePool::EvalCondition(ScriptNodeIndex iNode, const VarSet& oVars) const
{
    if (!Contains(iNode) || m_pNodes[iNode].m_iType != NodeType_Condition)
        return false;
    const auto findCondition = [this](int32_t iSub) -> const MatchCondition* {
        if (!Contains(iSub) || m_pNodes[iSub].m_iType != NodeType_Condition)
            return nullptr;
        return &m_pNodes[iSub].m_oCondition.m_oRecord;
    };
    return MatchExpr::EvalNode(m_pNodes[iNode].m_oCondition.m_oRecord, oVars, findCondition);
}

void ScriptNodePool::AddChild(ScriptNodeIndex iParent, ScriptNodeIndex iNode)
{
    ScriptNode& oParent = m_pNodes[iParent];
    m_pNodes[iNode].m_iParent = iParent;
    m_pNodes[iNode].m_iNext = NO_NODE;
    if (oParent.m_iChild == NO_NODE) {
        oParent.m_iChild = iNode;
        return;
    }
    ScriptNodeIndex iLast = oParent.m_iChild;
    while (m_pNodes[iLast].m_iNext != NO_NODE)
        iLast = m_pNodes[iLast].m_iNext;
    m_pNodes[iLast].m_iNext = iNode;
}

void ScriptNodePool::AddFailNode(ScriptNodeIndex iCondition, ScriptNodeIndex iNode)
{
    ScriptNode& oCondition = m_pNodes[iCondition];
    ENGINE_ASSERT(oCondition.m_iType==NodeType_Condition);
    if (oCondition.m_iType != NodeType_Condition)
        return;
    m_pNodes[iNode].m_iParent = iCondition;
    m_pNodes[iNode].m_iNext = NO_NODE;
    if (oCondition.m_oCondition.m_iElse == NO_NODE) {
        oCondition.m_oCondition.m_iElse = iNode;
        return;
    }
    ScriptNodeIndex iLast = oCondition.m_oCondition.m_iElse;
    while (m_pNodes[iLast].m_iNext != NO_NODE)
        iLast = m_pNodes[iLast].m_iNext;
    m_pNodes[iLast].m_iNext = iNode;
}
