#include "ScriptEngine/common/ScriptTreeContext.h"

#include "ScriptWalkTestKit.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogCapture;
using Entries = std::vector<std::string>;

constexpr int32_t ACTOR = static_cast<int32_t>(0x80000077u);

TEST_F(ScriptWalkTest, AWaitHaltsTheWalkUntilTheActorIsDone)
{
    AddScriptable("actor", ACTOR, 3);
    script._IfEvent(Look(2));
    script.AddToQueue(ACTOR, ID_ACTION_TYPE_WALK_TO_WAYPOINT, Param::Waypoint(4));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(ACTOR));
    script.AddToQueue(ACTOR, ID_ACTION_TYPE_ANIMATION, Param::Int(7), Param::Bool(0));
    script._EndMatch();

    context.Start(Look(2));
    EXPECT_EQ(RunUntilFinished(), 7);
    // Walk in frame 1, done after its third update; the animation starts in
    // the frame after, and the walk ends when it is done too.
    EXPECT_EQ(log.m_aEntries, (Entries {"1 actor 5", "1 global 2", "4 actor 11"}));
    EXPECT_TRUE(context.GetEvent().IsEmpty());
    EXPECT_EQ(context.GetCursor(), NO_NODE);
}

TEST_F(ScriptWalkTest, EveryMatchingHandlerRunsInTreeOrder)
{
    AddScriptable("a", 1, 0);
    AddScriptable("b", 2, 0);
    const int32_t targets[] = {1, 2, 1};
    for (int32_t target : targets) {
        script._IfEvent(Look(5));
        script.AddToQueue(target, ID_ACTION_TYPE_SET_VISIBLE, Param::Bool(1));
        script.AddToQueue(target, ID_ACTION_TYPE_TURN_TO_ANGLE, Param::Int(90));
        script._EndMatch();
        script._IfEvent(Look(6));
        script.AddToQueue(target, ID_ACTION_TYPE_SET_ALPHA, Param::Int(0));
        script._EndMatch();
    }
    // A handler nested in a handler is matched again against the same event.
    script._IfEvent(Look(5));
    script._IfEvent(Look(6));
    script.AddToQueue(1, ID_ACTION_TYPE_SET_ALPHA, Param::Int(0));
    script._EndMatch();
    script._IfEvent(Look(5));
    script.AddToQueue(2, ID_ACTION_TYPE_SET_COLOR, Param::UInt(0));
    script._EndMatch();
    script._EndMatch();

    context.Start(Look(5));
    EXPECT_EQ(RunUntilFinished(), 1);
    EXPECT_EQ(log.m_aEntries, (Entries {"1 a 20", "1 a 8", "1 b 20", "1 b 8", "1 a 20", "1 a 8", "1 b 24"}));
    EXPECT_EQ(context.GetFiredActions().size(), 7u);
}

TEST_F(ScriptWalkTest, ConditionsChooseBetweenChildrenAndElseChain)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    script._IfEvent(Look(5));
    script._IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 1);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._EndMatch();
    script._IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 3);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._ElseMatch();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_DISPATCH);
    script._IfBool(40, 0);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_STOP_MUSIC);
    script._EndMatch();
    script._EndMatch();
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_STOP_AMBIENT);
    script._EndMatch();
    // Value nodes filter by scene.
    script._IfMatch(MatchExpr::Value(SCENE_ID + 1));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._EndMatch();
    script._IfMatch(MatchExpr::Value(SCENE_ID));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_STOP_SOUND_EFFECT);
    script._EndMatch();

    context.Start(Look(5));
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(log.m_aEntries, (Entries {"1 global 32", "1 global 55", "1 global 57", "1 global 53"}));
}

