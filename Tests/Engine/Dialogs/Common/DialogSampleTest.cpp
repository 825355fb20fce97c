// Walks the sample dialogs that the content builder compiled, with the
// scene's script tree behind their callbacks.
#include "Dialogs/Common/DialogManager.h"

#include "Common/CharacterIds.h"
#include "Common/IdHash.h"
#include "Engine/ScriptEngine/common/ScriptWalkTestKit.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int32_t LIVING_ROOM = 9;
constexpr uint32_t FIRST_VISIT = 0x824E3221;
constexpr uint32_t TALK_TO_MOTHER = 0xD25B1E3D;
constexpr uint32_t KID_SLOUCHES = 0x65F4D99F;
constexpr int32_t KID = static_cast<int32_t>(ActorIdOf("tavrine_kid"));

std::vector<uint8_t> ReadSample(const char* name)
{
    return TestSupport::ReadFileBytes(TestSupport::DataDir() / "scenes" / name);
}

class DialogSampleTest : public ScriptWalkTest {
protected:
    DialogSampleTest()
    {
        g_oGameInterface.AttachScriptTree(&m_oTree);
        manager.SetScriptDispatch(&dispatch);
        manager.Initialize();
        AddGroup("common.dialogs.dat", COMMON_DIALOG_GROUP_NUMBER, COMMON_DIALOG_GROUP_NUMBER);
        m_iSceneSlot = AddGroup("bg101_BO_CastilloLivingRoom.dialogs.dat", -1, LIVING_ROOM);
        manager.SetCurrentDialogGroup(m_iSceneSlot);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, LIVING_ROOM);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
    }
    ~DialogSampleTest() override { g_oGameInterface.AttachScriptTree(nullptr); }

    int32_t AddGroup(const char* name, int32_t iSlot, int32_t iGroupId)
    {
        m_aFiles.push_back(ReadSample(name));
        const std::vector<uint8_t>& bytes = m_aFiles.back();
        const int32_t iAdded = manager.AddDialogGroup(iSlot, bytes.data(), bytes.size(), iGroupId, name);
        EXPECT_NE(iAdded, -1) << name;
        return iAdded;
    }
    // The main state's frame: the dialog's script, then every scriptable.
    void Frame()
    {
        manager.UpdateScript();
        RunFrame();
    }
    // The talk screen's view: the text on show, or the texts offered.
    std::vector<uint32_t> Shown() const
    {
        const Dialog* pDialog = manager.GetCurrentDialog();
        if (pDialog->GetSentenceNode() != nullptr)
            return {pDialog->GetSentenceNode()->m_uWord1};
        int32_t iCount = 0, iLast = -1;
        std::vector<uint32_t> texts(MAX_OFFERED_PROPOSITIONS);
        manager.GetPropositions(iCount, texts.data(), nullptr, iLast);
        texts.resize(iCount);
        return texts;
    }
    void GoOn() { manager.GetCurrentDialog()->Advance(); }
    int32_t OfferOf(const char* text) const
    {
        const std::vector<uint32_t> shown = Shown();
        for (size_t i = 0; i < shown.size(); ++i)
            if (shown[i] == CoreCrc32Of(text))
                return static_cast<int32_t>(i);
        return -1;
    }

    // The callbacks a dialog sends, walked to its end with nothing behind them.
    std::vector<uint32_t> CallbacksOf(uint32_t uDialog)
    {
        manager.StartDialog(uDialog);
        const Dialog& dialog = *manager.GetCurrentDialog();
        std::vector<uint32_t> sent;
        for (int i = 0; i < 64 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                sent.push_back(dialog.GetCurrentNode()->m_uWord2);
                Frame();
            } else {
                GoOn();
            }
        }
        EXPECT_TRUE(dialog.IsEnded()) << std::hex << uDialog;
        return sent;
    }

    DialogManager manager;
    int32_t m_iSceneSlot = -1;

private:
    ScriptTree m_oTree {&pool, root};
    std::vector<std::vector<uint8_t>> m_aFiles;
};

using Texts = std::vector<uint32_t>;

