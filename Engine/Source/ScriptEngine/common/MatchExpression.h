#pragma once
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

// A condition record: for comparisons operand a is the variable id; for the
// logic operators the operands are the sub-conditions.
struct MatchCondition {
    int32_t m_iOp = 0;
    int32_t m_iA = -1;
    const MatchCondition* m_pA = nullptr;
    const MatchCondition* m_pB = nullptr;
    int32_t m_iValue = 0;
};

struct MatchExpr {
    int32_t m_iType = NodeType_None;
    MatchCondition m_oCondition;

    // An event expression, or a condition whose operand a is set.
    bool IsValid() const;
    // Evaluates a condition on a variable set; both sides of a logic operator
    // are always evaluated; unknown operators are false.
    static bool EvalNode(const MatchCondition& oCondition, const VarSet& oVars);
};
