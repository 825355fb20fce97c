// Walks the compiled dialogs of Chemin's hut along chapter 7: Tana gives her
// description once, the flora book and the kit give their things once, a
// light is struck only under the finished mixture and sets the smoke rising,
// the paper burnt in it wakes Chemin, who gives the pebble once, and every
// callback that the hut's script waits for is sent somewhere on the way.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t CHEMINS_HUT = 38;
constexpr uint32_t TALK_TANA = 0xfd5eb15e;
constexpr uint32_t DESCRIPTION_GIVEN = 0xe4cbbdb2;
constexpr uint32_t TAKE_THE_BOOK = 0x1fffed1a;
constexpr uint32_t BOOK_TAKEN = 0x8c49420a;
constexpr uint32_t OPEN_THE_KIT = 0xe0338ecd;
constexpr uint32_t KIT_TAKEN = 0x4dfe7895;
constexpr uint32_t LIGHT_THE_FIRE = 0xafb7c80e;
constexpr uint32_t FIRE_LIT = 0xd2165bda;
constexpr uint32_t BURN_THE_PAPER = 0xe7d62b3c;
constexpr uint32_t TALK_CHEMIN = 0xa480aa8d;
constexpr uint32_t WAKE_TRY = 0x0e829a97;
constexpr uint32_t PEBBLE_GIVEN = 0xf407d14e;

class CheminsHutDialogsTest : public SceneDialogsTest {
protected:
    CheminsHutDialogsTest()
    {
        UseGroup("bg311_HO_CheminsHut.dialogs.dat", CHEMINS_HUT);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
    // The mixture is in the vessel, as the script leaves it after the water.
    void BrewTheMixture()
    {
        Set(VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE);
        Set(VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE);
        Set(VARBOOL_BG311_C07_VESSEL_AND_INGREDIENTS_ON_FIREPLACE);
    }
};

TEST_F(CheminsHutDialogsTest, TanaTheBookAndTheKitGiveWhatTheyHoldOnce)
{
    EXPECT_TRUE(Sends(Walk(TALK_TANA), DESCRIPTION_GIVEN));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_TRANCE01));
    EXPECT_FALSE(Sends(Walk(TALK_TANA), DESCRIPTION_GIVEN));

    EXPECT_TRUE(Sends(Walk(TAKE_THE_BOOK), BOOK_TAKEN));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_INGREDIENTS) && Get(VARBOOL_QUEST_C7_MIXING01) && Get(VARBOOL_QUEST_C7_TRANCE02));
    EXPECT_FALSE(Sends(Walk(TAKE_THE_BOOK), BOOK_TAKEN));

    EXPECT_TRUE(Sends(Walk(OPEN_THE_KIT), KIT_TAKEN));
    Set(VARBOOL_BG311_C07_PICK_VOODOO_KIT);
    EXPECT_FALSE(Sends(Walk(OPEN_THE_KIT), KIT_TAKEN));
}

TEST_F(CheminsHutDialogsTest, OnlyTheFinishedMixtureIsWorthAFireAndItsSmokeRises)
{
    Set(VARBOOL_BG311_C07_CRAB_CLAW_ON_FIREPLACE);
    Set(VARBOOL_BG311_C07_CABA_FLOWERS_PETALS_ON_FIREPLACE);
    EXPECT_FALSE(Sends(Walk(LIGHT_THE_FIRE), FIRE_LIT));
    EXPECT_FALSE(Get(VARBOOL_BG311_C07_SMOKE_RISING_VESSEL));

    BrewTheMixture();
    EXPECT_TRUE(Sends(Walk(LIGHT_THE_FIRE), FIRE_LIT));
    EXPECT_TRUE(Get(VARBOOL_BG311_C07_SMOKE_RISING_VESSEL));
}

TEST_F(CheminsHutDialogsTest, ThePaperWakesCheminWhoGivesThePebbleOnce)
{
    // In his trance he is only shaken.
    EXPECT_EQ(Walk(TALK_CHEMIN), std::vector<uint32_t> {WAKE_TRY});

    const std::vector<uint32_t> spell = Walk(BURN_THE_PAPER);
    EXPECT_TRUE(Sends(spell, PEBBLE_GIVEN));
    EXPECT_TRUE(Get(VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE) && Get(VARBOOL_BG311_C07_CHEMIN_PAPER_ON_FIREPLACE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_TRANCE01_DONE));

    // Awake, he grumbles; the pebble comes only while she has none of his.
    Set(VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE);
    const std::vector<uint32_t> talk = Walk(TALK_CHEMIN);
    EXPECT_FALSE(Sends(talk, WAKE_TRY) || Sends(talk, PEBBLE_GIVEN));
}

TEST_F(CheminsHutDialogsTest, EveryCallbackTheHutWaitsForIsSentAlongTheStory)
{
    std::set<uint32_t> sent;
    // Every dialog of the group before anything is done, and with the
    // mixture brewed and Chemin awake.
    for (const bool bDone : {false, true}) {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
        if (bDone) {
            BrewTheMixture();
            Set(VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE);
        }
        for (const uint32_t uDialog : Keys())
            for (const uint32_t uCallback : Walk(uDialog))
                sent.insert(uCallback);
    }
    for (const uint32_t uCallback : HandledCallbacks(CHEMINS_HUT))
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
