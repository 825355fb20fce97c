#include "ScriptEngine/common/MatchExpression.h"

#include "Managers/Common/VarManager.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::LogCapture;

// An id past the last variable: reading it is reported, so a report proves
// that the side was evaluated.
constexpr int32_t UNREAD_PROBE = VARINT_LAST;

TEST(MatchExpressionTest, EveryOperatorComparesAsItsTableSays)
{
    VarSet vars;
    vars.SetInt(12, 3);
    vars.SetBool(5, 1);
    struct Case {
        int32_t op;
        int32_t var;
        int32_t value;
        bool expected;
    } const cases[] = {
        {Op_IntLess, 12, 4, true},
        {Op_IntLess, 12, 3, false},
        {Op_IntEqual, 12, 3, true},
        {Op_IntEqual, 12, 4, false},
        {Op_IntLessEqual, 12, 3, true},
        {Op_IntLessEqual, 12, 2, false},
        {Op_IntGreater, 12, 2, true},
        {Op_IntGreater, 12, 3, false},
        {Op_IntNotEqual, 12, 4, true},
        {Op_IntNotEqual, 12, 3, false},
        {Op_IntGreaterEqual, 12, 3, true},
        {Op_IntGreaterEqual, 12, 4, false},
        {Op_BoolEqual, 5, 1, true},
        {Op_BoolEqual, 5, 0, false},
        {Op_BoolNotEqual, 5, 0, true},
        {Op_BoolNotEqual, 5, 1, false},
        {Op_BoolEqual, 5, 0x101, true}, // only the low byte counts
        {12, 12, 3, false},
        {-1, 12, 3, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchExpr::Int(c.var, c.op, c.value).EvalCondition(vars), c.expected) << c.op << " " << c.value;
}

TEST(MatchExpressionTest, NegativeConstantsCompareSigned)
{
    VarSet vars;
    const MatchExpr below = MatchExpr::Int(12, Op_IntLess, -1);
    vars.SetInt(12, -1);
    EXPECT_FALSE(below.EvalCondition(vars));
    vars.SetInt(12, -2);
    EXPECT_TRUE(below.EvalCondition(vars));
    vars.SetInt(12, -70000);
    EXPECT_TRUE(below.EvalCondition(vars));
}

TEST(MatchExpressionTest, OrHoldsOnTheSecondSideAndReadsBoth)
{
    VarSet vars;
    vars.SetInt(12, 3);
    const MatchExpr either = MatchExpression(Op_Or, MatchExpr::Bool(5, 1), MatchExpr::Int(12, Op_IntEqual, 3));
    EXPECT_TRUE(either.EvalCondition(vars));

    // Both sides run even when the first already decides.
    const MatchExpr decided =
        MatchExpression(Op_Or, MatchExpr::Int(12, Op_IntEqual, 3), MatchExpr::Int(UNREAD_PROBE, Op_IntEqual, 0));
    LogCapture capture;
    EXPECT_TRUE(decided.EvalCondition(vars));
    EXPECT_NE(capture.Take().find("The given ID for the int is out of bound"), std::string::npos);
}

// The combined expression keeps its own copies: the operands were temporaries
// of this function and are gone when it is evaluated.
MatchExpr ChapterThreeWithoutTheKey()
{
    MatchExpr chapter = MatchExpr::Int(12, Op_IntEqual, 3);
    MatchExpr noKey = MatchExpr::Bool(40, 0);
    MatchExpr inner = MatchExpression(Op_And, chapter, noKey);
    chapter = MatchExpr::Int(12, Op_IntEqual, 99);
    return MatchExpression(Op_Or, inner, MatchExpr::Bool(41, 1));
}

TEST(MatchExpressionTest, CombinedExpressionsOwnTheirOperands)
{
    const MatchExpr expr = ChapterThreeWithoutTheKey();
    EXPECT_EQ(expr.m_iNbCondition, 5);
    VarSet vars;
    EXPECT_FALSE(expr.EvalCondition(vars));
    vars.SetInt(12, 3);
    EXPECT_TRUE(expr.EvalCondition(vars));
    vars.SetBool(40, 1);
    EXPECT_FALSE(expr.EvalCondition(vars));
    vars.SetBool(41, 1);
    EXPECT_TRUE(expr.EvalCondition(vars));
}

TEST(MatchExpressionTest, ANotOrXorWithoutOperandIsReportedAndFalse)
{
    VarSet vars;
    MatchExpr lonelyNot = MatchExpr::Int(NO_OPERAND, Op_Not, 0);
    MatchExpr halfXor = MatchExpression(Op_And, MatchExpr::Bool(5, 0), MatchExpr::Bool(6, 0));
    halfXor.m_aConditions[0].m_iOp = Op_Xor;
    halfXor.m_aConditions[0].m_iB = NO_OPERAND;

    LogCapture capture;
    EXPECT_FALSE(lonelyNot.EvalCondition(vars));
    EXPECT_FALSE(halfXor.EvalCondition(vars));
    const std::string log = capture.Take();
    EXPECT_NE(log.find("message:\nnot without an operand\n"), std::string::npos) << log;
    EXPECT_NE(log.find("message:\nexclusive or without two operands\n"), std::string::npos) << log;
}

TEST(MatchExpressionTest, MisuseOfMatchExpressionIsReported)
{
    VarSet vars;
    vars.SetBool(5, 1);
    struct Case {
        int32_t op;
        MatchExpr left;
        MatchExpr right;
        const char* report;
        bool holds;
    } const cases[] = {
        // An invalid side is left out: And cannot hold, Or rests on the other side.
        {Op_And, MatchExpr {}, MatchExpr::Bool(5, 1), "condition: oExp0.IsValid()\nmessage:\ninvalid expression",
         false},
        {Op_Or, MatchExpr::Bool(5, 1), MatchExpr {}, "condition: oExp1.IsValid()\nmessage:\ninvalid expression", true},
        {Op_Or, MatchExpr::Value(3), MatchExpr::Bool(5, 1), "condition: oExp0.m_iType==NodeType_Condition", true},
        {Op_Xor, MatchExpr::Bool(5, 1), MatchExpr::Bool(5, 0), "message:\ninvalid logic operand", false},
    };
    for (const Case& c : cases) {
        LogCapture capture;
        const MatchExpr result = MatchExpression(c.op, c.left, c.right);
        const std::string log = capture.Take();
        EXPECT_NE(log.find(c.report), std::string::npos) << log;
        EXPECT_EQ(result.EvalCondition(vars), c.holds) << c.report;
    }
}

TEST(MatchExpressionTest, AnExpressionTooLongForItsRecordsNeverHolds)
{
    VarSet vars;
    MatchExpr chain = MatchExpr::Bool(5, 0);
    int records = 1;
    LogCapture capture;
    while (records + 2 <= MAX_MATCH_CONDITIONS) {
        chain = MatchExpression(Op_Or, chain, MatchExpr::Bool(5, 0));
        records += 2;
    }
    EXPECT_TRUE(chain.EvalCondition(vars));
    EXPECT_TRUE(capture.Take().empty());

    LogCapture overflow;
    const MatchExpr tooLong = MatchExpression(Op_Or, chain, MatchExpr::Bool(5, 0));
    EXPECT_NE(overflow.Take().find("is too long"), std::string::npos);
    EXPECT_FALSE(tooLong.EvalCondition(vars));
}

TEST(MatchExpressionTest, EvalMatchesEventsAndReadsTheGameVariables)
{
    EventDesc lookAt3;
    BuildEvent(&lookAt3, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, 3);
    EventDesc anyLook;
    BuildEvent(&anyLook, TwEventType_Look, 0);
    EXPECT_TRUE(MatchExpr::Eval(MatchExpr::Event(lookAt3), lookAt3));
    EXPECT_FALSE(MatchExpr::Eval(MatchExpr::Event(anyLook), lookAt3)) << "the given event stands as the pattern";

    const int32_t saved = g_VarManager.GetInt(12);
    g_VarManager.SetInt(12, 7);
    EXPECT_TRUE(MatchExpr::Eval(MatchExpr::Int(12, Op_IntEqual, 7), EventDesc::MakeEmpty()));
    g_VarManager.SetInt(12, saved);

    LogCapture capture;
    EXPECT_FALSE(MatchExpr::Eval(MatchExpr::Value(7), lookAt3));
    EXPECT_NE(capture.Take().find("condition: FALSE"), std::string::npos);
}

TEST(MatchExpressionTest, ScriptEventBuildersApplyTheIdRules)
{
    const EventDesc& activate = MatchExpr::MakeEvent0(static_cast<int32_t>(0x80000005u)).m_oEvent;
    EXPECT_EQ(activate.m_eType, TwEventType_Activate);
    EXPECT_EQ(activate.m_oParameter[0], 5);
    EXPECT_EQ(MatchExpr::MakeEvent0(-1).m_oEvent.m_oParameter[0], -1);

    const EventDesc& touch = MatchExpr::MakeEvent4(0x1234u, 7).m_oEvent;
    EXPECT_EQ(touch.m_eType, TwEventType_Touch);
    EXPECT_EQ(touch.m_iNbParameter, 2);
    EXPECT_EQ(touch.m_oParameter[0], 7);
    EXPECT_EQ(static_cast<uint32_t>(touch.m_oParameter[1]), 0x80001234u);
    EXPECT_EQ(MatchExpr::MakeEvent4(0, -1).m_oEvent.m_oParameter[1], -1);
    EXPECT_EQ(MatchExpr::MakeEvent4(0, -1).m_oEvent.m_oParameter[0], -1);
}

} // namespace
