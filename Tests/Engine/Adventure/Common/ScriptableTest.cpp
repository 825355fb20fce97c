#include "Adventure/Common/Scriptable.h"

#include "FakeScriptableServices.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Puts a scriptable straight into a state that the public calls reach only
// through other scriptables' timing.
class TestScriptable : public Scriptable {
public:
    void ForceWaitingFor(int32_t iId)
    {
        m_oCurrentAction = WaitForAction(iId);
        m_bDone = 0;
    }
    // Type 99 stands for an action that a derived class starts and then
    // leaves to the base to finish.
    void StartAction() override
    {
        if (m_oCurrentAction.m_iActionType == 99)
            m_bDone = 0;
        else
            Scriptable::StartAction();
    }
};

TEST(ScriptableTest, TheRingHoldsThirtyOneActionsAndRefusesTheThirtySecond)
{
    FakeScriptableServices services;
    TestScriptable oScriptable;
    services.Register(oScriptable, 5);
    oScriptable.ExecuteAction(WaitAction(10));
    for (int i = 0; i < ACTION_QUEUE_CAPACITY; ++i)
        ASSERT_TRUE(oScriptable.PushAction(BlockerAction(i, 1))) << i;
    TestSupport::LogCapture capture;
    EXPECT_FALSE(oScriptable.PushAction(BlockerAction(31, 1)));
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: m_iBegin!=m_iEnd\nmessage:\naction queue full\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Action 21 refused: the queue of scriptable 5 (?\?\?) is full\n"), std::string::npos) << log;

    // The 31 waiting actions are kept and all run, in order, once the wait ends.
    EXPECT_EQ(oScriptable.GetActionQueue().GetCount(), ACTION_QUEUE_CAPACITY);
    oScriptable.Update(10);
    ASSERT_EQ(services.m_calls.size(), 31u);
    EXPECT_EQ(services.m_calls.front(), "blocker 0 on");
    EXPECT_EQ(services.m_calls.back(), "blocker 30 on");
    EXPECT_TRUE(oScriptable.GetActionQueue().IsEmpty());
}

TEST(ScriptableTest, PoppingAnEmptyRingIsReported)
{
    ActionQueue oQueue;
    ActionDesc oOut = ActionDesc::MakeEmpty();
    TestSupport::LogCapture capture;
    EXPECT_FALSE(oQueue.Pop(oOut));
    const std::string log = capture.Take();
    EXPECT_NE(log.find("m_iBegin!=m_iEnd\nmessage:\naction queue empty\n"), std::string::npos) << log;
}

TEST(ScriptableTest, AWaitOf100MsAt40MsFramesEndsOnTheThirdUpdate)
{
    FakeScriptableServices services;
    TestScriptable oScriptable;
    oScriptable.ExecuteAction(WaitAction(100));
    EXPECT_FALSE(oScriptable.IsDone());
    oScriptable.Update(40);
    EXPECT_EQ(oScriptable.GetCurrentAction().m_oParameter[0], 60);
    oScriptable.Update(40);
    EXPECT_EQ(oScriptable.GetCurrentAction().m_oParameter[0], 20);
    EXPECT_FALSE(oScriptable.IsDone());
    oScriptable.Update(40);
    EXPECT_TRUE(oScriptable.IsDone());
    EXPECT_TRUE(oScriptable.IsIdle());
}

TEST(ScriptableTest, ImmediateActionsWaitingBehindAnEndingOneRunInTheSameFrame)
{
    FakeScriptableServices services;
    TestScriptable oScriptable;
    services.Register(oScriptable, 2);
    oScriptable.ExecuteAction(WaitAction(16));
    ASSERT_TRUE(oScriptable.PushAction(BlockerAction(4, 1)));
    ASSERT_TRUE(oScriptable.PushAction(MakeAction(ID_ACTION_TYPE_START_EFFECT, 1, 3, 1, 500)));
    ASSERT_TRUE(oScriptable.PushAction(MakeAction(ID_ACTION_TYPE_SET_ACTIVE, 2, 0x100)));
    ASSERT_TRUE(oScriptable.PushAction(WaitAction(30)));
    oScriptable.Update(16);
    const std::vector<std::string> expected = {"blocker 4 on", "effect 2 kind 3 500 ms"};
    EXPECT_EQ(services.m_calls, expected);
    // Only the low byte of the flag counts.
    EXPECT_FALSE(oScriptable.IsInteractive());
    EXPECT_EQ(oScriptable.GetCurrentAction().m_iActionType, ID_ACTION_TYPE_WAIT);
    EXPECT_FALSE(oScriptable.IsDone());
}

