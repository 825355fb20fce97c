// The ship's corridor script (scene 6): the doors and the gangway, the plate,
// Diego's departures and Nacho's report.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t CORRIDOR = 6;

using Object = NamedObject<SceneTableRows::s_aObjects_bg002_6>;

constexpr uint32_t HEROINE_ACTOR = ActorIdOf("tavrine");
constexpr uint32_t DIEGO_ACTOR = ActorIdOf("diego");
constexpr uint32_t NACHO_ACTOR = ActorIdOf("nacho");
constexpr int32_t HEROINE = ActorScriptableId(HEROINE_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(DIEGO_ACTOR);
constexpr int32_t NACHO = ActorScriptableId(NACHO_ACTOR);

constexpr uint32_t DOCK_DIALOG = 0xe6d4cd74;
constexpr int32_t STAIRS = AnimationOf<"tavrine">("bbinnstartwalkstairs").m_iId;

class CorridorTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(CORRIDOR, iChapter, iFrom); }
};

TEST_F(CorridorTest, HerCabinOpensInChapterTwoOnlyOnceSheHasMetTheCrew)
{
    Enter(2, 5);
    Run(Click(Object("goto_bg001")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {14});
    EXPECT_EQ(Dialogs(), Ids({0x24513cbc}));
    EXPECT_EQ(NextScene(), 0);

    Set(VARBOOL_QUEST_C2_CREW01);
    Run(Click(Object("goto_bg001")));
    EXPECT_EQ(NextScene(), 5);

    // In any other chapter the door always opens, after the same words.
    for (int32_t iChapter : {1, 3, 8}) {
        g_VarManager = VarSet {};
        Enter(iChapter);
        Run(Click(Object("goto_bg001")));
        EXPECT_EQ(Dialogs(), Ids({0x24513cbc})) << iChapter;
        EXPECT_EQ(NextScene(), 5) << iChapter;
    }
}

TEST_F(CorridorTest, TheGangwayAsksEveryTimeAndMakesOneSceneChangeAtMost)
{
    struct Answer {
        const char* pName;
        bool bSail;
        bool bAshore;
        int32_t iIsland;
        int32_t iNextScene;
        bool bStairs;
    };
    const Answer answers[] = {
        {"stay aboard", false, false, 0, 0, false},
        {"set sail", true, false, 3, 57, true},
        {"ashore at the first island", false, true, 0, 13, true},
        {"ashore at island 1", false, true, 1, 22, true},
        {"ashore at island 2", false, true, 2, 28, true},
        {"ashore at island 3", false, true, 3, 39, true},
        {"ashore at island 4", false, true, 4, 43, true},
        // An island the ship cannot lie at: the answer is forgotten, and
        // she stays.
        {"ashore at no island", false, true, 5, 0, true},
        // Both answers at once: one scene change, to the world map.
        {"both", true, true, 0, 57, true},
    };
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.pName);
        g_VarManager = VarSet {};
        dialogEffects[DOCK_DIALOG] = [&] {
            Set(VARBOOL_BG002_GOTO_WORLD_MAP, answer.bSail);
            Set(VARBOOL_BG002_GOTO_LOCAL_ISLAND, answer.bAshore);
        };
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, answer.iIsland);
        Enter(2);
        Run(Click(Object("goto_main_dock")));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {16});
        EXPECT_EQ(Dialogs(), Ids({DOCK_DIALOG}));
        EXPECT_EQ(NextScene(), answer.iNextScene);
        EXPECT_EQ(Called("playing " + FakeSceneLink::Hex(ActorIdOf("boat_windsome_maid"))), answer.iNextScene == 57);
        const std::vector<int32_t> played = Values(ID_ACTION_TYPE_ANIMATION, HEROINE);
        EXPECT_EQ(std::count(played.begin(), played.end(), STAIRS), answer.bStairs ? 1 : 0);
        EXPECT_FALSE(Get(VARBOOL_BG002_GOTO_WORLD_MAP));
        EXPECT_FALSE(Get(VARBOOL_BG002_GOTO_LOCAL_ISLAND));
    }
}

