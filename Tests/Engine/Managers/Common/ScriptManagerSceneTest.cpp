#include "Engine/Managers/Common/ScriptManagerTestKit.h"

#include "Common/GameInterface.h"
#include "Common/VarIds.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t DOOR = 3;
constexpr int32_t ENTERED = 20;
constexpr int32_t COUNT = 21;

void SetInt(TestSceneScript& script, int32_t iVarId, int32_t iValue)
{
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Int(iValue));
}

void AddInt(TestSceneScript& script, int32_t iVarId, int32_t iValue)
{
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(iVarId), Param::Int(iValue));
}

// A scene whose enter actions record its id and count the starts.
void EnterRecords(int32_t iSceneId)
{
    TestScripts::For(iSceneId) = [iSceneId](TestSceneScript& script) {
        script.m_enterActions = [iSceneId](TestSceneScript& s) {
            SetInt(s, ENTERED, iSceneId);
            AddInt(s, COUNT, 1);
        };
    };
}

using ScriptManagerSceneTest = ScriptManagerTest;

TEST_F(ScriptManagerSceneTest, ASceneStartsItsScriptAndWalksInitInTheSameUpdate)
{
    EnterRecords(5);
    TakeLog();
    StartScene(5);
    const std::string output = TakeLog();

    EXPECT_EQ(g_VarManager.GetInt(ENTERED), 5);
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 1);
    EXPECT_EQ(manager.GetInteractiveCount(), 0);
    EXPECT_FALSE(manager.IsBusy());
    EXPECT_FALSE(manager.IsChangePending());
    EXPECT_EQ(states.StartsOf(GlobalFade::InFromBlack), 1);
    // The first scene waits for no fade-out.
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), 0);
    // The walk's start and the enter actions' lock and unlock each post the
    // scene's not-interactive event.
    EXPECT_EQ(scene.Take(), (std::vector<std::string> {"scene 5", "actor set default", "actor a900ea29",
                                                       "actor 9f2965d0", "active a29b02da", "select a29b02da",
                                                       "post 15 0", "post 15 0", "post 15 0", "prepare"}));
    EXPECT_EQ(&GetSceneEventSink(), &manager);
    EXPECT_NE(manager.FindActorScriptable(LOGIC_DIALOG_ACTOR_ID), nullptr);
    EXPECT_NE(manager.FindActorScriptable(LOGIC_SOUND_ACTOR_ID & 0x7FFFFFFF), nullptr);
    EXPECT_FALSE(GameInterface::GetGameInterface()->GetScriptTree().IsEmpty());
    EXPECT_NE(output.find("====================\nScene Init time: "), std::string::npos);
}

TEST_F(ScriptManagerSceneTest, TheTreesOfTheInventoryAndSystemScriptsFollowTheSceneScripts)
{
    TestSceneScript inventory;
    TestSceneScript system;
    TestScripts::For(5) = [](TestSceneScript& script) {
        script.m_enterActions = [](TestSceneScript& s) { SetInt(s, 22, 1); };
    };
    inventory.m_enterActions = [](TestSceneScript& s) {
        AddInt(s, 22, 10);
        SetInt(s, 23, 1);
    };
    system.m_enterActions = [](TestSceneScript& s) { AddInt(s, 23, 10); };
    manager.SetCommonScripts(&inventory, &system);
    StartScene(5);
    EXPECT_EQ(g_VarManager.GetInt(22), 11);
    EXPECT_EQ(g_VarManager.GetInt(23), 11);
    // Only the scene script is ended with the scene.
    const int iReleases = TestSceneScript::s_iNbReleases;
    manager.ChangeScene(0);
    EXPECT_EQ(TestSceneScript::s_iNbReleases, iReleases + 1);
    manager.SetCommonScripts(nullptr, nullptr);
}

TEST_F(ScriptManagerSceneTest, ValueNodesLetHandlersRunOnlyInTheirScene)
{
    const auto writer = [](TestSceneScript& script) {
        script.m_events = [](TestSceneScript& s) {
            for (int32_t iScene : {5, 6}) {
                s._IfMatch(MatchExpr::Value(iScene));
                s._IfEvent(MakeEvent(TwEventType_Look, DOOR));
                SetInt(s, 20 + iScene, 1);
                s._EndMatch();
                s._EndMatch();
            }
        };
    };
    TestScripts::For(6) = writer;
    StartScene(6);
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(25), 0);
    EXPECT_EQ(g_VarManager.GetInt(26), 1);
}

