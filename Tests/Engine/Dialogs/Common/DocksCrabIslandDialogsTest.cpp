// Walks the compiled dialogs of the docks of Crab island: the landing
// stage's one answer per talk, Sonia's word of the town map, the match that
// lights only a filled lamp, the hook that brings the claw down once, and
// every callback that the docks' script waits
// for, sent only in the chapters whose people are there.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr int32_t DOCKS = 22;
constexpr uint32_t LANDING_STAGE = 0xb64c0ac3;
constexpr uint32_t SONIA_TALK = 0x36b9f53d;
constexpr uint32_t MATCH_ON_LAMP = 0xb7ac4e6d;
constexpr uint32_t LAMP_LIT = 0x8558cd14;
// Sends Razzo back to his place.
constexpr uint32_t RAZZO_GOES_BACK = 0xe3a367c5;

class DocksCrabIslandDialogsTest : public SceneDialogsTest {
protected:
    DocksCrabIslandDialogsTest() { UseGroup("bg201_CR_Docks.dialogs.dat", DOCKS); }

    void InChapter(int32_t iChapter) { g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter); }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
    // Walks the dialog to its end as the game does when the callback sets the
    // flag while it runs; the text ids of the lines said, in order.
    std::vector<uint32_t> Said(uint32_t uDialog, uint32_t uCallback, int32_t iFlag)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        std::vector<uint32_t> said;
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                if (dialog.GetCurrentNode()->m_uWord2 == uCallback)
                    Set(iFlag);
                manager.UpdateScript();
                RunFrame();
                continue;
            }
            if (dialog.GetSentenceNode() != nullptr)
                said.push_back(dialog.GetSentenceNode()->m_uWord1);
            manager.GetCurrentDialog()->Advance();
        }
        EXPECT_TRUE(dialog.IsEnded()) << std::hex << uDialog;
        return said;
    }
};

TEST_F(DocksCrabIslandDialogsTest, TheLandingStageIsAnsweredOneWayAtATimeInEveryChapter)
{
    struct Case {
        const char* pAnswer;
        bool bSail;
        bool bAboard;
    };
    for (int32_t iChapter : {3, 7, 8, 9})
        for (const Case& answer : {Case {"BG201_DOCK_SAIL", true, false}, Case {"BG201_DOCK_ABOARD", false, true},
                                   Case {"BG201_DOCK_STAY", false, false}}) {
            SCOPED_TRACE(answer.pAnswer);
            InChapter(iChapter);
            Set(VARBOOL_BG201_GOTO_WORLD_MAP, false);
            Set(VARBOOL_BG201_GOTO_ONBOARD, false);
            Walk(LANDING_STAGE, answer.pAnswer);
            EXPECT_EQ(Get(VARBOOL_BG201_GOTO_WORLD_MAP), answer.bSail) << iChapter;
            EXPECT_EQ(Get(VARBOOL_BG201_GOTO_ONBOARD), answer.bAboard) << iChapter;
        }
}

TEST_F(DocksCrabIslandDialogsTest, SoniaTellsOfTheTownMapInChapterThreeOnly)
{
    for (const int32_t iChapter : {3, 8}) {
        g_VarManager = VarSet {};
        InChapter(iChapter);
        const std::vector<uint32_t> sent = Walk(SONIA_TALK);
        EXPECT_EQ(Get(VARBOOL_QUEST_C3_FIND_CRAB_MAP), iChapter == 3) << iChapter;
        // Razzo is sent back only where he stands on the quay.
        EXPECT_EQ(Sends(sent, RAZZO_GOES_BACK), iChapter == 3) << iChapter;
    }
    g_VarManager = VarSet {};
    InChapter(3);
    Set(VARBOOL_BG203_C03_FIRST_TIME);
    EXPECT_FALSE(Sends(Walk(SONIA_TALK), RAZZO_GOES_BACK));
}

TEST_F(DocksCrabIslandDialogsTest, TheMatchLightsTheLampOnlyOnceItIsFilledAndOnlyOnce)
{
    InChapter(3);
    EXPECT_FALSE(Sends(Walk(MATCH_ON_LAMP), LAMP_LIT));
    Set(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP);
    EXPECT_TRUE(Sends(Walk(MATCH_ON_LAMP), LAMP_LIT));
    Set(VARBOOL_BG201_C03_LAMP_IS_LIGHT);
    EXPECT_FALSE(Sends(Walk(MATCH_ON_LAMP), LAMP_LIT));
}

TEST_F(DocksCrabIslandDialogsTest, TheLampJustLitIsNotSaidToHaveBeenLitAlready)
{
    InChapter(3);
    Set(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP);
    EXPECT_EQ(Said(MATCH_ON_LAMP, LAMP_LIT, VARBOOL_BG201_C03_LAMP_IS_LIGHT),
              std::vector<uint32_t> {CoreCrc32Of("BG201_LIGHT_THE_LAMP")});
    EXPECT_TRUE(Get(VARBOOL_BG201_C03_LAMP_IS_LIGHT));
    // Lit on an earlier try, it is.
    EXPECT_EQ(Said(MATCH_ON_LAMP, LAMP_LIT, VARBOOL_BG201_C03_LAMP_IS_LIGHT),
              std::vector<uint32_t> {CoreCrc32Of("BG201_LAMP_ALREADY_LIT")});
}

TEST_F(DocksCrabIslandDialogsTest, TheHookOnTheSignBringsTheClawDownAndIsRemembered)
{
    InChapter(7);
    EXPECT_TRUE(Sends(Walk(0x77cc6aa9), 0x9b210ec8));
    // The ingredients' check and the next visit's empty sign read it.
    EXPECT_TRUE(Get(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN));
}

TEST_F(DocksCrabIslandDialogsTest, EveryCallbackTheDocksWaitForIsSent)
{
    std::set<uint32_t> sent;
    const auto walk = [&](uint32_t uDialog) {
        for (uint32_t uCallback : Walk(uDialog))
            sent.insert(uCallback);
    };
    InChapter(3);
    for (uint32_t uDialog : {0x451f0f00u, 0x8395d23fu, 0xdeb38778u, 0x99e911a9u, 0x0ce1c9f0u, 0x454cd256u, 0xc58f9cabu,
                             SONIA_TALK, MATCH_ON_LAMP})
        walk(uDialog);
    Set(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP);
    walk(MATCH_ON_LAMP);
    InChapter(7);
    walk(0x77cc6aa9);
    for (uint32_t uCallback :
         {0xb9460319u, 0xad128f9bu, 0xefdea393u, 0xc7f3f060u, 0x22a8abc2u,     0x76794709u, 0x071cd48cu,
          0x1ad758e8u, 0xb9bd54ffu, 0x2d9e3a79u, 0x993bbe31u, 0x773e252bu,     0x20dfbcdfu, 0x15121c97u,
          0x8c1b4d2du, LAMP_LIT,    0x9b210ec8u, 0x6d3534d9u, RAZZO_GOES_BACK, 0x2b9d3552u})
        EXPECT_TRUE(sent.contains(uCallback)) << std::hex << uCallback;
}

} // namespace
