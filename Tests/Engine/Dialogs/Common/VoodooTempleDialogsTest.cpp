// Walks the compiled dialogs of the voodoo temple: under Chemin's spell
// Bajari only groans; once it is broken the talk gets him up and cures him,
// once; the talk about Tanner's friend is what makes the rod send him to the
// jetty; every callback that the temple's script waits for is sent; and no
// talk leaves the heroine gesturing once it is over.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t TEMPLE = 37;
constexpr uint32_t TALK_BAJARI = 0xd97175d7;
constexpr uint32_t SHOW_ROD = 0x18675c15;
constexpr uint32_t HUG = 0x771d732d;
constexpr uint32_t ROD_SHOWN = 0x513181c2;
constexpr uint32_t ROD_PUT_AWAY = 0x2e3b04ca;
constexpr uint32_t HEROINE_TALKS = 0xc7f3f060;
constexpr uint32_t HEROINE_IDLES = 0x22a8abc2;

class VoodooTempleDialogsTest : public SceneDialogsTest {
protected:
    VoodooTempleDialogsTest()
    {
        UseGroup("bg310_HO_VoodooTemple.dialogs.dat", TEMPLE);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    }
    // Chapter 7 again, nothing of the temple's story done yet.
    static void StartOver()
    {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 7);
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
};

TEST_F(VoodooTempleDialogsTest, BajariGetsUpOnlyOnceCheminsSpellIsBrokenAndOnlyOnce)
{
    // Under the spell: a groan, no choice, no cure.
    EXPECT_FALSE(Sends(Walk(TALK_BAJARI, "BG310_BYE"), HUG));
    EXPECT_FALSE(Get(VARBOOL_BG310_C07_TALK_BAJARI_CURED));

    // Either sign that the trance is over lifts it.
    for (const int32_t iBroken : {VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE, VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE}) {
        StartOver();
        Set(iBroken);
        const std::vector<uint32_t> sent = Walk(TALK_BAJARI, "BG310_BYE");
        EXPECT_TRUE(Sends(sent, HUG)) << iBroken;
        EXPECT_TRUE(Get(VARBOOL_BG310_C07_TALK_BAJARI_CURED)) << iBroken;
        // Cured, he does not get up a second time.
        EXPECT_FALSE(Sends(Walk(TALK_BAJARI, "BG310_BYE"), HUG)) << iBroken;
    }
}

TEST_F(VoodooTempleDialogsTest, OnlyTheTalkAboutTannersFriendMakesTheRodSendBajariToTheJetty)
{
    // Ill, then cured but not yet told: the rod is shown and put away, and he
    // stays.
    for (const bool bCured : {false, true}) {
        Set(VARBOOL_BG310_C07_TALK_BAJARI_CURED, bCured);
        const std::vector<uint32_t> sent = Walk(SHOW_ROD);
        ASSERT_TRUE(Sends(sent, ROD_SHOWN) && Sends(sent, ROD_PUT_AWAY)) << bCured;
        EXPECT_LT(std::find(sent.begin(), sent.end(), ROD_SHOWN), std::find(sent.begin(), sent.end(), ROD_PUT_AWAY));
        EXPECT_FALSE(Get(VARBOOL_QUEST_C7_TANNERSFRIEND03)) << bCured;
    }

    Set(VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE);
    Walk(TALK_BAJARI, "BG310_ASK_TANNERS_FRIEND");
    EXPECT_TRUE(Get(VARBOOL_BG310_C07_TALK_BAJARI_ABOUT_TANNER_FRIEND));
    Walk(SHOW_ROD);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C7_TANNERSFRIEND03));
}

TEST_F(VoodooTempleDialogsTest, EveryCallbackTheTemplesScriptWaitsForIsSent)
{
    Set(VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE);
    std::set<uint32_t> sent;
    for (const char* pAnswer : {"BG310_ASK_TANNERS_FRIEND", "BG310_BYE"})
        for (const uint32_t uDialog : Keys())
            for (const uint32_t uCallback : Walk(uDialog, uDialog == TALK_BAJARI ? pAnswer : nullptr))
                sent.insert(uCallback);
    for (const uint32_t uCallback : HandledCallbacks(TEMPLE))
        EXPECT_TRUE(sent.count(uCallback)) << std::hex << uCallback;
}

TEST_F(VoodooTempleDialogsTest, NoTalkLeavesTheHeroineInHerTalkingLoopOrHoldingTheRod)
{
    // Her talk loop starts with her talk callback and the hug, and the rod's
    // loop with the rod shown; her idle and the rod put away end them.
    const std::set<uint32_t> busy {HEROINE_TALKS, HUG, ROD_SHOWN};
    const std::set<uint32_t> settled {HEROINE_IDLES, ROD_PUT_AWAY};
    const std::vector<std::vector<int32_t>> states {
        {},
        {VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE},
        {VARBOOL_BG310_C07_TALK_BAJARI_CURED},
        {VARBOOL_BG310_C07_TALK_BAJARI_CURED, VARBOOL_BG310_C07_TALK_BAJARI_ABOUT_TANNER_FRIEND}};
    for (const std::vector<int32_t>& state : states) {
        for (const char* pAnswer : {"BG310_ASK_TANNERS_FRIEND", "BG310_BYE"}) {
            for (const uint32_t uDialog : Keys()) {
                StartOver();
                for (const int32_t iFlag : state)
                    Set(iFlag);
                const std::vector<uint32_t> sent = Walk(uDialog, uDialog == TALK_BAJARI ? pAnswer : nullptr);
                const auto last = std::find_if(sent.rbegin(), sent.rend(), [&](uint32_t uCallback) {
                    return busy.count(uCallback) || settled.count(uCallback);
                });
                if (last != sent.rend()) {
                    EXPECT_TRUE(settled.count(*last)) << std::hex << uDialog << " " << pAnswer << " " << *last;
                }
            }
        }
    }
}

} // namespace
