#include "ScriptEngine/common/ScriptTreeBuilder.h"

#include "Managers/Common/VarManager.h"
#include "ScriptTreeTestKit.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogCapture;

using ScriptTreeBuilderTest = ScriptTreeTest;

constexpr int32_t ACTION_A = ID_ACTION_TYPE_QUIT;
constexpr int32_t ACTION_B = ID_ACTION_TYPE_DISPATCH;
constexpr int32_t ACTION_C = ID_ACTION_TYPE_STOP_MUSIC;

TEST_F(ScriptTreeBuilderTest, ElseTakesTheBranchAndEndReturnsToTheParent)
{
    script._IfBool(5, 1);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A);
    script._ElseMatch();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_B);
    script._EndMatch();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_C);

    const std::vector<ScriptNodeIndex> top = Children(root);
    ASSERT_EQ(top.size(), 2u);
    const ScriptNodeIndex condition = top[0];
    EXPECT_EQ(ActionTypes(Children(condition)), std::vector<int32_t> {ACTION_A});
    EXPECT_EQ(ActionTypes(ElseChain(condition)), std::vector<int32_t> {ACTION_B});
    EXPECT_EQ(pool[ElseChain(condition)[0]].m_iParent, condition);
    EXPECT_EQ(ActionTypes({top[1]}), std::vector<int32_t> {ACTION_C});
    EXPECT_EQ(builder.GetCurrentNode(), root);
}

TEST_F(ScriptTreeBuilderTest, AfterAnInnerBlockTheElseChainGoesOn)
{
    script._IfBool(5, 1);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A);
    script._ElseMatch();
    script._IfInt(12, Op_IntEqual, 2);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_B);
    script._EndMatch();
    // Back on the outer condition with else mode off: its else chain has
    // begun, so this still goes there, not among its children.
    EXPECT_FALSE(builder.IsElseMode());
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_C);
    script._EndMatch();

    const ScriptNodeIndex outer = Children(root)[0];
    EXPECT_EQ(ActionTypes(Children(outer)), std::vector<int32_t> {ACTION_A});
    const std::vector<ScriptNodeIndex> elseChain = ElseChain(outer);
    ASSERT_EQ(elseChain.size(), 2u);
    EXPECT_EQ(pool[elseChain[0]].m_iType, NodeType_Condition);
    EXPECT_EQ(ActionTypes(Children(elseChain[0])), std::vector<int32_t> {ACTION_B});
    EXPECT_EQ(ActionTypes({elseChain[1]}), std::vector<int32_t> {ACTION_C});
    EXPECT_EQ(Children(root).size(), 1u);
}

TEST_F(ScriptTreeBuilderTest, IntConstantsAreStoredAsSixteenBitNumbers)
{
    const int32_t values[][2] = {{70000, 4464}, {-1, -1}, {32767, 32767}, {32768, -32768}, {40000, -25536}};
    for (const auto& value : values) {
        script._IfInt(12, Op_IntEqual, value[0]);
        EXPECT_EQ(pool[builder.GetCurrentNode()].m_oCondition.m_oRecord.m_iValue, value[1]) << value[0];
        script._EndMatch();
    }
    // A condition written as an expression keeps its whole value.
    script._IfMatch(MatchExpr::Int(12, Op_IntEqual, 70000));
    EXPECT_EQ(pool[builder.GetCurrentNode()].m_oCondition.m_oRecord.m_iValue, 70000);
}

