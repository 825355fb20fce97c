// The script of the burial chamber on Tanner island (scene 42): the way in
// and the movie's return, the chapter-6 puzzle rebuilt by its flags on every
// entry, the cup of water that washes the sarcophagus only once, the two men
// who wait for the rod with the exit shut, the rod that sends her to the ship,
// the lights left alone outside chapter 6, the flask that completes the
// ingredients only with the other three, and the view that follows the hidden
// uncle while she stands at the far end.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int32_t CHAMBER = 42;
constexpr int32_t MONUMENT = 41;
constexpr int32_t CORRIDOR = 6;
constexpr int32_t AFTER_STRIP06 = 512 + 13;

using Object = NamedObject<SceneTableRows::s_aObjects_bg404_42>;

constexpr uint32_t HEROINE_ACTOR = ActorIdOf("tavrine");
constexpr uint32_t BUCK_ACTOR = ActorIdOf("buck");
constexpr int32_t HEROINE = ActorScriptableId(HEROINE_ACTOR);
constexpr int32_t THOMAS = ActorScriptableId(ActorIdOf("thomas_b"));
constexpr int32_t BUCK = ActorScriptableId(BUCK_ACTOR);

constexpr uint32_t PANEL_OPEN = 0x2b8e4328;
constexpr uint32_t PANEL_DUSTY = 0x408b14ff;
constexpr uint32_t PANEL_WASHED = 0x4442f736;
constexpr uint32_t ROD_FOUND = 0xc382343e;
constexpr uint32_t MEN_COME_DOWN = 0x9ab2d530;

class BurialChamberTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = MONUMENT, int32_t iChapter = 6) { EnterInChapter(CHAMBER, iChapter, iFrom); }
    std::vector<int32_t> Panel() const { return Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("m_galss_panel")); }
    bool Shows(int32_t iObject) const
    {
        const std::vector<int32_t> shown = Values(ID_ACTION_TYPE_SET_VISIBLE, iObject);
        return !shown.empty() && shown.back() != 0;
    }
};

TEST_F(BurialChamberTest, OnlyTheIslandsWaysInWalkHerDownTheStairsAndTheMapIsOff)
{
    for (const int32_t iFrom : {39, 40, 41, 0, 6, 42, 512 + 10}) {
        SCOPED_TRACE(iFrom);
        Set(VARBOOL_ACTIVE_MAP);
        Enter(iFrom);
        EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
        EXPECT_TRUE(Get(VARBOOL_TA_MAP_BG404));
        const bool bDown = iFrom >= 39 && iFrom <= 41;
        EXPECT_EQ(Places(HEROINE), (bDown ? std::vector<int32_t> {0, 2} : std::vector<int32_t> {0}));
        EXPECT_EQ(Walks(HEROINE), (bDown ? std::vector<int32_t> {7} : std::vector<int32_t> {}));
    }
}

TEST_F(BurialChamberTest, EveryEntryRebuildsThePuzzleFromItsFlags)
{
    Enter();
    EXPECT_EQ(Panel(), Ids({PANEL_OPEN, PANEL_DUSTY}));
    EXPECT_FALSE(Open(Object("glass_panel")) || Open(Object("custom_crowbar")));

    Set(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS);
    Enter();
    EXPECT_EQ(Panel(), Ids({PANEL_OPEN, PANEL_WASHED}));
    EXPECT_TRUE(Shows(Object("fx_water")));
    EXPECT_TRUE(Open(Object("glass_panel")));
    EXPECT_FALSE(Open(Object("custom_crowbar")));

    Set(VARBOOL_BG404_C06_POSE_GREASY_IRON_STEM);
    Enter();
    EXPECT_FALSE(Open(Object("glass_panel")));
    EXPECT_TRUE(Open(Object("custom_crowbar")) && Shows(Object("o_iron_stem")));
    EXPECT_FALSE(Visible(BUCK) || Visible(THOMAS));
}

TEST_F(BurialChamberTest, TheCupOfWaterWashesTheSarcophagusOnceAndAfterThatDoesNothingAtAll)
{
    Enter();
    const EventDesc wash = UseOn(Object("sarcophagus"), "ITEM_CUP_OF_WATER");
    Run(wash);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {11});
    EXPECT_EQ(Taken(), Ids({ItemIdOf("ITEM_CUP_OF_WATER")}));
    EXPECT_EQ(Given(), Ids({ItemIdOf("ITEM_STONE_CUP")}));
    EXPECT_TRUE(Get(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS));
    EXPECT_TRUE(Open(Object("glass_panel")));

    // She stands at the far end: the view follows the uncle, and the useless
    // cup does not even hand it back to her.
    Run(MatchExpr::MakeEvent4(HEROINE_ACTOR, Object("scroll_ecran")).m_oEvent);
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(ActorIdOf("uncle_eduardo"))));
    ExpectMatchedAndIdle(wash);
    Run(wash);
    EXPECT_FALSE(Called("select " + FakeSceneLink::Hex(HEROINE_ACTOR)));

    // Looking at anything does.
    Run(ScriptEvent_Object1(Object("trickle")));
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(HEROINE_ACTOR)));
}