TEST_F(CorridorTest, InChapterSixTheGangwayWaitsForTheSignAndForTheShipToSail)
{
    struct Case {
        bool bSign;
        int32_t iIsland;
        uint32_t uDialog;
    } const cases[] = {{false, 2, 0x7c813c14}, {true, 0, 0x56dcb433}, {true, 2, DOCK_DIALOG}};
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        dialogEffects[DOCK_DIALOG] = [&] { Set(VARBOOL_BG002_GOTO_LOCAL_ISLAND); };
        Set(VARBOOL_QUEST_C6_TURTLEROD_DONE);
        // The talk after the sign has been had: the entry stays quiet.
        Set(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_BOUNTY_ISLAND);
        Set(VARBOOL_BG001_C06_EVENT_THE_SIGN, c.bSign);
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, c.iIsland);
        Enter(6);
        Run(Click(Object("goto_main_dock")));
        EXPECT_EQ(Dialogs(), Ids({c.uDialog})) << c.bSign << " " << c.iIsland;
        EXPECT_EQ(NextScene(), c.uDialog == DOCK_DIALOG ? 28 : 0) << c.bSign << " " << c.iIsland;
    }
}

TEST_F(CorridorTest, AlessandrosDoorLeadsToTheNightCabinOnlyAtTheSecondIsland)
{
    for (int32_t iIsland = 0; iIsland <= 4; ++iIsland) {
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, iIsland);
        Enter(3);
        Run(Click(Object("goto_bg003")));
        EXPECT_EQ(NextScene(), iIsland == 1 ? 8 : 7) << iIsland;
    }
}

TEST_F(CorridorTest, ThePlateIsTakenOnceAndOnlyInChapterTwo)
{
    Enter(2, 5);
    EXPECT_TRUE(Visible(Object("i_dull_plate")) && Open(Object("dull_plate")));
    EXPECT_TRUE(Open(Object("empty_cabin")));
    EXPECT_FALSE(Open(Object("briscoes_cabin")));
    Run(Click(Object("dull_plate")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DULL_PLATE")});
    EXPECT_TRUE(Get(VARBOOL_BG002_C02_PICK_DULL_PLATE));
    EXPECT_FALSE(Visible(Object("i_dull_plate")) || Open(Object("dull_plate")));

    // Taken: neither a look nor a second click does anything.
    Run(Click(Object("dull_plate")));
    EXPECT_TRUE(actionLog.empty());
    Run(ScriptEvent_Object1(Object("dull_plate")));
    EXPECT_TRUE(actionLog.empty());
    Enter(2, 7);
    EXPECT_FALSE(Visible(Object("i_dull_plate")) || Open(Object("dull_plate")));

    // Outside chapter 2 there is no plate, and Briscoe's cabin is his.
    g_VarManager = VarSet {};
    Enter(3);
    EXPECT_FALSE(Visible(Object("i_dull_plate")) || Open(Object("dull_plate")));
    EXPECT_FALSE(Open(Object("empty_cabin")));
    EXPECT_TRUE(Open(Object("briscoes_cabin")));
}

TEST_F(CorridorTest, SheArrivesByTheDoorSheCameThrough)
{
    struct Arrival {
        int32_t iFrom;
        int32_t iWaypoint;
    } const arrivals[] = {{5, 0},  {7, 1},  {8, 1},  {13, 2}, {22, 2}, {28, 2}, {39, 2},
                          {43, 2}, {57, 2}, {59, 2}, {42, 2}, {0, 0},  {262, 0}};
    for (const Arrival& arrival : arrivals) {
        Enter(3, arrival.iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), arrival.iWaypoint) << arrival.iFrom;
        EXPECT_EQ(Dialogs(), arrival.iFrom == 42 ? Ids({0x7c813c14}) : Ids({})) << arrival.iFrom;
    }
}

TEST_F(CorridorTest, DiegoTakesHerAshoreOnceFromHisTalkOrFromTheNextEntry)
{
    // Chapter 4 at the wrong island: the talk sets the flag, nobody leaves.
    dialogEffects[0x917d486a] = [&] { Set(VARBOOL_BG002_C04_TALK_DIEGO_ABOUT_HILARY); };
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 1);
    Enter(4);
    EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
    Run(ScriptEvent_FlaggedId2(DIEGO_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({0x917d486a}));
    EXPECT_EQ(NextScene(), 0);

    // At island 2 the next entry sends the pair to the town square.
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 2);
    Enter(4, 57);
    EXPECT_EQ(NextScene(), 29);
    EXPECT_EQ(Values(ID_ACTION_TYPE_WALK_TO_WAYPOINT, DIEGO), std::vector<int32_t> {16});
    EXPECT_TRUE(Get(VARBOOL_BG002_C04_DIEGO_NOT_HERE));
    EXPECT_TRUE(Get(VARBOOL_BG302_C04_DIEGO_HERE));
    EXPECT_EQ(g_VarManager.GetInt(VARINT_DIEGO_SCENE), 2);

    // Once gone, he stays gone.
    Enter(4, 29);
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));

    // Chapter 9 from the talk itself.
    g_VarManager = VarSet {};
    dialogEffects[0x917d486a] = [&] { Set(VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE); };
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 4);
    Enter(9);
    Run(ScriptEvent_FlaggedId2(DIEGO_ACTOR));
    EXPECT_EQ(NextScene(), 43);
    EXPECT_TRUE(Get(VARBOOL_BG002_C09_DIEGO_NOT_HERE));
}

