// The script of the middle town square of Hollow island (scene 30): the
// arrivals and the shut way to the
// third square, Sancha's presence and her two trades, and Diego, who comes
// for the ladder and carries it off only once Briscoe needs it.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t TOWN_SQUARE_B = 30;
constexpr int32_t DARK_REEFS = 35;
constexpr int32_t WORLD_MAP = 57;

using Object = NamedObject<SceneTableRows::s_aObjects_bg303_30>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t SANCHA = ActorScriptableId(ActorIdOf("sancha"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));
constexpr int32_t LOGIC_DIALOG = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);

constexpr uint32_t DIEGO_ON_LADDER = 0x6824140d;

class TownSquareBTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = WORLD_MAP) { EnterInChapter(TOWN_SQUARE_B, iChapter, iFrom); }
    // The actions of the type given to the target, in order.
    std::vector<ActionDesc> Actions(int32_t iActionType, int32_t iTarget) const
    {
        std::vector<ActionDesc> actions;
        std::copy_if(actionLog.begin(), actionLog.end(), std::back_inserter(actions), [&](const ActionDesc& action) {
            return action.m_iActionType == iActionType && action.m_iTargetId == iTarget;
        });
        return actions;
    }
    // The blocker switches of the walk, in order.
    std::vector<std::string> Blockers() const
    {
        std::vector<std::string> blockers;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(blockers),
                     [](const std::string& call) { return call.starts_with("blocker "); });
        return blockers;
    }
};

TEST_F(TownSquareBTest, SheArrivesOnTheSideSheCameFromAndTheWayToTheThirdSquareStaysShut)
{
    struct Arrival {
        int32_t iFrom;
        std::vector<int32_t> places;
        std::vector<int32_t> walks;
    };
    std::vector<Arrival> arrivals {{WORLD_MAP, {0}, {}}};
    for (const int32_t iFrom : {28, 29})
        arrivals.push_back({iFrom, {0, 1}, {2}});
    for (const int32_t iFrom : {31, 33, 34, 35, 36, 38})
        arrivals.push_back({iFrom, {0, 3}, {4}});
    for (const int32_t iChapter : {4, 7}) {
        for (const Arrival& arrival : arrivals) {
            SCOPED_TRACE(arrival.iFrom);
            Enter(iChapter, arrival.iFrom);
            EXPECT_EQ(Places(HEROINE), arrival.places);
            EXPECT_EQ(Walks(HEROINE), arrival.walks);
            // Switched on at every entry (twice in chapter 4, where the
            // ladder stands), off only for the walk in from the third side.
            std::vector<std::string> expected(iChapter == 4 ? 2 : 1, "blocker 0 on");
            if (arrival.places.back() == 3)
                expected.insert(expected.end(), {"blocker 0 off", "blocker 0 on"});
            EXPECT_EQ(Blockers(), expected) << iChapter;
        }
    }
    // Only its exit leads through.
    Run(Click(Object("goto_bg304")));
    EXPECT_EQ(Blockers(), (std::vector<std::string> {"blocker 0 off"}));
    EXPECT_EQ(NextScene(), 31);
}

TEST_F(TownSquareBTest, SanchaMindsHerStallButWhileTheBellSeemsWholeInChapterFourAndInChapterSeven)
{
    struct Case {
        int32_t iChapter;
        bool bBellBroken;
        bool bSancha;
    };
    for (const Case& c : {Case {2, false, true}, Case {4, false, false}, Case {4, true, true}, Case {7, true, false},
                          Case {8, false, true}}) {
        SCOPED_TRACE(c.iChapter);
        g_VarManager = VarSet {};
        Set(VARBOOL_QUEST_C4_FIX_BELL, c.bBellBroken);
        Enter(c.iChapter);
        EXPECT_EQ(Visible(SANCHA) && Open(SANCHA), c.bSancha) << c.bBellBroken;
        EXPECT_EQ(Open(Object("bank_door")), c.iChapter == 7);
        EXPECT_EQ(Visible(Object("o_ladder")), c.iChapter == 4);
        EXPECT_EQ(Open(Object("ladder")) && Open(Object("under_ladder")), c.iChapter == 4);
        EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO));
    }
}

TEST_F(TownSquareBTest, EachTradeTakesItsPriceAndGivesItsWare)
{
    Set(VARBOOL_QUEST_C4_FIX_BELL);
    Enter(4);
    struct Trade {
        uint32_t uCallback;
        int32_t iDoubloons;
        const char* pItem;
    };
    for (const Trade& trade : {Trade {0x83af9f0b, 2, "ITEM_GOLD_EARRING"}, Trade {0x8ce355b6, 1, "ITEM_NET"}}) {
        SCOPED_TRACE(trade.pItem);
        Run(Callback(trade.uCallback));
        const std::vector<ActionDesc> taken = Actions(ID_ACTION_TYPE_REMOVE_ITEM, HEROINE);
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].m_oParameter[0], Item("ITEM_DOUBLOON"));
        EXPECT_EQ(taken[0].m_oParameter[1], trade.iDoubloons);
        EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ITEM, HEROINE), std::vector<int32_t> {Item(trade.pItem)});
        // She steps up to take it from Sancha's hand.
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {7});
    }
}

TEST_F(TownSquareBTest, DiegoComesForTheLadderAndCarriesItOffOnlyOnceBriscoeNeedsIt)
{
    struct Case {
        const char* pName;
        int32_t iDiegoScene;
        bool bBriscoeStuck;
        std::vector<int32_t> places;
        std::vector<int32_t> walks;
    };
    const Case cases[] = {
        {"from the first square, too early", 2, false, {3, 1}, {8}},
        {"from beyond the third square", 8, true, {3}, {8, 5}},
        {"already here, too early", 3, false, {}, {}},
        {"already here", 3, true, {}, {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_DIEGO_SCENE, c.iDiegoScene);
        Set(VARBOOL_QUEST_C4_FIND_BRISCOE03, c.bBriscoeStuck);
        Enter(4);
        actionLog.clear();
        Run(UseOn(Object("ladder"), "ITEM_DIEGO"));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {9});
        EXPECT_EQ(Places(DIEGO), c.places);
        EXPECT_EQ(Walks(DIEGO), c.walks);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_DIEGO_SCENE), 3);
        EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
        EXPECT_EQ(Values(ID_ACTION_TYPE_START_DIALOG, LOGIC_DIALOG),
                  std::vector<int32_t> {static_cast<int32_t>(DIEGO_ON_LADDER)});
        EXPECT_EQ(Get(VARBOOL_BG303_C04_PICK_LADDER), c.bBriscoeStuck);
        EXPECT_EQ(Visible(Object("o_ladder")), !c.bBriscoeStuck);
        EXPECT_EQ(NextScene(), c.bBriscoeStuck ? DARK_REEFS : 0);
    }
    // Taken, the ladder is gone on every later visit.
    Enter(4, 29);
    EXPECT_FALSE(Visible(Object("o_ladder")) || Open(Object("ladder")) || Open(Object("under_ladder")));
}

} // namespace