TEST_F(DialogSampleTest, ACallbackHaltsTheDialogUntilItsScriptWalkIsDone)
{
    // The scene script's handler: the kid slouches for three frames, then waves.
    AddScriptable("kid", KID, 3);
    EventDesc oCallback;
    script._IfEvent(*BuildEvent(&oCallback, TwEventType_Dialog_CB, 1, ID_PARAMETER_TYPE_INT, KID_SLOUCHES));
    script.AddToQueue(KID, ID_ACTION_TYPE_ANIMATION, Param::Int(922), Param::Bool(0));
    script.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(KID));
    script.AddToQueue(KID, ID_ACTION_TYPE_ANIMATION, Param::Int(867), Param::Bool(0));
    script._EndMatch();

    manager.StartDialogAction(ID_ACTION_TYPE_START_DIALOG, FIRST_VISIT, m_iSceneSlot);
    EXPECT_EQ(Shown(), Texts {CoreCrc32Of("BG101_BONITA_WAKE_UP")});
    GoOn();
    const Dialog& dialog = *manager.GetCurrentDialog();
    ASSERT_TRUE(dialog.IsWaitingForScript());
    EXPECT_EQ(dialog.GetScriptContext()->GetEvent().m_oParameter[0], static_cast<int32_t>(KID_SLOUCHES));
    // The talk screen asking to go on changes nothing while the script runs.
    GoOn();
    int iFrames = 0;
    while (dialog.IsWaitingForScript() && iFrames < 20) {
        Frame();
        ++iFrames;
    }
    // Entries carry the number of frames run before: the first animation and
    // the wait start with the callback, the second animation in the fourth
    // frame (the kid's three updates are done), and the dialog goes on in
    // the seventh, once the second animation has had its three.
    EXPECT_EQ(log.m_aEntries, (std::vector<std::string> {"0 kid 11", "0 global 2", "3 kid 11"}));
    EXPECT_EQ(iFrames, 7);
    EXPECT_EQ(Shown(), Texts {CoreCrc32Of("BG101_KID_GRUMBLES")});

    // The frame's step never moves the dialog past a sentence.
    Frame();
    EXPECT_EQ(Shown(), Texts {CoreCrc32Of("BG101_KID_GRUMBLES")});
    GoOn();
    GoOn();
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_QUEST_C1_CHORES), 1);
}

TEST_F(DialogSampleTest, ConditionsDecideWhatIsSaidAndOfferedBothWays)
{
    const uint32_t NOT_YET = CoreCrc32Of("BG101_BONITA_NOT_YET");
    // Leaving before the chores are done: the mother says no and shuts the exit.
    g_VarManager.SetBool(VARBOOL_BG101_C01_EXIT_BG102, 1);
    manager.StartDialog(0x183827FC);
    GoOn();
    EXPECT_EQ(Shown(), Texts {NOT_YET});
    GoOn();
    EXPECT_TRUE(manager.GetCurrentDialog()->IsEnded());
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG101_C01_EXIT_BG102), 0);

    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES_DONE, 1);
    g_VarManager.SetBool(VARBOOL_BG101_C01_EXIT_BG102, 1);
    manager.StartDialog(0x183827FC);
    GoOn();
    EXPECT_EQ(Shown(), Texts {CoreCrc32Of("BG101_BONITA_TAKE_CARE")});
    GoOn();
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG101_C01_EXIT_BG102), 1);

    // The offer follows the chapter and the chores.
    manager.StartDialog(TALK_TO_MOTHER);
    GoOn();
    EXPECT_GE(OfferOf("BG101_ASK_EMBROIDERY"), 0);
    EXPECT_GE(OfferOf("BG101_ASK_PLAY"), 0);
    EXPECT_EQ(OfferOf("BG101_ASK_PLAY_EARLY"), -1);
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 2);
    g_VarManager.SetBool(VARBOOL_QUEST_C1_CHORES_DONE, 0);
    manager.StartDialog(TALK_TO_MOTHER);
    GoOn();
    EXPECT_EQ(OfferOf("BG101_ASK_EMBROIDERY"), -1);
    EXPECT_EQ(OfferOf("BG101_ASK_PLAY"), -1);
    EXPECT_GE(OfferOf("BG101_ASK_PLAY_EARLY"), 0);
}