TEST_F(ScriptTreeBuilderTest, ConditionsCloneIntoOneNodePerRecord)
{
    struct Case {
        const char* name;
        MatchExpr expr;
        int32_t extraNodes;
    } const cases[] = {
        {"comparison", MatchExpr::Bool(5, 1), 0},
        {"nested And of three",
         MatchExpression(Op_And, MatchExpression(Op_And, MatchExpr::Bool(5, 1), MatchExpr::Bool(6, 1)),
                         MatchExpr::Int(12, Op_IntEqual, 3)),
         4},
        {"And with an invalid side", MatchExpression(Op_And, MatchExpr::Bool(5, 1), MatchExpr {}), 1},
    };
    for (const Case& c : cases) {
        LogCapture capture;
        const int32_t before = pool.GetNbAllocated();
        script._IfMatch(c.expr);
        script._EndMatch();
        EXPECT_EQ(pool.GetNbAllocated() - before, 1 + c.extraNodes) << c.name;
    }

    // A Not keeps its operand a only; the sub-condition nodes hang off the
    // operands, outside the tree.
    MatchExpr notFive = MatchExpr::Bool(5, 1);
    notFive = MatchExpression(Op_And, notFive, notFive);
    notFive.m_aConditions[0].m_iOp = Op_Not;
    const int32_t before = pool.GetNbAllocated();
    script._IfMatch(notFive);
    const ScriptNode& notNode = pool[builder.GetCurrentNode()];
    EXPECT_EQ(pool.GetNbAllocated() - before, 2);
    EXPECT_EQ(notNode.m_oCondition.m_oRecord.m_iB, NO_NODE);
    const ScriptNode& operand = pool[notNode.m_oCondition.m_oRecord.m_iA];
    EXPECT_EQ(operand.m_iParent, NO_NODE);
    EXPECT_EQ(operand.m_iNext, NO_NODE);
    VarSet vars;
    EXPECT_TRUE(pool.EvalCondition(builder.GetCurrentNode(), vars));
    vars.SetBool(5, 1);
    EXPECT_FALSE(pool.EvalCondition(builder.GetCurrentNode(), vars));
}

TEST_F(ScriptTreeBuilderTest, AnUnknownOperatorClonesAsOperatorAndTypeOnly)
{
    MatchExpr odd = MatchExpr::Int(12, 12, 3);
    LogCapture capture;
    script._IfMatch(odd);
    EXPECT_NE(capture.Take().find("condition: FALSE\nmessage:\nexpression copy not implemented"), std::string::npos);
    const ScriptNode& node = pool[builder.GetCurrentNode()];
    EXPECT_EQ(node.m_iType, NodeType_Condition);
    EXPECT_EQ(node.m_oCondition.m_oRecord.m_iOp, 12);
    EXPECT_EQ(node.m_oCondition.m_oRecord.m_iA, NO_OPERAND);
    EXPECT_EQ(node.m_oCondition.m_oRecord.m_iValue, 0);
    EXPECT_FALSE(pool.EvalCondition(builder.GetCurrentNode(), VarSet {}));

    // Boolean comparisons keep only the value's low byte.
    script._IfMatch(MatchExpr::Int(5, Op_BoolEqual, 0x101));
    EXPECT_EQ(pool[builder.GetCurrentNode()].m_oCondition.m_oRecord.m_iValue, 1);
}

TEST_F(ScriptTreeBuilderTest, EndAtTheTopIsRefusedAndTheTreeStays)
{
    LogCapture capture;
    script._EndMatch();
    EXPECT_NE(capture.Take().find("_EndMatch without an open node"), std::string::npos);
    EXPECT_EQ(builder.GetCurrentNode(), root);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A);
    EXPECT_EQ(ActionTypes(Children(root)), std::vector<int32_t> {ACTION_A});
}

TEST_F(ScriptTreeBuilderTest, ElseOnAHandlerIsRefusedWithItsBranch)
{
    EventDesc lookAtDoor;
    BuildEvent(&lookAtDoor, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, 3);
    script._IfEvent(lookAtDoor);
    const ScriptNodeIndex handler = builder.GetCurrentNode();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A);
    LogCapture capture;
    script._ElseMatch();
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: m_oPool[m_iCurrentNode].m_iType == NodeType_Condition"), std::string::npos);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_B);
    script._IfBool(5, 1);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_B);
    script._EndMatch();
    script._EndMatch();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_C);

    EXPECT_EQ(ActionTypes(Children(handler)), std::vector<int32_t> {ACTION_A});
    EXPECT_EQ(pool[handler].m_oEvent.m_eType, TwEventType_Look);
    EXPECT_EQ(pool[handler].m_oEvent.m_oParameter[0], 3);
    EXPECT_EQ(pool[handler].m_oEvent.m_iNbParameter, 1);
    EXPECT_EQ(Children(root).size(), 2u);
    EXPECT_EQ(ActionTypes({Children(root)[1]}), std::vector<int32_t> {ACTION_C});
}

