// Walks the compiled dialogs of the front of Briscoe's house: the door's
// remarks follow the house from guarded to burnt, and the bell's line follows
// the guards from watching to asleep.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int32_t BRISCOES_HOUSE = 17;
constexpr uint32_t DOOR = 0xa3071074;
constexpr uint32_t RING_BELL = 0x545e168b;
constexpr uint32_t LISTENS_AT_DOOR = 0xcf790140;

class BriscoesHouseExteriorDialogsTest : public SceneDialogsTest {
protected:
    BriscoesHouseExteriorDialogsTest()
    {
        UseGroup("bg110_BO_BriscoesHouseExterior.dialogs.dat", BRISCOES_HOUSE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
    }
    bool Says(uint32_t uDialog, const char* pText)
    {
        const std::vector<uint32_t> lines = Lines(uDialog);
        return std::ranges::find(lines, CoreCrc32Of(pText)) != lines.end();
    }
    bool ListensAtTheDoor()
    {
        const std::vector<uint32_t> sent = Walk(DOOR);
        return std::ranges::find(sent, LISTENS_AT_DOOR) != sent.end();
    }
};

TEST_F(BriscoesHouseExteriorDialogsTest, SheHearsSomeoneInsideOnlyBetweenTheGuardsSleepAndTheFire)
{
    EXPECT_FALSE(ListensAtTheDoor() || Says(DOOR, "BG110_DOOR_VOICES_INSIDE"));
    Set(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS);
    EXPECT_TRUE(ListensAtTheDoor() && Says(DOOR, "BG110_DOOR_VOICES_INSIDE"));
    Set(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE);
    EXPECT_FALSE(ListensAtTheDoor() || Says(DOOR, "BG110_DOOR_VOICES_INSIDE"));
    EXPECT_TRUE(Says(DOOR, "BG110_DOOR_LOCKED"));
}

TEST_F(BriscoesHouseExteriorDialogsTest, AtTheBellSheFearsBeingSeenOnlyWhileTheGuardsWatch)
{
    EXPECT_EQ(Lines(RING_BELL), std::vector<uint32_t> {CoreCrc32Of("BG110_USE_BELL")});
    Set(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS);
    EXPECT_EQ(Lines(RING_BELL), std::vector<uint32_t> {CoreCrc32Of("BG110_USE_BELL_GUARDS_ASLEEP")});
}

} // namespace
