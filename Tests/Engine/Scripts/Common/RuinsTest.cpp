// The script of the first ruins of Turtle island (scene 44): Diego left
// behind on the first arrival, every step the bridge's dialog can ask for
// checked against the grid of stones, the crossing and what it leaves open,
// the falls and the stones shown after them, the lever and the capture, and
// the ruins after it.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t BEAUTY_BAY = 43;
constexpr int32_t RUINS = 44;
constexpr int32_t ALTAR_HOUSE_EXTERIOR = 45;
constexpr int32_t ALTAR_HOUSE_INTERIOR = 46;

using Object = NamedObject<SceneTableRows::s_aObjects_bg502_44>;

constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));
constexpr int32_t GUARD = ActorScriptableId(ActorIdOf("villager1"));

constexpr uint32_t ARRIVAL = 0xd1e7ac98;
constexpr uint32_t AFTER_A_FALL = 0x052e9716;
constexpr uint32_t DIRECTIONS = 0x7a5f261e;
constexpr uint32_t NOT_BEFORE_THE_LEVER = 0x9eb04d14;
constexpr uint32_t LEVER = 0x644adf75;
constexpr uint32_t DIRECTION_CALLBACKS[] = {0x00ae2015, 0x22b0c2b3, 0x9efd89a5};

constexpr int32_t NO_SCENE = 0;
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FAR_LEDGE = 26;
constexpr int32_t WP_FAR_BRIDGE_HEAD = 28;
constexpr int32_t WP_FROM_THE_ALTAR_HOUSE = 33;
constexpr int32_t WP_NEAR_BRIDGE_HEAD = 37;

// The stones of the only path across, in order; a position is its row across
// the pit times ten plus its column (1 to 4).
const std::vector<int32_t> PATH = {12, 22, 23, 24, 34, 44, 43, 53, 52, 51, 61};
// What each direction adds to the position: a row on, a column down, up.
constexpr int32_t DELTAS[] = {10, -1, 1};
// The answers that lead over, as the carvings tell them.
constexpr int DIRECTIONS_ACROSS[] = {0, 2, 2, 0, 0, 1, 0, 1, 1, 0};

int32_t Paving(size_t iStone)
{
    return Object("o_paving_01") + static_cast<int32_t>(iStone);
}

size_t StoneIndex(int32_t iPosition)
{
    return static_cast<size_t>(std::ranges::find(PATH, iPosition) - PATH.begin());
}

class RuinsTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom, int32_t iChapter = 9) { EnterInChapter(RUINS, iChapter, iFrom); }
    int32_t Position() const { return g_VarManager.GetInt(VARINT_TAVRINE_BRIDGE_POS); }
    void Choose(int iDirection) { Run(Callback(DIRECTION_CALLBACKS[iDirection])); }
    // The stones whose pictures are shown, in path order.
    std::vector<size_t> StonesShown()
    {
        std::vector<size_t> shown;
        for (size_t i = 0; i < PATH.size(); ++i)
            if (Visible(Paving(i)))
                shown.push_back(i);
        return shown;
    }
    static std::vector<size_t> FirstStones(size_t iCount)
    {
        std::vector<size_t> stones(iCount);
        for (size_t i = 0; i < iCount; ++i)
            stones[i] = i;
        return stones;
    }
    bool NearSideOpen()
    {
        for (const int32_t iHotspot : {Object("carved_stones"), Object("ethnic_statues_symbol"), Object("goto_bg501"),
                                       Object("the_pit_1"), Object("the_pit_2"), Object("village"), Object("rift")})
            if (Open(iHotspot))
                return true;
        return false;
    }
};

TEST_F(RuinsTest, TheFirstArrivalLeavesDiegoBehindOnceAndTheGuardWatchesUntilTheLever)
{
    Enter(BEAUTY_BAY);
    EXPECT_EQ(Dialogs(), Ids({ARRIVAL}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    for (const int32_t iFlag : {VARBOOL_QUEST_C9_RUINS, VARBOOL_QUEST_C9_JUNGLE_DONE, VARBOOL_TU_MAP_BG502,
                                VARBOOL_BG502_C09_TAKING_A_MOMENT})
        EXPECT_TRUE(Get(iFlag)) << iFlag;
    EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));
    EXPECT_TRUE(Visible(GUARD));
    EXPECT_FALSE(Open(GUARD));
    EXPECT_TRUE(Called("blocker 1 on") && Called("blocker 2 on"));
    EXPECT_FALSE(Open(Object("goto_bg504")) || Open(Object("mechanism")));
    EXPECT_TRUE(StonesShown().empty());

    Enter(BEAUTY_BAY);
    EXPECT_TRUE(Dialogs().empty() && Taken().empty());

    // Outside chapter 9 nobody stands by the lever.
    Enter(BEAUTY_BAY, 10);
    EXPECT_FALSE(Visible(GUARD) || Visible(DIEGO));
}

