#include "Dialogs/Common/DialogManager.h"

#include "Game/TwGame.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "Support/HandMadeDialogs.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace TestSupport::HandMadeDialog;
using TestSupport::HandMadeDialogs;
using TestSupport::LogCapture;

constexpr uint32_t KEY = 7;
constexpr int32_t SCENE = 12;

// One dialog: a choice of six propositions (numbered 0 to 5), each with one
// sentence; proposition 5 ends the dialog.
std::vector<uint8_t> SixPropositions()
{
    Nodes propositions;
    for (uint32_t i = 0; i < 5; ++i)
        propositions.push_back(Proposition(100 + i, {Sentence(i)}));
    propositions.push_back(Proposition(105, {End()}));
    HandMadeDialogs file;
    file.Add(KEY, Root({Choice(propositions)}));
    return file.Bytes();
}

class DialogManagerTest : public testing::Test {
protected:
    DialogManagerTest()
    {
        m_oSavedVars = g_VarManager;
        g_VarManager = VarSet {};
        manager.Initialize();
    }
    ~DialogManagerTest() override { g_VarManager = m_oSavedVars; }

    int32_t Add(int32_t iSlot, const std::vector<uint8_t>& bytes, int32_t iGroupId)
    {
        return manager.AddDialogGroup(iSlot, bytes.data(), bytes.size(), iGroupId, "group.dialogs.dat");
    }
    struct Offer {
        int32_t count;
        std::vector<uint32_t> texts;
        std::vector<uint8_t> read;
        int32_t last;
    };
    Offer Offered() const
    {
        Offer offer {0, std::vector<uint32_t>(MAX_OFFERED_PROPOSITIONS), std::vector<uint8_t>(MAX_OFFERED_PROPOSITIONS),
                     -1};
        manager.GetPropositions(offer.count, offer.texts.data(), offer.read.data(), offer.last);
        offer.texts.resize(offer.count);
        offer.read.resize(offer.count);
        return offer;
    }
    std::array<uint32_t, DIALOG_READ_MARK_WORDS> Saved() const
    {
        std::array<uint32_t, DIALOG_READ_MARK_WORDS> words {};
        EXPECT_EQ(manager.Save(words), DIALOG_READ_MARK_WORDS);
        return words;
    }

    DialogManager manager;

private:
    VarSet m_oSavedVars;
};

TEST_F(DialogManagerTest, TheCommonGroupTakesSlot0AndASceneTheNextFreeOne)
{
    const std::vector<uint8_t> bytes = SixPropositions();
    EXPECT_EQ(Add(COMMON_DIALOG_GROUP_NUMBER, bytes, COMMON_DIALOG_GROUP_NUMBER), 0);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 0);
    EXPECT_EQ(Add(-1, bytes, SCENE), 1);
    // A scene's group is made current by the scene, not by its addition.
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 0);
    manager.SetCurrentDialogGroup(1);
    EXPECT_EQ(manager.GetGroupId(1), SCENE);
    // A taken slot asked for gives the first free one.
    EXPECT_EQ(Add(0, bytes, SCENE + 1), 2);
    EXPECT_EQ(Add(MAX_DIALOG_GROUPS, bytes, SCENE + 1), 3);

    manager.RemoveDialogGroup(1);
    EXPECT_TRUE(manager.IsSlotFree(1));
    EXPECT_EQ(manager.GetGroupId(1), -1);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), -1);
    EXPECT_FALSE(manager.IsDialogRunning());
}

TEST_F(DialogManagerTest, GroupsAreRefusedWithoutAFreeSlotOrReadMarksOrAReadableFile)
{
    const std::vector<uint8_t> bytes = SixPropositions();
    DialogManager uninitialised;
    EXPECT_EQ(uninitialised.AddDialogGroup(-1, bytes.data(), bytes.size(), 0, "x"), -1);

    LogCapture capture;
    EXPECT_EQ(Add(-1, bytes, DIALOG_GROUP_ID_COUNT), -1);
    EXPECT_EQ(Add(-1, bytes, -1), -1);
    std::vector<uint8_t> broken = bytes;
    broken.resize(broken.size() - 1);
    EXPECT_EQ(Add(5, broken, SCENE), -1);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("\"group.dialogs.dat\": group id 65 has no read marks"), std::string::npos) << log;
    EXPECT_NE(log.find("Dialog::Initialize -- \"group.dialogs.dat\" refused"), std::string::npos) << log;
    EXPECT_TRUE(manager.IsSlotFree(0));
    EXPECT_TRUE(manager.IsSlotFree(5));
    EXPECT_EQ(manager.GetCurrentDialogGroup(), -1);

    for (int32_t i = 0; i < MAX_DIALOG_GROUPS; ++i)
        ASSERT_EQ(Add(-1, bytes, SCENE), i);
    EXPECT_EQ(Add(-1, bytes, SCENE), -1);
}

