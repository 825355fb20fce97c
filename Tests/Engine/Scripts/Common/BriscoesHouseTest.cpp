// The script of the front of Briscoe's house (scene 17): where the heroine
// stands outside chapter 5, Briscoe's worries and the errands that send her
// back, the guards that keep her in hiding until the rum and the fruit put
// them to sleep, the walks that wait for their sleep, the spare key, the
// escape played once, and the chase that ends once it is won.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t BRISCOES_HOUSE = 17;
constexpr int32_t DOCKS = 13;
constexpr int32_t TOWNHALL_EXTERIOR = 15;
constexpr int32_t BRISCOES_INTERIOR = 18;
constexpr int32_t BRISCOES_INTERIOR_B = 19;
constexpr int32_t THE_CHASE = 5;
constexpr int32_t BACK_FROM_THE_CHASE = 256 + THE_CHASE;

using Object = NamedObject<SceneTableRows::s_aObjects_bg110_17>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t BRISCOE = ActorScriptableId(ActorIdOf("thomas_b"));
constexpr int32_t DINSDALE = ActorScriptableId(ActorIdOf("dinsdale"));
constexpr int32_t MITCHELL = ActorScriptableId(ActorIdOf("mitchell"));

constexpr uint32_t BRISCOE_WORRIES = 0xfa4195f3;
constexpr uint32_t RUM_OFFERED = 0x3a0306e6;
constexpr uint32_t RUM_SET_DOWN = 0x6dc7a071;
constexpr uint32_t FRUIT_ON_BELL = 0x3ccc50fb;
constexpr uint32_t ESCAPE = 0x170c764c;

constexpr Object YARD[] = {"bushes_and_plants", "doormat",  "gate",    "goto_bg111", "goto_bo",
                           "hollow_tree",       "old_bell", "statues", "mansion"};

class BriscoesHouseTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = TOWNHALL_EXTERIOR) { EnterInChapter(BRISCOES_HOUSE, 5, iFrom); }
    // Chapter 5 with the errands done and the guards awake.
    void EnterGuarded()
    {
        Set(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES);
        Set(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS);
        Enter();
    }
    int OpenYardHotspots()
    {
        int iOpen = 0;
        for (const Object hotspot : YARD)
            iOpen += Open(hotspot) ? 1 : 0;
        return iOpen;
    }
};

TEST_F(BriscoesHouseTest, OutsideChapterFiveSheWalksInFromTheStreetOnlyFromTheScenesAroundIt)
{
    for (const int32_t iFrom : {11, 12, 13, 15, 20, 14, 19, 0}) {
        SCOPED_TRACE(iFrom);
        EnterInChapter(BRISCOES_HOUSE, 3, iFrom);
        const bool bStreet = iFrom == 11 || iFrom == 12 || iFrom == 13 || iFrom == 15 || iFrom == 20;
        EXPECT_EQ(PlacedAt(HEROINE), bStreet ? 1 : 5);
        EXPECT_EQ(Walks(HEROINE), bStreet ? std::vector<int32_t> {2} : std::vector<int32_t> {});
        EXPECT_TRUE(Dialogs().empty());
        EXPECT_EQ(NextScene(), 0);
        EXPECT_TRUE(Called("blocker 0 on") && Called("blocker 1 on"));
    }
}

TEST_F(BriscoesHouseTest, BeforeTheErrandsBriscoesWorriesPlayOnceAndEveryVisitSendsHerBackToTheDocks)
{
    Enter();
    EXPECT_EQ(Dialogs(), Ids({BRISCOE_WORRIES}));
    EXPECT_TRUE(Get(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES));
    EXPECT_EQ(NextScene(), DOCKS);
    EXPECT_EQ(OpenYardHotspots(), 1); // only the way out

    Enter();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), DOCKS);
}

TEST_F(BriscoesHouseTest, WhileTheGuardsStandOnlyTheBellAnswersAndTheWayOutOnlyLiftsTheStreetsBlocker)
{
    Set(VARBOOL_ACTIVE_MAP);
    EnterGuarded();
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(PlacedAt(HEROINE), 0);
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_EQ(OpenYardHotspots(), 1);
    EXPECT_TRUE(Open(Object("old_bell")) && Open(Object("event_ninja")));
    EXPECT_FALSE(Open(Object("strong_rum")) || Visible(Object("o_strong_rum")));

    Run(Click(Object("goto_bo")));
    EXPECT_TRUE(Called("blocker 0 off"));
    EXPECT_FALSE(Called("blocker 0 on"));
    EXPECT_TRUE(Walks(HEROINE).empty());
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(QueuedMiniGame(), 0);

    // Too close to the guards, she slips back into hiding.
    EventDesc oTouch;
    BuildEvent(&oTouch, TwEventType_Touch, 2, ID_PARAMETER_TYPE_SCRIPTABLE, Object("event_ninja"),
               ID_PARAMETER_TYPE_SCRIPTABLE, HEROINE);
    Run(oTouch);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {16});
}

