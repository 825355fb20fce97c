// The script of Briscoe's burning house (scene 19): the time that every look
// and try costs, the smoke and the fires that follow it in every walk, the
// house that burns down after ten of them and gives the room back, the match
// that does nothing until the door is ready and then blows it open, and the
// room as a saved game finds it again.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t BURNING_HOUSE = 19;
constexpr int32_t HOUSE_INSIDE = 18;
constexpr int32_t HOUSE_OUTSIDE = 17;
constexpr int32_t MOVIE_CINE05 = 4;

using Object = NamedObject<SceneTableRows::s_aObjects_bg111_19>;

constexpr int32_t THOMAS = ActorScriptableId(ActorIdOf("thomas_b"));

constexpr uint32_t OPENING = 0x8a7eb3a0;
constexpr uint32_t STRIKE_THE_MATCH = 0xdb200359;
constexpr uint32_t IDLE_AGAIN = 0x572c2b06;

class BurningHouseTest : public SceneScriptWithDialogsTest {
protected:
    void Enter() { EnterInChapter(BURNING_HOUSE, 5, HOUSE_INSIDE); }
    int32_t Time() const { return g_VarManager.GetInt(VARINT_BURNING_HOUSE); }
    void SetTime(int32_t iTime) { g_VarManager.SetInt(VARINT_BURNING_HOUSE, iTime); }
    // The alpha that the smoke was given last (-1: none); both smokes alike.
    int32_t Smoke() const
    {
        const std::vector<int32_t> first = Values(ID_ACTION_TYPE_SET_ALPHA, Object("o_smoke_01"));
        EXPECT_EQ(first, Values(ID_ACTION_TYPE_SET_ALPHA, Object("o_smoke_02")));
        return first.empty() ? -1 : first.back();
    }
    std::vector<int32_t> FadedIn() const
    {
        std::vector<int32_t> fires;
        for (const int32_t iFire : {Object("o_fire_2"), Object("o_fire_3"), Object("o_fire_4")})
            if (!Values(ID_ACTION_TYPE_FADE_SPRITES, iFire).empty())
                fires.push_back(iFire);
        return fires;
    }
};

TEST_F(BurningHouseTest, TheOpeningPlaysOnceAndTheRoomStartsWhole)
{
    Enter();
    EXPECT_EQ(Dialogs(), Ids({OPENING}));
    EXPECT_TRUE(Get(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE));
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_EQ(Smoke(), 10);
    EXPECT_EQ(PlacedAt(heroine), 3);
    EXPECT_FALSE(Visible(Object("o_fire_2")) || Visible(Object("o_fire_3")) || Visible(Object("o_fire_4")));
    EXPECT_FALSE(Open(Object("flames_1")) || Open(Object("flames_2")));
    EXPECT_TRUE(Visible(Object("i_iron_bar")) && Open(Object("iron_bar")));

    // Back after a burn-down: light smoke and no opening.
    Enter();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Smoke(), 10);
}

TEST_F(BurningHouseTest, EveryWalkBringsTheSmokeUpToTheTimeAndFadesEachFireInOnce)
{
    Enter();
    // The smoke of each time, whatever walk passes; a fire only at its own
    // level and only the first time.
    const struct {
        int32_t iTime;
        int32_t iSmoke;
        int32_t iFire;
    } levels[] = {{10, 50, Object("o_fire_2")},
                  {20, 75, -1},
                  {39, 75, -1},
                  {40, 100, Object("o_fire_3")},
                  {50, 125, -1},
                  {60, 150, Object("o_fire_4")},
                  {69, 150, -1},
                  {70, 175, -1},
                  {79, 175, -1},
                  {80, 200, -1},
                  {99, 200, -1}};
    for (const auto& level : levels) {
        SCOPED_TRACE(level.iTime);
        SetTime(level.iTime);
        Run(Callback(IDLE_AGAIN));
        EXPECT_EQ(Smoke(), level.iSmoke);
        EXPECT_EQ(FadedIn(), level.iFire < 0 ? std::vector<int32_t> {} : std::vector<int32_t> {level.iFire});
        Run(Callback(IDLE_AGAIN));
        EXPECT_EQ(Smoke(), level.iSmoke);
        EXPECT_TRUE(FadedIn().empty());
    }
    EXPECT_TRUE(Open(Object("flames_1")) && Open(Object("flames_2")));
}

