// The Buckleberry inn's script (scene 23): the two floors and what answers on
// each, the jackpot machine and every way back from it, the hairpin under the
// modern picture, the door that keeps the ram rod in, the events that match
// and do nothing, and Pierre walking out once his consignment is done.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t INN = 23;
constexpr int32_t DOCKS = 22;
constexpr int32_t CLOSE_UP_PLACEHOLDER = 58;
constexpr int32_t BACK_FROM_SLOT_MACHINE = 259;

using Object = NamedObject<SceneTableRows::s_aObjects_bg202_23>;
constexpr int32_t BASKET = Object("basket");
constexpr int32_t JACKPOT_MACHINE = Object("jackpot_machine");
constexpr int32_t UPSTAIRS = Object("upstairs");
constexpr int32_t GOTO_BG201 = Object("goto_bg201");
constexpr int32_t DOWNSTAIRS = Object("downstairs");
constexpr int32_t MODERN_PICTURE = Object("modern_picture");
constexpr int32_t FISHING_ROD = Object("fishing_rod");
constexpr int32_t MUSKET = Object("musket");
constexpr int32_t SIGN = Object("sign");
constexpr int32_t TRAPDOOR = Object("trapdoor");

constexpr uint32_t ANITA_ACTOR = ActorIdOf("anita");
constexpr uint32_t STRANGER_ACTOR = ActorIdOf("stranger");
constexpr uint32_t PIERRE_ACTOR = ActorIdOf("pierre_l");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t ANITA = ActorScriptableId(ANITA_ACTOR);
constexpr int32_t STRANGER = ActorScriptableId(STRANGER_ACTOR);
constexpr int32_t PIERRE = ActorScriptableId(PIERRE_ACTOR);

// What answers the player on each floor.
constexpr int32_t BAR_ROOM[] = {BASKET, UPSTAIRS, GOTO_BG201, SIGN, TRAPDOOR, ANITA, STRANGER};
constexpr int32_t UPPER_FLOOR[] = {DOWNSTAIRS, JACKPOT_MACHINE};

class BuckleberryInnTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the inn in the chapter from the scene; the enter walk's actions
    // are then in actionLog.
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(INN, iChapter, iFrom); }

    std::vector<int32_t> GivenCounts() const { return Values(ID_ACTION_TYPE_ADD_ITEM, HEROINE, 1); }
    // Whether the walk of the event waits for somebody before its dialog
    // starts.
    bool WaitsBeforeTheDialog(const EventDesc& oEvent)
    {
        for (const ActionDesc& oAction : FiredBy(oEvent)) {
            if (oAction.m_iActionType == ID_ACTION_TYPE_WAIT_FOR)
                return true;
            if (oAction.m_iActionType == ID_ACTION_TYPE_START_DIALOG)
                return false;
        }
        ADD_FAILURE() << "no dialog";
        return false;
    }
};

TEST_F(BuckleberryInnTest, EachFloorAnswersOnlyWithWhatStandsOnItAndTheFloorSurvivesLeaving)
{
    Enter(3, DOCKS);
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {0, 10}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {3});
    for (const int32_t iId : BAR_ROOM)
        EXPECT_TRUE(Open(iId)) << iId;
    EXPECT_TRUE(Open(MODERN_PICTURE));
    EXPECT_FALSE(Open(DOWNSTAIRS) || Open(JACKPOT_MACHINE) || Open(FISHING_ROD) || Open(MUSKET));

    // Up the stairs: her blockers open for the climb and close behind her.
    Run(Click(UPSTAIRS));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {1, 4}));
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {2});
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_BLOCKER, HEROINE, 1), (std::vector<int32_t> {0, 0, 1, 1}));
    EXPECT_TRUE(Get(VARBOOL_BG202_C03_EVENT_UPSTAIR));
    for (const int32_t iId : BAR_ROOM)
        EXPECT_FALSE(Open(iId)) << iId;
    EXPECT_FALSE(Open(MODERN_PICTURE) || Open(PIERRE));
    for (const int32_t iId : UPPER_FLOOR)
        EXPECT_TRUE(Open(iId)) << iId;

    // Entered again, she is still upstairs, and so is what answers.
    Enter(3, DOCKS);
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {4});
    EXPECT_TRUE(Walks(HEROINE).empty());
    for (const int32_t iId : BAR_ROOM)
        EXPECT_FALSE(Open(iId)) << iId;
    for (const int32_t iId : UPPER_FLOOR)
        EXPECT_TRUE(Open(iId)) << iId;

    // Down in chapter 8, with Pierre's window open and the rod still there.
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
    Set(VARBOOL_QUEST_C8_JUSTICE03_DONE);
    Run(Click(DOWNSTAIRS));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {2, 5}));
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {1});
    EXPECT_FALSE(Get(VARBOOL_BG202_C03_EVENT_UPSTAIR));
    for (const int32_t iId : BAR_ROOM)
        EXPECT_TRUE(Open(iId)) << iId;
    EXPECT_TRUE(Open(PIERRE) && Open(MUSKET) && Open(FISHING_ROD));
    EXPECT_FALSE(Open(MODERN_PICTURE) || Open(DOWNSTAIRS) || Open(JACKPOT_MACHINE));
}

