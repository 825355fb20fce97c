// The script of the docks of Crab island (scene 22): the lamp that stays lit,
// the bottle shared with the hairpin, the map taken once, Razzo's news and
// the graveyard road, the landing stage's one answer, chapter 7's hook and
// claw and chapter 8's people.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t DOCKS = 22;
constexpr int32_t INN = 23;
constexpr int32_t GRAVEYARD = 24;
constexpr int32_t WORLD_MAP = 57;

using Object = NamedObject<SceneTableRows::s_aObjects_bg201_22>;

constexpr uint32_t SONIA_ACTOR = ActorIdOf("sonia");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t RAZZO = ActorScriptableId(ActorIdOf("razzo"));
constexpr int32_t SONIA = ActorScriptableId(SONIA_ACTOR);

constexpr uint32_t LAMP_LIT = 0x8558cd14;
constexpr uint32_t RAZZO_KEEPS_WATCH = 0x15121c97;
constexpr uint32_t LOCK_PICKED = 0x8c1b4d2d;
constexpr uint32_t CLAW_COMES_DOWN = 0x9b210ec8;
constexpr uint32_t RAZZOS_NEWS = 0x451f0f00;
constexpr uint32_t LANDING_STAGE = 0xb64c0ac3;

class DocksCrabIslandTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = WORLD_MAP) { EnterInChapter(DOCKS, iChapter, iFrom); }
};

TEST_F(DocksCrabIslandTest, TheLampLightsTheCaseAndEveryLaterVisitFindsItLit)
{
    Enter(3);
    EXPECT_FALSE(Visible(Object("e_flame_lamp")) || Visible(Object("e_halo_fuse")) || Visible(Object("e_mapbox_fade")));
    EXPECT_TRUE(Open(Object("case_catch")));
    EXPECT_FALSE(Open(Object("town_map")));

    Run(UseOn(Object("lamp"), "ITEM_STRONG_ALCOHOL_BOTTLE"));
    EXPECT_TRUE(Get(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP));
    Run(UseOn(Object("lamp"), "ITEM_MATCH_BOX"));
    EXPECT_EQ(Dialogs(), Ids({0xb7ac4e6d}));
    Run(Callback(LAMP_LIT));
    EXPECT_TRUE(Get(VARBOOL_BG201_C03_LAMP_IS_LIGHT));
    EXPECT_TRUE(Open(Object("town_map")));
    EXPECT_FALSE(Open(Object("case_catch")));

    // Back from the inn: the flame, its halo and the lit case, the map to
    // be reached.
    Enter(3, INN);
    EXPECT_TRUE(Visible(Object("e_flame_lamp")) && Visible(Object("e_halo_fuse")) && Visible(Object("e_mapbox_fade")));
    EXPECT_TRUE(Open(Object("town_map")));
    EXPECT_FALSE(Open(Object("case_catch")));
}

TEST_F(DocksCrabIslandTest, TheBottleIsNearlyEmptyOnlyOnceTheHairpinHadItsShareToo)
{
    for (const bool bHairpinDone : {false, true}) {
        Set(VARBOOL_BG202_C03_USE_ALCOHOL_ON_HAIRPIN, bHairpinDone);
        Enter(3);
        Run(UseOn(Object("lamp"), "ITEM_STRONG_ALCOHOL_BOTTLE"));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {16});
        EXPECT_EQ(Taken(),
                  bHairpinDone ? std::vector<int32_t> {Item("ITEM_STRONG_ALCOHOL_BOTTLE")} : std::vector<int32_t> {});
        EXPECT_EQ(Given(),
                  bHairpinDone ? std::vector<int32_t> {Item("ITEM_NEAR_EMPTY_BOTTLE")} : std::vector<int32_t> {});
    }
}