TEST_F(ScriptTreeBuilderTest, AFullPoolRefusesABlockWithEverythingInside)
{
    while (pool.GetNbAllocated() < MAX_SCRIPTNODES - 3)
        pool.AllocNode();
    const MatchExpr needsFive = MatchExpression(
        Op_And, MatchExpression(Op_And, MatchExpr::Bool(5, 1), MatchExpr::Bool(6, 1)), MatchExpr::Bool(7, 1));

    LogCapture capture;
    script._IfMatch(needsFive);
    EXPECT_NE(capture.Take().find("script node pool full (40960 nodes)"), std::string::npos);
    EXPECT_EQ(pool.GetNbAllocated(), MAX_SCRIPTNODES - 3) << "the partial clone is given back";
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A);
    script._ElseMatch();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A);
    script._EndMatch();
    EXPECT_EQ(pool.GetNbAllocated(), MAX_SCRIPTNODES - 3);

    // The close went to the refused block: what follows is at the top again.
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_C);
    EXPECT_EQ(ActionTypes(Children(root)), std::vector<int32_t> {ACTION_C});
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_C);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_C);
    LogCapture full;
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_B);
    EXPECT_NE(full.Take().find("pool full"), std::string::npos);
    EXPECT_EQ(Children(root).size(), 3u);
}

TEST_F(ScriptTreeBuilderTest, QueuedParametersAreTypedAndBounded)
{
    script.AddToQueue(44, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(12), Param::Bool(5));
    const ActionDesc& action = pool[Children(root)[0]].m_oAction;
    EXPECT_EQ(action.m_iTargetId, 44);
    EXPECT_EQ(action.m_iParameterType[0], ID_PARAMETER_TYPE_INT);
    EXPECT_EQ(action.m_oParameter[0], 12);
    EXPECT_EQ(action.m_iParameterType[1], ID_PARAMETER_TYPE_BOOL);
    EXPECT_EQ(action.m_oParameter[1], 1);
    EXPECT_EQ(action.m_iParameterType[2], ID_PARAMETER_TYPE_NONE);

    const ActionParameter four[] = {Param::Int(1), Param::Int(2), Param::Int(3), Param::Int(4)};
    const ActionParameter badType[] = {{12, 99}};
    LogCapture capture;
    builder.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A, four);
    builder.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_B, badType);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("action 43 with 4 parameters refused"), std::string::npos) << log;
    EXPECT_NE(log.find("condition: oAction.m_iParameterType[iCounter]<NB_PARAMETER_TYPE_ID"), std::string::npos);
    ASSERT_EQ(ActionTypes(Children(root)), (std::vector<int32_t> {ID_ACTION_TYPE_SET_VARIABLE, ACTION_B}));
    EXPECT_EQ(pool[Children(root)[1]].m_oAction.m_oParameter[0], 0) << "the value of an unknown type is not taken";
}

TEST_F(ScriptTreeBuilderTest, WithoutABuilderNothingIsAdded)
{
    TestScript idle;
    LogCapture quiet;
    idle.AddToQueue(ID_SCRIPTABLE_INVALID, ACTION_A, Param::Int(1));
    idle.PushAction21(3, 1, 1);
    EXPECT_TRUE(quiet.Take().empty());

    LogCapture capture;
    idle._IfBool(5, 1);
    EXPECT_NE(capture.Take().find("pTreeBuilder!=NULL"), std::string::npos);
    EXPECT_EQ(pool.GetNbAllocated(), 1);
}

TEST(ScriptNodePoolTest, MisuseOfThePoolIsReportedAndHarmless)
{
    ScriptNodePool pool;
    {
        LogCapture capture;
        EXPECT_EQ(pool.AllocNode(), NO_NODE);
        EXPECT_NE(capture.Take().find("condition: m_pNodes!=NULL"), std::string::npos);
    }
    pool.InitPool();
    const ScriptNodeIndex first = pool.AllocNode();
    pool[first].m_iType = NodeType_Action;
    {
        LogCapture capture;
        pool.InitPool();
        pool.TermPool();
        const std::string log = capture.Take();
        EXPECT_NE(log.find("condition: m_pNodes==NULL"), std::string::npos) << log;
        EXPECT_NE(log.find("condition: m_iNbNodeAllocated==0"), std::string::npos) << log;
    }
    pool.InitPool();
    pool.ResetPool();
    // Nodes come back cleared after a reset.
    EXPECT_EQ(pool.AllocNode(), first);
    EXPECT_EQ(pool[first].m_iType, NodeType_None);
    EXPECT_EQ(pool[first].m_iParent, NO_NODE);
    pool.ResetPool();
    pool.TermPool();
}

} // namespace
