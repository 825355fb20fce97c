#include "Engine/Managers/Common/ScriptManagerTestKit.h"

#include "Common/GameInterfaceImpl.h"
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/ScriptIds.h"

#include <gtest/gtest.h>

#include <algorithm>

// The script runtime on its own: a scene script built into the tree, events
// fired through the manager frame by frame, and fake scriptables that take
// time, as the scene's actors will.
namespace {

constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr int32_t DOOR = 3;
constexpr int32_t CHEST = 4;
constexpr uint32_t KEY = 0x8E740AEAu;
constexpr uint32_t SWORD = 0x12345678u;
constexpr int32_t HARBOUR = 5;
constexpr int32_t TAVERN = 6;
// Game variables that the scripts below write.
constexpr int32_t ENTERED = VARINT_LINE_1;
constexpr int32_t FAILED_USES = VARINT_LINE_2;
constexpr int32_t LOOKED_IN_CHEST = 600;
constexpr int32_t DOOR_OPEN = 601;
constexpr int WALK_FRAMES = 3;

// An actor stand-in: a walk takes three frames, items go to the inventory that
// the game interface reaches.
class FakeActor : public Scriptable {
public:
    void StartAction() override
    {
        const ActionDesc& oAction = m_oCurrentAction;
        GameInterface* pGame = GameInterface::GetGameInterface();
        switch (oAction.m_iActionType) {
        case ID_ACTION_TYPE_WALK_TO_WAYPOINT:
            m_aWaypoints.push_back(oAction.m_oParameter[0]);
            m_iFramesLeft = WALK_FRAMES;
            m_bDone = 0;
            break;
        case ID_ACTION_TYPE_ADD_ITEM:
            pGame->AddItem(static_cast<uint32_t>(oAction.m_oParameter[0]), 1, -1);
            FinishAction();
            break;
        case ID_ACTION_TYPE_REMOVE_ITEM:
            pGame->RemoveItem(static_cast<uint32_t>(oAction.m_oParameter[0]), 1, -1);
            FinishAction();
            break;
        default: Scriptable::StartAction(); break;
        }
    }
    void UpdateAction(uint32_t dt) override
    {
        if (m_oCurrentAction.m_iActionType != ID_ACTION_TYPE_WALK_TO_WAYPOINT) {
            Scriptable::UpdateAction(dt);
            return;
        }
        if (--m_iFramesLeft <= 0)
            FinishAction();
    }

    int m_iFramesLeft = 0;
    std::vector<int32_t> m_aWaypoints;
};

void SetInt(TestSceneScript& s, int32_t iVarId, int32_t iValue)
{
    s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Int(iValue));
}

void SetFlag(TestSceneScript& s, int32_t iVarId)
{
    s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Bool(true));
}

void WriteHarbour(TestSceneScript& script)
{
    script.m_enterActions = [](TestSceneScript& s) {
        s.PushAction5(HEROINE, 1, 0);
        SetInt(s, ENTERED, HARBOUR);
    };
    script.m_events = [](TestSceneScript& s) {
        s._IfEvent(MakeEvent(TwEventType_Look, CHEST));
        s._IfBool(LOOKED_IN_CHEST, 0);
        s.PushAction5(HEROINE, 2, 0);
        s.AddToQueue(ActorScriptableId(HEROINE), ID_ACTION_TYPE_ADD_ITEM, Param::Item(KEY), Param::Int(1));
        SetFlag(s, LOOKED_IN_CHEST);
        s._EndMatch();
        s._EndMatch();

        s._IfEvent(MakeEvent(TwEventType_UseItem, DOOR, KEY));
        s.PushAction5(HEROINE, 3, 0);
        s.AddToQueue(ActorScriptableId(HEROINE), ID_ACTION_TYPE_REMOVE_ITEM, Param::Item(KEY));
        SetFlag(s, DOOR_OPEN);
        s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_GO_TO_SCENE, Param::Int(TAVERN));
        s._EndMatch();

        s._IfEvent(MakeEvent(TwEventType_BadInteract));
        s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(FAILED_USES), Param::Int(1));
        s._EndMatch();
    };
}

