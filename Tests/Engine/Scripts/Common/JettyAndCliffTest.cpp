// The script of the jetty below Tanner island's cliff (scene 39): chapter 6
// played from Briscoe's boards through Diego's anchor to the rope up the
// cliff; Diego carried along again on every visit until he has pulled, woken
// only by the feather and only once; the ship's answers; the places she
// arrives at; and the jetty of the other chapters.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t JETTY_AND_CLIFF = 39;
constexpr int32_t CORRIDOR = 6;
constexpr int32_t BUCKS_PLACE = 40;
constexpr int32_t CARMINES_MONUMENT = 41;
constexpr int32_t WORLD_MAP = 57;
constexpr int32_t MOVIE_STRIP05 = 12;
constexpr int32_t AFTER_STRIP05 = 512 + MOVIE_STRIP05;

using Object = NamedObject<SceneTableRows::s_aObjects_bg401_39>;

constexpr uint32_t DIEGO_ACTOR = ActorIdOf("diego");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t DIEGO = ActorScriptableId(DIEGO_ACTOR);
constexpr int32_t BRISCOE = ActorScriptableId(ActorIdOf("thomas_b"));

constexpr uint32_t BRISCOE_COMES_ASHORE = 0x17609eb6;
constexpr uint32_t ROPE_HANGS = 0xc7d741ea;
constexpr uint32_t DIEGO_STILL_ASLEEP = 0xab675961;
constexpr uint32_t SHIP = 0xca2b4f9e;
constexpr uint32_t FISH_THE_BOARDS = 0xc7a4c790;
constexpr uint32_t BOARDS_COME_OUT = 0xf0bf594f;
constexpr uint32_t PART_THE_SHRUBS = 0x8e13b4d5;
constexpr uint32_t DIEGO_PULLS = 0x626eef0b;
constexpr uint32_t ANCHOR_COMES_OUT = 0xfa61c424;
constexpr uint32_t TRY_THE_ANCHOR = 0x7915c69f;
constexpr uint32_t FEATHER = 0xd530e593;

// The hotspots that only chapter 6's story opens, and those always open.
constexpr int32_t PUZZLES[] = {
    Object("loose_piton"), Object("floating_wood_boards"), Object("dark_rock"),    Object("rusty_anchor"),
    Object("shrubs"),      Object("scaffolding"),          Object("rusty_anchor2")};
constexpr int32_t LANDMARKS[] = {Object("iron_rings"), Object("wreck_small_boat"), Object("pillars"),
                                 Object("winsome_maid")};

constexpr int32_t WP_JETTY = 1;
constexpr int32_t WP_FOOT_OF_THE_ROPE = 6;
constexpr int32_t WP_DIEGO_ASLEEP = 9;
constexpr int32_t WP_SCAFFOLDING = 24;

class JettyAndCliffTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = CORRIDOR) { EnterInChapter(JETTY_AND_CLIFF, iChapter, iFrom); }
    // Chapter 6 with Diego brought from the ship and Briscoe's greeting heard.
    void EnterWithDiego(int32_t iFrom = CORRIDOR)
    {
        Set(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR);
        Set(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO);
        Enter(6, iFrom);
    }
    // Whether the walk-mesh blocker by the anchor is on after the last switch.
    bool DiegoBlocks() const
    {
        const auto last = std::find_if(calls.rbegin(), calls.rend(), [](const std::string& call) {
            return call == "blocker 0 on" || call == "blocker 0 off";
        });
        return last != calls.rend() && *last == "blocker 0 on";
    }
    // The place of the first action of the type on the target in the last walk.
    std::ptrdiff_t IndexOf(int32_t iActionType, int32_t iTarget, int32_t iValue) const
    {
        const auto found = std::ranges::find_if(actionLog, [&](const ActionDesc& oAction) {
            return oAction.m_iActionType == iActionType && oAction.m_iTargetId == iTarget &&
                   oAction.m_oParameter[0] == iValue;
        });
        return found - actionLog.begin();
    }
};

