// Walks the compiled dialogs of the first town square of Hollow island: the
// flags that only they set, each at its point of the talk (Briscoe's half
// disk and his going, Diego's word about Alessandro, Vasco's egg shell and
// Nathaniel's house), the door that opens only for a known Nathaniel in
// chapter 4, and every callback that the square's script waits for.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t TOWN_SQUARE_A = 29;
constexpr uint32_t BRISCOE_TALK = 0xe70388e5;
constexpr uint32_t VASCO_TALK = 0x4e4f9b7a;
constexpr uint32_t DIEGO_TALK = 0xed1c6db1;
constexpr uint32_t KNOCK = 0x36784d5e;
constexpr uint32_t EGG_SHELL_HANDED_OVER = 0xa8481318;
constexpr uint32_t NOBODY_OPENS = 0x53400b0f;
constexpr uint32_t NATHANIEL_COMES_OUT = 0x396e04f4;
constexpr uint32_t NATHANIEL_GOES_IN = 0xb79f5b0a;

class TownSquareADialogsTest : public SceneDialogsTest {
protected:
    TownSquareADialogsTest()
    {
        UseGroup("bg302_HO_TownSquareA.dialogs.dat", TOWN_SQUARE_A);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(TownSquareADialogsTest, BriscoeFindsTheDiskHalfAndGoesLookingOnlyWhenShownIt)
{
    Walk(BRISCOE_TALK, "BG302_BYE");
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK01));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_FIND_BRISCOE01));
    Walk(BRISCOE_TALK, "BG302_SHOW_DISK");
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_MISSING_HALF_DISK01));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIND_BRISCOE01));
    // Finding him gone turns the entry into the search along the coast.
    Walk(0x743d332f);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIND_BRISCOE01_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIND_BRISCOE02));
}

TEST_F(TownSquareADialogsTest, VascoHandsOverTheShellAndNamesNathanielsHouseOnce)
{
    const std::vector<uint32_t> first = Walk(VASCO_TALK);
    EXPECT_EQ(std::count(first.begin(), first.end(), EGG_SHELL_HANDED_OVER), 1);
    EXPECT_TRUE(Get(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE));
    EXPECT_FALSE(Sends(Walk(VASCO_TALK), EGG_SHELL_HANDED_OVER));
}

TEST_F(TownSquareADialogsTest, NathanielOpensOnlyInChapterFourOnceSheKnowsHisHouse)
{
    struct Case {
        int32_t iChapter;
        bool bKnown;
        bool bOpens;
    };
    for (const Case c : {Case {4, false, false}, Case {4, true, true}, Case {5, true, false}}) {
        SCOPED_TRACE(c.iChapter);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, c.iChapter);
        Set(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE, c.bKnown);
        const std::vector<uint32_t> sent = Walk(KNOCK);
        EXPECT_EQ(Sends(sent, NATHANIEL_COMES_OUT), c.bOpens);
        // Whoever comes out goes back in; nobody opening is said once.
        EXPECT_EQ(Sends(sent, NATHANIEL_GOES_IN), c.bOpens);
        EXPECT_EQ(Sends(sent, NOBODY_OPENS), !c.bOpens);
    }
}

TEST_F(TownSquareADialogsTest, DiegoHearsAboutAlessandroOnlyWhenToldAndStaysWithHer)
{
    Walk(DIEGO_TALK, "BG302_BYE");
    EXPECT_FALSE(Get(VARBOOL_BG302_C04_TALK_DIEGO_ABOUT_ALESSANDRO));
    Walk(DIEGO_TALK, "BG302_TELL_ALESSANDRO");
    EXPECT_TRUE(Get(VARBOOL_BG302_C04_TALK_DIEGO_ABOUT_ALESSANDRO));
    // A later talk leaves the flag as it is.
    Walk(DIEGO_TALK, "BG302_COME_ALONG");
    EXPECT_TRUE(Get(VARBOOL_BG302_C04_TALK_DIEGO_ABOUT_ALESSANDRO));
}

TEST_F(TownSquareADialogsTest, EveryCallbackTheSquareWaitsForIsSent)
{
    std::set<uint32_t> sent;
    const auto walk = [&](uint32_t uDialog, const char* pAnswer = nullptr) {
        for (uint32_t uCallback : Walk(uDialog, pAnswer))
            sent.insert(uCallback);
    };
    walk(0xb7a876c8);
    walk(0x743d332f);
    walk(BRISCOE_TALK, "BG302_SHOW_DISK");
    walk(KNOCK);
    walk(VASCO_TALK);
    walk(KNOCK);
    walk(DIEGO_TALK, "BG302_TELL_ALESSANDRO");
    for (uint32_t uCallback :
         {0xc7f3f060u,  0x22a8abc2u,         0x427f3609u,       0xe6921b07u, 0x76794709u, 0xa3246fddu,
          0xbf5934d1u,  0x2881eec4u,         0x8c2ecbd9u,       0x5da46155u, 0xfcacc05fu, EGG_SHELL_HANDED_OVER,
          NOBODY_OPENS, NATHANIEL_COMES_OUT, NATHANIEL_GOES_IN, 0xe2772997u, 0xafaa026bu, 0xfedf5411u,
          0x57006476u,  0x8bbc8e27u,         0x728fd06du})
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