TEST_F(BurialChamberTest, TheHammerPlaysTheMovieAndItsReturnGivesTheRodOnceWithTheMenComingDown)
{
    Set(VARBOOL_BG404_C06_USE_CUPWATER_ON_SARCOPHAGUS);
    Set(VARBOOL_BG404_C06_POSE_GREASY_IRON_STEM);
    Enter();
    Run(UseOn(Object("custom_crowbar"), "ITEM_SMALL_HAMMER"));
    EXPECT_EQ(QueuedMovie(), 13);

    Enter(AFTER_STRIP06);
    EXPECT_EQ(PlacedAt(HEROINE), 5);
    EXPECT_EQ(Given(), Ids({ItemIdOf("ITEM_TURTLE_ROD"), ItemIdOf("ITEM_IRON_STEM")}));
    EXPECT_EQ(Dialogs(), Ids({ROD_FOUND, MEN_COME_DOWN}));
    EXPECT_EQ(Walks(THOMAS), std::vector<int32_t> {3});
    EXPECT_EQ(Walks(BUCK), std::vector<int32_t> {4});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C6_TURTLEROD_DONE));
    EXPECT_TRUE(Open(THOMAS) && Open(BUCK));
    for (const int32_t iObject : {Object("goto_bg403"), Object("depression"), Object("sarcophagus"), Object("trickle"),
                                  Object("structure"), Object("custom_crowbar")})
        EXPECT_FALSE(Open(iObject)) << iObject;

    // A second return from the movie only puts her back in her place.
    Enter(AFTER_STRIP06);
    EXPECT_EQ(PlacedAt(HEROINE), 5);
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(BurialChamberTest, TheMenKeepTheExitShutUntilBuckHasHadTheRodWhichSendsHerToTheShip)
{
    Set(VARBOOL_QUEST_C6_TURTLEROD_DONE);
    Enter(0);
    EXPECT_TRUE(Visible(BUCK) && Open(BUCK) && Visible(THOMAS));
    ExpectMatchedAndIdle(MatchExpr::MakeEvent0(Object("goto_bg403")).m_oEvent);
    EXPECT_EQ(NextScene(), 0);

    Run(ScriptEvent_ItemOnFlaggedId3(BUCK_ACTOR, ItemIdOf("ITEM_TURTLE_ROD")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {5});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C6_TANNERSFRIEND01));
    EXPECT_EQ(NextScene(), CORRIDOR);
    // The rod is shown, not given.
    EXPECT_TRUE(Taken().empty());
}

TEST_F(BurialChamberTest, OutsideChapterSixTheLightsStayThePanelIsOpenAndTheDepressionStillFills)
{
    for (const int32_t iChapter : {7, 8}) {
        SCOPED_TRACE(iChapter);
        Enter(MONUMENT, iChapter);
        for (const int32_t iLight : {Object("fx_torch"), Object("fx_candle_flame_01"), Object("fx_halo_03")})
            EXPECT_TRUE(Values(ID_ACTION_TYPE_SET_VISIBLE, iLight).empty()) << iLight;
        EXPECT_EQ(Panel(), Ids({PANEL_OPEN}));
        EXPECT_FALSE(Open(Object("glass_panel")) || Open(Object("custom_crowbar")));
        Run(UseOn(Object("depression"), "ITEM_STONE_CUP"));
        EXPECT_EQ(Given(), Ids({ItemIdOf("ITEM_CUP_OF_WATER")}));
    }
}

TEST_F(BurialChamberTest, TheFlaskCompletesTheIngredientsOnlyWithTheOtherThree)
{
    const int32_t others[] = {VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN,
                              VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS, VARBOOL_BG106_C07_INT_DEAD_CHICKEN};
    for (const int32_t iMissing : others) {
        for (const int32_t iOther : others)
            Set(iOther, iOther != iMissing);
        Set(VARBOOL_QUEST_C7_INGREDIENTS_DONE, false);
        Enter(MONUMENT, 7);
        Run(UseOn(Object("depression"), "ITEM_FLASK"));
        EXPECT_EQ(Given(), Ids({ItemIdOf("ITEM_FLASK_WATER")}));
        EXPECT_TRUE(Get(VARBOOL_BG404_C07_USE_FLASK_ON_WATER));
        EXPECT_FALSE(Get(VARBOOL_QUEST_C7_INGREDIENTS_DONE)) << iMissing;
    }
    for (const int32_t iOther : others)
        Set(iOther);
    Run(UseOn(Object("depression"), "ITEM_FLASK"));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_INGREDIENTS_DONE));
}

} // namespace
