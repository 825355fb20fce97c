// The script of the dark reefs of Hollow island (scene 35): the cliff top
// before the ladder, the ladder scene played
// once, the way out on either level, the untying of Briscoe that keeps Diego
// in her party until the end, the egg shell that reforms once and that its
// remark keeps whole, Diego walked to only once both are down, and Sancha's
// search in chapter 7.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t DARK_REEFS = 35;
constexpr int32_t DARK_BEACH = 34;
constexpr int32_t ALESSANDROS_CABIN = 7;

using Object = NamedObject<SceneTableRows::s_aObjects_bg308_35>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t BRISCOE = ActorScriptableId(ActorIdOf("thomas_b"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));
constexpr int32_t SANCHA = ActorScriptableId(ActorIdOf("sancha"));

constexpr uint32_t CALL_DOWN_TO_BRISCOE = 0xbbf9841c;
constexpr uint32_t TALK_BRISCOE = 0x3534527e;
constexpr uint32_t STEP_UP_TO_BRISCOE = 0x5c50b38e;
constexpr uint32_t BRISCOE_KNOCKED_OUT = 0x5dc64475;
constexpr uint32_t SANCHA_STOPS_SEARCHING = 0x01e6c07f;
constexpr uint32_t EGG_SHELL_GONE = 0x60af1161;

class DarkReefsTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter) { EnterInChapter(DARK_REEFS, iChapter, DARK_BEACH); }
    // Whether anything on the reefs below the cliff answers the player.
    bool ReefsOpen() { return Open(Object("cliff")) || Open(Object("egg_shell_2")) || Open(Object("reinforced_door")); }
};

TEST_F(DarkReefsTest, EveryVisitBeforeTheLadderStopsOnTheCliffTopAndCallsDownToBriscoeAgain)
{
    for (int iVisit = 0; iVisit < 2; ++iVisit) {
        SCOPED_TRACE(iVisit);
        Set(VARBOOL_QUEST_C4_FIND_BRISCOE02_DONE, false);
        Set(VARBOOL_QUEST_C4_FIND_BRISCOE03, false);
        Enter(4);
        EXPECT_EQ(Dialogs(), Ids({CALL_DOWN_TO_BRISCOE}));
        EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIND_BRISCOE02_DONE) && Get(VARBOOL_QUEST_C4_FIND_BRISCOE03));
        EXPECT_EQ(PlacedAt(HEROINE), 4);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {2});
        EXPECT_EQ(PlacedAt(DIEGO), 16);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_DIEGO_SCENE), 8);
        // Briscoe calls up as the selected character; without a ladder she
        // stays up there.
        EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(ActorIdOf("thomas_b"))));
        EXPECT_TRUE(Called("blocker 0 on"));
        EXPECT_FALSE(ReefsOpen() || Open(Object("chest")) || Visible(Object("o_ladder")));
        EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE) && Visible(Object("o_post")));
    }
    EXPECT_FALSE(Get(VARBOOL_BG308_C04_EVENT_LADDER));
}

TEST_F(DarkReefsTest, TheLadderScenePlaysOnceAndLeavesBothOnTheReefs)
{
    Set(VARBOOL_BG303_C04_PICK_LADDER);
    Enter(4);
    EXPECT_TRUE(Get(VARBOOL_BG308_C04_EVENT_LADDER) && Get(VARBOOL_BG308_C04_TAVRINE_NOT_ON_CLIFF));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {10});
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {8});
    EXPECT_EQ(PlacedAt(HEROINE), 5);
    EXPECT_TRUE(Visible(Object("o_ladder")) && Open(Object("cliff")) && Open(Object("egg_shell_2")) &&
                Open(Object("reinforced_door")));
    // The chest stays off for the rest of this visit.
    EXPECT_FALSE(Open(Object("chest")));
    EXPECT_FALSE(Called("blocker 0 on"));

    Enter(4);
    EXPECT_TRUE(Walks(HEROINE).empty() && Walks(DIEGO).empty());
    EXPECT_EQ(PlacedAt(HEROINE), 5);
    EXPECT_EQ(PlacedAt(DIEGO), 10);
    EXPECT_TRUE(Visible(Object("o_ladder")) && Open(Object("chest")) && ReefsOpen());
}

TEST_F(DarkReefsTest, TheWayOutRunsAlongTheCliffTopBeforeTheLadderAndAlongTheReefsAfterIt)
{
    for (const bool bLadder : {false, true}) {
        SCOPED_TRACE(bLadder);
        Set(VARBOOL_BG303_C04_PICK_LADDER, bLadder);
        Set(VARBOOL_BG308_C04_EVENT_LADDER, bLadder);
        Enter(4);
        Run(Click(Object("goto_bg307")));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {bLadder ? 20 : 4});
        EXPECT_EQ(NextScene(), DARK_BEACH);
    }
}

