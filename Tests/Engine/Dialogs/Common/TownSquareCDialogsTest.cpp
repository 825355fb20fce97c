// Walks the compiled dialogs of Percy's town square: ringing the broken bell
// throws the clapper out and opens the quest to mend it once, Percy lets her
// up to the garden only once the town hall's key is found, and every callback
// that the square's script waits for is sent somewhere along the story.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t TOWN_SQUARE_C = 31;
constexpr uint32_t RING_BROKEN_BELL = 0x7d6f86ce;
constexpr uint32_t CLAPPER_FLIES_OUT = 0xb3d3422a;
constexpr uint32_t TALK_PERCY = 0x5446830b;
constexpr uint32_t PERCY_LETS_HER_UP = 0xea0e2a11;

class TownSquareCDialogsTest : public SceneDialogsTest {
protected:
    TownSquareCDialogsTest()
    {
        UseGroup("bg304_HO_TownSquareC.dialogs.dat", TOWN_SQUARE_C);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(TownSquareCDialogsTest, TheBrokenBellThrowsItsClapperOutAndOpensTheQuestOnce)
{
    EXPECT_TRUE(Sends(Walk(RING_BROKEN_BELL), CLAPPER_FLIES_OUT));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIX_BELL));
    EXPECT_FALSE(Sends(Walk(RING_BROKEN_BELL), CLAPPER_FLIES_OUT));
}

TEST_F(TownSquareCDialogsTest, PercyLetsHerUpToTheGardenOnlyOnceTheTownHallsKeyIsFound)
{
    Set(VARBOOL_BG304_C04_PERCY_HERE);
    EXPECT_FALSE(Sends(Walk(TALK_PERCY), PERCY_LETS_HER_UP));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK02));

    Set(VARBOOL_QUEST_C4_FIND_KEY_DONE);
    EXPECT_TRUE(Sends(Walk(TALK_PERCY), PERCY_LETS_HER_UP));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK02));
    // Asked again, he does not open what is open.
    EXPECT_FALSE(Sends(Walk(TALK_PERCY), PERCY_LETS_HER_UP));

    // In another chapter he only sells his wares.
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    Set(VARBOOL_QUEST_C4_MISSING_HALF_DISK02, false);
    EXPECT_FALSE(Sends(Walk(TALK_PERCY), PERCY_LETS_HER_UP));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK02));
}

TEST_F(TownSquareCDialogsTest, EveryCallbackTheSquareWaitsForIsSentAlongTheStory)
{
    std::set<uint32_t> sent;
    // Every dialog of the group, at each step of chapter 4 that changes what
    // they say: before the bell is rung, with Percy down, with the key found.
    for (const int32_t iStep : {0, 1, 2}) {
        Set(VARBOOL_BG304_C04_PERCY_HERE, iStep >= 1);
        Set(VARBOOL_QUEST_C4_FIND_KEY_DONE, iStep >= 2);
        Set(VARBOOL_QUEST_C4_FIX_BELL, false);
        Set(VARBOOL_QUEST_C4_MISSING_HALF_DISK02, false);
        for (const uint32_t uDialog : Keys())
            for (const uint32_t uCallback : Walk(uDialog))
                sent.insert(uCallback);
    }
    for (const uint32_t uCallback :
         {CLAPPER_FLIES_OUT, 0x2d80ff6cu, 0x071cd48cu, 0x22a8abc2u, 0x1473a106u, 0x75c25cbfu, PERCY_LETS_HER_UP})
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
