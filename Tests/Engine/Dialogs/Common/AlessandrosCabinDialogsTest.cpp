// Walks the compiled dialogs of Alessandro's cabin: the flags the ship's story
// waits for are set on every walk of the dialog that the script plays, and no
// dialog sends a callback that moves somebody who is not aboard in its chapter.
#include "SceneDialogsTestKit.h"

#include "Common/SceneIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t CABIN = 7;

// Callbacks that the script answers by moving, showing or animating Diego or
// Briscoe.
const std::set<uint32_t> DIEGOS_CALLBACKS = {0x24ea87db, 0xbde3d661, 0x8d39c18e, 0x62210224, 0x8d471264, 0x3ddbf665,
                                             0x8bbc8e27, 0x728fd06d, 0xfe0458cd, 0x0829db67, 0x02024165};
const std::set<uint32_t> BRISCOES_CALLBACKS = {0x276d5e5f, 0x78ab0674, 0xe1a257ce, 0x96a56758, 0xbde3d661,
                                               0xcae4e6f7, 0xa3246fdd, 0xbf5934d1, 0xb06fa56a, 0x14c08077,
                                               0x06efb77c, 0x1e7e5760, 0x66cf1787, 0xffc6463d};

class AlessandrosCabinDialogsTest : public SceneDialogsTest {
protected:
    AlessandrosCabinDialogsTest() { UseGroup("bg003_WM_AlessandrosCabin.dialogs.dat", CABIN); }

