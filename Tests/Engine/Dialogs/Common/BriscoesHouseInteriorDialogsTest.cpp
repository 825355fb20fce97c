// Walks the compiled dialogs of Briscoe's house inside, with the untying
// callback freeing Elizabeth as the house's handler does: the arrival's three
// dialogs in their order free her and hear both, which is what brings Arno
// in; Briscoe is heard only once she is free; she is untied once; and every
// callback the house's script waits for is sent along the story.
#include "SceneDialogsTestKit.h"

#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t BRISCOES_HOUSE = 18;

constexpr uint32_t QUARREL = 0x18eb8a28;
constexpr uint32_t TALK_ELIZABETH = 0x2e2c2822;
constexpr uint32_t TALK_BRISCOE = 0xa53953b5;
constexpr uint32_t ARNO_GLOATS = 0x8a7eb3a0;
constexpr uint32_t UNTYING = 0x682edbbb;
constexpr uint32_t UNTIED = 0x460efad2;

class BriscoesHouseInteriorDialogsTest : public SceneDialogsTest {
protected:
    BriscoesHouseInteriorDialogsTest()
    {
        UseGroup("bg111_BO_BriscoesHouseInterior.dialogs.dat", BRISCOES_HOUSE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
        script._IfEvent(OnCallback(UNTIED));
        script.SetBoolVar(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE, true);
        script._EndMatch();
    }
    bool BothHeard() { return Get(VARBOOL_BG111_C05_TALK_ELIZABETH) && Get(VARBOOL_BG111_C05_TALK_BRISCOE); }
    using Sent = std::vector<uint32_t>;
};

TEST_F(BriscoesHouseInteriorDialogsTest, TheArrivalsDialogsInTheirOrderFreeHerAndHearBoth)
{
    Walk(QUARREL);
    EXPECT_FALSE(Get(VARBOOL_BG111_C05_TALK_ELIZABETH) || Get(VARBOOL_BG111_C05_TALK_BRISCOE));
    Walk(TALK_ELIZABETH);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE));
    Walk(TALK_BRISCOE);
    EXPECT_TRUE(BothHeard());
}

TEST_F(BriscoesHouseInteriorDialogsTest, BriscoeIsHeardOnlyOnceSheIsFreeAndSheIsUntiedOnce)
{
    // Asked first, he only begs for her; the untying comes with her talk.
    Walk(TALK_BRISCOE);
    EXPECT_FALSE(Get(VARBOOL_BG111_C05_TALK_BRISCOE));
    const Sent first = Walk(TALK_ELIZABETH);
    EXPECT_NE(std::ranges::find(first, UNTYING), first.end());
    EXPECT_NE(std::ranges::find(first, UNTIED), first.end());
    EXPECT_TRUE(Get(VARBOOL_BG111_C05_TALK_ELIZABETH));

    const Sent again = Walk(TALK_ELIZABETH);
    EXPECT_EQ(std::ranges::find(again, UNTYING), again.end());
    EXPECT_EQ(std::ranges::find(again, UNTIED), again.end());
    Walk(TALK_BRISCOE);
    EXPECT_TRUE(BothHeard());
}

TEST_F(BriscoesHouseInteriorDialogsTest, EveryCallbackTheHouseWaitsForIsSentAlongTheStory)
{
    std::set<uint32_t> sent;
    for (const bool bFree : {false, true}) {
        Set(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE, bFree);
        for (const uint32_t uDialog : Keys())
            for (const uint32_t uCallback : Walk(uDialog))
                sent.insert(uCallback);
    }
    for (const uint32_t uCallback : HandledCallbacks(BRISCOES_HOUSE))
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
    // Arno's note comes off before he sets the fire.
    const Sent gloating = Walk(ARNO_GLOATS);
    EXPECT_LT(std::ranges::find(gloating, 0x5005e202u), std::ranges::find(gloating, 0xf48bdac3u));
}

} // namespace