TEST_F(ScriptManagerSceneTest, ASceneChangeWaitsForTheFadeOutAndAnEmptyStateQueue)
{
    EnterRecords(5);
    EnterRecords(6);
    TestScripts::For(5) = [](TestSceneScript& script) {
        script.m_enterActions = [](TestSceneScript& s) { SetInt(s, ENTERED, 5); };
        script.m_events = [](TestSceneScript& s) {
            s._IfEvent(MakeEvent(TwEventType_Look, DOOR));
            s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_GO_TO_SCENE, Param::Int(6));
            s._EndMatch();
        };
    };
    StartScene(5);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 5);

    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 6);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 5);
    EXPECT_TRUE(manager.IsChangePending());
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), 1);

    // A request while the fade-out runs does not start it again.
    manager.ChangeScene(6);
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), 1);
    for (int frame = 0; frame < 3; ++frame)
        manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), 5);

    // Finished, but a state is queued.
    states.FinishFade(GlobalFade::OutToBlack);
    states.PushState(ScriptStateLink::STATE_MOVIE, 3);
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), 5);
    EXPECT_FALSE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));

    states.m_queue.clear();
    scene.Take();
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), 6);
    EXPECT_EQ(g_VarManager.GetInt(COUNT), 1);
    EXPECT_EQ(scene.Take().front(), "scene 6");
    EXPECT_FALSE(manager.IsChangePending());
    EXPECT_EQ(manager.GetNextSceneId(), 0);
}

TEST_F(ScriptManagerSceneTest, AWalkStillUnderWayWhenTheSceneChangesIsDropped)
{
    EnterRecords(6);
    TestScripts::For(5) = [](TestSceneScript& script) {
        script.m_events = [](TestSceneScript& s) {
            s._IfEvent(MakeEvent(TwEventType_Look, DOOR));
            s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_GO_TO_SCENE, Param::Int(6));
            s.AddToQueue(DOOR, ID_ACTION_TYPE_WAIT, Param::Int(100000));
            s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(DOOR));
            SetInt(s, 30, 1);
            s._EndMatch();
        };
    };
    StartScene(5);
    Scriptable door;
    manager.InsertScriptable(DOOR, &door);
    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));
    manager.Update(16);
    ASSERT_NE(manager.GetContext().GetCursor(), NO_NODE);

    states.FinishFade(GlobalFade::OutToBlack);
    manager.Update(16);
    // The new scene's start ran in this update; the old walk's rest never runs.
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), 6);
    EXPECT_EQ(manager.GetInteractiveCount(), 0);
    manager.RemoveScriptable(DOOR);
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(30), 0);
}

TEST_F(ScriptManagerSceneTest, LeavingTheGameEndsTheSceneScriptAndItsTree)
{
    StartScene(5);
    ASSERT_NE(manager.GetSceneScript(), nullptr);
    EXPECT_EQ(manager.GetSceneScript()->GetOwner(), &manager);
    scene.Take();
    states.m_effects.clear();
    const int iReleases = TestSceneScript::s_iNbReleases;

    manager.ChangeScene(0);
    EXPECT_EQ(TestSceneScript::s_iNbReleases, iReleases + 1);
    EXPECT_EQ(manager.GetSceneScript(), nullptr);
    EXPECT_EQ(manager.FindActorScriptable(LOGIC_DIALOG_ACTOR_ID), nullptr);
    EXPECT_EQ(manager.FindActorScriptable(LOGIC_SOUND_ACTOR_ID), nullptr);
    EXPECT_EQ(scene.Take(), std::vector<std::string> {"scene 0"});
    EXPECT_EQ(states.m_effects, std::vector<std::string> {"stop all"});
    EXPECT_TRUE(GameInterface::GetGameInterface()->GetScriptTree().IsEmpty());
    EXPECT_EQ(manager.GetNodePool().GetNbAllocated(), 0);
}

TEST_F(ScriptManagerSceneTest, ASceneWithoutAScriptStillChangesAndFadesIn)
{
    manager.SetSceneScriptMaker([](int) -> SceneScript* { return nullptr; });
    StartScene(7);
    EXPECT_EQ(scene.m_iSceneId, 7);
    EXPECT_EQ(manager.GetSceneScript(), nullptr);
    EXPECT_EQ(states.StartsOf(GlobalFade::InFromBlack), 1);
    EXPECT_TRUE(manager.GetPendingEvent().IsEmpty());
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));
}

} // namespace
