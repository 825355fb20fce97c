// The script of Chemin's hut (scene 38): the two sides of the door and the
// things each offers, the arrival from the village, the mixture played from
// the claw to the burnt paper with everything put in out of turn refused,
// the flask given back and the fire lit once.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int32_t CHEMINS_HUT = 38;
constexpr int32_t VOODOO_VILLAGE = 36;

using Object = NamedObject<SceneTableRows::s_aObjects_bg311_38>;

constexpr uint32_t TANA_ACTOR = ActorIdOf("tana");
constexpr uint32_t CHEMIN_ACTOR = ActorIdOf("chemin");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t TANA = ActorScriptableId(TANA_ACTOR);
constexpr int32_t CHEMIN = ActorScriptableId(CHEMIN_ACTOR);

constexpr uint32_t TALK_TANA = 0xfd5eb15e;
constexpr uint32_t NOT_YET = 0x62fec405;
constexpr uint32_t LIGHT_THE_FIRE = 0xafb7c80e;
constexpr uint32_t BURN_THE_PAPER = 0xe7d62b3c;
constexpr uint32_t FIRE_LIT = 0xd2165bda;
constexpr uint32_t KIT_TAKEN = 0x4dfe7895;
constexpr uint32_t KIT_PUT_BACK = 0x96efdff8;
constexpr uint32_t PEBBLE_GIVEN = 0xf407d14e;
constexpr int32_t WP_TANA = 1;
constexpr int32_t WP_DOOR_INSIDE = 5;
constexpr int32_t WP_FIREPLACE = 16;
constexpr int32_t ARRIVAL = AnimationOf<"tavrine">("maproombreakinend").m_iId;

// The things of the hut's inside, and of its yard.
const std::vector<int32_t> INSIDE = {Object("bookshelf"), Object("fireplace"), Object("voodoo_kit"),
                                     Object("door_hut_out"), CHEMIN};
const std::vector<int32_t> OUTSIDE = {Object("door_hut"), Object("goto_bg309"), Object("down"), TANA};

class CheminsHutTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = VOODOO_VILLAGE) { EnterInChapter(CHEMINS_HUT, 7, iFrom); }
    // Every thing of the list can be pointed at (or none can).
    bool AllOpen(const std::vector<int32_t>& things, bool bOpen)
    {
        for (const int32_t iThing : things)
            if (Open(iThing) != bOpen)
                return false;
        return true;
    }
    // The sprite animations the vessel was given, in order.
    std::vector<int32_t> VesselPlays() const
    {
        return Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("o_recipe"));
    }
};

TEST_F(CheminsHutTest, TheDoorSwitchesTheSidesAndEachDoorAnswersOnlyOnItsOwnSide)
{
    Enter();
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_CLIMB_DONE));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_ANIMATION, HEROINE), std::vector<int32_t> {ARRIVAL});
    EXPECT_TRUE(AllOpen(OUTSIDE, true) && AllOpen(INSIDE, false));
    EXPECT_TRUE(Visible(Object("o_rooftop")));

    // The way out does nothing while she is outside.
    ExpectMatchedAndIdle(Click(Object("door_hut_out")));

    Run(Click(Object("door_hut")));
    EXPECT_TRUE(Get(VARBOOL_BG311_C07_INSIDE_HUT));
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_TRUE(AllOpen(INSIDE, true) && AllOpen(OUTSIDE, false));
    ExpectMatchedAndIdle(Click(Object("door_hut")));

    // Entered again, even from the village, she is inside by the door.
    Enter();
    EXPECT_EQ(PlacedAt(HEROINE), WP_DOOR_INSIDE);
    EXPECT_TRUE(Values(ID_ACTION_TYPE_PLAY_ANIMATION, HEROINE).empty());
    EXPECT_FALSE(Visible(Object("o_rooftop")));
    EXPECT_TRUE(AllOpen(INSIDE, true) && AllOpen(OUTSIDE, false));

    Run(Click(Object("door_hut_out")));
    EXPECT_FALSE(Get(VARBOOL_BG311_C07_INSIDE_HUT));
    EXPECT_TRUE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_TRUE(AllOpen(OUTSIDE, true) && AllOpen(INSIDE, false));
    EXPECT_TRUE(Visible(Object("o_rooftop")));
}

TEST_F(CheminsHutTest, TheKitGivesTheFlaskAndThePaperOnceAndStaysShutOnEveryVisit)
{
    Set(VARBOOL_BG311_C07_INSIDE_HUT);
    Enter();
    Run(Callback(KIT_TAKEN));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_FLASK"), Item("ITEM_VOODOO_PAPER")}));
    EXPECT_FALSE(Visible(Object("i_voodoo_kit")) || Open(Object("voodoo_kit")));
    // Put back, the emptied box shows again and nothing else changes.
    const VarSet before = g_VarManager;
    Run(Callback(KIT_PUT_BACK));
    EXPECT_TRUE(Visible(Object("i_voodoo_kit")));
    EXPECT_TRUE(Given().empty() && Taken().empty());
    EXPECT_EQ(std::memcmp(&before, &g_VarManager, sizeof before), 0);
    Enter();
    EXPECT_FALSE(Open(Object("voodoo_kit")));
}