TEST_F(ScriptWalkTest, AWaitForNobodyWaitsOnlyForWhatWasFired)
{
    TimedScriptable& actor = AddScriptable("actor", ACTOR, 2);
    script._IfEvent(Look(5));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_STOP_MUSIC);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_STOP_AMBIENT);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_DISPATCH);
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(-1));
    script.AddToQueue(ACTOR, ID_ACTION_TYPE_SET_VISIBLE, Param::Bool(1));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(-1));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._EndMatch();

    context.Start(Look(5));
    EXPECT_FALSE(RunFrame());
    // Global actions count as done: the first wait let the actor's action go.
    EXPECT_EQ(log.m_aEntries.size(), 6u);
    EXPECT_FALSE(actor.IsDone());
    EXPECT_FALSE(RunFrame());
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(log.m_aEntries.back(), "3 global 43");
}

TEST_F(ScriptWalkTest, ADialogHoldsTheWalkUntilItIsOver)
{
    AddScriptable("actor", ACTOR, 0);
    script._IfEvent(Look(5));
    script.AddToQueue(ACTOR, ID_ACTION_TYPE_START_DIALOG, Param::Int(12));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._EndMatch();

    dispatch.m_bDialogActive = true;
    context.Start(Look(5));
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_FALSE(RunFrame());
    EXPECT_EQ(log.m_aEntries, (Entries {"1 actor 28"}));
    dispatch.m_bDialogActive = false;
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(log.m_aEntries.back(), "4 global 43");
}

TEST_F(ScriptWalkTest, FortyActionsFireInOneStepAndTheWalkEndsWhenTheyAreDone)
{
    AddScriptable("slow", 1, 5);
    AddScriptable("quick", 2, 1);
    script._IfEvent(Look(5));
    for (int i = 0; i < 40; ++i)
        script.AddToQueue(1 + i % 2, ID_ACTION_TYPE_TURN_TO_ANGLE, Param::Int(i));
    script._EndMatch();

    context.Start(Look(5));
    EXPECT_FALSE(context.Step());
    EXPECT_EQ(context.GetFiredActions().size(), 40u);
    EXPECT_EQ(context.GetCursor(), NO_NODE);
    // Each target runs its 20 actions one after another from its ring: the
    // slow one's last ends in update 100, seen by the walk in frame 101.
    EXPECT_EQ(RunUntilFinished(200), 101);
}

TEST_F(ScriptWalkTest, AnActionForAnUnregisteredTargetIsDropped)
{
    script._IfEvent(Look(5));
    script.AddToQueue(77, ID_ACTION_TYPE_GO_TO_SCENE, Param::Int(3));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._EndMatch();

    context.Start(Look(5));
    LogCapture capture;
    EXPECT_TRUE(RunFrame());
    const std::string report = capture.Take();
    EXPECT_NE(report.find("condition: oAction.m_iTargetId == ID_SCRIPTABLE_INVALID\nmessage:\n"
                          "action 27 for unknown scriptable 77 dropped\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(log.m_aEntries, (Entries {"1 global 43"}));
}

TEST_F(ScriptWalkTest, TheFiredActionLogNeverOverflows)
{
    script._IfEvent(Look(5));
    for (int i = 0; i < MAX_FIRED_ACTIONS + 4; ++i)
        script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_STOP_MUSIC);
    script._EndMatch();

    context.Start(Look(5));
    LogCapture capture;
    EXPECT_TRUE(RunFrame());
    EXPECT_NE(capture.Take().find("fired action log full, action 55 not logged"), std::string::npos);
    EXPECT_EQ(log.m_aEntries.size(), size_t(MAX_FIRED_ACTIONS + 4));
    EXPECT_EQ(context.GetFiredActions().size(), size_t(MAX_FIRED_ACTIONS));
}

TEST_F(ScriptWalkTest, AnEmptyContextHasNothingToWalk)
{
    script._IfEvent(Look(5));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_QUIT);
    script._EndMatch();
    EXPECT_TRUE(RunFrame());
    context.Start(Look(6));
    EXPECT_TRUE(RunFrame());
    EXPECT_TRUE(log.m_aEntries.empty());
}

} // namespace