TEST_F(CorridorTest, NachoWritesHisReportOnceAndIsGoneAfterHerNextExit)
{
    Set(VARBOOL_QUEST_C8_JUSTICE03_DONE);
    Enter(8);
    EXPECT_TRUE(Visible(NACHO) && Open(NACHO));
    EXPECT_TRUE(Called("blocker 0 on"));
    // Before the report an exit leaves no mark.
    Run(Click(Object("goto_bg003")));
    EXPECT_FALSE(Get(VARBOOL_BG002_C08_EXIT_AFTER_NACHO_WRITE));

    Enter(8);
    Run(ScriptEvent_ItemOnFlaggedId3(NACHO_ACTOR, ItemIdOf("ITEM_WRITING_KIT")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_WITNESS_ACCOUNT")});
    EXPECT_EQ(Dialogs(), Ids({0xc0940928}));
    for (int32_t iFlag : {VARBOOL_QUEST_C8_PEN_PAPER02_DONE, VARBOOL_QUEST_C8_PEDRO03_DONE, VARBOOL_QUEST_C8_PEDRO04})
        EXPECT_TRUE(Get(iFlag)) << iFlag;

    // The kit once more: no second account.
    Run(ScriptEvent_ItemOnFlaggedId3(NACHO_ACTOR, ItemIdOf("ITEM_WRITING_KIT")));
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Dialogs().empty());

    // Talking to him now only brings her over: he keeps his place.
    Run(ScriptEvent_FlaggedId2(NACHO_ACTOR));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {6});
    EXPECT_EQ(Dialogs(), Ids({0x9d6c1859}));
    EXPECT_TRUE(Values(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, NACHO).empty());
    EXPECT_TRUE(Values(ID_ACTION_TYPE_PLAY_ANIMATION, NACHO).empty());

    // Still there on the next entry, standing; gone after she has left once.
    Enter(8, 7);
    EXPECT_TRUE(Visible(NACHO));
    EXPECT_EQ(PlacedAt(NACHO), 8);
    Run(Click(Object("goto_bg003")));
    EXPECT_TRUE(Get(VARBOOL_BG002_C08_EXIT_AFTER_NACHO_WRITE));
    Enter(8, 7);
    EXPECT_FALSE(Visible(NACHO) || Open(NACHO));
}

} // namespace