TEST_F(CheminsHutTest, TanaGoesBackToHerPlaceAfterTheirTalk)
{
    Enter();
    Run(ScriptEvent_FlaggedId2(TANA_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_TANA}));
    EXPECT_EQ(PlacedAt(TANA), WP_TANA);
}

TEST_F(CheminsHutTest, TheMixtureTakesEachThingOnlyInItsTurnAndThePaperWakesChemin)
{
    Set(VARBOOL_BG311_C07_INSIDE_HUT);
    Enter();
    const int32_t iFireplace = Object("fireplace");
    dialogEffects[LIGHT_THE_FIRE] = [&] { Set(VARBOOL_BG311_C07_SMOKE_RISING_VESSEL); };
    dialogEffects[BURN_THE_PAPER] = [&] { Set(VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE); };

    // Out of turn each is refused with the same remark and nothing is taken.
    for (const char* pItem : {"ITEM_CABA_FLOWERS_PETALS", "ITEM_FLASK_WATER", "ITEM_CHEMIN_PAPER"}) {
        SCOPED_TRACE(pItem);
        Run(UseOn(iFireplace, pItem));
        EXPECT_EQ(Dialogs(), Ids({NOT_YET}));
        EXPECT_TRUE(Taken().empty());
    }

    Run(UseOn(iFireplace, "ITEM_CRAB_CLAW"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_CRAB_CLAW")});
    EXPECT_TRUE(Visible(Object("o_recipe")));
    Run(UseOn(iFireplace, "ITEM_FLASK_WATER"));
    EXPECT_EQ(Dialogs(), Ids({NOT_YET}));
    Run(UseOn(iFireplace, "ITEM_CABA_FLOWERS_PETALS"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_CABA_FLOWERS_PETALS")});

    // The water comes back as the empty flask, once.
    Run(UseOn(iFireplace, "ITEM_FLASK_WATER"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_FLASK_WATER")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_FLASK")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_MIXING01_DONE) && Get(VARBOOL_QUEST_C7_MIXING02));
    ExpectMatchedAndIdle(UseOn(iFireplace, "ITEM_FLASK_WATER"));

    // Without the smoke the paper is still refused.
    Run(UseOn(iFireplace, "ITEM_CHEMIN_PAPER"));
    EXPECT_EQ(Dialogs(), Ids({NOT_YET}));

    // Struck with either light, then lit: neither is answered again.
    Run(UseOn(iFireplace, "ITEM_MATCH_BOX"));
    EXPECT_EQ(Dialogs(), Ids({LIGHT_THE_FIRE}));
    Run(Callback(FIRE_LIT));
    EXPECT_TRUE(Get(VARBOOL_BG311_C07_FIREPLACE_ON_FIRE));
    EXPECT_TRUE(Visible(Object("fx_fire")) && Visible(Object("o_fireplace")));
    ExpectMatchedAndIdle(UseOn(iFireplace, "ITEM_FLINT_STONE"));
    ExpectMatchedAndIdle(UseOn(iFireplace, "ITEM_MATCH_BOX"));

    // Left and entered again while he is in his trance, the vessel shows
    // each step in order and the smoke keeps rising.
    Enter();
    EXPECT_EQ(VesselPlays(), Ids({0x67254de5, 0xf52fdbd7, 0x0a8abbce}));
    EXPECT_TRUE(Visible(Object("o_fireplace")) && Visible(Object("fx_fire")));

    Run(UseOn(iFireplace, "ITEM_CHEMIN_PAPER"));
    EXPECT_EQ(Dialogs(), Ids({BURN_THE_PAPER}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_FIREPLACE});
    Run(Callback(0x61cecd86));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_CHEMIN_PAPER")});
    Run(Callback(PEBBLE_GIVEN));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_PAINTED_PEBBLE")});
    EXPECT_TRUE(Get(VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE));

    // Awake, Chemin idles furious and the vessel is left as it is.
    Enter();
    EXPECT_TRUE(VesselPlays().empty());
    EXPECT_FALSE(Visible(Object("o_recipe")));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ANIMATION, CHEMIN),
              std::vector<int32_t> {AnimationOf<"chemin">("tronestandfurious_l").m_iId});
}

TEST_F(CheminsHutTest, ThePathDownLeadsToTheVillageAsSheBendsToIt)
{
    Enter();
    Run(Click(Object("goto_bg309")));
    EXPECT_EQ(NextScene(), VOODOO_VILLAGE);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {17});
    EXPECT_EQ(Values(ID_ACTION_TYPE_ANIMATION, HEROINE).back(), AnimationOf<"tavrine">("g_pickobjectlow01").m_iId);
}

} // namespace