// Every answer at every stone of the path, against the grid: a step off its
// edge changes nothing, onto the next stone reveals it, back onto the stone
// before is allowed, and anything else is the pit.
TEST_F(RuinsTest, EveryStepOfTheBridgeLeadsWhereTheGridOfStonesSays)
{
    for (size_t i = 0; i + 1 < PATH.size(); ++i) {
        for (int iDirection = 0; iDirection < 3; ++iDirection) {
            const int32_t iFrom = PATH[i];
            const int32_t iTo = iFrom + DELTAS[iDirection];
            SCOPED_TRACE(std::to_string(iFrom) + " -> " + std::to_string(iTo));
            g_VarManager = VarSet {};
            g_VarManager.SetInt(VARINT_TAVRINE_BRIDGE_POS, iFrom);
            Enter(NO_SCENE);
            ASSERT_EQ(StonesShown(), FirstStones(i + 1));
            Choose(iDirection);
            EXPECT_EQ(g_VarManager.GetInt(VARINT_TAVRINE_BRIDGE_DIRECTION), iDirection);
            const int iColumn = iTo % 10;
            if (iColumn < 1 || iColumn > 4) {
                EXPECT_EQ(Position(), iFrom);
                EXPECT_TRUE(actionLog.empty());
                continue;
            }
            const size_t iStone = StoneIndex(iTo);
            if (iStone == i + 1 || (i > 0 && iStone == i - 1)) {
                EXPECT_EQ(Position(), iTo);
                EXPECT_EQ(NextScene(), 0);
                const bool bForward = iStone == i + 1;
                EXPECT_EQ(StonesShown(), FirstStones(bForward ? i + 2 : i + 1));
                continue;
            }
            EXPECT_EQ(NextScene(), RUINS);
            // The first three stones keep her place; further on the missing
            // stone's code is kept, which shows no stone on the next entry.
            EXPECT_EQ(Position(), i < 3 ? iFrom : iTo);
            EXPECT_FALSE(Get(VARBOOL_BG502_C09_ACROSS_BRIDGE));
        }
    }
}

// The answers the carvings give lead over the bridge; the bridge's handler,
// held by the dialog until then, goes on to the far ledge and does not also
// give the far side's answer, which tests the flag the crossing has set.
TEST_F(RuinsTest, TheCrossingAnswersOnceAndLeavesOnlyTheLeverAndTheWayOn)
{
    g_VarManager.SetInt(VARINT_TAVRINE_BRIDGE_POS, PATH[0]);
    Enter(NO_SCENE);
    std::vector<int32_t> walkedOver;
    for (const int iDirection : DIRECTIONS_ACROSS) {
        ASSERT_FALSE(Get(VARBOOL_BG502_C09_ACROSS_BRIDGE));
        walkedOver.push_back(Position());
        Choose(iDirection);
        ASSERT_EQ(NextScene(), 0);
    }
    EXPECT_EQ(walkedOver, std::vector<int32_t>(PATH.begin(), PATH.end() - 1));
    EXPECT_EQ(Position(), PATH.back());
    EXPECT_TRUE(Get(VARBOOL_BG502_C09_ACROSS_BRIDGE));
    EXPECT_EQ(StonesShown(), FirstStones(PATH.size()));
    EXPECT_TRUE(Open(Object("goto_bg504")) && Open(Object("mechanism")));
    EXPECT_FALSE(NearSideOpen());

    g_VarManager = VarSet {};
    Enter(NO_SCENE);
    dialogEffects[DIRECTIONS] = [&] { Set(VARBOOL_BG502_C09_ACROSS_BRIDGE); };
    Run(Click(Object("the_bridge")));
    EXPECT_EQ(Dialogs(), Ids({DIRECTIONS}));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_TRUE(Get(VARBOOL_BG502_C09_ACROSS_BRIDGE) && Get(VARBOOL_QUEST_C9_RUINS_DONE));
    EXPECT_EQ(Walks(heroine).back(), WP_FAR_LEDGE);
    EXPECT_TRUE(Called("blocker 1 off") && Called("blocker 0 on"));

    // On the far ledge the bridge and the way on answer until the lever.
    Run(Click(Object("the_bridge")));
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_FAR_BRIDGE_HEAD});
    EXPECT_EQ(Dialogs(), Ids({NOT_BEFORE_THE_LEVER}));
    Run(Click(Object("goto_bg504")));
    EXPECT_EQ(Dialogs(), Ids({NOT_BEFORE_THE_LEVER}));
    EXPECT_EQ(NextScene(), 0);

    // Entering again, from a slot say, she stands on the far ledge.
    Enter(NO_SCENE);
    EXPECT_EQ(PlacedAt(heroine), WP_FAR_LEDGE);
    EXPECT_TRUE(Open(Object("mechanism")));
    EXPECT_FALSE(NearSideOpen() || Get(VARBOOL_ACTIVE_MAP));
}