TEST_F(BuckleberryInnTest, TheDoubloonGoesBeforeTheWalkAndTheMachineStartsAfterHerHand)
{
    Set(VARBOOL_BG202_C03_EVENT_CLOSING_SOON);
    Enter(3);
    Run(UseOn(JACKPOT_MACHINE, "ITEM_DOUBLOON"));
    ASSERT_FALSE(actionLog.empty());
    EXPECT_EQ(actionLog.front().m_iActionType, ID_ACTION_TYPE_REMOVE_ITEM);
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DOUBLOON")});
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {19});
    EXPECT_EQ(Values(ID_ACTION_TYPE_ANIMATION, HEROINE).size(), 3u);
    EXPECT_EQ(QueuedMiniGame(), 3);
}

TEST_F(BuckleberryInnTest, EveryWayBackFromTheMachinePlaysOneRemarkAndTheBottleComesOnce)
{
    struct Case {
        bool bWon;
        int32_t iResult;
        uint32_t uDialog;
        std::vector<int32_t> given;
        std::vector<int32_t> counts;
    } const cases[] = {
        {true, 2, 0x76ee55fd, {Item("ITEM_STRONG_ALCOHOL_BOTTLE")}, {1}},
        {true, 2, 0xd1ee1d45, {}, {}},
        {true, 1, 0x5f7e0cf9, {Item("ITEM_DOUBLOON")}, {3}},
        {true, 0, 0xf1f455bb, {}, {}},
        {true, 3, 0xb6b85202, {}, {}},
        {true, 7, 0xb1477d58, {}, {}},
        {false, 2, 0xb1477d58, {}, {}},
    };
    Set(VARBOOL_BG202_C03_EVENT_CLOSING_SOON);
    Set(VARBOOL_BG202_C03_EVENT_UPSTAIR);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iResult);
        Set(VARBOOL_C_WIN_MINIGAME, c.bWon);
        g_VarManager.SetInt(VARINT_CRACKPOT_RESULT, c.iResult);
        Enter(3, BACK_FROM_SLOT_MACHINE);
        EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(c.uDialog)});
        EXPECT_EQ(Given(), c.given);
        EXPECT_EQ(GivenCounts(), c.counts);
        EXPECT_FALSE(Get(VARBOOL_C_WIN_MINIGAME));
        // Upstairs, she stands at the machine.
        EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {4, 19}));
        EXPECT_EQ(Places(ANITA), std::vector<int32_t> {7});
    }
    EXPECT_TRUE(Get(VARBOOL_WIN_MINIGAME_03));
}

TEST_F(BuckleberryInnTest, TheAlcoholBaresTheHairpinOnceAndThePictureStaysDone)
{
    Set(VARBOOL_BG202_C03_EVENT_CLOSING_SOON);
    Enter(3);
    EXPECT_TRUE(Open(MODERN_PICTURE));
    Run(UseOn(MODERN_PICTURE, "ITEM_STRONG_ALCOHOL_BOTTLE"));
    EXPECT_EQ(Dialogs(), (std::vector<int32_t> {0x7a36cc69, static_cast<int32_t>(0xfe0bc33f)}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE),
              std::vector<int32_t> {int32_t(AttachmentNamed("bottle"))});
    EXPECT_TRUE(Get(VARBOOL_BG202_C03_USE_ALCOHOL_ON_MODERN_PICTURE) && Get(VARBOOL_BG202_C03_PICK_HAIRPIN));
    EXPECT_FALSE(Open(MODERN_PICTURE));

    Run(Callback(0x9612a783));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_HAIRPIN")});
    EXPECT_TRUE(Get(VARBOOL_BG202_C03_USE_ALCOHOL_ON_HAIRPIN));
    Run(Callback(0x0f1bf639));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_STRONG_ALCOHOL_BOTTLE")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_NEAR_EMPTY_BOTTLE")});

    Enter(3, DOCKS);
    EXPECT_FALSE(Open(MODERN_PICTURE));
    // Only chapter 3 has the picture to work on.
    Set(VARBOOL_BG202_C03_PICK_HAIRPIN, false);
    Enter(4, DOCKS);
    EXPECT_FALSE(Open(MODERN_PICTURE));
}

