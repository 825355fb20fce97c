// The script of the first town square of Hollow island (scene 29): where the
// heroine comes in from each side, Briscoe's arrival played once and his
// absence remarked once, Vasco who comes and stays, the two hotspots of
// Nathaniel's door, the door that lets him out and in again, Diego who joins
// her only once he has heard about Alessandro and is held once however often
// she talks to him.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Inventory/Common/InventoryData.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int32_t TOWN_SQUARE_A = 29;
constexpr int32_t JETTY = 28;

using Object = NamedObject<SceneTableRows::s_aObjects_bg302_29>;

constexpr uint32_t DIEGO_ACTOR = ActorIdOf("diego");
constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t BRISCOE = ActorScriptableId(BRISCOE_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(DIEGO_ACTOR);
constexpr int32_t VASCO = ActorScriptableId(ActorIdOf("vasco"));
constexpr int32_t NATHANIEL = ActorScriptableId(ActorIdOf("nathaniel"));

constexpr uint32_t BRISCOE_ARRIVES = 0xb7a876c8;
constexpr uint32_t BRISCOE_MISSING = 0x743d332f;
constexpr uint32_t DIEGO_TALK = 0xed1c6db1;

class TownSquareATest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = JETTY) { EnterInChapter(TOWN_SQUARE_A, iChapter, iFrom); }
    // Briscoe's arrival is over.
    void AfterTheArrival()
    {
        Set(VARBOOL_BG302_C04_EVENT_FIRST_TIME);
        Set(VARBOOL_BG302_C04_BRISCO_HERE);
    }
};

TEST_F(TownSquareATest, SheComesUpFromTheJettyInFromTheTownOrStaysInTheMiddle)
{
    AfterTheArrival();
    for (int32_t iFrom : {6, 28}) {
        Enter(4, iFrom);
        EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {0, 3})) << iFrom;
        EXPECT_TRUE(Walks(HEROINE).empty()) << iFrom;
    }
    for (int32_t iFrom : {30, 31, 33, 34, 35, 36, 38}) {
        Enter(4, iFrom);
        EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {0, 1})) << iFrom;
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {2}) << iFrom;
    }
    // From anywhere else (the map's other places, a loaded game) she stays
    // where the square starts her, and no walk follows.
    for (int32_t iFrom : {0, 29, 32, 37, 57}) {
        Enter(4, iFrom);
        EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {0}) << iFrom;
        EXPECT_TRUE(Walks(HEROINE).empty()) << iFrom;
    }
}

TEST_F(TownSquareATest, BriscoeArrivesOnceAndHisAbsenceIsRemarkedOnceWhenHeHasGone)
{
    Set(VARBOOL_BG301_C04_BRISCOE_HERE);
    Enter(4);
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(BRISCOE_ARRIVES)});
    EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {7});
    EXPECT_TRUE(Get(VARBOOL_BG302_C04_EVENT_FIRST_TIME) && Get(VARBOOL_BG302_C04_BRISCO_HERE) &&
                Get(VARBOOL_HO_MAP_BASE));
    EXPECT_FALSE(Get(VARBOOL_BG301_C04_BRISCOE_HERE));
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE));

    // Back again: he waits where he stopped.
    Enter(4, 30);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Walks(BRISCOE).empty());
    EXPECT_TRUE(Visible(BRISCOE));

    // His talk sends him after the other half: the next visit misses him, once.
    Set(VARBOOL_QUEST_C4_MISSING_HALF_DISK01);
    Enter(4, 30);
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(BRISCOE_MISSING)});
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));
    EXPECT_FALSE(Get(VARBOOL_BG302_C04_BRISCO_HERE));
    Enter(4, 30);
    EXPECT_TRUE(Dialogs().empty());

    // Outside chapter 4 the square is empty and quiet.
    Enter(5);
    EXPECT_TRUE(Dialogs().empty());
    for (int32_t iActor : {BRISCOE, DIEGO, VASCO, NATHANIEL})
        EXPECT_FALSE(Visible(iActor) || Open(iActor)) << iActor;
}

