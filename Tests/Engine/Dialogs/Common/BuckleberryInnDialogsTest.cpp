// Walks the inn's compiled dialogs: every callback the script waits for is
// sent, the chapter-8 scenes only in chapter 8, where their people and things
// are; the map always opens the way to the graveyard, the closing remark and
// the match box come once, and the bottle is near empty only once the docks'
// lamp has had its share.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <vector>

namespace {

constexpr int32_t INN = 23;

// The callbacks that the script answers in every chapter: the heroine's
// gestures, Anita's and the stranger's talk, the map, the match box and the
// hairpin.
constexpr uint32_t ANY_CHAPTER_CALLBACKS[] = {0xc7f3f060, 0x22a8abc2, 0x76794709, 0x071cd48c, 0x96ecddc8, 0x1ad758e8,
                                              0x993bbe31, 0xb9bd54ff, 0x7dbb6784, 0xe6921b07, 0x6bea22ee, 0xe543cd4f,
                                              0x3267dac6, 0xde161a63, 0xf3686b72, 0x6a613ac8, 0x1d660a5e, 0x83029ffd,
                                              0xf7b9f1c6, 0x9612a783, 0x0f1bf639, 0x141519cb};
// Those of chapter 8's scenes: the ink, the Pedro quest, the pole, the
// witness account and Pierre.
constexpr uint32_t CHAPTER_8_CALLBACKS[] = {0x74907c07, 0x22c2217c, 0xbbcb70c6, 0xa89b2367, 0xa55a4108,
                                            0xc1b957b5, 0x4e57a562, 0x6431fedd, 0xd2ae9ab6, 0x4f33b9ad};

class BuckleberryInnDialogsTest : public SceneDialogsTest {
protected:
    BuckleberryInnDialogsTest() { UseGroup("bg202_CR_BuckleberryInn.dialogs.dat", INN); }

    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(BuckleberryInnDialogsTest, EveryCallbackIsSentAndChapterEightsOnlyInChapterEight)
{
    // Pierre's dialogs are started only where he sits, in chapter 8.
    const std::set<uint32_t> pierres = {0x5fa2bc2d, 0x0ff6d3af};
    std::set<uint32_t> sent;
    for (int32_t iChapter = 1; iChapter <= 10; ++iChapter) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        for (const bool bLater : {false, true}) {
            for (const int32_t iFlag : {VARBOOL_QUEST_C8_PEDRO01, VARBOOL_QUEST_C8_CONSIGNMENT06_DONE,
                                        VARBOOL_BG202_C03_PICK_MATCH_BOX, VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP})
                Set(iFlag, bLater);
            Set(VARBOOL_BG202_C08_PEDRO_AT_BAR, false);
            for (const uint32_t uDialog : Keys()) {
                if (iChapter != 8 && pierres.count(uDialog) != 0)
                    continue;
                const std::vector<uint32_t> walked = Walk(uDialog);
                sent.insert(walked.begin(), walked.end());
                if (iChapter == 8)
                    continue;
                for (const uint32_t uCallback : CHAPTER_8_CALLBACKS)
                    EXPECT_FALSE(Sends(walked, uCallback)) << std::hex << uDialog << " sends " << uCallback;
            }
        }
    }
    for (const auto& callbacks :
         {std::span<const uint32_t>(ANY_CHAPTER_CALLBACKS), std::span<const uint32_t>(CHAPTER_8_CALLBACKS)})
        for (const uint32_t uCallback : callbacks)
            EXPECT_EQ(sent.count(uCallback), 1u) << std::hex << uCallback;
}

TEST_F(BuckleberryInnDialogsTest, TheMapOpensTheWayToTheGraveyardAndTheRemarkAndTheMatchBoxComeOnce)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 3);
    const std::vector<uint32_t> map = Walk(0x97ba2e5b);
    // Unrolled first, rolled up last.
    ASSERT_FALSE(map.empty());
    EXPECT_EQ(map.front(), 0xf3686b72u);
    EXPECT_EQ(map.back(), 0x83029ffdu);
    // The first step of the way there closes as the second opens.
    for (const int32_t iFlag : {VARBOOL_QUEST_C3_FIND_CRAB_MAP_DONE, VARBOOL_QUEST_C3_FIND_GRAVEYARD01,
                                VARBOOL_QUEST_C3_FIND_GRAVEYARD01_DONE, VARBOOL_QUEST_C3_FIND_GRAVEYARD02})
        EXPECT_TRUE(Get(iFlag));

    Walk(0xb9664fad);
    EXPECT_TRUE(Get(VARBOOL_BG202_C03_EVENT_CLOSING_SOON));

    EXPECT_TRUE(Sends(Walk(0xbbf474a7), 0xf7b9f1c6));
    EXPECT_TRUE(Get(VARBOOL_BG202_C03_PICK_MATCH_BOX));
    EXPECT_FALSE(Sends(Walk(0xbbf474a7), 0xf7b9f1c6));
}

