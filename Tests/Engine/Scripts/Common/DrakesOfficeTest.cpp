// Drake's office (scene 26): Mabel's first appearance once and the door held
// until she is heard out, each way in and what it adds, the blowpipe taken
// once, the portrait, the safe and its note, the cabinet and the small key,
// and the door that still plays her hand on it as the screen fades.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t OFFICE = 26;
constexpr int32_t OFFICE_EXTERIOR = 25;
constexpr int32_t SAFE_CLOSE_UP = 54;
constexpr int32_t TOWN_SQUARE = 30;

using Object = NamedObject<SceneTableRows::s_aObjects_bg205_26>;
constexpr int32_t DOOR = Object("goto_bg204");
constexpr int32_t WINDOW = Object("window");
constexpr int32_t PORTRAIT = Object("governors_portrait");
constexpr int32_t SAFE = Object("safe");
constexpr int32_t SAFE_INTERIOR = Object("safe_interior");
constexpr int32_t FOLDER = Object("i_folder_paper_2");
constexpr int32_t CABINET = Object("four_drawer_cabinets");
constexpr int32_t FIRST_DRAWER = Object("fourth_drawer1");
constexpr int32_t SECOND_DRAWER = Object("fourth_drawer2");
constexpr int32_t BLOWPIPE_CASE = Object("showcase_blowpipe");
constexpr int32_t MABEL = ActorScriptableId(ActorIdOf("mabel"));

constexpr uint32_t TAKING_IT_IN = 0xf7589124;
constexpr uint32_t SAFE_STAYS_SHUT = 0x83591363;

class DrakesOfficeTest : public SceneScriptWithLogicActorsTest {
protected:
    void Enter(int32_t iFrom) { EnterInChapter(OFFICE, 8, iFrom); }
};

TEST_F(DrakesOfficeTest, MabelShowsHerselfOnceAndHoldsTheDoorUntilSheIsHeardOut)
{
    Enter(OFFICE_EXTERIOR);
    EXPECT_TRUE(Get(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN));
    EXPECT_EQ(Dialogs(), Ids({TAKING_IT_IN, TAKING_IT_IN, TAKING_IT_IN}));
    EXPECT_TRUE(Visible(MABEL));
    EXPECT_TRUE(Open(MABEL));
    EXPECT_FALSE(Open(DOOR));
    EXPECT_FALSE(Open(WINDOW));
    // Her dialog lets the heroine go.
    Run(Callback(0x69689394));
    EXPECT_TRUE(Open(DOOR));
    EXPECT_TRUE(Open(WINDOW));

    // Back in before she was heard out: no second appearance, the door held.
    Enter(OFFICE_EXTERIOR);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Visible(MABEL));
    EXPECT_FALSE(Open(DOOR));
    Set(VARBOOL_QUEST_C8_JUSTICE01);
    Enter(OFFICE_EXTERIOR);
    EXPECT_TRUE(Open(DOOR));
    EXPECT_TRUE(Open(WINDOW));
}

TEST_F(DrakesOfficeTest, FromAnyOtherSceneSheStandsAtTheStartWithNoWalkAndNoEvent)
{
    Enter(TOWN_SQUARE);
    EXPECT_EQ(PlacedAt(heroine), 0);
    EXPECT_TRUE(Walks(heroine).empty());
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Get(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN));
    EXPECT_FALSE(Visible(MABEL));
    EXPECT_TRUE(Open(DOOR));
    // The map is never offered in the office.
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);
}

TEST_F(DrakesOfficeTest, BackFromTheSafesLockTheRightCombinationOpensTheSafeAtOnce)
{
    Set(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN);
    Set(VARBOOL_BG205_C08_OPEN_PORTRAIT);
    Enter(SAFE_CLOSE_UP);
    EXPECT_EQ(PlacedAt(heroine), 20);
    EXPECT_EQ(Dialogs(), Ids({SAFE_STAYS_SHUT}));
    EXPECT_TRUE(Open(SAFE));
    EXPECT_FALSE(Open(PORTRAIT));

    Set(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION);
    Enter(SAFE_CLOSE_UP);
    EXPECT_EQ(PlacedAt(heroine), 20);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Open(SAFE_INTERIOR));
    EXPECT_FALSE(Open(SAFE));
    EXPECT_TRUE(Visible(FOLDER));

    // Once the note is read the way back adds nothing: the portrait hangs.
    Set(VARBOOL_QUEST_C8_CONSIGNMENT03);
    Enter(SAFE_CLOSE_UP);
    EXPECT_EQ(PlacedAt(heroine), 0);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Open(PORTRAIT));
    EXPECT_FALSE(Open(SAFE));
    EXPECT_FALSE(Open(SAFE_INTERIOR));
}

TEST_F(DrakesOfficeTest, ThePortraitSwingsAsideOnTheSafeWhichLeadsToItsLockAndClosesOnTheNote)
{
    Set(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN);
    Enter(TOWN_SQUARE);
    ASSERT_TRUE(Open(PORTRAIT));
    Run(Callback(0x9bb4210d));
    EXPECT_TRUE(Get(VARBOOL_BG205_C08_OPEN_PORTRAIT));
    EXPECT_FALSE(Open(PORTRAIT));
    ASSERT_TRUE(Open(SAFE));
    Run(Click(SAFE));
    EXPECT_EQ(NextScene(), SAFE_CLOSE_UP);

    Set(VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION);
    Enter(SAFE_CLOSE_UP);
    Run(Click(SAFE_INTERIOR));
    EXPECT_EQ(Dialogs(), Ids({0x3b7083fc}));
    // The note read, it goes back and the portrait swings shut.
    Run(Callback(0x18142901));
    EXPECT_TRUE(Visible(FOLDER));
    EXPECT_TRUE(Open(PORTRAIT));
    EXPECT_FALSE(Open(SAFE));
    EXPECT_FALSE(Open(SAFE_INTERIOR));
}