TEST_F(DocksCrabIslandTest, TheHairpinOpensTheCaseOnceWhileRazzoKeepsWatch)
{
    Set(VARBOOL_BG201_C03_LAMP_IS_LIGHT);
    Enter(3);
    EXPECT_FALSE(Visible(Object("o_mapbox")) || Visible(Object("o_door_open")));
    Run(UseOn(Object("town_map"), "ITEM_HAIRPIN"));
    EXPECT_EQ(Dialogs(), Ids({0x99e911a9}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {15});
    Run(Callback(RAZZO_KEEPS_WATCH));
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {8});
    Run(Callback(LOCK_PICKED));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_CRAB_ISLAND_MAP")});
    EXPECT_TRUE(Get(VARBOOL_BG201_C03_PICK_CRAB_MAP));
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {11});
    EXPECT_FALSE(Open(Object("town_map")));
    EXPECT_TRUE(Open(Object("case_catch")));
    EXPECT_TRUE(Visible(Object("o_mapbox")) && Visible(Object("o_door_open")));
    EXPECT_FALSE(Visible(Object("f_door_open")));

    // The case stays open and the map is not offered again.
    Enter(3, INN);
    EXPECT_FALSE(Open(Object("town_map")));
    EXPECT_TRUE(Visible(Object("o_mapbox")) && Visible(Object("o_door_open")));
}

TEST_F(DocksCrabIslandTest, RazzosNewsComesOnceOnlyOnceTheGraveyardIsKnownAndOpensTheRoad)
{
    Enter(3);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Open(Object("goto_bg203")));
    EXPECT_TRUE(Visible(RAZZO) && Open(RAZZO) && Visible(SONIA) && Open(SONIA));

    Set(VARBOOL_QUEST_C3_FIND_GRAVEYARD02);
    Enter(3, INN);
    EXPECT_EQ(Dialogs(), Ids({RAZZOS_NEWS}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {3, 10}));
    EXPECT_TRUE(Get(VARBOOL_BG201_C03_EVENT_RAZZO));
    EXPECT_TRUE(Open(Object("goto_bg203")));

    Enter(3, INN);
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(DocksCrabIslandTest, TheGraveyardRoadTakesRazzoAlongOnlyTheFirstTimeAndNoWayOutTurnsHerAtItsFoot)
{
    struct Case {
        const char* pName;
        int32_t iChapter;
        bool bBeenThere;
        bool bTogether;
    } const cases[] = {
        {"chapter 3, first time", 3, false, true},
        {"chapter 3, once there", 3, true, false},
        {"chapter 7", 7, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        g_VarManager = VarSet {};
        Set(VARBOOL_QUEST_C3_FIND_GRAVEYARD02);
        Set(VARBOOL_BG201_C03_EVENT_RAZZO);
        Set(VARBOOL_BG203_C03_FIRST_TIME, c.bBeenThere);
        Enter(c.iChapter);
        EXPECT_EQ(Visible(RAZZO), c.bTogether);
        Run(Click(Object("goto_bg203")));
        EXPECT_EQ(NextScene(), c.bTogether ? GRAVEYARD : 0);
        EXPECT_EQ(Walks(HEROINE), c.bTogether ? (std::vector<int32_t> {21, 12}) : (std::vector<int32_t> {21}));
        EXPECT_EQ(Walks(RAZZO), c.bTogether ? (std::vector<int32_t> {12}) : (std::vector<int32_t> {}));
        EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_WAYPOINT, HEROINE),
                  c.bTogether ? (std::vector<int32_t> {12}) : (std::vector<int32_t> {}));
        EXPECT_EQ(Called("blocker 2 off"), c.bTogether);
        // Otherwise the map page opens, to travel on from there.
        EXPECT_EQ(Called("post 0 1"), !c.bTogether);
    }

    // Into the inn she turns only once through its door.
    Enter(3);
    Run(Click(Object("goto_bg202")));
    EXPECT_EQ(NextScene(), INN);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {20, 6}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_WAYPOINT, HEROINE), std::vector<int32_t> {6});
}

