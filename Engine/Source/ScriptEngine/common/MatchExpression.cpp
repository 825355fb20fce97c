#include "ScriptEngine/common/MatchExpression.h"

#include "Error/EngineAssert.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptIds.h"

namespace {

// The report of an expression that cannot be evaluated reads "condition: FALSE".
constexpr bool FALSE = false;

// An And without operands: a condition that never holds.
MatchExpr NeverHolds()
{
    MatchExpr oExpr;
    oExpr.m_iType = NodeType_Condition;
    oExpr.m_iNbCondition = 1;
    return oExpr;
}

// Appends the condition tree of oFrom to oTo and returns the index of its
// top record there; operands move with the records.
int32_t AppendConditions(MatchExpr& oTo, const MatchExpr& oFrom)
{
    const int32_t iOffset = oTo.m_iNbCondition;
    for (int32_t index = 0; index < oFrom.m_iNbCondition; ++index) {
        MatchCondition oRecord = oFrom.m_aConditions[index];
        if (IsLogicOp(oRecord.m_iOp)) {
            if (oRecord.m_iA != NO_OPERAND)
                oRecord.m_iA += iOffset;
            if (oRecord.m_iB != NO_OPERAND)
                oRecord.m_iB += iOffset;
        }
        oTo.m_aConditions[oTo.m_iNbCondition++] = oRecord;
    }
    return iOffset;
}

bool IsUsableCondition(const MatchExpr& oExpr)
{
    return oExpr.IsValid() && oExpr.m_iType == NodeType_Condition && oExpr.m_iNbCondition > 0;
}

} // namespace

MatchExpr MatchExpr::Int(int32_t iVarId, int32_t iOp, int32_t iValue)
{
    MatchExpr oExpr;
    oExpr.m_iType = NodeType_Condition;
    oExpr.m_iNbCondition = 1;
    oExpr.m_aConditions[0] = {iOp, iVarId, NO_OPERAND, iValue};
    return oExpr;
}

MatchExpr MatchExpr::Bool(int32_t iVarId, uint8_t value)
{
    return Int(iVarId, Op_BoolEqual, value);
}

MatchExpr MatchExpr::Value(int32_t iValue)
{
    MatchExpr oExpr;
    oExpr.m_iType = NodeType_Value;
    oExpr.m_iValue = iValue;
    return oExpr;
}

MatchExpr MatchExpr::Event(const EventDesc& oPattern)
{
    MatchExpr oExpr;
    oExpr.m_iType = NodeType_Event;
    oExpr.m_oEvent = oPattern;
    return oExpr;
}

MatchExpr MatchExpr::MakeEvent0(int32_t iScriptableId)
{
    EventDesc oPattern;
    BuildEvent(&oPattern, TwEventType_Activate, 1, ID_PARAMETER_TYPE_SCRIPTABLE, EntityScriptableId(iScriptableId));
    return Event(oPattern);
}

MatchExpr MatchExpr::MakeEvent4(uint32_t uActorId, int32_t iEntityId)
{
    EventDesc oPattern;
    BuildEvent(&oPattern, TwEventType_Touch, 2, ID_PARAMETER_TYPE_SCRIPTABLE, EntityScriptableId(iEntityId),
               ID_PARAMETER_TYPE_SCRIPTABLE, ActorScriptableId(uActorId));
    return Event(oPattern);
}

MatchExpr MatchExpr::MakeEvent6(uint32_t uItemId1, uint32_t uItemId2)
{
    EventDesc oPattern;
    BuildEvent(&oPattern, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(uItemId1),
               ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(uItemId2));
    return Event(oPattern);
}

bool MatchExpr::IsValid() const
{
    if (m_iType == NodeType_Event)
        return true;
    return m_iType == NodeType_Condition && m_iNbCondition > 0 && m_aConditions[0].m_iA != NO_OPERAND;
}

