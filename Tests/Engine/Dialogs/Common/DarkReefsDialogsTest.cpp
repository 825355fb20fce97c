// Walks the compiled dialogs of the dark reefs of Hollow island: from the
// cliff top the talk to Briscoe only calls down to him; below, it unties him
// with its callbacks in the order the untying plays, ending in Diego's blow;
// once he is out cold it only sends them back to the ship; the remark on the
// reformed egg shell records it whole; Sancha stands up only while she
// searches; and every callback the script answers is sent.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t DARK_REEFS = 35;
constexpr uint32_t TALK_BRISCOE = 0x3534527e;
constexpr uint32_t TALK_SANCHA = 0xe4e7a722;
constexpr uint32_t STEP_UP_TO_BRISCOE = 0x5c50b38e;
constexpr uint32_t SANCHA_STOPS_SEARCHING = 0x01e6c07f;
constexpr uint32_t EGG_SHELL_GONE = 0x60af1161;

class DarkReefsDialogsTest : public SceneDialogsTest {
protected:
    DarkReefsDialogsTest()
    {
        UseGroup("bg308_HO_DarkReefs.dialogs.dat", DARK_REEFS);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    }
};

TEST_F(DarkReefsDialogsTest, TheTalkToBriscoeCallsDownUntiesHimBelowAndThenOnlyLeadsBackToTheShip)
{
    EXPECT_EQ(Walk(TALK_BRISCOE), std::vector<uint32_t> {STEP_UP_TO_BRISCOE});

    Set(VARBOOL_BG308_C04_EVENT_LADDER);
    EXPECT_EQ(Walk(TALK_BRISCOE),
              (std::vector<uint32_t> {STEP_UP_TO_BRISCOE, 0x8f32e48a, 0x7e7b7278, 0xe763f83f, 0x5dc64475}));

    Set(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC);
    EXPECT_EQ(Walk(TALK_BRISCOE), std::vector<uint32_t> {STEP_UP_TO_BRISCOE});
    EXPECT_EQ(Lines(TALK_BRISCOE), std::vector<uint32_t> {CoreCrc32Of("BG308_BACK_TO_SHIP")});
}

TEST_F(DarkReefsDialogsTest, TheRemarkOnTheReformedShellRecordsItWhole)
{
    EXPECT_FALSE(Get(VARBOOL_BG308_C04_USE_EGG_SHELL_ON_EGG_SHELL_2));
    Walk(EGG_SHELL_GONE);
    EXPECT_TRUE(Get(VARBOOL_BG308_C04_USE_EGG_SHELL_ON_EGG_SHELL_2));
}

TEST_F(DarkReefsDialogsTest, SanchaStandsUpOnlyWhileSheSearchesAndEveryCallbackTheScriptAnswersIsSent)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    std::vector<uint32_t> sent = Walk(TALK_SANCHA);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), SANCHA_STOPS_SEARCHING), 0);
    Set(VARBOOL_BG308_C07_SANCHA_SEARCHES_DIAMONDS);
    sent = Walk(TALK_SANCHA);
    EXPECT_EQ(sent.front(), SANCHA_STOPS_SEARCHING);

    // Every dialog in chapters 4 and 7, before the ladder and after it.
    std::set<uint32_t> all(sent.begin(), sent.end());
    for (const int32_t iChapter : {4, 7})
        for (const bool bLadder : {false, true}) {
            g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
            Set(VARBOOL_BG308_C04_EVENT_LADDER, bLadder);
            for (const uint32_t uDialog : Keys())
                for (const uint32_t uCallback : Walk(uDialog))
                    all.insert(uCallback);
        }
    const std::set<uint32_t> handled = HandledCallbacks(DARK_REEFS);
    EXPECT_EQ(handled.size(), 11u);
    for (const uint32_t uCallback : handled)
        EXPECT_TRUE(all.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