TEST_F(DrakesOfficeTest, TheBlowpipeIsTakenOnceAndItsEmptyShowcaseMatchesAndDoesNothing)
{
    Enter(TOWN_SQUARE);
    Run(Click(BLOWPIPE_CASE));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BLOCKED_BLOW_PIPE")});
    EXPECT_TRUE(Get(VARBOOL_BG205_C08_PICK_BLOCKED_BLOWPIPE));
    EXPECT_FALSE(Open(BLOWPIPE_CASE));
    ExpectMatchedAndIdle(Click(BLOWPIPE_CASE));
    Enter(TOWN_SQUARE);
    EXPECT_FALSE(Visible(Object("i_blowpipe")));
    EXPECT_FALSE(Open(BLOWPIPE_CASE));
}

TEST_F(DrakesOfficeTest, TheCabinetShowsItsDrawersAndTheSmallKeyOpensTheLockedOneForGood)
{
    Set(VARBOOL_QUEST_C8_NOTES04);
    Enter(TOWN_SQUARE);
    EXPECT_TRUE(Open(CABINET));
    EXPECT_FALSE(Open(FIRST_DRAWER));
    Run(Click(CABINET));
    EXPECT_TRUE(Get(VARBOOL_BG205_C08_INT_FOURTH_DRAWER_CABINET));
    EXPECT_FALSE(Open(CABINET));
    EXPECT_TRUE(Open(FIRST_DRAWER));
    EXPECT_TRUE(Open(SECOND_DRAWER));

    // Tried by hand it stays locked; the key opens it, and she reads.
    Run(Click(SECOND_DRAWER));
    EXPECT_EQ(Dialogs(), Ids({0x29136f0d}));
    Run(UseOn(SECOND_DRAWER, "ITEM_SMALL_KEY"));
    EXPECT_EQ(Dialogs(), Ids({0x05e77ee1, 0x78732763}));
    EXPECT_FALSE(Open(SECOND_DRAWER));
    // Nothing takes the key: it stays hers.
    EXPECT_TRUE(Taken().empty());

    Set(VARBOOL_QUEST_C8_NOTES04_DONE);
    Enter(TOWN_SQUARE);
    EXPECT_TRUE(Open(FIRST_DRAWER));
    EXPECT_FALSE(Open(SECOND_DRAWER));
    EXPECT_TRUE(Visible(Object("o_drawer_2")));
}

TEST_F(DrakesOfficeTest, TheKeysTurnAndHerPullOnTheDrawerStartTogetherBeforeSheStepsUp)
{
    Set(VARBOOL_QUEST_C8_NOTES04);
    Enter(TOWN_SQUARE);
    std::vector<int32_t> startedBeforeAWait;
    for (const ActionDesc& oAction : FiredBy(Callback(0x13057a21))) {
        if (oAction.m_iActionType == ID_ACTION_TYPE_WAIT_FOR)
            break;
        startedBeforeAWait.push_back(oAction.m_iActionType);
    }
    EXPECT_EQ(startedBeforeAWait, (std::vector<int32_t> {ID_ACTION_TYPE_PLAY_ACTOR_SOUND, ID_ACTION_TYPE_ANIMATION,
                                                         ID_ACTION_TYPE_WALK_TO_WAYPOINT}));
}

TEST_F(DrakesOfficeTest, AnythingElseOnTheDrawerOrAnyItemElsewhereGetsTheBadInteraction)
{
    Set(VARBOOL_QUEST_C8_NOTES04);
    Set(VARBOOL_BG205_C08_INT_FOURTH_DRAWER_CABINET);
    Enter(TOWN_SQUARE);
    for (const EventDesc& oEvent : {UseOn(SECOND_DRAWER, "ITEM_DOUBLOON"), UseOn(PORTRAIT, "ITEM_SMALL_KEY")}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(oEvent));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
        RunWalk();
    }
}

TEST_F(DrakesOfficeTest, HeardOutMabelFadesAwayAndAnswersNoMore)
{
    Set(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN);
    Enter(TOWN_SQUARE);
    Set(VARBOOL_QUEST_C8_NOTES03_DONE);
    Run(ScriptEvent_FlaggedId2(ActorIdOf("mabel")));
    EXPECT_FALSE(Open(MABEL));
    Run(Callback(0xe13a8c0f));
    EXPECT_FALSE(Visible(MABEL));
    Enter(OFFICE_EXTERIOR);
    EXPECT_FALSE(Visible(MABEL));
}

TEST_F(DrakesOfficeTest, TheDoorAsksForTheExteriorThenStillPlaysHerHandOnItDuringTheFade)
{
    Set(VARBOOL_BG205_C08_EVENT_TAKING_IT_IN);
    Set(VARBOOL_QUEST_C8_JUSTICE01);
    Enter(OFFICE_EXTERIOR);
    Run(Click(DOOR));
    EXPECT_EQ(NextScene(), OFFICE_EXTERIOR);
    EXPECT_EQ(Values(ID_ACTION_TYPE_ANIMATION, heroine),
              std::vector<int32_t> {AnimationOf<"tavrine">("g_dooropenfailure02").m_iId});
}

} // namespace