bool MatchExpr::EvalCondition(const VarSet& oVars) const
{
    if (m_iType != NodeType_Condition || m_iNbCondition == 0)
        return false;
    const auto findCondition = [this](int32_t index) -> const MatchCondition* {
        return index > 0 && index < m_iNbCondition ? &m_aConditions[index] : nullptr;
    };
    return EvalNode(m_aConditions[0], oVars, findCondition);
}

bool MatchExpr::Eval(const MatchExpr& oExpr, const EventDesc& oEvent)
{
    switch (oExpr.m_iType) {
    case NodeType_Condition: return oExpr.EvalCondition(g_VarManager);
    case NodeType_Event: return EventDesc::MatchEvent(oEvent, oExpr.m_oEvent);
    default: ENGINE_ASSERT(FALSE); return false;
    }
}

bool MatchExpr::CompareVariable(const MatchCondition& oCondition, const VarSet& oVars)
{
    const int32_t value = oCondition.m_iValue;
    switch (oCondition.m_iOp) {
    case Op_IntLess: return oVars.GetInt(oCondition.m_iA) < value;
    case Op_IntEqual: return oVars.GetInt(oCondition.m_iA) == value;
    case Op_IntLessEqual: return oVars.GetInt(oCondition.m_iA) <= value;
    case Op_IntGreater: return oVars.GetInt(oCondition.m_iA) > value;
    case Op_IntNotEqual: return oVars.GetInt(oCondition.m_iA) != value;
    case Op_IntGreaterEqual: return oVars.GetInt(oCondition.m_iA) >= value;
    case Op_BoolEqual: return oVars.GetBool(oCondition.m_iA) == static_cast<uint8_t>(value & 0xFF);
    case Op_BoolNotEqual: return oVars.GetBool(oCondition.m_iA) != static_cast<uint8_t>(value & 0xFF);
    default: return false;
    }
}

bool MatchExpr::CombineLogic(int32_t iOp, const MatchCondition* pA, bool a, const MatchCondition* pB, bool b)
{
    switch (iOp) {
    case Op_And: return a && b;
    case Op_Or: return a || b;
    case Op_Xor:
        // Without both sides an exclusive or means nothing; holding would run
        // the block on half a test.
        ENGINE_ASSERT_MSG(pA != nullptr && pB != nullptr, "exclusive or without two operands\n");
        return pA != nullptr && pB != nullptr && a != b;
    case Op_Not: ENGINE_ASSERT_MSG(pA != nullptr, "not without an operand\n"); return pA != nullptr && !a;
    default: return false;
    }
}

MatchExpr MatchExpression(int32_t iOp, const MatchExpr& oExp0, const MatchExpr& oExp1)
{
    ENGINE_ASSERT_MSG(iOp==Op_And || iOp==Op_Or, "invalid logic operand");
    ENGINE_ASSERT_MSG(oExp0.IsValid(), "invalid expression");
    ENGINE_ASSERT_MSG(oExp1.IsValid(), "invalid expression");
    ENGINE_ASSERT(oExp0.m_iType==NodeType_Condition);
    ENGINE_ASSERT(oExp1.m_iType==NodeType_Condition);
    const bool bUse0 = IsUsableCondition(oExp0);
    const bool bUse1 = IsUsableCondition(oExp1);
    const int32_t iSize = 1 + (bUse0 ? oExp0.m_iNbCondition : 0) + (bUse1 ? oExp1.m_iNbCondition : 0);
    ENGINE_ASSERT_MSG(iSize <= MAX_MATCH_CONDITIONS, "condition of %d records is too long\n", iSize);
    if ((iOp != Op_And && iOp != Op_Or) || iSize > MAX_MATCH_CONDITIONS)
        return NeverHolds();

    MatchExpr oOut = NeverHolds();
    oOut.m_aConditions[0].m_iOp = iOp;
    if (bUse0)
        oOut.m_aConditions[0].m_iA = AppendConditions(oOut, oExp0);
    if (bUse1)
        oOut.m_aConditions[0].m_iB = AppendConditions(oOut, oExp1);
    return oOut;
}