TEST_F(DialogManagerTest, SlotsOutOfRangeAreRefusedAndFreeSlotsReported)
{
    ASSERT_EQ(Add(-1, SixPropositions(), SCENE), 0);
    for (int32_t slot : {-1, MAX_DIALOG_GROUPS}) {
        LogCapture capture;
        manager.SetCurrentDialogGroup(slot);
        manager.RemoveDialogGroup(slot);
        const std::string log = capture.Take();
        EXPECT_NE(log.find("iDialogNumber >=0 && static_cast<unsigned int>(iDialogNumber) < MAX_DIALOG_GROUPS"),
                  std::string::npos);
        EXPECT_EQ(manager.GetCurrentDialogGroup(), 0);
        EXPECT_FALSE(manager.IsSlotFree(0));
    }
    LogCapture capture;
    manager.SetCurrentDialogGroup(3);
    EXPECT_NE(capture.Take().find("! m_pDialogGroupSlots[iDialogNumber].m_bIsFree"), std::string::npos);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 3);
    EXPECT_FALSE(manager.IsDialogRunning());
    manager.StartDialog(KEY);
    EXPECT_FALSE(manager.IsDialogRunning());
}

TEST_F(DialogManagerTest, AChoiceSetsTheReadMarkOfItsGroupIdAndProposition)
{
    ASSERT_EQ(Add(-1, SixPropositions(), SCENE), 0);
    manager.StartDialog(KEY);
    ASSERT_TRUE(manager.IsDialogRunning());
    EXPECT_EQ(Offered().read, std::vector<uint8_t>(6, 0));
    manager.SelectProposition(5);
    EXPECT_FALSE(manager.IsDialogRunning());

    // Group 12, proposition 5: bit 773, bit 5 of word 24.
    std::array<uint32_t, DIALOG_READ_MARK_WORDS> expected {};
    expected[24] = 1u << 5;
    EXPECT_EQ(Saved(), expected);
    EXPECT_TRUE(manager.IsPropositionRead(SCENE, 5));
    manager.StartDialog(KEY);
    EXPECT_EQ(Offered().read, (std::vector<uint8_t> {0, 0, 0, 0, 0, 1}));
}

TEST_F(DialogManagerTest, OnlyTheLastFourChoicesCountAsLastSelected)
{
    ASSERT_EQ(Add(-1, SixPropositions(), SCENE), 0);
    manager.StartDialog(KEY);
    // Nothing counts at the first offer of a new dialog.
    EXPECT_EQ(Offered().last, -1);
    for (int32_t choice : {0, 1, 2, 3}) {
        manager.SelectProposition(choice);
        ASSERT_TRUE(manager.GetCurrentDialog()->GetSentenceNode() != nullptr);
        manager.GetCurrentDialog()->Advance();
        EXPECT_EQ(Offered().last, choice);
    }
    manager.SelectProposition(4);
    manager.GetCurrentDialog()->Advance();
    // 1, 2, 3 and 4 remain; the last of them on offer is 4.
    EXPECT_EQ(manager.GetLastSelected(0), 4);
    EXPECT_EQ(Offered().last, 4);
    EXPECT_EQ(Offered().texts, (std::vector<uint32_t> {100, 101, 102, 103, 104, 105}));

    manager.StartDialog(KEY);
    EXPECT_EQ(Offered().last, -1);
    // Read marks outlive the dialog.
    EXPECT_EQ(Offered().read, (std::vector<uint8_t> {1, 1, 1, 1, 1, 0}));
}

TEST_F(DialogManagerTest, AnOfferedNodeThatIsNoPropositionIsNeverLastSelected)
{
    HandMadeDialogs file;
    file.Add(KEY, Root({Choice({Proposition(10, {Sentence(1)}), Sentence(5)})}));
    ASSERT_EQ(Add(-1, file.Bytes(), SCENE), 0);
    LogCapture capture;
    manager.StartDialog(KEY);
    capture.Take();
    // The sentence has no proposition number; the empty ring must not match it.
    EXPECT_EQ(Offered().count, 2);
    EXPECT_EQ(Offered().last, -1);
    EXPECT_EQ(Offered().read, (std::vector<uint8_t> {0, 0}));
}

