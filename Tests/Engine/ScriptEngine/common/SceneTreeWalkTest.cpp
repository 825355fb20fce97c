#include "Common/VarIds.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "ScriptWalkTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A small scene written the way scene scripts are written, walked frame by
// frame against scriptables that take a few frames for each action.
namespace {

using Entries = std::vector<std::string>;

constexpr uint32_t HEROINE = 0x33B1E803u;
constexpr uint32_t LOGIC_DIALOG = 0xA900EA29u;
constexpr int32_t DOOR = 3;
constexpr int32_t CHEST = 4;
constexpr int32_t DOOR_OPEN = 300;
constexpr uint32_t DOOR_SWINGS = 0x1D00Fu;

class TestSceneScript : public ScriptTreeCalls {
public:
    // The scene-start handler with its framing: enter actions only after
    // everything pending is done, the game locked while they run.
    void BuildInit()
    {
        EventDesc oInit;
        _IfEvent(*BuildEvent(&oInit, TwEventType_Init, 0));
        AddToQueue(ActorScriptableId(LOGIC_DIALOG), ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(-1));
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_ACTIVE, Param::Bool(0));
        BuildEnterActions();
        AddToQueue(ActorScriptableId(LOGIC_DIALOG), ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(-1));
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_ACTIVE, Param::Bool(1));
        _EndMatch();
    }

    void BuildEnterActions()
    {
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 1);
        PushAction5(HEROINE, 0, 0);
        _EndMatch();
    }

    void BuildEvents()
    {
        EventDesc oEvent;
        // Look at the door.
        _IfEvent(*BuildEvent(&oEvent, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, DOOR));
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 1);
        PushAction5(HEROINE, 2, 1);
        AddToQueue(ActorScriptableId(HEROINE), ID_ACTION_TYPE_START_DIALOG, Param::Int(4));
        _EndMatch();
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 2);
        _IfBool(DOOR_OPEN, 1);
        PushHashAction23(DOOR, DOOR_SWINGS);
        _ElseMatch();
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(DOOR_OPEN), Param::Bool(1));
        PushAnimAction11(HEROINE, 12, 0);
        _EndMatch();
        _EndMatch();
        _EndMatch();

        // Look at the door, a second handler: it runs after the first.
        _IfEvent(*BuildEvent(&oEvent, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, DOOR));
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_SOUND_EFFECT, Param::Sound(17));
        _EndMatch();

        // Open the chest: chapter blocks in descending order, because each
        // one advances the chapter that the next one tests.
        _IfMatch(MatchExpr::MakeEvent0(CHEST));
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 2);
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(VARINT_CURRENT_CHAPTER),
                   Param::Int(3));
        _EndMatch();
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 1);
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(VARINT_CURRENT_CHAPTER),
                   Param::Int(2));
        _EndMatch();
        _EndMatch();
    }
};

class SceneTreeWalkTest : public ScriptWalkTest {
protected:
    SceneTreeWalkTest()
    {
        AddScriptable("heroine", ActorScriptableId(HEROINE), 2);
        AddScriptable("door", DOOR, 1);
        AddScriptable("logic_dialog", ActorScriptableId(LOGIC_DIALOG), 0);
        scene.SetTreeBuilder(&builder);
        scene.BuildInit();
        scene.BuildEvents();
        scene.SetTreeBuilder(nullptr);
    }

    TestSceneScript scene;
};

TEST_F(SceneTreeWalkTest, TheSceneStartRunsItsEnterActionsBetweenLockAndUnlock)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    EventDesc oInit;
    context.Start(*BuildEvent(&oInit, TwEventType_Init, 0));
    EXPECT_EQ(RunUntilFinished(), 3);
    EXPECT_EQ(log.m_aEntries, (Entries {"1 logic_dialog 2", "1 global 1", "1 heroine 5", "1 global 2",
                                        "3 logic_dialog 2", "3 global 1"}));
}

TEST_F(SceneTreeWalkTest, ChapterOneWalksTurnsAndTalksThenTheSecondHandlerRuns)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    dispatch.m_bDialogActive = true;
    context.Start(Look(DOOR));
    for (int frame = 1; frame <= 8; ++frame)
        ASSERT_FALSE(RunFrame()) << frame;
    // Each of the heroine's actions takes two frames; the walk goes on in the
    // frame after she is done, and after the dialog only once it is closed.
    EXPECT_EQ(log.m_aEntries, (Entries {"1 heroine 5", "1 global 2", "3 heroine 6", "3 global 2", "5 heroine 28"}));
    dispatch.m_bDialogActive = false;
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(log.m_aEntries.back(), "9 global 52");
    EXPECT_TRUE(context.GetEvent().IsEmpty());
}

TEST_F(SceneTreeWalkTest, ChapterTwoTakesTheElseBranchOnceAndTheDoorSwingsAfter)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    context.Start(Look(DOOR));
    EXPECT_EQ(RunUntilFinished(), 3);
    EXPECT_EQ(log.m_aEntries, (Entries {"1 global 33", "1 heroine 11", "1 global 2", "3 global 52"}));
    EXPECT_EQ(g_VarManager.GetBool(DOOR_OPEN), 1);

    log.m_aEntries.clear();
    log.m_iFrame = 0;
    context.Start(Look(DOOR));
    EXPECT_EQ(RunUntilFinished(), 2);
    EXPECT_EQ(log.m_aEntries, (Entries {"1 door 23", "1 global 2", "2 global 52"}));
}

TEST_F(SceneTreeWalkTest, ABlockSeesTheVariablesAsEarlierActionsLeftThem)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    EventDesc oOpen;
    context.Start(*BuildEvent(&oOpen, TwEventType_Activate, 1, ID_PARAMETER_TYPE_SCRIPTABLE, CHEST));
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), 2);
    EXPECT_EQ(log.m_aEntries, (Entries {"1 global 33"}));
}

} // namespace
