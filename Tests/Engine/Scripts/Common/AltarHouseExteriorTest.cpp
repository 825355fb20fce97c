// The script of the altar house seen from outside (scene 45): chapter 9's
// caterpillars and the jump through the roof; chapter 10's stairs, closed
// until Tanama has spoken and played once with the shaman's arrival; and the
// guards who hold her until Uncle Eduardo and Diego free her, with every
// way a player can try the whistle and Eduardo out of order.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t ALTAR_HOUSE_EXTERIOR = 45;
constexpr int32_t RUINS = 44;
constexpr int32_t INTERIOR = 46;
constexpr int32_t TURTLE_BEACH = 47;
constexpr int32_t TURTLE_CHAMBER = 49;
constexpr int32_t SHAMANS_HUT = 50;

using Object = NamedObject<SceneTableRows::s_aObjects_bg504_45>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t GUARD = ActorScriptableId(ActorIdOf("villager1"));
constexpr int32_t SLEEPY_GUARD = ActorScriptableId(ActorIdOf("villager2"));
constexpr int32_t EDUARDO = ActorScriptableId(ActorIdOf("uncle_eduardo"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

constexpr uint32_t ROOF_JUMP = 0xf74b083c;
constexpr uint32_t BEACH_PATH = 0x6d7e31fb;
constexpr uint32_t AT_THE_STAIRS = 0x00260f58;
constexpr uint32_t SHAMAN_COMES = 0xffa79a15;
constexpr uint32_t HELD = 0xd2235cc2;
constexpr uint32_t WHISTLE = 0x742a9baa;
constexpr uint32_t TRICK = 0x85ba9dbf;
constexpr uint32_t CHALLENGE = 0x369afb93;
constexpr uint32_t FLIGHT = 0x4e058a2a;
constexpr uint32_t DIEGO_COMES = 0xfae383e7;

constexpr int32_t WP_START = 0;
constexpr int32_t WP_FOOT_OF_THE_STAIRS = 9;
constexpr int32_t WP_BELOW_THE_ROOF = 17;
constexpr int32_t WP_EDUARDO = 18;
constexpr int32_t WP_BELOW_THE_STAIRS = 25;
constexpr int32_t WP_OFF_THE_STAIRS = 28;

class AltarHouseExteriorTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom) { EnterInChapter(ALTAR_HOUSE_EXTERIOR, iChapter, iFrom); }
    bool Selected(const char* pActor) const { return Called("select " + FakeSceneLink::Hex(ActorIdOf(pActor))); }
    static EventDesc Whistle()
    {
        return MatchExpr::MakeEvent6(ItemIdOf("ITEM_WHISTLE"), ItemIdOf("ITEM_EDUARDO")).m_oEvent;
    }
    static EventDesc EduardoOnTheSleepyGuard()
    {
        return ScriptEvent_ItemOnFlaggedId3(ActorIdOf("villager2"), ItemIdOf("ITEM_EDUARDO"));
    }
    // Chapter 10 with the spirit egg taken from the hut: she comes down.
    void DownWithTheEgg()
    {
        Set(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT);
        Set(VARBOOL_BG504_C10_INT_SHAMANS_HUT);
        Set(VARBOOL_BG504_C10_SHAMAN_AND_HILARY);
        Set(VARBOOL_QUEST_C10_SPIRITEGG_02_DONE);
        Enter(10, SHAMANS_HUT);
    }
};