TEST_F(RuinsTest, AfterAFallTheStonesOfTheFirstThreeStayShownAndANewCrossingStartsAtTheFirst)
{
    g_VarManager.SetInt(VARINT_TAVRINE_BRIDGE_POS, 23);
    Enter(RUINS);
    EXPECT_EQ(Dialogs(), Ids({AFTER_A_FALL}));
    EXPECT_EQ(PlacedAt(heroine), WP_NEAR_BRIDGE_HEAD);
    EXPECT_EQ(StonesShown(), FirstStones(3));

    Run(Click(Object("the_bridge")));
    EXPECT_EQ(Position(), PATH[0]);
    EXPECT_EQ(StonesShown(), FirstStones(3));

    // A missing stone's code shows none.
    g_VarManager.SetInt(VARINT_TAVRINE_BRIDGE_POS, 54);
    Enter(RUINS);
    EXPECT_TRUE(StonesShown().empty());
    EXPECT_EQ(Dialogs(), Ids({AFTER_A_FALL}));
}

TEST_F(RuinsTest, TheLeverKnocksHerOutTakesHerWeaponsAndLeadsToTheAltarHouse)
{
    Set(VARBOOL_BG502_C09_ACROSS_BRIDGE);
    Enter(NO_SCENE);
    Run(Click(Object("mechanism")));
    EXPECT_EQ(Dialogs(), Ids({LEVER}));
    EXPECT_EQ(Taken(), (std::vector<int32_t> {Item("ITEM_LOADED_PISTOL"), Item("ITEM_MAGNIFICENT_SWORD"),
                                              Item("ITEM_MATCH_BOX")}));
    EXPECT_TRUE(Get(VARBOOL_BG502_C09_INT_MECHANISM));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE_INTERIOR);
    EXPECT_EQ(PlacedAt(GUARD), 29);

    // Before the crossing the lever is out of reach and stays as it is.
    g_VarManager = VarSet {};
    Enter(NO_SCENE);
    Run(ScriptEvent_Object1(Object("mechanism")));
    Run(Click(Object("mechanism")));
    EXPECT_EQ(Dialogs(), Ids({LEVER}));
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_NEAR_BRIDGE_HEAD});
    EXPECT_TRUE(Taken().empty());
    EXPECT_FALSE(Get(VARBOOL_BG502_C09_INT_MECHANISM));
}

TEST_F(RuinsTest, AfterTheLeverSheComesBackFromBeyondAndBothExitsLeadOn)
{
    Set(VARBOOL_BG502_C09_ACROSS_BRIDGE);
    Set(VARBOOL_BG502_C09_INT_MECHANISM);
    for (const int32_t iFrom : {ALTAR_HOUSE_EXTERIOR, 47, 48}) {
        Enter(iFrom);
        EXPECT_EQ(PlacedAt(heroine), WP_FROM_THE_ALTAR_HOUSE) << iFrom;
        EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_FAR_LEDGE}) << iFrom;
    }
    EXPECT_FALSE(Visible(GUARD));
    EXPECT_FALSE(Open(Object("mechanism")) || Open(Object("the_bridge")) || Open(Object("village")));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("o_lever")).back(), static_cast<int32_t>(0xa4ce5963));
    ExpectMatchedAndIdle(Click(Object("the_bridge")));

    Run(Click(Object("goto_bg501")));
    EXPECT_TRUE(Called("blocker 2 off"));
    EXPECT_EQ(NextScene(), BEAUTY_BAY);
    Enter(NO_SCENE);
    EXPECT_EQ(PlacedAt(heroine), WP_START);
    Run(Click(Object("goto_bg504")));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE_EXTERIOR);
}

} // namespace
