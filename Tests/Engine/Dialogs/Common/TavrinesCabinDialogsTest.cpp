// Walks the cabin's compiled dialogs: the wake-up sends every callback the
// script plays, Diego's news ends by sending him out, the door says why it
// stays shut, and no dialog of the cabin sets a variable of the story.
#include "SceneDialogsTestKit.h"

#include "Hash/CoreCrc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t CABIN = 5;

// Every dialog the cabin's script starts.
constexpr uint32_t DIALOGS[] = {0xcac6bff6, 0x6d1c84c0, 0x6222aa93, 0x2e5916fe, 0x14ab186d, 0x5b215683, 0x8c2ae7cb,
                                0x0ab11553, 0xda520c80, 0xd501cbdf, 0x60d589f8, 0x17fa51d6, 0x9c6d5aff, 0xd50b101b,
                                0x560434fe, 0x8bdfbb1e, 0x08d09ffb, 0x9a85a701, 0x198a83e4};

class TavrinesCabinDialogsTest : public SceneDialogsTest {
protected:
    TavrinesCabinDialogsTest() { UseGroup("bg001_WM_TavrinesCabin.dialogs.dat", CABIN); }
};

TEST_F(TavrinesCabinDialogsTest, TheWakeUpSendsEveryCallbackAndDiegosNewsEndsBySendingHimOut)
{
    std::vector<uint32_t> sent = Walk(0x6d1c84c0);
    const std::vector<uint32_t> news = Walk(0x6222aa93);
    ASSERT_FALSE(news.empty());
    // Without the last one she would stay on the bunk with Diego in the room.
    EXPECT_EQ(news.back(), 0x697bb284u);
    sent.insert(sent.end(), news.begin(), news.end());
    const std::set<uint32_t> handled = {0x6e16769d, 0xf71f2727, 0x801817b1, 0x1e7c8212,
                                        0x697bb284, 0xba4eb4e5, 0x2347e55f};
    EXPECT_EQ(std::set<uint32_t>(sent.begin(), sent.end()), handled);
    EXPECT_EQ(sent.size(), handled.size());
}

TEST_F(TavrinesCabinDialogsTest, TheDoorSaysWhatIsMissingInChapterTwoAndLetsHerGoOtherwise)
{
    const uint32_t needsSword = CoreCrc32Of("BG001_DOOR_NEEDS_SWORD");
    const uint32_t needsPistol = CoreCrc32Of("BG001_DOOR_NEEDS_PISTOL");
    const uint32_t out = CoreCrc32Of("BG001_DOOR_OUT");
    struct Case {
        int32_t iChapter;
        bool bSword;
        bool bPistol;
        std::vector<uint32_t> lines;
    } const cases[] = {
        {2, false, false, {needsSword, needsPistol}},
        {2, true, false, {needsPistol}},
        {2, false, true, {needsSword}},
        {2, true, true, {out}},
        {3, false, false, {out}},
        {6, false, false, {out}},
    };
    for (const Case& c : cases) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, c.iChapter);
        Set(VARBOOL_BG001_C02_PICK_SWORD, c.bSword);
        Set(VARBOOL_BG001_C02_PICK_PISTOL, c.bPistol);
        EXPECT_EQ(Lines(0xcac6bff6), c.lines) << c.iChapter << c.bSword << c.bPistol;
    }
}

TEST_F(TavrinesCabinDialogsTest, TheDrawerHoldsThePistolOnlyInChapterTwoUntilItIsTaken)
{
    // A later chapter started from the chapter menu gives her the pistol
    // without the flag: the drawer is shut and empty then.
    const uint32_t inDrawer = CoreCrc32Of("BG001_LOOK_DRAWER_PISTOL");
    const uint32_t drawer = CoreCrc32Of("BG001_LOOK_DRAWER");
    struct Case {
        int32_t iChapter;
        bool bTaken;
        uint32_t uLine;
    } const cases[] = {{2, false, inDrawer}, {2, true, drawer}, {3, false, drawer}, {6, true, drawer}};
    for (const Case& c : cases) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, c.iChapter);
        Set(VARBOOL_BG001_C02_PICK_PISTOL, c.bTaken);
        EXPECT_EQ(Lines(0x0ab11553), std::vector<uint32_t> {c.uLine}) << c.iChapter << c.bTaken;
    }
}

TEST_F(TavrinesCabinDialogsTest, SheGrowsImpatientOnlyAfterDawdlingInChapterTwo)
{
    const uint32_t whatElse = CoreCrc32Of("BG001_WHAT_ELSE");
    const uint32_t fatherWaits = CoreCrc32Of("BG001_FATHER_WAITS");
    for (const int32_t iDawdles : {0, 7, 8, 20}) {
        g_VarManager.SetInt(VARINT_PLAYER_DAWDLES, iDawdles);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
        EXPECT_EQ(Lines(0x8c2ae7cb), std::vector<uint32_t> {iDawdles >= 8 ? fatherWaits : whatElse}) << iDawdles;
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 4);
        EXPECT_EQ(Lines(0x8c2ae7cb), std::vector<uint32_t> {whatElse}) << iDawdles;
    }
}

TEST_F(TavrinesCabinDialogsTest, NoDialogOfTheCabinSetsAVariable)
{
    for (const int32_t iChapter : {2, 6}) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        const VarSet before = g_VarManager;
        for (const uint32_t uDialog : DIALOGS)
            EXPECT_FALSE(Lines(uDialog).empty()) << std::hex << uDialog;
        EXPECT_TRUE(std::ranges::equal(g_VarManager.m_aBools, before.m_aBools));
        EXPECT_TRUE(std::ranges::equal(g_VarManager.m_aInts, before.m_aInts));
    }
}

} // namespace
