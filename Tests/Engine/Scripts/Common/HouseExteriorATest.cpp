// The script of the yard before the family house, grown up (scene 20): the
// way in from each side and the memories once,
// Diego by the door only in chapter 5 after the talk about the locked house,
// the door that leads in only once he has opened it, and the path out.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t YARD = 20;
constexpr int32_t FORK = 12;
constexpr int32_t LIVING_ROOM = 21;

// The scene row's objects.
constexpr int32_t FRONT_DOOR = 1;
constexpr int32_t PATH = 2;
constexpr int32_t OPEN_DOOR = 3;

constexpr uint32_t DIEGO_ACTOR = ActorIdOf("diego");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t DIEGO = ActorScriptableId(DIEGO_ACTOR);

constexpr uint32_t MEMORIES = 0x08274fed;
constexpr uint32_t TRY_DOOR = 0x24a73517;
constexpr uint32_t ASK_DIEGO_TO_OPEN = 0x55bbb60a;
constexpr uint32_t DOOR_OPENED = 0x48b66ef4;

class HouseExteriorATest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter = 5, int32_t iFrom = 0)
    {
        // The memories are had: the tests of later visits want none.
        Set(VARBOOL_BG112_C05_EVENT_MEMORIES);
        EnterInChapter(YARD, iChapter, iFrom);
    }
    void DiegoWaits()
    {
        Set(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE);
        Enter();
    }
};

TEST_F(HouseExteriorATest, SheStepsOutOfTheHouseOrWalksUpThePathAndRemembersOnlyOnHerFirstVisit)
{
    for (const int32_t iFrom : {LIVING_ROOM, 11, FORK, 13, 15, 17, 0, 256 + 5}) {
        SCOPED_TRACE(iFrom);
        Enter(3, iFrom);
        const bool bOutOfTheHouse = iFrom == LIVING_ROOM;
        const bool bUpThePath = !bOutOfTheHouse && iFrom > 0 && iFrom < 256;
        EXPECT_EQ(Places(HEROINE), bOutOfTheHouse ? (std::vector<int32_t> {0, 2})
                                   : bUpThePath   ? (std::vector<int32_t> {0, 4})
                                                  : (std::vector<int32_t> {0}));
        EXPECT_EQ(Walks(HEROINE), bOutOfTheHouse ? (std::vector<int32_t> {3})
                                  : bUpThePath   ? (std::vector<int32_t> {5})
                                                 : (std::vector<int32_t> {}));
        EXPECT_EQ(Values(ID_ACTION_TYPE_SET_BLOCKER, HEROINE), (std::vector<int32_t> {0, 1}));
        EXPECT_TRUE(Dialogs().empty());
    }
    Set(VARBOOL_BG112_C05_EVENT_MEMORIES, false);
    EnterInChapter(YARD, 8, FORK);
    EXPECT_EQ(Dialogs(), Ids({MEMORIES}));
    EXPECT_TRUE(Get(VARBOOL_BG112_C05_EVENT_MEMORIES));
}

TEST_F(HouseExteriorATest, DiegoWaitsByTheDoorOnlyInChapterFiveAfterTheTalkAndUntilItIsOpen)
{
    for (const int32_t iChapter : {4, 5, 6}) {
        for (const bool bTalked : {false, true}) {
            for (const bool bOpened : {false, true}) {
                g_VarManager = VarSet {};
                Set(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE, bTalked);
                Set(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, bOpened);
                Enter(iChapter);
                const bool bWaits = iChapter == 5 && bTalked && !bOpened;
                EXPECT_EQ(Visible(DIEGO) && Open(DIEGO), bWaits) << iChapter << bTalked << bOpened;
                EXPECT_EQ(Visible(DIEGO) || Open(DIEGO), bWaits) << iChapter << bTalked << bOpened;
                EXPECT_EQ(Visible(OPEN_DOOR), bOpened);
                EXPECT_EQ(PlacedAt(DIEGO), 7);
            }
        }
    }
}

TEST_F(HouseExteriorATest, TheFrontDoorLeadsInOnlyOnceItIsOpen)
{
    Enter();
    Run(Click(FRONT_DOOR));
    EXPECT_EQ(Dialogs(), Ids({TRY_DOOR}));
    EXPECT_EQ(NextScene(), 0);

    Set(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR);
    Enter();
    Run(Click(FRONT_DOOR));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {10});
    EXPECT_EQ(NextScene(), LIVING_ROOM);
}

TEST_F(HouseExteriorATest, DiegoOpensTheDoorOnlyWhenTheDialogSaysSoAndBothSetOffAtOnce)
{
    DiegoWaits();
    const EventDesc diegoOnDoor = UseOn(FRONT_DOOR, "ITEM_DIEGO");
    // He will not: the door is switched off for the talk and back on after.
    Run(diegoOnDoor);
    EXPECT_EQ(Dialogs(), Ids({ASK_DIEGO_TO_OPEN}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_ACTIVE, FRONT_DOOR), (std::vector<int32_t> {0, 1}));
    EXPECT_TRUE(Walks(DIEGO).empty());
    EXPECT_TRUE(Taken().empty());
    EXPECT_EQ(NextScene(), 0);
    EXPECT_TRUE(Open(FRONT_DOOR));

    dialogEffects[ASK_DIEGO_TO_OPEN] = [this] { Set(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR); };
    Run(diegoOnDoor);
    EXPECT_EQ(Dialogs(), Ids({ASK_DIEGO_TO_OPEN, DOOR_OPENED}));
    EXPECT_EQ(Walks(DIEGO), (std::vector<int32_t> {6, 11}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {8, 10}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_WAIT, OPEN_DOOR), std::vector<int32_t> {2700});
    EXPECT_TRUE(Visible(OPEN_DOOR));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_EQ(NextScene(), LIVING_ROOM);

    // Once open, Diego on the door is taken and does nothing.
    Enter();
    ExpectMatchedAndIdle(diegoOnDoor);
}

TEST_F(HouseExteriorATest, ThePathFreesItsBlockerBeforeTheWalkAndIsOffInTheDemo)
{
    Enter(5, FORK);
    EXPECT_TRUE(Open(PATH));
    Run(Click(PATH));
    EXPECT_EQ(actionLog.front().m_iActionType, ID_ACTION_TYPE_SET_BLOCKER);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {11, 1}));
    EXPECT_EQ(NextScene(), FORK);

    Set(VARBOOL_BG994_DEMO);
    Enter(5, FORK);
    EXPECT_FALSE(Open(PATH));
}

TEST_F(HouseExteriorATest, AKindWordRaisesDiegosMood)
{
    Enter();
    g_VarManager.SetInt(VARINT_DIEGO_MOOD, 2);
    Run(Callback(0x17a1f56a));
    EXPECT_EQ(g_VarManager.GetInt(VARINT_DIEGO_MOOD), 3);
}

} // namespace
