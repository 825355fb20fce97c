#include "Engine/Managers/Common/ScriptManagerTestKit.h"

#include "Common/ActorIds.h"
#include "Common/VarIds.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int32_t DOOR = 3;
constexpr int32_t CHEST = 4;
constexpr uint32_t KEY = 0x8E740AEAu;
constexpr int32_t FLAG_A = 100;
constexpr int32_t FLAG_B = 101;
constexpr int32_t FLAG_BAD = 102;

// Notes the flag that pushing an event on it sets.
class HighlightedObject : public Scriptable {
public:
    void SetObjectsFlag(uint8_t bFlag) override { m_aFlags.push_back(bFlag); }
    std::vector<uint8_t> m_aFlags;
};

void SetFlag(TestSceneScript& script, int32_t iVarId)
{
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Bool(true));
}

class ScriptManagerEventsTest : public ScriptManagerTest {
protected:
    ScriptManagerEventsTest()
    {
        // Two handlers for looking at the door, one for using the key on the
        // chest, one for every talk and one for a failed use.
        TestScripts::For(5) = [](TestSceneScript& script) {
            script.m_events = [](TestSceneScript& s) {
                s._IfEvent(MakeEvent(TwEventType_Look, DOOR));
                s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(20), Param::Int(1));
                s._EndMatch();
                s._IfEvent(MakeEvent(TwEventType_Look, DOOR));
                s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(20), Param::Int(10));
                SetFlag(s, FLAG_A);
                s._EndMatch();
                s._IfEvent(MakeEvent(TwEventType_UseItem, CHEST, KEY));
                SetFlag(s, FLAG_B);
                s._EndMatch();
                s._IfEvent(MakeEvent(TwEventType_Talk));
                s._EndMatch();
                s._IfEvent(MakeEvent(TwEventType_BadInteract));
                SetFlag(s, FLAG_BAD);
                s._EndMatch();
            };
        };
        StartScene(5);
        manager.InsertScriptable(DOOR, &door);
    }
    // The door goes before the manager walks its registry for the last time.
    ~ScriptManagerEventsTest() override { manager.RemoveScriptable(DOOR); }

    HighlightedObject door;
};

TEST_F(ScriptManagerEventsTest, EveryMatchingHandlerRunsInTreeOrderOnTheNextUpdate)
{
    ASSERT_EQ(manager.GetInteractiveCount(), 0);
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_Look);
    EXPECT_EQ(door.m_aFlags, std::vector<uint8_t> {0});
    EXPECT_EQ(g_VarManager.GetInt(20), 0);

    scene.Take();
    manager.Update(16);
    // The first handler sets, the second adds.
    EXPECT_EQ(g_VarManager.GetInt(20), 11);
    EXPECT_EQ(g_VarManager.GetBool(FLAG_A), 1);
    EXPECT_EQ(g_VarManager.GetBool(FLAG_B), 0);
    EXPECT_EQ(manager.GetInteractiveCount(), 0);
    EXPECT_EQ(scene.Take(), std::vector<std::string> {"post 15 0"});
}

TEST_F(ScriptManagerEventsTest, AnUnmatchedUseOfAnItemBecomesBadInteract)
{
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, DOOR, KEY)));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    EXPECT_EQ(manager.GetPendingEvent().m_iNbParameter, 0);
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(FLAG_BAD), 1);

    // The item that a handler names runs that handler.
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, CHEST, KEY)));
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(FLAG_B), 1);
}

TEST_F(ScriptManagerEventsTest, AnEventWithoutAHandlerIsAcceptedAndNothingRuns)
{
    const struct {
        const char* pName;
        EventDesc oEvent;
    } cases[] = {
        {"look at the chest", MakeEvent(TwEventType_Look, CHEST)},
        {"activate the door", MakeEvent(TwEventType_Activate, DOOR)},
        // Scene-start handlers are not offered events.
        {"init", MakeEvent(TwEventType_Init)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(manager.FireEvent(c.oEvent)) << c.pName;
        EXPECT_TRUE(manager.GetPendingEvent().IsEmpty()) << c.pName;
    }
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetInt(20), 0);
}

TEST_F(ScriptManagerEventsTest, HandlersInsideConditionsAreOfferedEventsButNotThoseOfElseBranches)
{
    TestScripts::For(7) = [](TestSceneScript& script) {
        script.m_events = [](TestSceneScript& s) {
            // A chapter block that does not hold still offers its handler.
            s._IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 2);
            s._IfEvent(MakeEvent(TwEventType_Look, DOOR));
            SetFlag(s, FLAG_A);
            s._EndMatch();
            s._ElseMatch();
            s._IfEvent(MakeEvent(TwEventType_UseItem, CHEST, KEY));
            SetFlag(s, FLAG_B);
            s._EndMatch();
            s._EndMatch();
        };
    };
    manager.ChangeScene(0);
    StartScene(7);
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR)));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_Look);
    manager.Update(16);
    EXPECT_EQ(g_VarManager.GetBool(FLAG_A), 0);

    // The else branch's handler is not offered the use of the key, though the
    // walk would reach it.
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, CHEST, KEY)));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
}

