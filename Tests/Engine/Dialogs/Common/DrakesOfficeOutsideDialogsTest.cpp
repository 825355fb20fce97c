// Walks the compiled dialogs of the street before Drake's office: every
// callback that the street's script waits for is sent and no talk leaves
// anyone in a talk loop; the flags the story needs are set where the talk
// makes them true; and the priest hands over the shovel blade only once.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int32_t OFFICE_OUTSIDE = 25;
constexpr uint32_t TALK_DINSDALE = 0x59570fad;
constexpr uint32_t TALK_MITCHELL = 0xb0b60d39;
constexpr uint32_t TALK_DIEGO = 0x9f2e2927;
constexpr uint32_t PRIEST_AT_THE_WINDOW = 0x8396787c;
constexpr uint32_t TALK_PRIEST = 0x3bc331b7;
constexpr uint32_t SHOVEL_BLADE_HANDED_OVER = 0xc0cd11cc;

class DrakesOfficeOutsideDialogsTest : public SceneDialogsTest {
protected:
    DrakesOfficeOutsideDialogsTest()
    {
        UseGroup("bg204_CR_DrakesOfficeExterior.dialogs.dat", OFFICE_OUTSIDE);
        Chapter8();
    }
    static void Chapter8()
    {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
    }
};

TEST_F(DrakesOfficeOutsideDialogsTest, EveryCallbackTheStreetsScriptWaitsForIsSentAndNoTalkLeavesAnyoneTalking)
{
    // Each one's talk loop, and what ends it: the priest's also when he
    // turns away from his window.
    const std::vector<std::pair<uint32_t, std::set<uint32_t>>> loops = {
        {0xc7f3f060, {0x22a8abc2}},
        {0x8bbc8e27, {0x728fd06d}},
        {0xc6872627, {0x913b0ea0}},
        {0x3176793d, {0x12b5e535, 0x307eab85}},
        {0x6ecad21e, {0x330f7815, 0xd07effc3}},
        {0x7fa76cf6, {0x1a0043dc}},
        {0x80ca4619, {0x5b1428e0}},
    };
    std::set<uint32_t> sent;
    // Both sides of the guards' and of the priest's state.
    for (const bool bLater : {false, true}) {
        for (const uint32_t uDialog : Keys()) {
            Chapter8();
            if (bLater) {
                for (const int32_t iFlag : {VARBOOL_QUEST_C8_GUARDS_DONE, VARBOOL_QUEST_C8_CONSIGNMENT01,
                                            VARBOOL_QUEST_C8_TURTLE_INN03, VARBOOL_BG204_C08_TAVRINE_ON_CANOPY})
                    Set(iFlag);
            }
            const std::vector<uint32_t> callbacks = Walk(uDialog);
            sent.insert(callbacks.begin(), callbacks.end());
            for (const auto& [uTalk, ends] : loops) {
                const auto last = std::find_if(callbacks.rbegin(), callbacks.rend(), [&](uint32_t uCallback) {
                    return uCallback == uTalk || ends.count(uCallback);
                });
                if (last != callbacks.rend()) {
                    EXPECT_NE(*last, uTalk) << std::hex << uDialog;
                }
            }
        }
    }
    for (const uint32_t uCallback : HandledCallbacks(OFFICE_OUTSIDE))
        EXPECT_TRUE(sent.count(uCallback)) << std::hex << uCallback;
}

TEST_F(DrakesOfficeOutsideDialogsTest, TheTalksSetWhatTheStoryNeedsOnlyWhenItHasComeThatFar)
{
    // The guards fear an order from the garrison only once they stand again.
    for (const uint32_t uGuard : {TALK_DINSDALE, TALK_MITCHELL}) {
        Chapter8();
        Walk(uGuard);
        EXPECT_FALSE(Get(VARBOOL_QUEST_C8_CONSIGNMENT02));
        Set(VARBOOL_QUEST_C8_GUARDS_DONE);
        Set(VARBOOL_QUEST_C8_CONSIGNMENT01);
        Walk(uGuard);
        EXPECT_TRUE(Get(VARBOOL_QUEST_C8_CONSIGNMENT02)) << std::hex << uGuard;
    }

    // Diego tells of the golden turtle once the inn is the lead.
    Chapter8();
    Walk(TALK_DIEGO);
    EXPECT_FALSE(Get(VARBOOL_BG204_C08_TALK_DIEGO_ABOUT_GOLDEN_TURTLE));
    Set(VARBOOL_QUEST_C8_TURTLE_INN03);
    Walk(TALK_DIEGO);
    EXPECT_TRUE(Get(VARBOOL_BG204_C08_TALK_DIEGO_ABOUT_GOLDEN_TURTLE));

    // The priest at his window asks her to his door; there the blade once.
    Chapter8();
    Walk(PRIEST_AT_THE_WINDOW);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_PRIEST_DONE));
    const std::vector<uint32_t> first = Walk(TALK_PRIEST);
    EXPECT_EQ(std::count(first.begin(), first.end(), SHOVEL_BLADE_HANDED_OVER), 1);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_POLE01));
    const std::vector<uint32_t> again = Walk(TALK_PRIEST);
    EXPECT_EQ(std::count(again.begin(), again.end(), SHOVEL_BLADE_HANDED_OVER), 0);
}

} // namespace
