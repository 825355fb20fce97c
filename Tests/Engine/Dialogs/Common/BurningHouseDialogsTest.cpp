// Walks the compiled dialogs of Briscoe's burning house: the fringes put on
// the door are recorded by their dialog, which no script does, so that the
// match can blow the door open; the match is struck only once the gunpowder
// and the fringes are both on the door; and every callback that the house's
// script waits for is sent somewhere along the story.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr int32_t BURNING_HOUSE = 19;

constexpr uint32_t FRINGES_ON_THE_DOOR = 0x19838662;
constexpr uint32_t FRINGES_HANDED_OVER = 0x471693a7;
constexpr uint32_t STRIKE_THE_MATCH = 0xdb200359;
constexpr uint32_t MATCH_STRUCK = 0x419cfa9e;

class BurningHouseDialogsTest : public SceneDialogsTest {
protected:
    BurningHouseDialogsTest()
    {
        UseGroup("bg111_BO_BriscoesHouseInterior_B.dialogs.dat", BURNING_HOUSE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
    }
    using Sent = std::vector<uint32_t>;
};

TEST_F(BurningHouseDialogsTest, TheMatchIsStruckOnlyOnceTheFringesAndTheGunpowderAreOnTheDoor)
{
    EXPECT_EQ(Walk(STRIKE_THE_MATCH), Sent {});
    Set(VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR, true);
    EXPECT_EQ(Walk(STRIKE_THE_MATCH), Sent {});

    EXPECT_EQ(Walk(FRINGES_ON_THE_DOOR), Sent {FRINGES_HANDED_OVER});
    EXPECT_TRUE(Get(VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR));
    EXPECT_EQ(Walk(STRIKE_THE_MATCH), Sent {MATCH_STRUCK});
    EXPECT_EQ(Lines(STRIKE_THE_MATCH).size(), 1u);
}

TEST_F(BurningHouseDialogsTest, EveryCallbackTheHouseWaitsForIsSentAlongTheStory)
{
    std::set<uint32_t> sent;
    for (const bool bDoorReady : {false, true}) {
        Set(VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR, bDoorReady);
        Set(VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR, bDoorReady);
        for (const uint32_t uDialog : Keys())
            for (const uint32_t uCallback : Walk(uDialog))
                sent.insert(uCallback);
    }
    for (const uint32_t uCallback : HandledCallbacks(BURNING_HOUSE))
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
