// Walks the compiled dialogs of the voodoo village: the guards' talk opens
// the way up the tree and the climb's quest once, Chemin's pebble makes them
// stand aside once, and nobody answers it once Bajari has left; every
// callback that the village's script waits for is sent along the story.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t VILLAGE = 36;
constexpr uint32_t TALK_GUARDS = 0x2edde83d;
constexpr uint32_t SHOW_THE_PEBBLE = 0xd3ddc7e7;
constexpr uint32_t WAY_UP_OPENS = 0x961d71f8;
constexpr uint32_t SHOWS_THE_SIGN = 0xb39ab672;
constexpr uint32_t GUARDS_STAND_ASIDE = 0x8b18c59c;

class VoodooVillageDialogsTest : public SceneDialogsTest {
protected:
    VoodooVillageDialogsTest()
    {
        UseGroup("bg309_HO_VoodooVillage.dialogs.dat", VILLAGE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(VoodooVillageDialogsTest, TheGuardsSendHerUpTheTreeOnce)
{
    EXPECT_TRUE(Sends(Walk(TALK_GUARDS), WAY_UP_OPENS));
    EXPECT_TRUE(Get(VARBOOL_BG309_C07_INTERACT_UPPER_LEVEL) && Get(VARBOOL_QUEST_C7_CLIMB));
    // Once she has been up, asking again opens nothing and reopens no quest.
    Set(VARBOOL_QUEST_C7_CLIMB, false);
    EXPECT_FALSE(Sends(Walk(TALK_GUARDS), WAY_UP_OPENS));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C7_CLIMB));
}

TEST_F(VoodooVillageDialogsTest, CheminsPebbleMakesTheGuardsStandAsideOnce)
{
    const std::vector<uint32_t> first = Walk(SHOW_THE_PEBBLE);
    EXPECT_TRUE(Sends(first, SHOWS_THE_SIGN) && Sends(first, GUARDS_STAND_ASIDE));
    EXPECT_LT(std::find(first.begin(), first.end(), SHOWS_THE_SIGN),
              std::find(first.begin(), first.end(), GUARDS_STAND_ASIDE));
    // The stand-aside's handler sets the flag; shown again, nothing moves.
    Set(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE);
    const std::vector<uint32_t> again = Walk(SHOW_THE_PEBBLE);
    EXPECT_FALSE(Sends(again, SHOWS_THE_SIGN) || Sends(again, GUARDS_STAND_ASIDE));
    EXPECT_EQ(Lines(SHOW_THE_PEBBLE).size(), 2u);
    // Once Bajari has left the temple, no guard is there to answer her.
    Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);
    EXPECT_EQ(Lines(SHOW_THE_PEBBLE).size(), 1u);
}

TEST_F(VoodooVillageDialogsTest, EveryCallbackTheVillageWaitsForIsSentAlongTheStory)
{
    std::set<uint32_t> sent;
    // Every dialog of the group before the guards have spoken, and once they
    // have stood aside.
    for (const bool bLater : {false, true}) {
        Set(VARBOOL_BG309_C07_INTERACT_UPPER_LEVEL, bLater);
        Set(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE, bLater);
        for (const uint32_t uDialog : Keys())
            for (const uint32_t uCallback : Walk(uDialog))
                sent.insert(uCallback);
    }
    for (const uint32_t uCallback : HandledCallbacks(VILLAGE))
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
