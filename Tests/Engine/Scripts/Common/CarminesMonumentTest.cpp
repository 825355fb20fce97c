// The script of Carmine's monument (scene 41): the return from the birds'
// attack, the two sides of the chasm in and out of chapter 6, the seagulls'
// handlers, the drawbridge that takes her over and leaves the way out to
// Buck's place behind her, the crossings of the rope bridge and the secret
// entrance that leads down only once it is open.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t CARMINES_MONUMENT = 41;
constexpr int32_t BUCKS_PLACE = 40;
constexpr int32_t BURIAL_CHAMBER = 42;
constexpr int32_t BACK_FROM_THE_BIRDS = 262;

using Object = NamedObject<SceneTableRows::s_aObjects_bg403_41>;

constexpr int32_t SEAGULL_1 = ActorScriptableId(ActorIdOf("bird01"));
constexpr int32_t SEAGULL_2 = ActorScriptableId(ActorIdOf("bird02"));
constexpr uint32_t SHOOT = 0xcdeed197;
constexpr uint32_t SHOT = 0x875f80d2;
constexpr int32_t WP_RIGHT_BRIDGE_END = 11;

class CarminesMonumentTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom) { EnterInChapter(CARMINES_MONUMENT, iChapter, iFrom); }
    // Every thing of the list can be pointed at (or none can).
    bool AllOpen(const std::vector<int32_t>& things, bool bOpen)
    {
        for (const int32_t iThing : things)
            if (Open(iThing) != bOpen)
                return false;
        return true;
    }
};

TEST_F(CarminesMonumentTest, BackFromTheBirdsOnlyAWonFightInChapterSixCounts)
{
    for (const int32_t iChapter : {6, 5}) {
        for (const bool bWon : {false, true}) {
            Set(VARBOOL_WIN_MINIGAME_06, false);
            Set(VARBOOL_C_WIN_MINIGAME, bWon);
            Enter(iChapter, BACK_FROM_THE_BIRDS);
            EXPECT_EQ(Get(VARBOOL_WIN_MINIGAME_06), bWon && iChapter == 6) << iChapter << (bWon ? " won" : " lost");
        }
    }
}

TEST_F(CarminesMonumentTest, OutsideChapterSixEachSideOffersOnlyItsWayOn)
{
    const std::vector<int32_t> puzzles = {Object("feather"),     Object("dark_rock"),       Object("undergrowth"),
                                          Object("nuts"),        Object("mocking_seagull"), Object("drawbridge"),
                                          Object("strange_fly"), Object("stone_pillar"),    Object("secret_entrance")};
    Enter(7, BUCKS_PLACE);
    EXPECT_FALSE(Get(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE));
    EXPECT_TRUE(AllOpen(puzzles, false));
    EXPECT_TRUE(AllOpen({Object("rope_bridge"), Object("goto_bg402")}, true));
    EXPECT_TRUE(AllOpen({Object("rope_bridge_right"), Object("goto_bg404")}, false));
    EXPECT_FALSE(Visible(SEAGULL_1) || Visible(SEAGULL_2));

    Enter(7, BURIAL_CHAMBER);
    EXPECT_TRUE(Get(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE));
    EXPECT_TRUE(AllOpen(puzzles, false));
    EXPECT_TRUE(AllOpen({Object("rope_bridge_right"), Object("goto_bg404")}, true));
    EXPECT_TRUE(AllOpen({Object("rope_bridge"), Object("goto_bg402")}, false));
}

TEST_F(CarminesMonumentTest, BeforeTheMechanismWorksOnlyTheRightSideKeepsItsBridge)
{
    Enter(6, BUCKS_PLACE);
    EXPECT_TRUE(Get(VARBOOL_TA_MAP_BG403));
    EXPECT_TRUE(AllOpen({Object("rope_bridge"), Object("rope_bridge_right")}, false));
    EXPECT_TRUE(AllOpen({Object("drawbridge"), Object("drawbridge_mechanism"), Object("mocking_seagull")}, true));
    EXPECT_TRUE(Visible(SEAGULL_1) && Visible(SEAGULL_2));

    Enter(6, BURIAL_CHAMBER);
    EXPECT_TRUE(Open(Object("rope_bridge_right")));
    EXPECT_FALSE(Open(Object("rope_bridge")));
}

