#include "ScriptEngine/common/SceneScript.h"

#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Sound/CoreSoundState.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t NIGHT = 400;
constexpr int32_t STORM = 401;
constexpr int32_t GROUP_DAY = 0x1111;
constexpr int32_t GROUP_NIGHT = 0x2222;

class SceneScriptTest : public ScriptManagerTest {
protected:
    SceneScriptTest() { script.SetOwner(&manager); }

    // The types of the actions under a node, in order (-1 for other nodes).
    std::vector<int32_t> ChildActions(ScriptNodeIndex iNode)
    {
        std::vector<int32_t> types;
        ScriptNodePool& pool = manager.GetNodePool();
        for (ScriptNodeIndex i = pool[iNode].m_iChild; i != NO_NODE; i = pool[i].m_iNext)
            types.push_back(pool[i].m_iType == NodeType_Action ? pool[i].m_oAction.m_iActionType : -1);
        return types;
    }

    TestSceneScript script;
};

TEST_F(SceneScriptTest, TheFirstLinkedSetWhoseConditionHoldsIsChosenElseTheDefault)
{
    EXPECT_STREQ(script.SelectActorSet(), "default");
    EXPECT_EQ(script.SelectSoundGroup(), -1);

    script.LinkActorSet("night", MatchExpr::Bool(NIGHT, 1));
    script.LinkActorSet("storm", MatchExpr::Bool(STORM, 1));
    script.LinkActorSet("late", MatchExpr::Bool(NIGHT, 1));
    script.LinkSoundGroup(GROUP_NIGHT, MatchExpr::Bool(NIGHT, 1));
    script.LinkSoundGroup(GROUP_DAY, MatchExpr::Bool(NIGHT, 0));
    EXPECT_STREQ(script.SelectActorSet(), "default");
    EXPECT_EQ(script.SelectSoundGroup(), GROUP_DAY);

    g_VarManager.SetBool(STORM, 1);
    EXPECT_STREQ(script.SelectActorSet(), "storm");
    // Both hold: the first linked wins.
    g_VarManager.SetBool(NIGHT, 1);
    EXPECT_STREQ(script.SelectActorSet(), "night");
    EXPECT_EQ(script.SelectSoundGroup(), GROUP_NIGHT);
}

TEST_F(SceneScriptTest, AnEighthLinkIsReportedAndLeftOut)
{
    for (int index = 0; index < 7; ++index) {
        script.LinkActorSet("set", MatchExpr::Bool(NIGHT, 0));
        script.LinkSoundGroup(index, MatchExpr::Bool(NIGHT, 1));
    }
    TakeLog();
    script.LinkActorSet("eighth", MatchExpr::Bool(NIGHT, 0));
    script.LinkSoundGroup(7, MatchExpr::Bool(NIGHT, 0));
    const std::string log = TakeLog();
    EXPECT_NE(log.find("m_iActorSetListSize<(MAX_ACTOR_SET-1)"), std::string::npos);
    EXPECT_NE(log.find("m_iSoundGroupListSize < (MAX_SOUND_GROUP - 1)"), std::string::npos);
    EXPECT_EQ(script.GetActorSetCount(), 7);
    EXPECT_EQ(script.GetSoundGroupCount(), 7);
    EXPECT_STREQ(script.SelectActorSet(), "set");
    EXPECT_EQ(script.SelectSoundGroup(), -1);
}

TEST_F(SceneScriptTest, InitLoadsTheChosenActorSetIntoALoadedSceneAndActivatesTheMap)
{
    script.m_linkActorSets = [](TestSceneScript& s) { s.LinkActorSet("storm", MatchExpr::Bool(STORM, 1)); };
    g_VarManager.SetBool(STORM, 1);
    script.Init();
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 1);
    EXPECT_TRUE(scene.Take().empty());

    TestSceneScript second;
    second.SetOwner(&manager);
    second.m_linkActorSets = script.m_linkActorSets;
    scene.m_bHasScene = true;
    second.Init();
    EXPECT_EQ(scene.Take(), std::vector<std::string> {"actor set storm"});
}

