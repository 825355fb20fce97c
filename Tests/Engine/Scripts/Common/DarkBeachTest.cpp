// The script of the dark beach of Hollow island (scene 34): where she
// arrives by the way she came, the first chapter-4 visit ticked off once, the
// coin picked out of the puddle and thrown back with a wish, and the two ways
// out: the blocked shore to the reefs and the road up to the island's map.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t DARK_BEACH = 34;
constexpr int32_t DARK_REEFS = 35;
constexpr int32_t WORLD_MAP = 57;

using Object = NamedObject<SceneTableRows::s_aObjects_bg307_34>;

constexpr uint32_t COIN_TAKEN = 0xa4e9831b;
constexpr uint32_t COIN_THROWN = 0xa1411ba4;
const std::string OPEN_MAP = "post " + std::to_string(ScriptSceneLink::EVENT_OPEN_MENU) + " 1";

class DarkBeachTest : public SceneScriptWithLogicActorsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = WORLD_MAP) { EnterInChapter(DARK_BEACH, iChapter, iFrom); }
    // The blocker switches and menu calls of the walk, in order.
    std::vector<std::string> Switches() const
    {
        std::vector<std::string> switches;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(switches),
                     [](const std::string& call) { return call.starts_with("blocker ") || call == OPEN_MAP; });
        return switches;
    }
};

TEST_F(DarkBeachTest, SheArrivesOnTheSideSheCameFromOrStaysAtTheStartAndTheShoreIsBlockedAfter)
{
    struct Arrival {
        int32_t iFrom;
        std::vector<int32_t> places;
        std::vector<int32_t> walks;
    };
    std::vector<Arrival> arrivals {{DARK_REEFS, {0, 6}, {7}}};
    for (const int32_t iFrom : {28, 29, 30, 31, 33, 36, 38})
        arrivals.push_back({iFrom, {0, 4}, {5}});
    // The reception, the beach itself, the temple, a mini-game, a movie.
    for (const int32_t iFrom : {32, 34, 37, 256 + 4, 512 + 17})
        arrivals.push_back({iFrom, {0}, {}});
    for (const int32_t iChapter : {4, 7}) {
        for (const Arrival& arrival : arrivals) {
            SCOPED_TRACE(arrival.iFrom);
            Enter(iChapter, arrival.iFrom);
            EXPECT_EQ(Places(heroine), arrival.places);
            EXPECT_EQ(Walks(heroine), arrival.walks);
            // Switched on at every entry, once she stands.
            EXPECT_EQ(Switches(), std::vector<std::string> {"blocker 0 on"});
        }
    }
}

TEST_F(DarkBeachTest, OnlyTheFirstVisitOfChapterFourTicksOffTheSearchStep)
{
    Enter(7);
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_HILARY_BASE04_DONE) || Get(VARBOOL_BG307_C04_EVENT_FIRST_TIME));
    Enter(4, 31);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_HILARY_BASE04_DONE) && Get(VARBOOL_BG307_C04_EVENT_FIRST_TIME));
    // A later visit leaves the quest as it finds it.
    Set(VARBOOL_QUEST_C4_HILARY_BASE04_DONE, false);
    Enter(4, 31);
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_HILARY_BASE04_DONE));
}

TEST_F(DarkBeachTest, TheCoinIsPickedFromWhereSheStandsUntilTakenThenItsHaloStaysOff)
{
    Enter(4);
    EXPECT_TRUE(Visible(Object("o_coin_halo")));
    EXPECT_FALSE(Visible(Object("fx_coin")));
    // Before the coin is taken she speaks where she stands, and the dialog
    // sends her to it.
    Run(Click(Object("puddle_of_water")));
    EXPECT_TRUE(Walks(heroine).empty());
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0xed5f916d)});
    Run(Callback(COIN_TAKEN));
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {8});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DOUBLOON")});
    EXPECT_FALSE(Visible(Object("o_coin_halo")));

    // Taken (the dialog marks it), the halo is off on entry and the puddle
    // is walked up to.
    Set(VARBOOL_BG307_C04_PICK_COIN);
    for (const int32_t iChapter : {4, 7}) {
        Enter(iChapter);
        EXPECT_FALSE(Visible(Object("o_coin_halo"))) << iChapter;
        Run(Click(Object("puddle_of_water")));
        EXPECT_EQ(Walks(heroine), std::vector<int32_t> {10});
    }
}

TEST_F(DarkBeachTest, TheWishTakesTheDoubloonAndPutsHerWhereTheThrowLeavesHerWhileTheCoinFlies)
{
    Enter(4);
    Run(Callback(COIN_THROWN));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DOUBLOON")});
    EXPECT_EQ(PlacedAt(heroine), 9);
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("fx_coin")), Ids({0x3436aac2, 0xb492c561}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_VISIBLE, Object("fx_coin")), (std::vector<int32_t> {1, 0}));
    EXPECT_FALSE(Visible(Object("fx_coin")));

    // She is put where the throw leaves her while the coin flies: the walk
    // waits for nobody between the flight and the placing.
    const ScriptNodePool& pool = manager.GetNodePool();
    const auto IsAction = [&](ScriptNodeIndex iNode, int32_t iType) {
        return pool[iNode].m_iType == NodeType_Action && pool[iNode].m_oAction.m_iActionType == iType;
    };
    ScriptNodeIndex iFlight = 0;
    while (iFlight < pool.GetNbAllocated() && !(IsAction(iFlight, ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION) &&
                                                pool[iFlight].m_oAction.m_oParameter[0] == Ids({0x3436aac2})[0]))
        ++iFlight;
    ScriptNodeIndex iPlace = iFlight;
    while (iPlace < pool.GetNbAllocated() && !IsAction(iPlace, ID_ACTION_TYPE_PLACE_AT_WAYPOINT))
        ++iPlace;
    ASSERT_LT(iPlace, pool.GetNbAllocated());
    for (ScriptNodeIndex iNode = iFlight; iNode < iPlace; ++iNode)
        EXPECT_FALSE(IsAction(iNode, ID_ACTION_TYPE_WAIT_FOR)) << iNode;
}

TEST_F(DarkBeachTest, TheShoreToTheReefsOpensOnlyForItsExitWhichLeavesBeforeTheLastWalk)
{
    Enter(4);
    calls.clear();
    Run(Click(Object("goto_bg308")));
    EXPECT_EQ(Switches(), std::vector<std::string> {"blocker 0 off"});
    EXPECT_EQ(Walks(heroine), (std::vector<int32_t> {12, 3}));
    EXPECT_EQ(NextScene(), DARK_REEFS);

    Enter(4);
    calls.clear();
    Run(Click(Object("goto_hollow_island")));
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {13});
    EXPECT_EQ(Switches(), std::vector<std::string> {OPEN_MAP});
    EXPECT_EQ(NextScene(), 0);
}

} // namespace