TEST_F(CarminesMonumentTest, OnlyTheLoadedPistolScaresTheSeagullsAwayAndTheShotLeavesTheirFish)
{
    Enter(6, BUCKS_PLACE);
    const int32_t iSeagull = Object("mocking_seagull");
    for (const char* pItem : {"ITEM_NUTS", "ITEM_PISTOL"}) {
        Run(UseOn(iSeagull, pItem));
        EXPECT_EQ(Dialogs().size(), 1u) << pItem;
        EXPECT_TRUE(Open(iSeagull)) << pItem;
    }
    Run(UseOn(iSeagull, "ITEM_LOADED_PISTOL"));
    EXPECT_EQ(Dialogs(), Ids({SHOOT}));
    EXPECT_FALSE(Open(iSeagull));
    EXPECT_FALSE(Get(VARBOOL_BG403_C06_USE_LOADED_PISTOL_ON_SEAGULL));

    Run(Callback(SHOT));
    EXPECT_TRUE(Get(VARBOOL_BG403_C06_USE_LOADED_PISTOL_ON_SEAGULL));
    EXPECT_FALSE(Visible(SEAGULL_1) || Visible(SEAGULL_2));
    EXPECT_TRUE(Visible(Object("fx_fish")));
    EXPECT_TRUE(Given().empty() && Taken().empty());

    // Back again, the rock is empty.
    Enter(6, BUCKS_PLACE);
    EXPECT_FALSE(Open(iSeagull) || Visible(SEAGULL_1) || Visible(SEAGULL_2));
}

TEST_F(CarminesMonumentTest, TheCogwheelTakesHerOverAndLeavesTheWayOutToBucksPlaceBehind)
{
    Enter(6, BUCKS_PLACE);
    Run(UseOn(Object("drawbridge_mechanism"), "ITEM_COGWHEEL"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_COGWHEEL")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE) && Get(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE));
    EXPECT_EQ(PlacedAt(heroine), WP_RIGHT_BRIDGE_END);
    EXPECT_TRUE(AllOpen({Object("rope_bridge_right"), Object("stone_pillar"), Object("strange_fly")}, true));
    EXPECT_TRUE(AllOpen(
        {Object("goto_bg402"), Object("drawbridge"), Object("drawbridge_mechanism"), Object("feather"), Object("nuts")},
        false));
}

TEST_F(CarminesMonumentTest, TheRopeBridgeSwapsTheSidesBothWays)
{
    Set(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE);
    Set(VARBOOL_BG403_C06_PICK_NUTS);
    Enter(6, BUCKS_PLACE);
    EXPECT_TRUE(Open(Object("rope_bridge")));
    Run(Click(Object("rope_bridge")));
    EXPECT_TRUE(Get(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE));
    EXPECT_TRUE(AllOpen({Object("rope_bridge_right"), Object("stone_pillar"), Object("strange_fly")}, true));
    EXPECT_TRUE(AllOpen({Object("rope_bridge"), Object("goto_bg402"), Object("feather")}, false));

    Run(Click(Object("rope_bridge_right")));
    EXPECT_FALSE(Get(VARBOOL_BG403_C06_M_ON_RIGHT_SIDE));
    EXPECT_TRUE(AllOpen({Object("rope_bridge"), Object("goto_bg402"), Object("feather")}, true));
    EXPECT_TRUE(
        AllOpen({Object("rope_bridge_right"), Object("stone_pillar"), Object("strange_fly"), Object("nuts")}, false));
}

TEST_F(CarminesMonumentTest, TheSecretEntranceLeadsDownOnlyOnceTheLampHasOpenedIt)
{
    Set(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE);
    Set(VARBOOL_BG403_C06_USE_MYSETRIOUSDISCK_ON_STONEPILLAR);
    Enter(6, BURIAL_CHAMBER);
    EXPECT_TRUE(Open(Object("secret_entrance")));
    Run(Click(Object("secret_entrance")));
    EXPECT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(NextScene(), 0);

    Run(UseOn(Object("secret_entrance"), "ITEM_LAMP_WITH_OIL"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_LAMP_WITH_OIL")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_OIL_LAMP")});
    EXPECT_TRUE(Open(Object("goto_bg404")));
    EXPECT_FALSE(Open(Object("secret_entrance")));
    Run(Click(Object("secret_entrance")));
    EXPECT_EQ(NextScene(), BURIAL_CHAMBER);
}

} // namespace