TEST_F(SceneScriptTest, TheScenesSoundGroupIsReleasedDownToTheGroupsBelowIt)
{
    // Two groups loaded before the scene; the scene's own goes on top.
    g_iCurrentStackLevel = 2;
    script.Init();
    EXPECT_TRUE(CoreSndIsGroupMarked(1));
    g_iCurrentStackLevel = 3;
    script.Term();
    EXPECT_EQ(CoreSndGroupDepth(), 2);
    EXPECT_FALSE(CoreSndIsGroupMarked(1));
    g_iCurrentStackLevel = 0;
}

TEST_F(SceneScriptTest, TheInitHandlerFramesTheEnterActionsAndPrecedesTheExitHandlersAndTheHandlers)
{
    script.m_events = [](TestSceneScript& s) {
        s._IfEvent(MakeEvent(TwEventType_Look, 3));
        s._EndMatch();
    };
    script.m_exitEvents = [](TestSceneScript& s) {
        s._IfEvent(MakeEvent(TwEventType_Touch, 1));
        s._EndMatch();
    };
    ScriptNodePool& pool = manager.GetNodePool();
    const ScriptNodeIndex root = pool.AllocNode();
    ScriptTreeBuilder builder(pool, root);
    manager.BuildScriptTree(&builder, &script);
    EXPECT_EQ(builder.GetCurrentNode(), root);
    EXPECT_EQ(script.GetTreeBuilder(), nullptr);

    std::vector<TwEventType> handlers;
    for (ScriptNodeIndex i = pool[root].m_iChild; i != NO_NODE; i = pool[i].m_iNext)
        handlers.push_back(pool[i].m_oEvent.m_eType);
    EXPECT_EQ(handlers, (std::vector<TwEventType> {TwEventType_Init, TwEventType_Touch, TwEventType_Look}));

    const ScriptNodeIndex init = pool[root].m_iChild;
    EXPECT_EQ(pool[init].m_oEvent.m_iNbParameter, 0);
    EXPECT_EQ(ChildActions(init), (std::vector<int32_t> {2, 1, 2, 1}));
    const ScriptNodeIndex wait = pool[init].m_iChild;
    const ScriptNodeIndex lock = pool[wait].m_iNext;
    EXPECT_EQ(pool[wait].m_oAction.m_iTargetId, static_cast<int32_t>(LOGIC_DIALOG_ACTOR_ID));
    EXPECT_EQ(pool[wait].m_oAction.m_iParameterType[0], ID_PARAMETER_TYPE_SCRIPTABLE);
    EXPECT_EQ(pool[wait].m_oAction.m_oParameter[0], ID_SCRIPTABLE_INVALID);
    EXPECT_EQ(pool[lock].m_oAction.m_iTargetId, ID_SCRIPTABLE_INVALID);
    EXPECT_EQ(pool[lock].m_oAction.m_iParameterType[0], ID_PARAMETER_TYPE_BOOL);
    EXPECT_EQ(pool[lock].m_oAction.m_oParameter[0], 0);
    EXPECT_EQ(pool[pool[pool[lock].m_iNext].m_iNext].m_oAction.m_oParameter[0], 1);

    // The enter actions go between the lock and the second wait.
    script.m_enterActions = [](TestSceneScript& s) {
        s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(20), Param::Int(1));
    };
    ScriptTreeBuilder second(pool, root);
    manager.BuildScriptTree(&second, &script);
    const ScriptNodeIndex firstLook = pool[pool[pool[root].m_iChild].m_iNext].m_iNext;
    const ScriptNodeIndex secondInit = pool[firstLook].m_iNext;
    ASSERT_EQ(pool[secondInit].m_oEvent.m_eType, TwEventType_Init);
    EXPECT_EQ(ChildActions(secondInit), (std::vector<int32_t> {2, 1, 33, 2, 1}));
}

} // namespace