TEST_F(BriscoesHouseTest, TheFruitRingsTheBellForNothingUntilTheRumStandsBeforeTheGuards)
{
    // Without the errands done (here: in another chapter) the fruit is taken
    // by its handler and does nothing.
    EnterInChapter(BRISCOES_HOUSE, 3, TOWNHALL_EXTERIOR);
    ExpectMatchedAndIdle(UseOn(Object("old_bell"), "ITEM_FRUIT"));

    EnterGuarded();
    Run(UseOn(Object("old_bell"), "ITEM_FRUIT"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {0});
    EXPECT_EQ(Dialogs(), Ids({FRUIT_ON_BELL}));
    EXPECT_FALSE(Get(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS));
    EXPECT_EQ(OpenYardHotspots(), 1);

    // Offered to either guard, the rum only starts the talk; its callback
    // sets it down and takes it.
    for (const int32_t iGuard : {DINSDALE, MITCHELL}) {
        Run(ScriptEvent_ItemOnFlaggedId3(static_cast<uint32_t>(iGuard), ItemIdOf("ITEM_STRONG_RUM")));
        EXPECT_EQ(Dialogs(), Ids({RUM_OFFERED}));
        EXPECT_TRUE(Taken().empty());
    }
    Run(Callback(RUM_SET_DOWN));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_STRONG_RUM")});
    EXPECT_TRUE(Get(VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS));
    EXPECT_TRUE(Visible(Object("o_strong_rum")) && Open(Object("strong_rum")));

    Run(UseOn(Object("old_bell"), "ITEM_FRUIT"));
    EXPECT_TRUE(Get(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS) && Get(VARBOOL_ACTIVE_MAP) &&
                Get(VARBOOL_QUEST_C5_AVOID_GUARDS01_DONE) && Get(VARBOOL_QUEST_C5_AVOID_GUARDS02_DONE));
    EXPECT_EQ(OpenYardHotspots(), 9);
    EXPECT_FALSE(Open(Object("event_ninja")) || Open(Object("strong_rum")));
    EXPECT_EQ(Walks(BRISCOE), (std::vector<int32_t> {15, 14}));
}

TEST_F(BriscoesHouseTest, GuardsAndBriscoeAreWalkedUpToOnlyOnceTheGuardsSleep)
{
    EnterGuarded();
    for (const bool bAsleep : {false, true}) {
        SCOPED_TRACE(bAsleep);
        Set(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, bAsleep);
        for (const auto& [iActor, iWaypoint] :
             {std::pair {DINSDALE, 10}, std::pair {MITCHELL, 11}, std::pair {BRISCOE, 12}})
            for (const EventDesc& oEvent : {ScriptEvent_FlaggedId1(static_cast<uint32_t>(iActor)),
                                            ScriptEvent_FlaggedId2(static_cast<uint32_t>(iActor))}) {
                Run(oEvent);
                EXPECT_EQ(Dialogs().size(), 1u);
                EXPECT_EQ(Walks(HEROINE), bAsleep ? std::vector<int32_t> {iWaypoint} : std::vector<int32_t> {});
                const bool bTurns = !Values(ID_ACTION_TYPE_TURN_TO_ACTOR, HEROINE).empty();
                EXPECT_EQ(bTurns, !bAsleep && iActor == BRISCOE);
            }
    }
}

TEST_F(BriscoesHouseTest, OnceTheGuardsSleepTheSpareKeyOpensTheDoorAndTheWayOutLeadsToTheTownHall)
{
    Set(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS);
    EnterGuarded();
    EXPECT_EQ(PlacedAt(DINSDALE), 17);
    EXPECT_EQ(PlacedAt(MITCHELL), 18);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {23});

    Run(UseOn(Object("goto_bg111"), "ITEM_SPARE_KEY"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_SPARE_KEY")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C5_SAVE_ELIZABETH03_DONE));
    EXPECT_EQ(NextScene(), BRISCOES_INTERIOR);

    EnterGuarded();
    Run(Click(Object("goto_bo")));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {29, 4}));
    EXPECT_EQ(NextScene(), TOWNHALL_EXTERIOR);
}

TEST_F(BriscoesHouseTest, TheEscapePlaysOnceAndTheChaseComesBackUntilItIsWonThenTheDocksFollow)
{
    Set(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS);
    Set(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE);
    // An earlier mini-game's win, still noted, does not count for the chase
    // that the escape only starts.
    Set(VARBOOL_C_WIN_MINIGAME);
    EnterGuarded();
    EXPECT_EQ(Dialogs(), Ids({ESCAPE}));
    EXPECT_TRUE(Get(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE));
    EXPECT_EQ(QueuedMiniGame(), THE_CHASE);
    EXPECT_FALSE(Get(VARBOOL_WIN_MINIGAME_05));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(Visible(DINSDALE) || Visible(MITCHELL));

    // A lost chase: back at the house, no escape again, and the way out
    // starts the chase once more.
    Set(VARBOOL_C_WIN_MINIGAME, false);
    Enter(BACK_FROM_THE_CHASE);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(QueuedMiniGame(), 0);
    EXPECT_EQ(NextScene(), 0);
    Run(Click(Object("goto_bo")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {29});
    EXPECT_EQ(QueuedMiniGame(), THE_CHASE);

    // A won chase counts and goes on to the docks; the way out no longer
    // starts it.
    Set(VARBOOL_C_WIN_MINIGAME);
    Enter(BACK_FROM_THE_CHASE);
    EXPECT_TRUE(Get(VARBOOL_WIN_MINIGAME_05));
    EXPECT_EQ(NextScene(), DOCKS);
    Enter(BRISCOES_INTERIOR_B);
    Run(Click(Object("goto_bo")));
    EXPECT_EQ(QueuedMiniGame(), 0);
    EXPECT_EQ(NextScene(), TOWNHALL_EXTERIOR);
}

} // namespace