TEST_F(DialogManagerTest, SavedReadMarksLoadIntoAnotherManager)
{
    ASSERT_EQ(Add(-1, SixPropositions(), 64), 0);
    ASSERT_EQ(Add(-1, SixPropositions(), 0), 1);
    for (int32_t slot : {0, 1}) {
        manager.SetCurrentDialogGroup(slot);
        manager.StartDialog(KEY);
        manager.SelectProposition(slot == 0 ? 2 : 4);
    }
    const std::array<uint32_t, DIALOG_READ_MARK_WORDS> saved = Saved();
    // The last group id's marks are the last word's.
    EXPECT_EQ(saved[DIALOG_READ_MARK_WORDS - 2], 1u << 2);
    EXPECT_EQ(saved[0], 1u << 4);

    DialogManager other;
    other.Initialize();
    EXPECT_EQ(other.Load(saved), DIALOG_READ_MARK_WORDS);
    std::array<uint32_t, DIALOG_READ_MARK_WORDS> copy {};
    other.Save(copy);
    EXPECT_EQ(copy, saved);
    EXPECT_TRUE(other.IsPropositionRead(64, 2));

    // Without read marks nothing is copied, and the length is still given;
    // a manager never initialised reports the length it lacks.
    other.Shutdown();
    std::array<uint32_t, DIALOG_READ_MARK_WORDS> untouched {};
    untouched.fill(0xAB);
    EXPECT_EQ(other.Save(untouched), DIALOG_READ_MARK_WORDS);
    EXPECT_EQ(other.Load(saved), DIALOG_READ_MARK_WORDS);
    EXPECT_EQ(untouched[0], 0xABu);
    DialogManager fresh;
    LogCapture capture;
    EXPECT_EQ(fresh.Save(untouched), DIALOG_READ_MARK_WORDS);
    EXPECT_NE(capture.Take().find("iBufferLength == m_iPropositionReadStatusLength"), std::string::npos);
    EXPECT_EQ(untouched[0], 0xABu);
}

TEST_F(DialogManagerTest, InitializeClearsTheMarksAndShutdownTakesEverySlot)
{
    ASSERT_EQ(Add(-1, SixPropositions(), SCENE), 0);
    manager.StartDialog(KEY);
    manager.SelectProposition(0);
    manager.Shutdown();
    EXPECT_EQ(manager.GetCurrentDialogGroup(), -1);
    EXPECT_FALSE(manager.IsSlotFree(0));
    EXPECT_EQ(manager.GetDialog(0)->GetNumDialogs(), 0);
    EXPECT_EQ(Add(-1, SixPropositions(), SCENE), -1);

    manager.Initialize();
    EXPECT_EQ(Saved(), (std::array<uint32_t, DIALOG_READ_MARK_WORDS> {}));
    EXPECT_TRUE(manager.IsSlotFree(0));
}

TEST_F(DialogManagerTest, DialogActionsStartInTheirGroupAndTheCommonOneHandsBack)
{
    HandMadeDialogs common;
    common.Add(KEY, Root({Sentence(1)}));
    HandMadeDialogs scene;
    scene.Add(KEY, Root({Sentence(2)}));
    ASSERT_EQ(Add(COMMON_DIALOG_GROUP_NUMBER, common.Bytes(), 0), 0);
    ASSERT_EQ(Add(-1, scene.Bytes(), SCENE), 1);

    manager.StartDialogAction(ID_ACTION_TYPE_START_DIALOG, KEY, 1);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 1);
    EXPECT_EQ(manager.GetCurrentDialog()->GetSentenceNode()->m_uWord1, 2u);
    manager.GetCurrentDialog()->Advance();

    manager.StartDialogAction(ID_ACTION_TYPE_START_COMMON_DIALOG, KEY, 1);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 0);
    EXPECT_EQ(manager.GetCurrentDialog()->GetSentenceNode()->m_uWord1, 1u);
    manager.GetCurrentDialog()->Advance();
    manager.EndDialogAction(ID_ACTION_TYPE_START_COMMON_DIALOG, 1);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 1);

    // A scene without a group starts no dialog of the common group instead.
    manager.SetCurrentDialogGroup(0);
    LogCapture capture;
    manager.StartDialogAction(ID_ACTION_TYPE_START_DIALOG, KEY, -1);
    capture.Take();
    EXPECT_FALSE(manager.IsDialogRunning());
    manager.EndDialogAction(ID_ACTION_TYPE_START_COMMON_DIALOG, -1);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), 0);
}

TEST(DialogManagerSingletonTest, TheGameHoldsOneManagerFromCreationToDestruction)
{
    ASSERT_EQ(DialogManager::GetInstance(), nullptr);
    DialogManager* pManager = DialogManager::CreateSingleton();
    ASSERT_NE(pManager, nullptr);
    EXPECT_EQ(g_oTwGame.m_pDialogManager, pManager);
    LogCapture capture;
    EXPECT_EQ(DialogManager::CreateSingleton(), pManager);
    EXPECT_NE(capture.Take().find("g_oTwGame.m_pDialogManager==NULL"), std::string::npos);
    DialogManager::DestroySingleton();
    EXPECT_EQ(DialogManager::GetInstance(), nullptr);
}

} // namespace