TEST_F(DialogSampleTest, ChoicesAreReadAfterTheSaveSlotIsRestored)
{
    manager.StartDialog(TALK_TO_MOTHER);
    GoOn();
    manager.SelectProposition(OfferOf("BG101_ASK_EMBROIDERY"));
    // The callbacks have no handler in this scene: each ends in a frame.
    Frame();
    EXPECT_EQ(Shown(), Texts {CoreCrc32Of("BG101_BONITA_EMBROIDERY")});
    GoOn();
    Frame();
    // Back at the choice, whose proposition is marked and last chosen.
    int32_t iCount = 0, iLast = -1;
    uint8_t read[MAX_OFFERED_PROPOSITIONS] = {};
    manager.GetPropositions(iCount, nullptr, read, iLast);
    ASSERT_EQ(iLast, OfferOf("BG101_ASK_EMBROIDERY"));
    EXPECT_EQ(read[iLast], 1);
    manager.SelectProposition(OfferOf("BG101_BYE"));
    GoOn();
    EXPECT_TRUE(manager.GetCurrentDialog()->IsEnded());

    // Stored into a save slot's words 169 to 298 and restored in a new game
    // session.
    std::array<uint32_t, 300> slot {};
    manager.Save(std::span<uint32_t, DIALOG_READ_MARK_WORDS>(slot.data() + 169, DIALOG_READ_MARK_WORDS));
    manager.Shutdown();
    manager.Initialize();
    AddGroup("common.dialogs.dat", COMMON_DIALOG_GROUP_NUMBER, COMMON_DIALOG_GROUP_NUMBER);
    manager.SetCurrentDialogGroup(AddGroup("bg101_BO_CastilloLivingRoom.dialogs.dat", -1, LIVING_ROOM));
    manager.Load(std::span<const uint32_t, DIALOG_READ_MARK_WORDS>(slot.data() + 169, DIALOG_READ_MARK_WORDS));
    manager.StartDialog(TALK_TO_MOTHER);
    GoOn();
    manager.GetPropositions(iCount, nullptr, read, iLast);
    EXPECT_EQ(iLast, -1);
    for (int32_t i = 0; i < iCount; ++i)
        EXPECT_EQ(read[i], i == OfferOf("BG101_ASK_EMBROIDERY") || i == OfferOf("BG101_BYE") ? 1 : 0) << i;
}

TEST_F(DialogSampleTest, TheCommonGroupTakesItsDialogsByName)
{
    manager.StartDialogAction(ID_ACTION_TYPE_START_COMMON_DIALOG, CoreCrc32Of("COMMON_COMBINE_NOTHING"), m_iSceneSlot);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), COMMON_DIALOG_GROUP_NUMBER);
    const Dialog& dialog = *manager.GetCurrentDialog();
    EXPECT_EQ(dialog.GetSentenceNode()->m_uWord2, ActorIdOf("tavrine_kid"));
    EXPECT_STREQ(Id::GetMoodName(static_cast<int>(dialog.GetSentenceNode()->m_uWord3)), "wondering");
    GoOn();
    EXPECT_TRUE(dialog.IsEnded());
    manager.EndDialogAction(ID_ACTION_TYPE_START_COMMON_DIALOG, m_iSceneSlot);
    EXPECT_EQ(manager.GetCurrentDialogGroup(), m_iSceneSlot);
}

TEST_F(DialogSampleTest, TheKidStaysThroughTheWakeUpAndFadesAsTheHeroineLeaves)
{
    // The kid's fade-out hides her: sent at the wake-up, she would be gone
    // before anyone could look at her or turn toward her on the way out.
    constexpr uint32_t KID_FADES = 0xFEF5ABE8;
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 5);
    EXPECT_EQ(CallbacksOf(0xB899B360), Texts {0xCBD740BF});
    EXPECT_EQ(CallbacksOf(0x001CE2B2), Texts {KID_FADES});
}

} // namespace