TEST(ScriptableTest, EffectsAndBlockersReachTheServices)
{
    FakeScriptableServices services;
    TestScriptable oUnregistered;
    oUnregistered.ExecuteAction(MakeAction(ID_ACTION_TYPE_START_EFFECT, 1, 1, 1, 700));
    oUnregistered.ExecuteAction(MakeAction(ID_ACTION_TYPE_STOP_EFFECT));
    oUnregistered.ExecuteAction(BlockerAction(7, 0));
    TestScriptable oRegistered;
    services.Register(oRegistered, 12);
    oRegistered.ExecuteAction(MakeAction(ID_ACTION_TYPE_STOP_EFFECT));
    const std::vector<std::string> expected = {"blocker 7 off", "stop effect"};
    EXPECT_EQ(services.m_calls, expected);
    EXPECT_TRUE(oUnregistered.IsIdle() && oUnregistered.IsDone() && oRegistered.IsIdle() && oRegistered.IsDone());
}

TEST(ScriptableTest, AWaitForEndsWhenItsTargetIsDoneOrUnknown)
{
    FakeScriptableServices services;
    TestScriptable oWaiter;
    TestScriptable oTarget;
    services.Register(oWaiter, 1);
    services.Register(oTarget, 2);

    oWaiter.ExecuteAction(WaitForAction(77));
    EXPECT_TRUE(oWaiter.IsIdle() && oWaiter.IsDone());

    oTarget.ExecuteAction(WaitAction(50));
    oWaiter.ExecuteAction(WaitForAction(2));
    EXPECT_FALSE(oWaiter.IsDone());
    oWaiter.Update(40);
    EXPECT_FALSE(oWaiter.IsDone());
    oTarget.Update(60);
    oWaiter.Update(40);
    EXPECT_TRUE(oWaiter.IsIdle() && oWaiter.IsDone());
}

TEST(ScriptableTest, BadParameterTypesAndUnknownTypesAreReportedAndDropped)
{
    FakeScriptableServices services;
    TestScriptable oScriptable;
    TestSupport::LogCapture capture;
    oScriptable.ExecuteAction(MakeAction(ID_ACTION_TYPE_WAIT_FOR, ID_PARAMETER_TYPE_INT, 2));
    EXPECT_TRUE(oScriptable.IsIdle());
    oScriptable.ExecuteAction(MakeAction(99));
    oScriptable.Update(16);
    EXPECT_TRUE(oScriptable.IsIdle());
    EXPECT_FALSE(oScriptable.IsDone());
    oScriptable.Update(16);
    EXPECT_TRUE(oScriptable.IsDone());
    const std::string log = capture.Take();
    EXPECT_NE(log.find("message:\nUnknown scriptable type to wait for\n"), std::string::npos) << log;
    EXPECT_NE(log.find("message:\nUnmanaged action 99\n"), std::string::npos) << log;
}

TEST(ScriptableTest, AWaitForCycleIsReleasedWholeOnTheNextUpdate)
{
    FakeScriptableServices services;
    TestScriptable a, b, c;
    services.Register(a, 1);
    services.Register(b, 2);
    services.Register(c, 3);
    a.ForceWaitingFor(2);
    b.ForceWaitingFor(3);
    c.ForceWaitingFor(1);
    EXPECT_TRUE(a.IsInWaitForLoop());
    a.Update(16);
    for (const TestScriptable* p : {&a, &b, &c})
        EXPECT_TRUE(p->IsIdle() && p->IsDone());
}

TEST(ScriptableTest, AWaitForThatWouldCloseACycleReleasesItAtOnce)
{
    FakeScriptableServices services;
    TestScriptable a, b;
    services.Register(a, 1);
    services.Register(b, 2);
    b.ExecuteAction(WaitAction(100));
    a.ExecuteAction(WaitForAction(2));
    b.ExecuteAction(WaitForAction(1));
    EXPECT_TRUE(a.IsIdle() && a.IsDone() && b.IsIdle() && b.IsDone());
}

TEST(ScriptableTest, AChainIntoAnotherCycleIsNotThisScriptablesLoop)
{
    FakeScriptableServices services;
    TestScriptable a, b, c;
    services.Register(a, 1);
    services.Register(b, 2);
    services.Register(c, 3);
    a.ForceWaitingFor(2);
    b.ForceWaitingFor(3);
    c.ForceWaitingFor(2);
    EXPECT_FALSE(a.IsInWaitForLoop());
    a.Update(16);
    EXPECT_FALSE(a.IsDone());
    b.Update(16);
    EXPECT_TRUE(b.IsDone() && c.IsDone());
    a.Update(16);
    EXPECT_TRUE(a.IsDone());
}

} // namespace