TEST_F(AltarHouseExteriorTest, ChapterNinesJumpThroughTheRoofAndTheCaterpillarsHappenOnce)
{
    Enter(9, INTERIOR);
    EXPECT_EQ(Dialogs(), Ids({ROOF_JUMP}));
    EXPECT_EQ(PlacedAt(HEROINE), WP_BELOW_THE_ROOF);
    EXPECT_TRUE(Get(VARBOOL_BG504_C09_THROUGH_THE_ROOF_HOLE) && Get(VARBOOL_TU_MAP_BG504));
    EXPECT_TRUE(Open(Object("basket")) && Visible(Object("fx_caterpillars")));
    EXPECT_TRUE(Visible(SLEEPY_GUARD) && Open(SLEEPY_GUARD));
    EXPECT_FALSE(Open(Object("goto_bg511")) || Visible(GUARD) || Visible(EDUARDO) || Visible(DIEGO));

    Run(Click(Object("basket")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SLIMY_CATERPILLARS")});
    EXPECT_TRUE(Get(VARBOOL_BG504_C09_PICK_SLIMY_CATERPILLAR));
    EXPECT_FALSE(Open(Object("basket")) || Visible(Object("fx_caterpillars")));

    // Out of the house again: only put below the roof, and the basket stays empty.
    Enter(9, INTERIOR);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {WP_START, WP_BELOW_THE_ROOF}));
    EXPECT_FALSE(Open(Object("basket")) || Visible(Object("fx_caterpillars")));

    // The path to the beach speaks the first time only.
    Run(Click(Object("goto_bg506")));
    EXPECT_EQ(Dialogs(), Ids({BEACH_PATH}));
    EXPECT_EQ(NextScene(), TURTLE_BEACH);
    Enter(9, RUINS);
    Run(Click(Object("goto_bg506")));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), TURTLE_BEACH);
}

TEST_F(AltarHouseExteriorTest, AnEntryFromASceneWithoutAWayInLeavesHerAtTheStart)
{
    for (const int32_t iChapter : {9, 10}) {
        Enter(iChapter, 57);
        EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {WP_START}) << iChapter;
        EXPECT_TRUE(Walks(HEROINE).empty()) << iChapter;
    }
}

TEST_F(AltarHouseExteriorTest, TheStairsOpenAfterTanamaAndTheShamanComesDownOnlyOnce)
{
    Enter(10, TURTLE_BEACH);
    EXPECT_FALSE(Open(Object("goto_bg511")));
    EXPECT_TRUE(Visible(Object("o_portcullis")));

    Set(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT);
    Enter(10, TURTLE_BEACH);
    EXPECT_TRUE(Open(Object("goto_bg511")));
    EXPECT_FALSE(Visible(Object("o_portcullis")));
    Run(Click(Object("goto_bg511")));
    EXPECT_EQ(Dialogs(), Ids({AT_THE_STAIRS, SHAMAN_COMES}));
    EXPECT_TRUE(Get(VARBOOL_BG504_C10_INT_SHAMANS_HUT) && Get(VARBOOL_BG504_C10_SHAMAN_AND_HILARY));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE_EXTERIOR);

    // The scene starts again with her below the stairs; now they lead up.
    Enter(10, ALTAR_HOUSE_EXTERIOR);
    EXPECT_EQ(PlacedAt(HEROINE), WP_BELOW_THE_STAIRS);
    Run(Click(Object("goto_bg511")));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), SHAMANS_HUT);

    // Down again before the egg is taken, by the stairs.
    Enter(10, SHAMANS_HUT);
    EXPECT_EQ(PlacedAt(HEROINE), WP_OFF_THE_STAIRS);
    EXPECT_TRUE(Open(Object("goto_bg502")) && Open(Object("the_hut")));
}

// The arrival is one run started together: both walk on at once, each
// turning only after its own walk, and nothing halts the script in between.
TEST_F(AltarHouseExteriorTest, TheShamanAndHilaryAppearAndWalkDownTogetherInOneStep)
{
    Set(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT);
    Enter(10, TURTLE_BEACH);
    const std::vector<ActionDesc> fired = FiredBy(Callback(0x0f49520d));
    std::vector<int32_t> walkers;
    for (const ActionDesc& action : fired) {
        EXPECT_NE(action.m_iActionType, ID_ACTION_TYPE_WAIT_FOR);
        if (action.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT)
            walkers.push_back(action.m_iTargetId);
    }
    EXPECT_EQ(walkers,
              (std::vector<int32_t> {ActorScriptableId(ActorIdOf("baba_c")), ActorScriptableId(ActorIdOf("hilary"))}));
    EXPECT_EQ(fired.size(), 12u);
}

