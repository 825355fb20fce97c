#include "ScriptEngine/common/MatchExpression.h"

#include "Managers/Common/VarManager.h"

bool MatchExpr::IsValid() const
{
    if (m_iType == NodeType_Event)
        return true;
    if (m_iType != NodeType_Condition)
        return false;
    if (m_oCondition.m_iOp >= Op_And && m_oCondition.m_iOp <= Op_Not)
        return m_oCondition.m_pA != nullptr;
    return m_oCondition.m_iA != -1;
}

bool MatchExpr::EvalNode(const MatchCondition& oCondition, const VarSet& oVars)
{
    const int32_t value = oCondition.m_iValue;
    switch (oCondition.m_iOp) {
    case Op_And:
    case Op_Or:
    case Op_Xor: {
        // Both sides always run.
        const bool a = oCondition.m_pA != nullptr && EvalNode(*oCondition.m_pA, oVars);
        const bool b = oCondition.m_pB != nullptr && EvalNode(*oCondition.m_pB, oVars);
        if (oCondition.m_iOp == Op_And)
            return a && b;
        if (oCondition.m_iOp == Op_Or)
            return a || b;
        return a != b;
    }
    case Op_Not: return !(oCondition.m_pA != nullptr && EvalNode(*oCondition.m_pA, oVars));
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