TEST_F(DarkReefsTest, DiegoStaysInHerPartyUntilBriscoeIsKnockedOutAndTheTalkLeadsToTheShip)
{
    // From the cliff top she only calls down to him: Diego is still needed
    // to fetch the ladder.
    Enter(4);
    Run(ScriptEvent_FlaggedId2(BRISCOE));
    EXPECT_EQ(Dialogs(), Ids({TALK_BRISCOE}));
    EXPECT_TRUE(Taken().empty());
    EXPECT_EQ(NextScene(), 0);
    Run(Callback(STEP_UP_TO_BRISCOE));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {2});

    // Below, the talk unties him; his panic ends in Diego's blow, and the
    // talk then leads to the ship without Diego.
    Set(VARBOOL_BG303_C04_PICK_LADDER);
    Set(VARBOOL_BG308_C04_EVENT_LADDER);
    Enter(4);
    Run(Callback(STEP_UP_TO_BRISCOE));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {9});
    Run(Callback(BRISCOE_KNOCKED_OUT));
    EXPECT_TRUE(Get(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC) && Get(VARBOOL_QUEST_C4_FIND_BRISCOE03_DONE));
    Run(ScriptEvent_FlaggedId2(BRISCOE));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_EQ(NextScene(), ALESSANDROS_CABIN);

    // Knocked out, he no longer stands tied.
    Enter(4);
    EXPECT_TRUE(At(BRISCOE).ValuesOf(ID_ACTION_TYPE_ANIMATION).empty());
}

TEST_F(DarkReefsTest, TheEggShellReformsOnceAndOnlyItsRemarkKeepsItWholeAtLaterVisits)
{
    const auto reform = [this](int32_t iChapter) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG308_C04_EVENT_LADDER);
        Enter(iChapter);
        EXPECT_TRUE(Open(Object("egg_shell_2")) && Visible(Object("m_eggshell_full")));
        Run(UseOn(Object("egg_shell_2"), "ITEM_EGG_SHELL"));
        EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_EGG_SHELL")});
        EXPECT_EQ(Dialogs(), Ids({EGG_SHELL_GONE}));
        EXPECT_FALSE(Open(Object("egg_shell_2")) || Visible(Object("m_eggshell_full")) || Visible(Object("fx_ataban")));
        EXPECT_EQ(PlacedAt(HEROINE), 14);
        Enter(iChapter);
    };

    // The handler itself records nothing: without the remark's flag the
    // broken shell is back at the next visit.
    reform(4);
    EXPECT_FALSE(Get(VARBOOL_BG308_C04_USE_EGG_SHELL_ON_EGG_SHELL_2));
    EXPECT_TRUE(Open(Object("egg_shell_2")) && Visible(Object("m_eggshell_full")));

    dialogEffects[EGG_SHELL_GONE] = [this] { Set(VARBOOL_BG308_C04_USE_EGG_SHELL_ON_EGG_SHELL_2); };
    for (const int32_t iChapter : {4, 7}) {
        SCOPED_TRACE(iChapter);
        reform(iChapter);
        EXPECT_FALSE(Open(Object("egg_shell_2")) || Visible(Object("m_eggshell_full")));
    }
}

TEST_F(DarkReefsTest, SheWalksOverToDiegoOnlyOnceBothAreDownAndOnTheCliffOnlyTurnsToHim)
{
    for (const bool bLadder : {false, true}) {
        SCOPED_TRACE(bLadder);
        Set(VARBOOL_BG303_C04_PICK_LADDER, bLadder);
        Set(VARBOOL_BG308_C04_EVENT_LADDER, bLadder);
        Enter(4);
        for (const EventDesc& event : {ScriptEvent_FlaggedId1(DIEGO), ScriptEvent_FlaggedId2(DIEGO)}) {
            Run(event);
            EXPECT_EQ(Walks(HEROINE), bLadder ? std::vector<int32_t> {13} : std::vector<int32_t> {});
            EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_ACTOR, HEROINE), std::vector<int32_t> {DIEGO});
            EXPECT_EQ(Dialogs().size(), 1u);
        }
    }
}

TEST_F(DarkReefsTest, SanchaSearchesInChapterSevenOnceMissBrownHasToldOfTheIslandAndAgainAtEveryVisit)
{
    Enter(7);
    EXPECT_TRUE(Visible(Object("fx_diamonds")));
    EXPECT_FALSE(Visible(SANCHA) || Open(SANCHA) || Visible(BRISCOE) || Visible(DIEGO) || Visible(Object("o_post")));

    Set(VARBOOL_BG305_C07_TALK_MISS_BROWN_ABOUT_ISLAND);
    Enter(7);
    EXPECT_TRUE(Visible(SANCHA) && Open(SANCHA) && Get(VARBOOL_BG308_C07_SANCHA_SEARCHES_DIAMONDS));
    EXPECT_EQ(PlacedAt(SANCHA), 11);
    Run(Callback(SANCHA_STOPS_SEARCHING));
    EXPECT_FALSE(Get(VARBOOL_BG308_C07_SANCHA_SEARCHES_DIAMONDS));
    EXPECT_EQ(PlacedAt(SANCHA), 15);
    Enter(7);
    EXPECT_TRUE(Get(VARBOOL_BG308_C07_SANCHA_SEARCHES_DIAMONDS));
    // Outside chapter 7 the reefs are empty and the diamonds do not glint.
    Enter(2);
    EXPECT_FALSE(Visible(SANCHA) || Visible(Object("fx_diamonds")) || Visible(BRISCOE));
}

} // namespace