TEST_F(TownSquareATest, VascoComesOnceMissBrownHasBeenSeenToAndStays)
{
    AfterTheArrival();
    Enter(4);
    EXPECT_FALSE(Visible(VASCO) || Open(VASCO));
    for (int32_t iVarId : {VARBOOL_BG305_C04_TALK_MISS_BROWN, VARBOOL_BG305_C04_USE_STONEHALFDISK_ON_MISS_BROWN}) {
        Set(VARBOOL_BG302_C04_VASCO_HERE, false);
        Set(iVarId);
        Enter(4);
        EXPECT_TRUE(Visible(VASCO) && Open(VASCO)) << iVarId;
        EXPECT_TRUE(Get(VARBOOL_BG302_C04_VASCO_HERE)) << iVarId;
        Set(iVarId, false);
    }
    Enter(4);
    EXPECT_TRUE(Visible(VASCO) && Open(VASCO));
}

TEST_F(TownSquareATest, NathanielsDoorIsAPlainHouseDoorUntilSheKnowsTheHouse)
{
    AfterTheArrival();
    Enter(4);
    EXPECT_TRUE(Open(Object("house_door")));
    EXPECT_FALSE(Open(Object("nathaniels_house_door")));
    // Both hotspots say the same from their own places.
    Run(ScriptEvent_Object1(Object("house_door")));
    const std::vector<int32_t> plainLook = Dialogs();
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {22});
    Run(Click(Object("house_door")));
    const std::vector<int32_t> plainKnock = Dialogs();

    Set(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE);
    Enter(4);
    EXPECT_FALSE(Open(Object("house_door")));
    EXPECT_TRUE(Open(Object("nathaniels_house_door")));
    Run(ScriptEvent_Object1(Object("nathaniels_house_door")));
    EXPECT_EQ(Dialogs(), plainLook);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {13});
    Run(Click(Object("nathaniels_house_door")));
    EXPECT_EQ(Dialogs(), plainKnock);

    // Outside chapter 4 only the named door answers.
    Set(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE, false);
    Enter(7);
    EXPECT_FALSE(Open(Object("house_door")));
    EXPECT_TRUE(Open(Object("nathaniels_house_door")));
}

TEST_F(TownSquareATest, NathanielComesOutThroughTheOpeningDoorAndGoesBackBehindItShut)
{
    AfterTheArrival();
    Set(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE);
    Enter(4);
    EXPECT_TRUE(Visible(Object("m_closed_door")));
    EXPECT_FALSE(Visible(Object("m_open_door")) || Visible(Object("m_move_door")) || Visible(NATHANIEL));
    Run(Callback(0x396e04f4));
    EXPECT_TRUE(Visible(NATHANIEL) && Visible(Object("m_open_door")) && Visible(Object("m_move_door")));
    EXPECT_FALSE(Visible(Object("m_closed_door")));
    // He is seen, not clicked: the talk is the knock's.
    EXPECT_FALSE(Open(NATHANIEL));
    Run(Callback(0xb79f5b0a));
    EXPECT_FALSE(Visible(NATHANIEL) || Visible(Object("m_open_door")) || Visible(Object("m_move_door")));
    EXPECT_TRUE(Visible(Object("m_closed_door")));
}

TEST_F(TownSquareATest, VascosShellIsGivenByHisCallback)
{
    AfterTheArrival();
    Set(VARBOOL_BG302_C04_VASCO_HERE);
    Enter(4);
    Run(ScriptEvent_FlaggedId2(VASCO));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {10});
    EXPECT_TRUE(Given().empty());
    Run(Callback(0xa8481318));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_EGG_SHELL")});
}

TEST_F(TownSquareATest, DiegoJoinsOnlyOnceHeHasHeardAboutAlessandroAndIsHeldOnce)
{
    AfterTheArrival();
    Set(VARBOOL_BG302_C04_DIEGO_HERE);
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, 2);
    Enter(4);
    EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
    Run(ScriptEvent_FlaggedId2(DIEGO));
    EXPECT_TRUE(Given().empty());

    // The talk that tells him sets the flag before it ends.
    dialogEffects[DIEGO_TALK] = [this] { Set(VARBOOL_BG302_C04_TALK_DIEGO_ABOUT_ALESSANDRO); };
    InventoryData inventory;
    for (int talk = 0; talk < 3; ++talk) {
        Run(ScriptEvent_FlaggedId2(DIEGO));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DIEGO")});
        for (int32_t iItem : Given())
            inventory.AddItem(static_cast<uint32_t>(iItem), 1, INVENTORY_INVALID_SLOT);
    }
    EXPECT_EQ(std::count(std::begin(inventory.m_aCells), std::end(inventory.m_aCells), ItemIdOf("ITEM_DIEGO")), 1);

    // Elsewhere on the island he is not in this square.
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, 3);
    Enter(4);
    EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));
}

} // namespace
