// Walks the night cabin's compiled dialogs: every callback the script waits
// for is sent, none that moves Briscoe or the uncle where they are absent,
// and the doubloons, the writing kit and the coordinates change hands as
// often as the story allows.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <vector>

namespace {

constexpr int32_t NIGHT_CABIN = 8;

// The callbacks that the script answers.
constexpr uint32_t HEROINE_CALLBACKS[] = {0xc7f3f060, 0x22a8abc2, 0x1ad758e8, 0x3f5818c8};
constexpr uint32_t ALESSANDRO_CALLBACKS[] = {0x660fbec0, 0x0c1f2fc2, 0xe1902fc1, 0x97f950fa,
                                             0x642871e5, 0xe494496a, 0x200fd8bc};
constexpr uint32_t BRISCOE_CALLBACKS[] = {0xe55f3ad4, 0xa3246fdd, 0xbf5934d1, 0xaf0b6c57, 0xb06fa56a, 0x14c08077};
constexpr uint32_t UNCLE_CALLBACKS[] = {0x7f972873, 0x84c729c9, 0xc46c102f, 0x24f3ce40};

// The dialogs the player can start in any chapter: looks, talks and items on
// Alessandro and the things of the cabin.
constexpr uint32_t ANY_CHAPTER_DIALOGS[] = {0x69e399ff, 0x9459f379, 0x4306d996, 0x8de8ce63, 0x83e4ec3f,
                                            0xdf1a0ce5, 0x1a42e548, 0x7dc31935, 0x9f110a8d, 0x86fc42bc,
                                            0x5d6d1499, 0x080a8d02, 0x62f172b5, 0x3970b997, 0x6c1f6447};
// The dialogs of the chapters with Briscoe (4 and 8) and of the uncle's
// return (8).
constexpr uint32_t BRISCOE_DIALOGS[] = {0x7a305145, 0xb8f3cfe3, 0xf71a5d11, 0x855c7ca6, 0x360977a1};
constexpr uint32_t UNCLE_DIALOGS[] = {0xbd4d2da9, 0x0eceb5b6, 0x8591e617, 0xd48f5867};

class AlessandrosCabinNightDialogsTest : public SceneDialogsTest {
protected:
    AlessandrosCabinNightDialogsTest() { UseGroup("bg004_WM_AlessandrosCabin_N.dialogs.dat", NIGHT_CABIN); }

    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(AlessandrosCabinNightDialogsTest, EveryCallbackIsSentAndNoneForSomebodyWhoIsAbsent)
{
    std::set<uint32_t> sent;
    for (int32_t iChapter = 1; iChapter <= 10; ++iChapter) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        for (const bool bLater : {false, true}) {
            for (const int32_t iFlag : {VARBOOL_QUEST_C4_PAY_DEBT, VARBOOL_QUEST_C8_PEDRO03_DONE,
                                        VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA})
                Set(iFlag, bLater);
            for (const uint32_t uDialog : ANY_CHAPTER_DIALOGS) {
                const std::vector<uint32_t> walked = Walk(uDialog);
                sent.insert(walked.begin(), walked.end());
                for (const uint32_t uCallback : BRISCOE_CALLBACKS)
                    EXPECT_FALSE(Sends(walked, uCallback)) << std::hex << uDialog;
                for (const uint32_t uCallback : UNCLE_CALLBACKS)
                    EXPECT_FALSE(Sends(walked, uCallback)) << std::hex << uDialog;
            }
            if (iChapter == 4 || iChapter == 8)
                for (const uint32_t uDialog : BRISCOE_DIALOGS) {
                    const std::vector<uint32_t> walked = Walk(uDialog);
                    sent.insert(walked.begin(), walked.end());
                    for (const uint32_t uCallback : UNCLE_CALLBACKS)
                        EXPECT_FALSE(Sends(walked, uCallback)) << std::hex << uDialog;
                }
            if (iChapter == 8)
                for (const uint32_t uDialog : UNCLE_DIALOGS) {
                    const std::vector<uint32_t> walked = Walk(uDialog);
                    sent.insert(walked.begin(), walked.end());
                }
        }
    }
    for (const auto& callbacks :
         {std::span<const uint32_t>(HEROINE_CALLBACKS), std::span<const uint32_t>(ALESSANDRO_CALLBACKS),
          std::span<const uint32_t>(BRISCOE_CALLBACKS), std::span<const uint32_t>(UNCLE_CALLBACKS)})
        for (const uint32_t uCallback : callbacks)
            EXPECT_EQ(sent.count(uCallback), 1u) << std::hex << uCallback;
}

TEST_F(AlessandrosCabinNightDialogsTest, TheDoubloonsAreLentOnceInChapterFourAndTakenBackOnce)
{
    // Given back before they were lent, they are refused.
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    EXPECT_FALSE(Sends(Walk(0x4306d996), 0xe494496a));

    // Outside chapter 4 he lends nothing.
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
    EXPECT_FALSE(Sends(Walk(0x9459f379), 0x642871e5));
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    EXPECT_TRUE(Sends(Walk(0x9459f379), 0x642871e5));
    // The script's answer notes the debt; he lends no more.
    Set(VARBOOL_QUEST_C4_PAY_DEBT);
    EXPECT_FALSE(Sends(Walk(0x9459f379), 0x642871e5));

    EXPECT_TRUE(Sends(Walk(0x4306d996), 0xe494496a));
    Set(VARBOOL_QUEST_C4_PAY_DEBT_DONE);
    EXPECT_FALSE(Sends(Walk(0x4306d996), 0xe494496a));
}

TEST_F(AlessandrosCabinNightDialogsTest, TheWritingKitIsAcceptedOnlyOncePedrosErrandIsDoneAndTheUncleCallsHerOver)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
    EXPECT_FALSE(Sends(Walk(0x8de8ce63), 0x200fd8bc));
    Set(VARBOOL_QUEST_C8_PEDRO03_DONE);
    EXPECT_TRUE(Sends(Walk(0x8de8ce63), 0x200fd8bc));

    // His talk first brings her to him, then gives the coordinates.
    const std::vector<uint32_t> talk = Walk(0xd48f5867);
    ASSERT_FALSE(talk.empty());
    EXPECT_EQ(talk.front(), 0x7f972873u);
    EXPECT_TRUE(Sends(talk, 0x24f3ce40));
}

} // namespace