TEST_F(DocksCrabIslandTest, TheLandingStageLeadsOnlyWhereTheAnswerSaid)
{
    ExpectTheShipGoesWhereTheAnswerSaid(
        LANDING_STAGE, VARBOOL_BG201_GOTO_WORLD_MAP, VARBOOL_BG201_GOTO_ONBOARD,
        [&] {
            Enter(3);
            Run(Click(Object("goto_bg002")));
        },
        [&](int32_t iNextScene) {
            EXPECT_TRUE(Called("blocker 0 off"));
            // Staying leaves her at the foot of the stage.
            EXPECT_EQ(Walks(HEROINE), iNextScene == 0 ? (std::vector<int32_t> {19}) : (std::vector<int32_t> {19, 5}));
        });
}

TEST_F(DocksCrabIslandTest, TheHookPullsTheClawDownOnceAndTheIngredientsNeedAllThree)
{
    Enter(7);
    EXPECT_TRUE(Visible(Object("i_metal_hook")) && Open(Object("metal_hook")));
    Run(Click(Object("metal_hook")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_METAL_HOOK")});
    EXPECT_TRUE(Get(VARBOOL_BG201_C07_INT_METAL_HOOK));
    EXPECT_FALSE(Open(Object("metal_hook")) || Visible(Object("i_metal_hook")));

    Run(UseOn(Object("inn_sign"), "ITEM_METAL_HOOK"));
    EXPECT_EQ(Dialogs(), Ids({0x77cc6aa9}));
    const int32_t ingredients[] = {VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS,
                                   VARBOOL_BG106_C07_INT_DEAD_CHICKEN, VARBOOL_BG404_C07_USE_FLASK_ON_WATER};
    for (const int32_t iMissing : ingredients) {
        for (const int32_t iFlag : ingredients)
            Set(iFlag, iFlag != iMissing);
        Run(Callback(CLAW_COMES_DOWN));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_CRAB_CLAW")});
        EXPECT_FALSE(Get(VARBOOL_QUEST_C7_INGREDIENTS_DONE)) << iMissing;
    }
    for (const int32_t iFlag : ingredients)
        Set(iFlag);
    Run(Callback(CLAW_COMES_DOWN));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_INGREDIENTS_DONE));

    // Once the claw is down the hook on the sign is taken and does nothing.
    Set(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN);
    Enter(7, INN);
    EXPECT_FALSE(Visible(Object("o_crab_claw")));
    manager.Update(16);
    actionLog.clear();
    ASSERT_TRUE(manager.FireEvent(UseOn(Object("inn_sign"), "ITEM_METAL_HOOK")));
    EXPECT_NE(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    RunWalk();
    EXPECT_TRUE(actionLog.empty());

    // An item the docks have no use for is a bad interaction.
    manager.Update(16);
    ASSERT_TRUE(manager.FireEvent(UseOn(Object("lamp"), "ITEM_METAL_HOOK")));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    RunWalk();
}

TEST_F(DocksCrabIslandTest, InChapterEightSoniaWaitsForTheJusticeAndDiegoStaysBehind)
{
    // Drake's office is put on the island map by the landing of chapter 8
    // only.
    Enter(7);
    EXPECT_FALSE(Get(VARBOOL_CR_MAP_BG204));
    Enter(8);
    EXPECT_TRUE(Get(VARBOOL_CR_MAP_BG204));
    EXPECT_FALSE(Visible(SONIA) || Open(SONIA) || Visible(RAZZO));
    EXPECT_FALSE(Called("blocker 1 on"));
    EXPECT_TRUE(Taken().empty());
    EXPECT_TRUE(Open(Object("barrels")) && Open(Object("octopus")) && Open(Object("lobster_pots")));

    Set(VARBOOL_QUEST_C8_JUSTICE03_DONE);
    Set(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES);
    Set(VARBOOL_BG201_C08_PICK_CORK);
    Enter(8);
    EXPECT_TRUE(Visible(SONIA) && Open(SONIA));
    EXPECT_TRUE(Called("blocker 1 on"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_FALSE(Open(Object("barrels")) || Visible(Object("i_float")));

    Run(Click(Object("octopus")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_OCTOPUS")});
    EXPECT_EQ(Dialogs(), Ids({0xc7089a64}));
    EXPECT_FALSE(Open(Object("octopus")) || Visible(Object("i_octopus")));
}

} // namespace