TEST_F(ScriptManagerEventsTest, AnEventIsComparedWithAtMost128Handlers)
{
    TestScripts::For(7) = [](TestSceneScript& script) {
        script.m_events = [](TestSceneScript& s) {
            for (int32_t iEntity = 10; iEntity < 10 + MAX_COLLECTED_EVENTS + 2; ++iEntity) {
                s._IfEvent(MakeEvent(TwEventType_Look, iEntity));
                s._EndMatch();
            }
        };
    };
    manager.ChangeScene(0);
    StartScene(7);
    TakeLog();
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, 10 + MAX_COLLECTED_EVENTS - 1)));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_Look);
    manager.Update(16);
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Look, 10 + MAX_COLLECTED_EVENTS)));
    EXPECT_TRUE(manager.GetPendingEvent().IsEmpty());
    EXPECT_NE(TakeLog().find("list full!"), std::string::npos);
}

TEST_F(ScriptManagerEventsTest, ABusyGameRefusesEventsAndChangesNothing)
{
    const struct {
        const char* pName;
        std::function<void()> makeBusy;
    } cases[] = {
        {"an event is handled", [this] { manager.DoSetInteractive(false); }},
        {"the scene fades out", [this] { states.StartFade(GlobalFade::OutToBlack); }},
        {"a state is queued", [this] { states.PushState(2, 1); }},
        // Last: the pending change stays.
        {"a scene change is pending", [this] { manager.ChangeScene(6); }},
    };
    for (const auto& c : cases) {
        c.makeBusy();
        EXPECT_TRUE(manager.IsBusy()) << c.pName;
        EXPECT_FALSE(manager.FireEvent(MakeEvent(TwEventType_Look, DOOR))) << c.pName;
        EXPECT_FALSE(manager.FireEvent(MakeEvent(TwEventType_UseItem, DOOR, KEY))) << c.pName;
        EXPECT_TRUE(manager.GetPendingEvent().IsEmpty()) << c.pName;
        EXPECT_TRUE(door.m_aFlags.empty()) << c.pName;
        // Back to an idle game for the next case.
        manager.ResetEvents();
        states.m_aFades[1] = FakeStateLink::Fade {};
        states.m_queue.clear();
    }
}

TEST_F(ScriptManagerEventsTest, TalkingToAnActorEarnsTheTrophyNamedAfterItsPlaceInTheActorTable)
{
    const uint32_t uVillager = ActorIdOf("villager2"); // the first row of the actor table
    const uint32_t uMabel = ActorIdOf("mabel");
    ASSERT_EQ(Id::GetActorIndex(uVillager), 0);
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Talk, static_cast<int32_t>(uVillager))));
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_TROPHY_TALK_TO_ACTOR_00), 1);
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_TROPHY_TALK_TO_ACTOR_BEGIN), 0);
    manager.Update(16);

    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Talk, static_cast<int32_t>(uMabel))));
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_TROPHY_TALK_TO_ACTOR_00 + Id::GetActorIndex(uMabel)), 1);
    manager.Update(16);

    // An actor whose talk flag is clear, and an entity, earn nothing.
    const VarSet before = g_VarManager;
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Talk, static_cast<int32_t>(ActorIdOf("tavrine_kid")))));
    manager.Update(16);
    EXPECT_TRUE(manager.FireEvent(MakeEvent(TwEventType_Talk, DOOR)));
    manager.Update(16);
    EXPECT_EQ(std::memcmp(before.m_aBools, g_VarManager.m_aBools, sizeof before.m_aBools), 0);
}

TEST_F(ScriptManagerEventsTest, TheLockCountsAndPostsTheSceneEventWhileItIsHeld)
{
    scene.Take();
    manager.DoSetInteractive(false);
    manager.DoSetInteractive(false);
    manager.DoSetInteractive(true);
    EXPECT_EQ(manager.GetInteractiveCount(), 1);
    EXPECT_EQ(scene.Take(), (std::vector<std::string> {"post 15 0", "post 15 0", "post 15 0"}));
    manager.DoSetInteractive(true);
    EXPECT_TRUE(scene.Take().empty());

    // Unlocking an unlocked game is reported; the next idle update repairs it.
    TakeLog();
    manager.DoSetInteractive(true);
    EXPECT_NE(TakeLog().find("m_iInteractive>0"), std::string::npos);
    EXPECT_EQ(manager.GetInteractiveCount(), -1);
    manager.Update(16);
    EXPECT_EQ(manager.GetInteractiveCount(), 0);
}

} // namespace