// Held at the foot of the stairs, every try out of order leaves the puzzle
// solvable: the exits only turn her, Eduardo used before he is called stays
// with her, the whistle calls him once, and the trick leads to the rescue.
TEST_F(AltarHouseExteriorTest, HeldByTheGuardsSheIsFreedByEduardosTrickAndDiego)
{
    DownWithTheEgg();
    EXPECT_EQ(Dialogs(), Ids({HELD}));
    EXPECT_TRUE(Get(VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT));
    EXPECT_EQ(PlacedAt(HEROINE), WP_FOOT_OF_THE_STAIRS);
    EXPECT_TRUE(Selected("villager2"));
    EXPECT_TRUE(Visible(GUARD) && Visible(SLEEPY_GUARD));
    for (const int32_t iObject : {Object("goto_bg502"), Object("goto_bg506"), Object("hole_in_roof"),
                                  Object("red_flower"), Object("the_hut"), Object("turtle_stone")})
        EXPECT_FALSE(Open(iObject)) << iObject;
    for (const int32_t iExit : {Object("goto_bg502"), Object("goto_bg506")}) {
        Run(Click(iExit));
        EXPECT_EQ(NextScene(), 0) << iExit;
    }

    Run(EduardoOnTheSleepyGuard());
    EXPECT_TRUE(Dialogs().empty() && Taken().empty());

    Run(Whistle());
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_TRUE(Get(VARBOOL_BG504_C10_EDUARDO_HERE));
    EXPECT_TRUE(Visible(EDUARDO) && Open(EDUARDO));
    EXPECT_EQ(PlacedAt(EDUARDO), WP_EDUARDO);
    Run(Whistle());
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_TRUE(Places(EDUARDO).empty());

    // The dialog records the trick, as the story's does.
    dialogEffects[TRICK] = [&] { Set(VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD); };
    Run(EduardoOnTheSleepyGuard());
    EXPECT_EQ(Dialogs(), Ids({TRICK}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_EDUARDO")});
    EXPECT_TRUE(Selected("villager1"));
    EXPECT_FALSE(Visible(SLEEPY_GUARD) || Open(SLEEPY_GUARD));

    Run(ScriptEvent_FlaggedId2(ActorIdOf("villager1")));
    EXPECT_EQ(Dialogs(), Ids({CHALLENGE, FLIGHT, DIEGO_COMES}));
    EXPECT_TRUE(Get(VARBOOL_BG504_C10_CHALLENGED) && Get(VARBOOL_BG504_C10_SAVED));
    EXPECT_TRUE(Selected("tavrine"));
    EXPECT_TRUE(Visible(DIEGO) && !Visible(GUARD));
    EXPECT_EQ(NextScene(), TURTLE_CHAMBER);
}

TEST_F(AltarHouseExteriorTest, BackAtTheGuardsSheIsHeldWithoutTheirWordAgainAndEduardoStaysCalled)
{
    Set(VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT);
    Set(VARBOOL_BG504_C10_EDUARDO_HERE);
    DownWithTheEgg();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Selected("villager2"));
    EXPECT_TRUE(Visible(EDUARDO) && Open(EDUARDO));
    EXPECT_EQ(PlacedAt(EDUARDO), WP_EDUARDO);

    // Out of the hut by its own exit she stands at the stairs' foot, unheld.
    Set(VARBOOL_BG504_C10_OUT_FROM_BG511);
    DownWithTheEgg();
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {WP_START, 8, WP_FOOT_OF_THE_STAIRS}));
    EXPECT_FALSE(Selected("villager2"));
    Run(Click(Object("goto_bg511")));
    EXPECT_FALSE(Get(VARBOOL_BG504_C10_OUT_FROM_BG511));
    EXPECT_EQ(NextScene(), SHAMANS_HUT);
}

} // namespace
