// Walks the map cylinder's compiled dialog: it offers the four turns and a
// way out again after every turn, each turn grips its ring before turning
// it, and it ends by itself once both rings stand at six.
#include "SceneDialogsTestKit.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

constexpr int32_t CYLINDER = 53;
constexpr uint32_t RINGS_DIALOG = 0xBC1627F9;

class MapCylinderDialogsTest : public SceneDialogsTest {
protected:
    MapCylinderDialogsTest() { UseGroup("bg804_CU_03_MapCylinder.dialogs.dat", CYLINDER); }

    // Starts the dialog and gives the answers in turn where its choice comes,
    // until it ends or the answers run out; the callbacks it sent.
    std::vector<uint32_t> Play(std::initializer_list<const char*> answers)
    {
        manager.StartDialog(RINGS_DIALOG);
        const Dialog& dialog = *manager.GetCurrentDialog();
        auto next = answers.begin();
        std::vector<uint32_t> sent;
        for (int i = 0; i < 200 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                sent.push_back(dialog.GetCurrentNode()->m_uWord2);
                manager.UpdateScript();
                RunFrame();
            } else if (dialog.GetSentenceNode() == nullptr && dialog.HasProposition()) {
                if (next == answers.end())
                    break;
                manager.SelectProposition(OfferOf(*next++));
            } else {
                manager.GetCurrentDialog()->Advance();
            }
        }
        EXPECT_EQ(next, answers.end()) << "answers left over";
        return sent;
    }
    void SetRings(int32_t iInner, int32_t iOuter)
    {
        g_VarManager.SetInt(VARINT_IN_CIRCLE, iInner);
        g_VarManager.SetInt(VARINT_OUT_CIRCLE, iOuter);
    }
};

TEST_F(MapCylinderDialogsTest, EveryTurnGripsItsRingFirstAndTheChoiceComesBackUntilSheLetsGo)
{
    SetRings(1, 4);
    const std::vector<uint32_t> sent =
        Play({"BG804_INNER_UP", "BG804_INNER_DOWN", "BG804_OUTER_UP", "BG804_OUTER_DOWN", "BG804_LEAVE"});
    const std::vector<uint32_t> expected = {0xD2E8F56A, 0x6712D53B, 0xD2E8F56A, 0x7DDB20A0,
                                            0xEF8734BA, 0x0975E7A2, 0xEF8734BA, 0xF4666C72};
    EXPECT_EQ(sent, expected);
    EXPECT_TRUE(manager.GetCurrentDialog()->IsEnded());
}

TEST_F(MapCylinderDialogsTest, TheDialogEndsByItselfOnceATurnLeavesBothRingsAtSix)
{
    // The rings stand at six and six when the turn's callbacks are over: the
    // script's turn would have put them there.
    SetRings(6, 6);
    EXPECT_EQ(Play({"BG804_OUTER_UP"}).size(), 2u);
    EXPECT_TRUE(manager.GetCurrentDialog()->IsEnded());

    // One ring at six is not enough.
    SetRings(6, 5);
    Play({"BG804_INNER_UP", "BG804_LEAVE"});
    EXPECT_TRUE(manager.GetCurrentDialog()->IsEnded());
}

} // namespace