TEST_F(BuckleberryInnTest, TheMapSceneFromTheCloseUpAndTheClosingRemarkPlayOnlyUntilDone)
{
    Set(VARBOOL_QUEST_C3_FIND_GRAVEYARD02);
    dialogEffects[0xb9664fad] = [this] { Set(VARBOOL_BG202_C03_EVENT_CLOSING_SOON); };
    Enter(3, CLOSE_UP_PLACEHOLDER);
    EXPECT_EQ(Dialogs(), (std::vector<int32_t> {static_cast<int32_t>(0x97ba2e5b), static_cast<int32_t>(0xb9664fad)}));
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {0, 9}));
    EXPECT_TRUE(Get(VARBOOL_CR_MAP_BG203));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE),
              std::vector<int32_t> {int32_t(AttachmentNamed("unrolled_map"))});

    // From the docks, once the remark has been made: nothing to say.
    Enter(3, DOCKS);
    EXPECT_TRUE(Dialogs().empty());
    // Without the quest the close-up brings no map scene.
    Set(VARBOOL_QUEST_C3_FIND_GRAVEYARD02, false);
    Enter(3, CLOSE_UP_PLACEHOLDER);
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(BuckleberryInnTest, TheDoorKeepsTheRamRodInButStillWalksHerThereAndEndsThePedroWait)
{
    Enter(8);
    Set(VARBOOL_QUEST_C8_PEDRO01);
    Set(VARBOOL_BG202_C08_PICK_RAM_ROD);
    Run(Click(GOTO_BG201));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {21});
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0xf4c474b8)});
    EXPECT_EQ(NextScene(), 0);
    EXPECT_TRUE(Get(VARBOOL_BG202_C08_PEDRO_AT_BAR));

    // The rod back in the musket, she may go.
    Run(UseOn(MUSKET, "ITEM_RAM_ROD"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_RAM_ROD")});
    EXPECT_FALSE(Get(VARBOOL_BG202_C08_PICK_RAM_ROD));
    EXPECT_TRUE(Visible(Object("i_ram_rod")));
    Run(Click(GOTO_BG201));
    EXPECT_EQ(NextScene(), DOCKS);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {21, 11}));

    // Next time the stranger stands at the bar, and Anita works behind it.
    Enter(8, DOCKS);
    EXPECT_EQ(Places(STRANGER), std::vector<int32_t> {12});
    EXPECT_EQ(Places(ANITA), std::vector<int32_t> {7});
}

TEST_F(BuckleberryInnTest, TheRodsWaitForAnitasWordAndTheRamRodComesAndGoesAsOftenAsWanted)
{
    Enter(8);
    EXPECT_TRUE(Visible(Object("i_fishing_rod")) && Visible(Object("i_ram_rod")));
    Run(Click(FISHING_ROD));
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {0x0d3de703});
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Get(VARBOOL_BG202_C08_INT_FISHING_ROD));
    Run(Click(MUSKET));
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Get(VARBOOL_BG202_C08_INT_MUSKET));

    Set(VARBOOL_BG202_C08_TALK_ANITA_ABOUT_FISHING_ROD);
    Set(VARBOOL_BG202_C08_TALK_ANITA_ABOUT_MUSKET);
    Run(Click(FISHING_ROD));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_FISHING_ROD")});
    EXPECT_FALSE(Open(FISHING_ROD) || Visible(Object("i_fishing_rod")));
    for (int round = 0; round < 2; ++round) {
        Run(Click(MUSKET));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_RAM_ROD")});
        // Held: the musket has nothing more to give.
        Run(Click(MUSKET));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {25});
        EXPECT_TRUE(Given().empty());
        Run(UseOn(MUSKET, "ITEM_RAM_ROD"));
        EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_RAM_ROD")});
    }
    Enter(8, DOCKS);
    EXPECT_FALSE(Visible(Object("i_fishing_rod")) || Open(FISHING_ROD));
    EXPECT_TRUE(Visible(Object("i_ram_rod")));
}

