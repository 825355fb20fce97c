// Walks the docks' compiled dialogs: every flag and callback that the docks'
// story waits for is set or sent by the dialog that the script plays.
#include "Dialogs/Common/DialogManager.h"

#include "Common/IdHash.h"
#include "Engine/ScriptEngine/common/ScriptWalkTestKit.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t DOCKS = 13;

class DocksDialogsTest : public ScriptWalkTest {
protected:
    DocksDialogsTest()
    {
        g_oGameInterface.AttachScriptTree(&m_oTree);
        manager.SetScriptDispatch(&dispatch);
        manager.Initialize();
        m_aFiles.push_back(
            TestSupport::ReadFileBytes(TestSupport::DataDir() / "scenes" / "bg105_BO_Docks.dialogs.dat"));
        const std::vector<uint8_t>& bytes = m_aFiles.back();
        const int32_t iSlot = manager.AddDialogGroup(-1, bytes.data(), bytes.size(), DOCKS, "bg105_BO_Docks");
        EXPECT_NE(iSlot, -1);
        manager.SetCurrentDialogGroup(iSlot);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, DOCKS);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    }
    ~DocksDialogsTest() override { g_oGameInterface.AttachScriptTree(nullptr); }

    // Walks the dialog to its end, taking the answer where a choice is
    // offered; the callbacks it sent, in order.
    std::vector<uint32_t> Walk(uint32_t uDialog, const char* pAnswer = nullptr)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        std::vector<uint32_t> sent;
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                sent.push_back(dialog.GetCurrentNode()->m_uWord2);
                manager.UpdateScript();
                RunFrame();
            } else if (dialog.GetSentenceNode() == nullptr && pAnswer != nullptr) {
                manager.SelectProposition(OfferOf(pAnswer));
            } else {
                manager.GetCurrentDialog()->Advance();
            }
        }
        EXPECT_TRUE(dialog.IsEnded()) << std::hex << uDialog;
        return sent;
    }
    int32_t OfferOf(const char* pText) const
    {
        int32_t iCount = 0, iLast = -1;
        std::vector<uint32_t> texts(MAX_OFFERED_PROPOSITIONS);
        manager.GetPropositions(iCount, texts.data(), nullptr, iLast);
        const auto found = std::find(texts.begin(), texts.begin() + iCount, CoreCrc32Of(pText));
        EXPECT_NE(found, texts.begin() + iCount) << pText;
        return static_cast<int32_t>(found - texts.begin());
    }
    static bool Sends(const std::vector<uint32_t>& sent, uint32_t uCallback)
    {
        return std::find(sent.begin(), sent.end(), uCallback) != sent.end();
    }
    bool Get(int32_t iVarId) const { return g_VarManager.GetBool(iVarId) != 0; }
    void Set(int32_t iVarId, bool bValue = true) { g_VarManager.SetBool(iVarId, bValue ? 1 : 0); }

    DialogManager manager;

private:
    ScriptTree m_oTree {&pool, root};
    std::vector<std::vector<uint8_t>> m_aFiles;
};

TEST_F(DocksDialogsTest, TheShipIsAskedOneWayAtATime)
{
    struct Case {
        const char* pAnswer;
        bool bWorldMap;
        bool bOnBoard;
    };
    for (const Case& answer : {Case {"BG105_SHIP_SAIL", true, false}, Case {"BG105_SHIP_ABOARD", false, true},
                               Case {"BG105_SHIP_NOT_NOW", false, false}}) {
        SCOPED_TRACE(answer.pAnswer);
        Set(VARBOOL_BG105_GOTO_WORLD_MAP, false);
        Set(VARBOOL_BG105_GOTO_ONBOARD, false);
        Walk(0x7EA927E6, answer.pAnswer);
        EXPECT_EQ(Get(VARBOOL_BG105_GOTO_WORLD_MAP), answer.bWorldMap);
        EXPECT_EQ(Get(VARBOOL_BG105_GOTO_ONBOARD), answer.bOnBoard);
    }
}

TEST_F(DocksDialogsTest, TheCrewsTasksAreSetAndTheirItemsHandedOut)
{
    // Nell's goods come once.
    EXPECT_TRUE(Sends(Walk(0xC2543AE0), 0xFD58F14C));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FOOD));
    EXPECT_FALSE(Sends(Walk(0xC2543AE0), 0xFD58F14C));

    // The wings feed Carlo; the sword arms Razzo; the old sword is refused.
    EXPECT_TRUE(Sends(Walk(0x1A79871C), 0xEDDDA7C2));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FOOD_DONE));
    EXPECT_TRUE(Sends(Walk(0x293B8797), 0x997547D5));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_SWORD_DONE));
    Walk(0xCE377750);
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_USE_OLD_SWORD_ON_RAZZO));

    // The magnet brings up the sword.
    EXPECT_TRUE(Sends(Walk(0xA8EF893B), 0xBAD15C90));
}

TEST_F(DocksDialogsTest, ArnoLooksAwayOnlyForTheGlintAndLeavesOnlyOnceHisSwordIsGone)
{
    Walk(0x2861AC7B);
    EXPECT_FALSE(Get(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY));
    Set(VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST);
    Walk(0x2861AC7B);
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY));

    // The greasy bread's first playing: Arno stays, the work is not done.
    EXPECT_FALSE(Sends(Walk(0xF2D22EE0), 0x61F9C554));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C2_WORK02_DONE));
    // Its second, with the sword in the sea: he leaves, and the script gives
    // the heroine back to the player.
    Set(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD);
    EXPECT_TRUE(Sends(Walk(0xF2D22EE0), 0x61F9C554));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_WORK02_DONE));
    // Later plays never send him off again.
    Set(VARBOOL_BG105_C02_EVENT_ARNO_GREASYSWORD);
    EXPECT_FALSE(Sends(Walk(0xF2D22EE0), 0x61F9C554));
}

TEST_F(DocksDialogsTest, TheCaptureTiesArnoSoThatTheReloadedDocksEndTheChapter)
{
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
    Walk(0x6DD4D5C7);
    EXPECT_TRUE(Get(VARBOOL_BG105_C05_EVENT_ARNO_TIED));
}

} // namespace
