#pragma once
#include "ScriptEngine/common/ActionDesc.h"
#include "ScriptEngine/common/EventDesc.h"

#include <cstdint>

class VarSet;

enum NodeType : int32_t {
    NodeType_None = 0,
    NodeType_Condition = 1,
    NodeType_Event = 2,
    NodeType_Action = 3,
    NodeType_Value = 4,
};

// Condition operators: the logic ones combine sub-conditions, the others
// compare variable a with the value.
enum ConditionOp : int32_t {
    Op_And = 0,
    Op_Or = 1,
    Op_Xor = 2,
    Op_Not = 3,
    Op_IntLess = 4,
    Op_IntEqual = 5,
    Op_IntLessEqual = 6,
    Op_IntGreater = 7,
    Op_IntNotEqual = 8,
    Op_IntGreaterEqual = 9,
    Op_BoolEqual = 10,
    Op_BoolNotEqual = 11,
};

// No sub-condition, no variable.
constexpr int32_t NO_OPERAND = -1;

// A condition record. For comparisons operand a is the variable id; for the
// logic operators a and b name the sub-condition records, as indices into
// whatever holds the records (an expression's own list, the script node
// pool, a dialog's records).
struct MatchCondition {
    int32_t m_iOp = Op_And;
    int32_t m_iA = NO_OPERAND;
    int32_t m_iB = NO_OPERAND;
    int32_t m_iValue = 0;
};

constexpr bool IsLogicOp(int32_t iOp)
{
    return iOp >= Op_And && iOp <= Op_Not;
}

// Enough for the conditions that scripts combine (a handful of tests each).
constexpr int MAX_MATCH_CONDITIONS = 16;

// A match expression as scripts write it on the stack: a condition tree, an
// event pattern, an action or a value. A condition owns its whole tree (record
// 0 is the top, sub-conditions refer to later records), so an expression can
// be copied and combined freely before it is cloned into the script tree.
struct MatchExpr {
    int32_t m_iType = NodeType_None;
    int32_t m_iNbCondition = 0;
    MatchCondition m_aConditions[MAX_MATCH_CONDITIONS] = {};
    EventDesc m_oEvent = EventDesc::MakeEmpty();
    ActionDesc m_oAction = ActionDesc::MakeEmpty();
    int32_t m_iValue = 0;

    // Int variable (operator) value; the value is kept whole.
    static MatchExpr Int(int32_t iVarId, int32_t iOp, int32_t iValue);
    // Bool variable == value.
    static MatchExpr Bool(int32_t iVarId, uint8_t value);
    // A value filter (the walk compares it with the scene id).
    static MatchExpr Value(int32_t iValue);
    // An event pattern.
    static MatchExpr Event(const EventDesc& oPattern);
    // "Activate" on a scriptable, by the entity rule (top bit cleared, -1 kept).
    static MatchExpr MakeEvent0(int32_t iScriptableId);
    // "Touch" of a region (entity rule) by an actor (top bit set, 0 gives -1).
    static MatchExpr MakeEvent4(uint32_t uActorId, int32_t iEntityId);
    // "Combine" of two items, kept in this order (the match takes the pair
    // in either order).
    static MatchExpr MakeEvent6(uint32_t uItemId1, uint32_t uItemId2);

    // An event expression, or a condition whose operand a is set.
    bool IsValid() const;

    // Evaluates a condition record. Sub-conditions are found through
    // findCondition(index), which gives null for an index that names none.
    // Both sides of a logic operator are always evaluated; unknown operators
    // are false; a Not or Xor that lacks an operand is reported and false.
    template <typename FindCondition>
    static bool EvalNode(const MatchCondition& oCondition, const VarSet& oVars, const FindCondition& findCondition);
    // Evaluates this expression's condition tree.
    bool EvalCondition(const VarSet& oVars) const;
    // A condition on the game's variables, or an event pattern matched with
    // the given event in the pattern's place; any other type is reported and
    // false.
    static bool Eval(const MatchExpr& oExpr, const EventDesc& oEvent);

    // The comparison operators 4..11; false for any other.
    static bool CompareVariable(const MatchCondition& oCondition, const VarSet& oVars);
    // Combines the evaluated operands of a logic operator (null when absent).
    static bool CombineLogic(int32_t iOp, const MatchCondition* pA, bool a, const MatchCondition* pB, bool b);
};

// And or Or of two condition expressions. The result holds copies of both
// trees; an invalid side is reported and left out. A result that would not
// fit in one expression is reported and is a condition that never holds.
MatchExpr MatchExpression(int32_t iOp, const MatchExpr& oExp0, const MatchExpr& oExp1);

template <typename FindCondition>
bool MatchExpr::EvalNode(const MatchCondition& oCondition, const VarSet& oVars, const FindCondition& findCondition)
{
    if (!IsLogicOp(oCondition.m_iOp))
        return CompareVariable(oCondition, oVars);
    const MatchCondition* pA = findCondition(oCondition.m_iA);
    const MatchCondition* pB = oCondition.m_iOp == Op_Not ? nullptr : findCondition(oCondition.m_iB);
    const bool a = pA != nullptr && EvalNode(*pA, oVars, findCondition);
    const bool b = pB != nullptr && EvalNode(*pB, oVars, findCondition);
    return CombineLogic(oCondition.m_iOp, pA, a, pB, b);
}