class ScriptRuntimeTest : public ScriptManagerTest {
protected:
    ScriptRuntimeTest()
    {
        g_oGameInterface.AttachInventory(&inventory);
        manager.InsertScriptable(ActorScriptableId(HEROINE), &heroine);
        TestScripts::For(HARBOUR) = &WriteHarbour;
        TestScripts::For(TAVERN) = [](TestSceneScript& script) {
            script.m_enterActions = [](TestSceneScript& s) { SetInt(s, ENTERED, TAVERN); };
        };
    }
    ~ScriptRuntimeTest() override
    {
        manager.RemoveScriptable(ActorScriptableId(HEROINE));
        g_oGameInterface.AttachInventory(nullptr);
    }

    // Runs frames while the game is busy; the number of frames it took.
    int RunWhileBusy(const EventDesc& oRefused)
    {
        int iFrames = 0;
        while (manager.IsBusy() && iFrames < 100) {
            EXPECT_FALSE(manager.FireEvent(oRefused));
            manager.Update(16);
            ++iFrames;
        }
        return iFrames;
    }

    FakeActor heroine;
    FakeInventory inventory;
};

TEST_F(ScriptRuntimeTest, LookAndUseItemRunTheirHandlersOverFramesAndTheDoorLeadsToTheNextScene)
{
    const EventDesc lookAtChest = MakeEvent(TwEventType_Look, CHEST);

    // The scene starts: its enter walk keeps the game busy until it ends.
    StartScene(HARBOUR);
    EXPECT_TRUE(manager.IsBusy());
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), 0);
    EXPECT_EQ(RunWhileBusy(lookAtChest), WALK_FRAMES);
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), HARBOUR);

    // Looking in the chest: a walk, then the key.
    ASSERT_TRUE(manager.FireEvent(lookAtChest));
    manager.Update(16);
    EXPECT_TRUE(inventory.m_aItems.empty());
    EXPECT_EQ(RunWhileBusy(lookAtChest), WALK_FRAMES);
    EXPECT_EQ(inventory.m_aItems, std::vector<uint32_t> {KEY});
    EXPECT_EQ(g_VarManager.GetBool(LOOKED_IN_CHEST), 1);

    // Looking again: the condition skips the walk, nothing else happens.
    ASSERT_TRUE(manager.FireEvent(lookAtChest));
    manager.Update(16);
    EXPECT_FALSE(manager.IsBusy());
    EXPECT_EQ(inventory.m_aItems, std::vector<uint32_t> {KEY});

    // The sword opens nothing.
    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, DOOR, SWORD)));
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(FAILED_USES), 1);

    // The key opens the door: walk, key gone, and the way to the tavern.
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, HARBOUR);
    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, DOOR, KEY)));
    for (int frame = 0; frame < WALK_FRAMES; ++frame)
        manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(DOOR_OPEN), 0);
    manager.Update(16);
    EXPECT_EQ(heroine.m_aWaypoints, (std::vector<int32_t> {1, 2, 3}));
    EXPECT_TRUE(inventory.m_aItems.empty());
    EXPECT_EQ(g_VarManager.GetBool(DOOR_OPEN), 1);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), TAVERN);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), HARBOUR);

    // The walk stopped at the scene change, which waits for the fade-out.
    EXPECT_TRUE(manager.IsChangePending());
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), 1);
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_FALSE(manager.FireEvent(lookAtChest));
        manager.Update(16);
    }
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), HARBOUR);
    states.FinishFade(GlobalFade::OutToBlack);
    manager.Update(16);
    EXPECT_EQ(scene.m_iSceneId, TAVERN);
    EXPECT_EQ(g_VarManager.GetInt(ENTERED), TAVERN);
    EXPECT_EQ(states.StartsOf(GlobalFade::InFromBlack), 2);
    EXPECT_TRUE(manager.IsBusy());
    states.StopFade(GlobalFade::OutToBlack);
    EXPECT_FALSE(manager.IsBusy());
    // The harbour's handlers went with it.
    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, DOOR, SWORD)));
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(FAILED_USES), 1);
}

} // namespace