TEST_F(BuckleberryInnTest, UnreadyGiftsMatchAndDoNothingWhileAnItemWithoutAHandlerIsABadInteraction)
{
    Set(VARBOOL_CR_MAP_BG203);
    Enter(8);
    ExpectMatchedAndIdle(ScriptEvent_ItemOnFlaggedId3(ANITA_ACTOR, ItemIdOf("ITEM_OCTOPUS")));
    ExpectMatchedAndIdle(ScriptEvent_ItemOnFlaggedId3(STRANGER_ACTOR, ItemIdOf("ITEM_WOODEN_POLE")));
    ExpectMatchedAndIdle(ScriptEvent_ItemOnFlaggedId3(ANITA_ACTOR, ItemIdOf("ITEM_CRAB_ISLAND_MAP")));
    ExpectMatchedAndIdle(Callback(0x141519cb));

    manager.Update(16);
    ASSERT_TRUE(manager.FireEvent(ScriptEvent_ItemOnFlaggedId3(ANITA_ACTOR, ItemIdOf("ITEM_HAIRPIN"))));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    RunWalk();

    // Ready, the octopus becomes an ink sac and the pole is whittled.
    Set(VARBOOL_BG202_C08_TALK_ANITA_OCTOPUS);
    Run(ScriptEvent_ItemOnFlaggedId3(ANITA_ACTOR, ItemIdOf("ITEM_OCTOPUS")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_INK_SAC")});
    Set(VARBOOL_QUEST_C8_POLE01);
    Run(ScriptEvent_ItemOnFlaggedId3(STRANGER_ACTOR, ItemIdOf("ITEM_WOODEN_POLE")));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_WOODEN_POLE")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_WHITTLED_POLE")});
    EXPECT_TRUE(Get(VARBOOL_BG202_C08_HAVE_INK_SAC) && Get(VARBOOL_BG202_C08_HAVE_WHITTLED_POLE));
}

TEST_F(BuckleberryInnTest, PierreWalksOutInTheSameVisitOnceHisConsignmentIsDoneAndStaysGone)
{
    Set(VARBOOL_QUEST_C8_NOTES04_DONE);
    Enter(8);
    EXPECT_TRUE(Visible(PIERRE) && Open(PIERRE));
    EXPECT_EQ(Places(PIERRE), std::vector<int32_t> {14});

    Run(ScriptEvent_FlaggedId2(PIERRE_ACTOR));
    EXPECT_TRUE(Walks(PIERRE).empty());
    dialogEffects[0x0ff6d3af] = [this] { Set(VARBOOL_QUEST_C8_CONSIGNMENT06_DONE); };
    Run(ScriptEvent_FlaggedId2(PIERRE_ACTOR));
    EXPECT_EQ(Walks(PIERRE), (std::vector<int32_t> {29, 21, 10}));
    EXPECT_FALSE(Visible(PIERRE) || Open(PIERRE));

    Enter(8, DOCKS);
    EXPECT_FALSE(Visible(PIERRE) || Open(PIERRE));
    EXPECT_TRUE(Places(PIERRE).empty());
}

TEST_F(BuckleberryInnTest, OnlyTheTalkDuringThePedroQuestStartsTheDialogWhileSheWalks)
{
    Enter(8);
    const EventDesc talk = ScriptEvent_FlaggedId2(ANITA_ACTOR);
    // Usually she walks up first.
    EXPECT_TRUE(WaitsBeforeTheDialog(talk));
    Set(VARBOOL_QUEST_C8_PEDRO01);
    EXPECT_FALSE(WaitsBeforeTheDialog(talk));
    // The handlers built after the stretch wait again.
    EXPECT_TRUE(WaitsBeforeTheDialog(ScriptEvent_FlaggedId2(STRANGER_ACTOR)));
    EXPECT_TRUE(WaitsBeforeTheDialog(Click(BASKET)));
}

} // namespace
