// Walks the inn's compiled dialogs: the flags that move chapter 2 from Nell
// to Briscoe and the quest log's entries are set, and the callbacks that
// hand over the serial number and the chicken are sent, each as often as the
// story allows.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t INN = 14;

class AdmiralsRestDialogsTest : public SceneDialogsTest {
protected:
    AdmiralsRestDialogsTest() { UseGroup("bg106_BO_AdmiralsRest.dialogs.dat", INN); }

    // The texts offered at the dialog's first choice.
    std::vector<uint32_t> Offered(uint32_t uDialog)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                manager.UpdateScript();
                RunFrame();
            } else if (dialog.GetSentenceNode() == nullptr) {
                break;
            } else {
                manager.GetCurrentDialog()->Advance();
            }
        }
        int32_t iCount = 0, iLast = -1;
        std::vector<uint32_t> texts(MAX_OFFERED_PROPOSITIONS);
        manager.GetPropositions(iCount, texts.data(), nullptr, iLast);
        texts.resize(static_cast<size_t>(iCount));
        return texts;
    }
    static int Count(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return static_cast<int>(std::count(sent.begin(), sent.end(), uCallback));
    }
};

TEST_F(AdmiralsRestDialogsTest, NellHugsTheHeroineOnceAndLeavesOnlyForHerShop)
{
    // The first talk: she turns, hugs and sits down again; asked to stay,
    // she stays.
    const std::vector<uint32_t> first = Walk(0x5bb65ce1, "BG106_ASK_NELL_STAY");
    EXPECT_EQ(Count(first, 0x933d3b8e) + Count(first, 0x0a346a34) + Count(first, 0x7d335aa2), 3);
    EXPECT_TRUE(Get(VARBOOL_BG106_C02_TALK_NELL));
    EXPECT_FALSE(Get(VARBOOL_BG106_C02_NELL_NOT_HERE));
    // Whatever she is asked, she has told of her brother: the quest log
    // notes him.
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_BOBBY01));

    // The next: no second hug, and her shop sends her off.
    const std::vector<uint32_t> second = Walk(0x5bb65ce1, "BG106_ASK_NELL_SHOP");
    EXPECT_EQ(Count(second, 0x0a346a34), 0);
    EXPECT_TRUE(Get(VARBOOL_BG106_C02_NELL_NOT_HERE));
}

TEST_F(AdmiralsRestDialogsTest, NachoAsksForHisEarringOnlyUntilItIsBack)
{
    Walk(0x0365c250);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_GOLD_EARRING));

    // With the earring given back, talking to him opens the quest no more.
    Set(VARBOOL_QUEST_C2_GOLD_EARRING, false);
    Set(VARBOOL_QUEST_C2_GOLD_EARRING_DONE);
    Walk(0x0365c250);
    EXPECT_FALSE(Get(VARBOOL_QUEST_C2_GOLD_EARRING));
}

TEST_F(AdmiralsRestDialogsTest, OnlyChapterTwosTascoTellsOfTheMerchantAndOnlyBeforeBriscoeCame)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 3);
    Walk(0xd6e737c8, "BG106_BYE");
    EXPECT_FALSE(Get(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT));

    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    Walk(0xd6e737c8, "BG106_ASK_MERCHANT");
    EXPECT_TRUE(Get(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT));

    // Once Briscoe has come, the merchant is no longer offered.
    Set(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE);
    const std::vector<uint32_t> offered = Offered(0xd6e737c8);
    EXPECT_FALSE(offered.empty());
    EXPECT_EQ(std::count(offered.begin(), offered.end(), CoreCrc32Of("BG106_ASK_MERCHANT")), 0);
}

TEST_F(AdmiralsRestDialogsTest, BriscoeGivesTheSerialNumberOnceAndTakesItBackWithHisMap)
{
    Set(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT);
    EXPECT_EQ(Count(Walk(0x790f229d), 0x734ffd55), 1);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FIND_MAP));
    EXPECT_EQ(Count(Walk(0x790f229d), 0x734ffd55), 0);
    EXPECT_EQ(Count(Walk(0xf16130d8), 0x51272bac), 1);
}

TEST_F(AdmiralsRestDialogsTest, TheChickenIsTakenDownOnlyOnce)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    EXPECT_EQ(Count(Walk(0x51b44ba6), 0x3a61567e), 1);
    // Taken, it is dealt with: the script hides it and completes the
    // ingredients with the other three.
    EXPECT_TRUE(Get(VARBOOL_BG106_C07_INT_DEAD_CHICKEN));
    EXPECT_EQ(Count(Walk(0x51b44ba6), 0x3a61567e), 0);
}

} // namespace