TEST_F(BuckleberryInnDialogsTest, TheHairpinAlwaysComesAndTheBottleEmptiesOnlyAfterTheLamp)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 3);
    std::vector<uint32_t> hairpin = Walk(0xfe0bc33f);
    EXPECT_TRUE(Sends(hairpin, 0x9612a783));
    EXPECT_FALSE(Sends(hairpin, 0x0f1bf639));
    Set(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP);
    hairpin = Walk(0xfe0bc33f);
    EXPECT_TRUE(Sends(hairpin, 0x9612a783));
    EXPECT_TRUE(Sends(hairpin, 0x0f1bf639));
}

TEST_F(BuckleberryInnDialogsTest, AnitaGivesLeaveForWhatTheHeroineReachedForOrHoldsAndSaysItOnce)
{
    constexpr uint32_t TALK_ANITA = 0xaa69aeff;
    const auto asks = [this](const char* pLine) {
        const std::vector<uint32_t> lines = Lines(TALK_ANITA);
        return std::find(lines.begin(), lines.end(), CoreCrc32Of(pLine)) != lines.end();
    };
    struct Leave {
        int32_t iReason;
        int32_t iLeave;
        const char* pAsk;
    };
    const Leave leaves[] = {
        {VARBOOL_BG202_C08_INT_FISHING_ROD, VARBOOL_BG202_C08_TALK_ANITA_ABOUT_FISHING_ROD, "BG202_ASK_FISHING_ROD"},
        {VARBOOL_BG202_C08_INT_MUSKET, VARBOOL_BG202_C08_TALK_ANITA_ABOUT_MUSKET, "BG202_ASK_MUSKET"},
        {VARBOOL_BG201_C08_PICK_OCTOPUS, VARBOOL_BG202_C08_TALK_ANITA_OCTOPUS, "BG202_ASK_OCTOPUS"}};
    for (const int32_t iChapter : {3, 8}) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        for (const Leave& leave : leaves)
            Set(leave.iReason, false);
        for (const Leave& leave : leaves) {
            SCOPED_TRACE(leave.pAsk);
            // Nothing is asked for before she has reached for it.
            EXPECT_FALSE(asks(leave.pAsk));
            EXPECT_FALSE(Get(leave.iLeave));
            Set(leave.iReason);
            EXPECT_EQ(asks(leave.pAsk), iChapter == 8);
            EXPECT_EQ(Get(leave.iLeave), iChapter == 8);
            // Once given, the leave is not asked for again.
            EXPECT_FALSE(asks(leave.pAsk));
        }
    }
}

TEST_F(BuckleberryInnDialogsTest, TheWitnessAccountStartsTheScoldingAndDrakesNoteSendsPierreOff)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 8);
    EXPECT_FALSE(Sends(Walk(0xaa69aeff), 0x22c2217c));
    Walk(0x5d43d297);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_PEDRO01));
    EXPECT_TRUE(Sends(Walk(0xaa69aeff), 0x22c2217c));

    // Pierre stays low until the note from Drake's safe is found; told of
    // it, he gets up and leaves in the same talk.
    EXPECT_FALSE(Sends(Walk(0x0ff6d3af), 0xd2ae9ab6));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C8_CONSIGNMENT06_DONE));
    Set(VARBOOL_QUEST_C8_CONSIGNMENT03);
    const std::vector<uint32_t> told = Walk(0x0ff6d3af);
    EXPECT_TRUE(Sends(told, 0xd2ae9ab6));
    EXPECT_FALSE(Sends(told, 0x4e57a562));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_CONSIGNMENT06_DONE));
}

} // namespace