    std::vector<uint32_t> WalkIn(int32_t iChapter, uint32_t uDialog)
    {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        // Chapter 5's talk with Alessandro asks what to ask him: nothing.
        return Walk(uDialog, iChapter == 5 && uDialog == 0xb4cb8f32 ? "BG003_ASK_FATHER_NOTHING" : nullptr);
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(AlessandrosCabinDialogsTest, EveryCallbackTheScriptAnswersIsSentByADialogOfTheCabin)
{
    // Every dialog of the group in every chapter, before and after the
    // loan, the payment and the letter.
    std::set<uint32_t> sent;
    for (const uint32_t uDialog : Keys())
        for (int32_t chapter = 1; chapter <= 10; ++chapter)
            for (const bool bLater : {false, true}) {
                for (const int32_t flag : {VARBOOL_QUEST_C4_PAY_DEBT, VARBOOL_QUEST_C8_PEDRO03_DONE})
                    Set(flag, bLater);
                for (const uint32_t callback : WalkIn(chapter, uDialog))
                    sent.insert(callback);
            }
    for (const uint32_t callback : HandledCallbacks(CABIN))
        EXPECT_TRUE(sent.count(callback)) << std::hex << callback << " is never sent";
}

TEST_F(AlessandrosCabinDialogsTest, TheMeetingGivesTheSwordAndLetsTheCrewBeFound)
{
    const std::vector<uint32_t> sent = WalkIn(2, 0xa0b2de12);
    // He fetches the sword before he hands it over.
    const auto fetched = std::find(sent.begin(), sent.end(), 0xb7cd2321u);
    ASSERT_NE(fetched, sent.end());
    EXPECT_NE(std::find(fetched, sent.end(), 0x2ec4729bu), sent.end());
    for (const int32_t flag :
         {VARBOOL_QUEST_C2_CREW01, VARBOOL_QUEST_C2_FIND_DADDY_DONE, VARBOOL_BG003_C02_TALK_ALESSANDRO,
          VARBOOL_QUEST_C2_MEMORIES, VARBOOL_QUEST_C2_UNCLE_EDUARDO01})
        EXPECT_TRUE(Get(flag)) << flag;
}

TEST_F(AlessandrosCabinDialogsTest, BriscoeTellsAllFourThingsOfChapterThreeInOneTalk)
{
    const int32_t topics[] = {
        VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_BUCKLEBERRY_TANNER, VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_HOLLOW_ISLAND,
        VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_NAVIGATION_LINE, VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_QUEST};
    // In the other chapters he talks of other things.
    for (const int32_t chapter : {4, 6, 8}) {
        EXPECT_TRUE(Sends(WalkIn(chapter, 0x53c4dd61), 0x1e7e5760)) << chapter;
        for (const int32_t flag : topics)
            EXPECT_FALSE(Get(flag)) << chapter;
    }
    // The door wants all four; the last one sends him away on the next visit.
    EXPECT_TRUE(Sends(WalkIn(3, 0x53c4dd61), 0x1e7e5760));
    for (const int32_t flag : topics)
        EXPECT_TRUE(Get(flag)) << flag;
}

TEST_F(AlessandrosCabinDialogsTest, TheStoryFlagsOfTheLaterChaptersAreSetByTheirDialogs)
{
    // The sketch map on the chart: set at the end, so that the first playing
    // opens the world map and the next visit plays the cut-scene.
    WalkIn(6, 0xd0a7eba9);
    EXPECT_TRUE(Get(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART));

    // Chapter 9's arrival is played once and gives the whistle.
    EXPECT_TRUE(Sends(WalkIn(9, 0x70e0623a), 0xb8f1c78f));
    EXPECT_TRUE(Get(VARBOOL_BG003_C09_ARRIVED));
}

TEST_F(AlessandrosCabinDialogsTest, TheDoubloonsAreLentOnceAndPaidBackOnce)
{
    // Lent in the talk of chapter 3 (for the inn's slot machine) or 4 until
    // the script has noted the loan; never before, never after.
    EXPECT_TRUE(Sends(WalkIn(3, 0xb4cb8f32), 0x642871e5));
    EXPECT_TRUE(Sends(WalkIn(4, 0xb4cb8f32), 0x642871e5));
    for (const int32_t chapter : {2, 5})
        EXPECT_FALSE(Sends(WalkIn(chapter, 0xb4cb8f32), 0x642871e5)) << chapter;
    Set(VARBOOL_QUEST_C4_PAY_DEBT);
    EXPECT_FALSE(Sends(WalkIn(3, 0xb4cb8f32), 0x642871e5));
    Set(VARBOOL_QUEST_C4_PAY_DEBT, false);
    // Nothing to pay back before the loan.
    EXPECT_FALSE(Sends(WalkIn(4, 0xfb93cb03), 0xe494496a));
    Set(VARBOOL_QUEST_C4_PAY_DEBT);
    EXPECT_FALSE(Sends(WalkIn(4, 0xb4cb8f32), 0x642871e5));
    EXPECT_TRUE(Sends(WalkIn(4, 0xfb93cb03), 0xe494496a));
    Set(VARBOOL_QUEST_C4_PAY_DEBT_DONE);
    EXPECT_FALSE(Sends(WalkIn(4, 0xfb93cb03), 0xe494496a));

    // The writing kit is taken only once Pedro's letter is wanted.
    EXPECT_FALSE(Sends(WalkIn(8, 0xa55f5454), 0x200fd8bc));
    Set(VARBOOL_QUEST_C8_PEDRO03_DONE);
    EXPECT_TRUE(Sends(WalkIn(8, 0xa55f5454), 0x200fd8bc));
}

TEST_F(AlessandrosCabinDialogsTest, NoDialogMovesSomebodyWhoIsNotInTheCabin)
{
    // The chapters in which the script plays each dialog that sends callbacks.
    struct Played {
        uint32_t uDialog;
        std::vector<int32_t> chapters;
    };
    const std::vector<Played> dialogs = {
        {0xa0b2de12, {2}},
        {0xb13e3020, {3}},
        {0xe4f3ec27, {4}},
        {0x01343023, {5}},
        {0xf103d44a, {6}},
        {0xd0a7eba9, {6}},
        {0xecbc2984, {6}},
        {0x635a534a, {6}},
        {0x3a2f4100, {9}},
        {0x70e0623a, {9}},
        {0x0ad80405, {2}},
        {0x53c4dd61, {3, 4, 6, 8}},
        {0xb4cb8f32, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {0xfb93cb03, {4, 5, 6, 7, 8, 9}},
        {0xa55f5454, {8, 9}},
    };
    // Diego is aboard in chapters 2 to 6, Briscoe in 3 to 6, 8 and 9.
    const std::set<int32_t> diegoAboard = {2, 3, 4, 5, 6};
    const std::set<int32_t> briscoeAboard = {3, 4, 5, 6, 8, 9};
    for (const Played& played : dialogs)
        for (const int32_t chapter : played.chapters)
            for (const bool bLater : {false, true}) {
                // Once the loan, the payment and the letter are noted too.
                for (const int32_t flag : {VARBOOL_QUEST_C4_PAY_DEBT, VARBOOL_QUEST_C8_PEDRO03_DONE})
                    Set(flag, bLater);
                for (const uint32_t callback : WalkIn(chapter, played.uDialog)) {
                    EXPECT_TRUE(!DIEGOS_CALLBACKS.count(callback) || diegoAboard.count(chapter))
                        << std::hex << played.uDialog << " sends " << callback << std::dec << " in chapter " << chapter;
                    EXPECT_TRUE(!BRISCOES_CALLBACKS.count(callback) || briscoeAboard.count(chapter))
                        << std::hex << played.uDialog << " sends " << callback << std::dec << " in chapter " << chapter;
                }
            }
}

} // namespace