TEST_F(JettyAndCliffTest, ChapterSixPlaysFromBriscoesBoardsAndDiegosAnchorToTheRopeUpTheCliff)
{
    Set(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR);
    Enter(6);
    EXPECT_EQ(Dialogs(), Ids({BRISCOE_COMES_ASHORE}));
    EXPECT_TRUE(Get(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO));
    EXPECT_EQ(PlacedAt(HEROINE), WP_JETTY);
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE) && Visible(DIEGO) && Open(DIEGO));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_DIEGO"), Item("ITEM_BRISCOE")}));
    EXPECT_TRUE(DiegoBlocks());
    EXPECT_FALSE(Open(Object("loose_piton")) || Open(Object("rusty_anchor")) || Open(Object("dangling_rope")));
    EXPECT_TRUE(Open(Object("shrubs")) && Open(Object("scaffolding")) && Open(Object("floating_wood_boards")));

    // Briscoe fishes the boards out with her and stays behind on the jetty.
    Run(UseOn(Object("floating_wood_boards"), "ITEM_BRISCOE"));
    EXPECT_EQ(Dialogs(), Ids({FISH_THE_BOARDS}));
    EXPECT_EQ(Walks(BRISCOE), (std::vector<int32_t> {2, 0}));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_WOOD_BOARD")});
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_BRISCOE")});
    EXPECT_FALSE(Open(Object("floating_wood_boards")));
    Run(Callback(BOARDS_COME_OUT));
    EXPECT_FALSE(Visible(Object("fx_board")));

    // The shrubs hide the anchor, which she cannot pull herself.
    Run(Click(Object("shrubs")));
    EXPECT_EQ(Dialogs(), Ids({PART_THE_SHRUBS}));
    EXPECT_TRUE(Open(Object("rusty_anchor")) && !Open(Object("shrubs")));
    Run(Click(Object("rusty_anchor")));
    EXPECT_EQ(Dialogs(), Ids({TRY_THE_ANCHOR}));
    EXPECT_TRUE(Given().empty());

    // Diego pulls it out; the stone lays him asleep on the cliff.
    Run(UseOn(Object("rusty_anchor"), "ITEM_DIEGO"));
    EXPECT_EQ(Dialogs(), Ids({DIEGO_PULLS}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_FALSE(DiegoBlocks());
    EXPECT_TRUE(Open(Object("dark_rock")) && Open(Object("loose_piton")));
    Run(Callback(ANCHOR_COMES_OUT));
    EXPECT_EQ(PlacedAt(DIEGO), WP_DIEGO_ASLEEP);
    EXPECT_TRUE(Open(Object("rusty_anchor2")) && !Open(Object("rusty_anchor")));

    Run(Click(Object("rusty_anchor2")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_RUSTY_ANCHOR")});
    EXPECT_FALSE(Open(Object("rusty_anchor2")) || Visible(Object("i_rusty_anchor")));
    Run(Click(Object("dark_rock")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DARK_ROCK_1")});
    Run(Click(Object("loose_piton")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_LOOSE_PITON")});

    // The loaded crossbow at the scaffolding: the strip, and the empty bow.
    Run(UseOn(Object("scaffolding"), "ITEM_LOADED_CROSSBOW"));
    EXPECT_EQ(QueuedMovie(), MOVIE_STRIP05);
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_LOADED_CROSSBOW")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_CROSSBOW")});

    Enter(6, AFTER_STRIP05);
    EXPECT_EQ(Dialogs(), Ids({ROPE_HANGS}));
    EXPECT_EQ(PlacedAt(HEROINE), WP_SCAFFOLDING);
    EXPECT_TRUE(Visible(Object("o_rope")) && Open(Object("dangling_rope")) && !Open(Object("scaffolding")));
    EXPECT_TRUE(Get(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW));
    // What she took stays taken.
    EXPECT_TRUE(Given().empty());
    EXPECT_FALSE(Open(Object("loose_piton")) || Open(Object("dark_rock")) || Open(Object("rusty_anchor2")));

    Run(Click(Object("dangling_rope")));
    EXPECT_EQ(NextScene(), BUCKS_PLACE);
    EXPECT_TRUE(Taken().empty());
}

TEST_F(JettyAndCliffTest, DiegoComesAlongAgainOnEveryVisitUntilHeHasPulledAndNoWayOutTakesHimAway)
{
    Set(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW);
    for (int iVisit = 0; iVisit < 2; ++iVisit) {
        EnterWithDiego();
        EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_DIEGO"), Item("ITEM_BRISCOE")}));
        EXPECT_TRUE(DiegoBlocks());
        Run(Click(Object("dangling_rope")));
        EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_BRISCOE")});
    }
    Set(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR);
    EnterWithDiego();
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BRISCOE")});
    EXPECT_EQ(PlacedAt(DIEGO), WP_DIEGO_ASLEEP);
    EXPECT_FALSE(DiegoBlocks());
}

TEST_F(JettyAndCliffTest, OnlyTheFeatherWakesDiegoAndOnlyWhileHeSleepsAndOnceWokenHeIsGoneNextTime)
{
    EnterWithDiego();
    // Before the anchor he is not asleep: the feather does nothing.
    ExpectMatchedAndIdle(ScriptEvent_ItemOnFlaggedId3(DIEGO_ACTOR, ItemIdOf("ITEM_FEATHER")));

    Set(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR);
    Set(VARBOOL_QUEST_C6_DIEGO);
    EnterWithDiego(CARMINES_MONUMENT);
    EXPECT_EQ(Dialogs(), Ids({DIEGO_STILL_ASLEEP}));
    Run(ScriptEvent_ItemOnFlaggedId3(DIEGO_ACTOR, ItemIdOf("ITEM_FEATHER")));
    EXPECT_EQ(Dialogs(), Ids({FEATHER}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C6_DIEGO_DONE));
    ExpectMatchedAndIdle(ScriptEvent_ItemOnFlaggedId3(DIEGO_ACTOR, ItemIdOf("ITEM_FEATHER")));

    // Woken, he stands holding his head while she stays; back from up the
    // cliff he has gone aboard.
    EnterWithDiego(JETTY_AND_CLIFF);
    EXPECT_TRUE(Visible(DIEGO));
    EXPECT_EQ(PlacedAt(DIEGO), 12);
    EnterWithDiego(BUCKS_PLACE);
    EXPECT_TRUE(Get(VARBOOL_BG401_C06_DIEGO_GO_OUT));
    EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(JettyAndCliffTest, WhenTheAnchorComesOutEachDelayedChangeWaitsOnItsOwnQueue)
{
    EnterWithDiego();
    Run(Callback(ANCHOR_COMES_OUT));
    for (const int32_t iTarget :
         {static_cast<int32_t>(Object("i_rusty_anchor")), static_cast<int32_t>(Object("fx_anchor")), HEROINE})
        EXPECT_EQ(Values(ID_ACTION_TYPE_WAIT, iTarget), std::vector<int32_t> {2700}) << iTarget;
    EXPECT_LT(IndexOf(ID_ACTION_TYPE_WAIT, HEROINE, 2700), IndexOf(ID_ACTION_TYPE_WALK_TO_WAYPOINT, HEROINE, 8));
    constexpr AnimationOf<"diego"> LAST_PULL = "pulloutanchortry_06";
    constexpr AnimationOf<"diego"> ASLEEP = "cliffasleep_l";
    EXPECT_LT(IndexOf(ID_ACTION_TYPE_ANIMATION, DIEGO, LAST_PULL.m_iId),
              IndexOf(ID_ACTION_TYPE_PLAY_ANIMATION, DIEGO, ASLEEP.m_iId));
    EXPECT_LT(IndexOf(ID_ACTION_TYPE_PLAY_ANIMATION, DIEGO, ASLEEP.m_iId),
              IndexOf(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, DIEGO, WP_DIEGO_ASLEEP));
}

TEST_F(JettyAndCliffTest, TheShipTakesOneAnswerAndLeavesBriscoeBehindUntilHeHasFishedTheBoards)
{
    for (const bool bBoardsFished : {false, true}) {
        SCOPED_TRACE(bBoardsFished ? "after the boards" : "before the boards");
        ExpectTheShipGoesWhereTheAnswerSaid(
            SHIP, VARBOOL_BG401_GOTO_WORLD_MAP, VARBOOL_BG401_GOTO_ONBOARD,
            [&] {
                Set(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, bBoardsFished);
                Enter(6);
                Run(Click(Object("winsome_maid")));
            },
            [&](int32_t iNextScene) {
                EXPECT_EQ(Taken(), iNextScene != 0 && !bBoardsFished ? std::vector<int32_t> {Item("ITEM_BRISCOE")}
                                                                     : std::vector<int32_t> {});
            });
    }
}

TEST_F(JettyAndCliffTest, SheArrivesByTheSceneSheComesFromAndBackFromTheStripByTheScaffolding)
{
    Set(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO);
    for (const int32_t iFrom : {CORRIDOR, 0, WORLD_MAP, 99}) {
        Enter(6, iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), WP_JETTY) << iFrom;
    }
    for (const int32_t iFrom : {BUCKS_PLACE, CARMINES_MONUMENT, 42}) {
        Enter(6, iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), WP_FOOT_OF_THE_ROPE) << iFrom;
    }
    // Down the rope before the boards, Briscoe walks back to the jetty.
    EXPECT_TRUE(Walks(BRISCOE).empty());
    Enter(6, BUCKS_PLACE);
    EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {0});

    Enter(6, AFTER_STRIP05);
    EXPECT_EQ(PlacedAt(HEROINE), WP_SCAFFOLDING);
    Set(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO, false);
    Enter(6, AFTER_STRIP05);
    EXPECT_EQ(PlacedAt(HEROINE), WP_JETTY);
}

TEST_F(JettyAndCliffTest, TheRopeAndTheGrappelAtTheScaffoldingOnlyTalk)
{
    Enter(6);
    for (const char* pItem : {"ITEM_ROPE", "ITEM_GRAPPEL"}) {
        Run(UseOn(Object("scaffolding"), pItem));
        EXPECT_EQ(Dialogs().size(), 1u) << pItem;
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_SCAFFOLDING}) << pItem;
        EXPECT_TRUE(Given().empty() && Taken().empty() && QueuedMovie() == 0) << pItem;
    }
}

TEST_F(JettyAndCliffTest, OutsideChapterSixOnlyTheRopeOnceHungAndTheLandmarksAnswerAndNobodyIsGreeted)
{
    for (const int32_t iChapter : {0, 5, 7, 9}) {
        for (const bool bRope : {false, true}) {
            SCOPED_TRACE(std::to_string(iChapter) + (bRope ? " with the rope" : ""));
            g_VarManager = VarSet {};
            Set(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW, bRope);
            Enter(iChapter);
            EXPECT_TRUE(Dialogs().empty());
            EXPECT_FALSE(Get(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO));
            EXPECT_TRUE(Given().empty());
            EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO) || Visible(BRISCOE) || Open(BRISCOE));
            for (const int32_t iPuzzle : PUZZLES)
                EXPECT_FALSE(Open(iPuzzle)) << iPuzzle;
            for (const int32_t iLandmark : LANDMARKS)
                EXPECT_TRUE(Open(iLandmark)) << iLandmark;
            EXPECT_EQ(Open(Object("dangling_rope")), bRope);
        }
    }
}

} // namespace