TEST_F(BurningHouseTest, TheMatchCostsNoTimeAndBlowsTheDoorOnlyOnceGunpowderAndFringesAreOnIt)
{
    Enter();
    Run(UseOn(Object("goto_bg110"), "ITEM_MATCH_BOX"));
    EXPECT_EQ(Dialogs(), Ids({STRIKE_THE_MATCH}));
    EXPECT_EQ(Time(), 0);
    EXPECT_EQ(QueuedMovie(), 0);
    EXPECT_EQ(NextScene(), 0);

    Run(UseOn(Object("goto_bg110"), "ITEM_GUNPOWDER"));
    EXPECT_TRUE(Get(VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR));
    EXPECT_EQ(Time(), 10);
    Run(UseOn(Object("goto_bg110"), "ITEM_MATCH_BOX"));
    EXPECT_EQ(NextScene(), 0);

    // The fringes' dialog records them on the door.
    dialogEffects[0x19838662] = [this] { Set(VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR); };
    Run(UseOn(Object("goto_bg110"), "ITEM_SILK_FRINGES"));
    Run(Callback(0x471693a7));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_SILK_FRINGES")});
    Run(UseOn(Object("goto_bg110"), "ITEM_MATCH_BOX"));
    EXPECT_EQ(Time(), 20);
    EXPECT_EQ(QueuedMovie(), MOVIE_CINE05);
    EXPECT_EQ(NextScene(), HOUSE_OUTSIDE);
}

TEST_F(BurningHouseTest, TenCountedActionsBurnTheHouseDownAndGiveTheRoomBack)
{
    Enter();
    Set(VARBOOL_BG111_C05_COMB_LOADED_PISTOL);
    Run(Click(Object("iron_bar")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_IRON_BAR")});
    Run(Click(Object("small_purse")));
    EXPECT_FALSE(Visible(Object("o_small_purse")) || Visible(Object("i_smallpurse")));
    Run(UseOn(Object("pistols"), "ITEM_SMALL_PURSE"));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_GUNPOWDER")});
    EXPECT_FALSE(Open(Object("pistols")));
    Run(UseOn(Object("goto_bg110"), "ITEM_GUNPOWDER"));
    EXPECT_EQ(Time(), 40);
    // Looks at the same things twice count twice.
    for (int iLook = 0; iLook < 2; ++iLook) {
        Run(ScriptEvent_Object1(Object("flames_1")));
        Run(ScriptEvent_Object1(Object("portrait_thomas")));
    }
    Run(ScriptEvent_FlaggedId2(THOMAS));
    EXPECT_EQ(Time(), 90);
    EXPECT_EQ(NextScene(), 0);

    Run(ScriptEvent_Object1(Object("carpet_1")));
    EXPECT_EQ(Smoke(), 255);
    EXPECT_EQ(Taken(),
              (std::vector<int32_t> {Item("ITEM_IRON_BAR"), Item("ITEM_SILK_FRINGES"), Item("ITEM_SMALL_PURSE"),
                                     Item("ITEM_GUNPOWDER"), Item("ITEM_LOADED_PISTOL")}));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_PISTOL")});
    EXPECT_EQ(Time(), 0);
    EXPECT_TRUE(Get(VARBOOL_BG111_C05_FIRE_RELOAD));
    for (const int32_t iFlag : {VARBOOL_BG111_C05_PICK_IRON_BAR, VARBOOL_BG111_C05_PICK_SMALL_PURSE,
                                VARBOOL_BG111_C05_COMB_LOADED_PISTOL, VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR,
                                VARBOOL_BG111_C05_FIRE_2_ON, VARBOOL_BG111_C05_FIRE_3_ON, VARBOOL_BG111_C05_FIRE_4_ON})
        EXPECT_FALSE(Get(iFlag)) << iFlag;
    EXPECT_EQ(NextScene(), BURNING_HOUSE);

    Enter();
    EXPECT_TRUE(Visible(Object("i_iron_bar")) && Open(Object("iron_bar")) && Open(Object("small_purse")));
    EXPECT_TRUE(Visible(Object("o_small_purse")) && Visible(Object("i_smallpurse")));
    EXPECT_FALSE(Visible(Object("o_fire_2")));
}

TEST_F(BurningHouseTest, ASavedGameWithTimeSpentFindsWhatSheTookGoneAndTheFiresBurning)
{
    Set(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE);
    Set(VARBOOL_BG111_C05_PICK_SILK_FRINGES);
    Set(VARBOOL_BG111_C05_PICK_SMALL_PURSE);
    SetTime(40);
    Enter();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Visible(Object("o_silk_fringes")) || Open(Object("net_curtain")));
    EXPECT_FALSE(Visible(Object("i_smallpurse")) || Visible(Object("o_small_purse")) || Open(Object("small_purse")));
    EXPECT_TRUE(Visible(Object("i_iron_bar")) && Open(Object("iron_bar")));
    EXPECT_TRUE(Visible(Object("o_fire_2")) && Visible(Object("o_fire_3")) && Open(Object("flames_1")));
    EXPECT_FALSE(Visible(Object("o_fire_4")) || Open(Object("flames_2")));
    EXPECT_EQ(Smoke(), 100);
}

} // namespace
