// The moments of the story that only a dialog leads to, each played from its
// built dialog in the scene it belongs to: the dialog's flags are set and its
// callbacks run the scene's own script as the talk screen runs them, and what
// the story then plays (in the same scene, or in the one it leads to) is
// checked. Every callback a dialog sends here must start something.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Dialogs/Common/Dialog.h"
#include "Dialogs/Common/DialogManager.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t CORRIDOR = 6;
constexpr int32_t CABIN = 7;
constexpr int32_t YARD = 10;
constexpr int32_t DOCKS = 13;
constexpr int32_t ADMIRALS_REST = 14;
constexpr int32_t TOWN_HALL = 15;
constexpr int32_t INN = 23;
constexpr int32_t GRAVEYARD = 24;
constexpr int32_t DRAKES_OFFICE_OUTSIDE = 25;

constexpr int32_t KID = ActorScriptableId(ActorIdOf("tavrine_kid"));
constexpr int32_t BRISCOE = ActorScriptableId(ActorIdOf("thomas_b"));

// Public, for the moments' own checks.
class StoryMomentsTest : public SceneScriptWithDialogsTest {
public:
    using SceneScriptWithDialogsTest::actionLog;
    using SceneScriptWithDialogsTest::Dialogs;
    using SceneScriptWithDialogsTest::EnterInChapter;
    using SceneScriptWithDialogsTest::Get;
    using SceneScriptWithDialogsTest::Given;
    using SceneScriptWithDialogsTest::Open;
    using SceneScriptWithDialogsTest::Run;
    using SceneScriptWithDialogsTest::Set;
    using SceneScriptWithDialogsTest::Taken;
    using SceneScriptWithDialogsTest::Walks;

    // Plays the built dialog of the entered scene to its end as the talk
    // screen does, taking the answer at a choice: its flags are set, and each
    // callback runs the scene's script until its walk is over. The callbacks
    // it sent, in order.
    std::vector<uint32_t> Talk(int32_t iScene, uint32_t uDialog, const char* pAnswer = nullptr)
    {
        const std::string path = Id::GetSceneDialogsPath(iScene);
        const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(TestSupport::DataDir() / path);
        DialogManager talk;
        talk.Initialize();
        const int32_t iSlot = talk.AddDialogGroup(-1, bytes.data(), bytes.size(), iScene, path.c_str());
        EXPECT_NE(iSlot, -1) << path;
        talk.SetCurrentDialogGroup(iSlot);
        talk.SetScriptDispatch(&manager);
        talk.StartDialog(uDialog);
        const Dialog& dialog = *talk.GetCurrentDialog();
        std::vector<uint32_t> sent;
        const DialogNode* pWaitedAt = nullptr;
        for (int i = 0; i < 4000 && !dialog.IsEnded(); ++i) {
            if (dialog.IsWaitingForScript()) {
                if (dialog.GetCurrentNode() != pWaitedAt) {
                    pWaitedAt = dialog.GetCurrentNode();
                    sent.push_back(pWaitedAt->m_uWord2);
                }
                talk.UpdateScript();
                manager.Update(16);
            } else if (dialog.GetSentenceNode() == nullptr && dialog.HasProposition() && pAnswer != nullptr) {
                int32_t iCount = 0, iLast = -1;
                std::vector<uint32_t> texts(MAX_OFFERED_PROPOSITIONS);
                talk.GetPropositions(iCount, texts.data(), nullptr, iLast);
                const auto found = std::find(texts.begin(), texts.begin() + iCount, CoreCrc32Of(pAnswer));
                EXPECT_NE(found, texts.begin() + iCount) << pAnswer;
                talk.SelectProposition(static_cast<int32_t>(found - texts.begin()));
            } else {
                talk.GetCurrentDialog()->Advance();
            }
        }
        EXPECT_TRUE(dialog.IsEnded()) << std::hex << uDialog;
        return sent;
    }
};

// A moment: the scene entered in the chapter with the flags and numbers set,
// the dialog played with the answer, the callbacks it must send among
// others, the flags it leaves set, and what the story then plays.
struct Moment {
    const char* pName;
    int32_t iScene;
    int32_t iChapter;
    std::vector<int32_t> flags;
    std::vector<std::pair<int32_t, int32_t>> numbers;
    uint32_t uDialog;
    const char* pAnswer;
    std::vector<uint32_t> callbacks;
    std::vector<int32_t> setFlags;
    std::function<void(StoryMomentsTest&)> then;
};

TEST_F(StoryMomentsTest, EachMomentThatOnlyADialogLeadsToPlays)
{
    const std::vector<Moment> moments = {
        {"Briscoe comes along to the Ruby Empress only the first time",
         DOCKS,
         5,
         {VARBOOL_BG105_C05_TALK_BRISCOE},
         {},
         0xD02E9613,
         nullptr,
         {0x47A8A890, 0x92E1A8D1},
         {VARBOOL_BG105_C05_INT_RUBYEMPRESS, VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS},
         [](StoryMomentsTest& test) {
             EXPECT_FALSE(test.Walks(BRISCOE).empty());
             test.Set(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, false);
             test.actionLog.clear();
             test.Talk(DOCKS, 0xD02E9613);
             EXPECT_FALSE(test.Get(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS));
             EXPECT_TRUE(test.Walks(BRISCOE).empty());
         }},
        {"asked after her mother, Alessandro sends her out to the corridor",
         CABIN,
         5,
         {VARBOOL_BG003_C05_EVENT_ALL_SECURE},
         {},
         0xb4cb8f32,
         "BG003_ASK_FATHER_BONITA",
         {},
         {VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA},
         [](StoryMomentsTest& test) {
             test.EnterInChapter(CORRIDOR, 5, CABIN);
             EXPECT_EQ(test.Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0xbe73313d)});
             EXPECT_FALSE(test.Get(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA));
         }},
        {"asked after the old house, she thinks of it in the corridor",
         CABIN,
         5,
         {VARBOOL_BG003_C05_EVENT_ALL_SECURE},
         {},
         0xb4cb8f32,
         "BG003_ASK_FATHER_OLD_HOUSE",
         {},
         {VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_OLD_HOUSE},
         [](StoryMomentsTest& test) {
             test.EnterInChapter(CORRIDOR, 5, CABIN);
             EXPECT_EQ(test.Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0x47ee8128)});
             EXPECT_FALSE(test.Get(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_OLD_HOUSE));
         }},
        {"Pierre's seized consignment puts the guards back, and only Diego's order moves them",
         INN,
         8,
         {VARBOOL_QUEST_C8_NOTES04_DONE, VARBOOL_QUEST_C8_GUARDS_DONE},
         {},
         0x0ff6d3af,
         nullptr,
         {},
         {VARBOOL_QUEST_C8_CONSIGNMENT01},
         [](StoryMomentsTest& test) {
             test.EnterInChapter(DRAKES_OFFICE_OUTSIDE, 8, INN);
             test.Talk(DRAKES_OFFICE_OUTSIDE, 0xb0b60d39);
             EXPECT_TRUE(test.Get(VARBOOL_QUEST_C8_CONSIGNMENT02));
             test.Set(VARBOOL_QUEST_C8_JUSTICE03_DONE);
             test.Run(Click(SceneObjectId(DRAKES_OFFICE_OUTSIDE, "goto_bg205")));
             EXPECT_EQ(test.Dialogs(), std::vector<int32_t> {0x6ed80c5f});
         }},
        {"the feather from the chicken on the grave ends the full moon's watch",
         GRAVEYARD,
         7,
         {VARBOOL_QUEST_C7_TRANCE02},
         {},
         0x8060f834,
         nullptr,
         {0x68d8f892},
         {VARBOOL_QUEST_C7_BLOOD_FEATHER01_DONE, VARBOOL_QUEST_C7_BLOOD_FEATHER02},
         [](StoryMomentsTest& test) {
             test.EnterInChapter(GRAVEYARD, 7, DRAKES_OFFICE_OUTSIDE);
             EXPECT_FALSE(test.Open(SceneObjectId(GRAVEYARD, "full_moon")));
         }},
        {"Tasco sells the strong rum for five doubloons",
         ADMIRALS_REST,
         5,
         {VARBOOL_BG106_C05_TALK_TASCO_ABOUT_GUARDS},
         {{VARINT_INV_DOUBLOON, 5}},
         0xd6e737c8,
         "BG106_BUY_RUM",
         {0x841d9eb9, 0xd7972b18},
         {VARBOOL_BG106_C05_GET_STRONG_RUM, VARBOOL_QUEST_C5_AVOID_GUARDS01_DONE},
         [](StoryMomentsTest& test) {
             EXPECT_EQ(test.Taken(), std::vector<int32_t> {Item("ITEM_DOUBLOON")});
             EXPECT_EQ(test.Given(), std::vector<int32_t> {Item("ITEM_STRONG_RUM")});
         }},
        {"Razzo of the crew comes over to the locked window",
         TOWN_HALL,
         2,
         {VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER},
         {{VARINT_CREW_MEMBER, 2}},
         0x4703E84E,
         nullptr,
         {0x8D5CEE29},
         {VARBOOL_BG107_C02_RAZZO_HERE},
         nullptr},
        {"on the ledge, the kid steps back from the window",
         YARD,
         1,
         {VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE},
         {},
         0xF40F03DA,
         nullptr,
         {0xDE908687, 0x463EB5A1},
         {},
         [](StoryMomentsTest& test) {
             const std::vector<int32_t> walks = test.Walks(KID);
             EXPECT_EQ(walks.empty() ? -1 : walks.back(), 14);
         }},
        {"Nell steps beside Arno, who answers her",
         DOCKS,
         2,
         {VARBOOL_BG105_C02_GROCERS_SHOP_IS_OPEN},
         {},
         0x084F6122,
         nullptr,
         {0xA6C15B8E, 0xA30E7B17, 0x9F065F8A, 0x0FF1EEF4},
         {},
         nullptr},
        {"Razzo stretches and shakes his fist",
         DOCKS,
         2,
         {},
         {},
         0xBAE8820F,
         nullptr,
         {0x54413468, 0xB2FF4B6B},
         {},
         nullptr},
        {"she thinks at the watched sword", DOCKS, 2, {}, {}, 0x9FA4896E, nullptr, {0x0E889964}, {}, nullptr},
        {"she shakes the cold sea off her hands", DOCKS, 2, {}, {}, 0xE616E2D2, nullptr, {0xC19C4DC4}, {}, nullptr},
        {"she scratches her head at the inn sign", DOCKS, 2, {}, {}, 0xD1342AD8, nullptr, {0xB9FA15FE}, {}, nullptr},
        {"Nell talks as she offers her goods", DOCKS, 2, {}, {}, 0xC2543AE0, nullptr, {0xB6440D00}, {}, nullptr},
    };
    for (const Moment& moment : moments) {
        SCOPED_TRACE(moment.pName);
        g_VarManager = VarSet {};
        for (const int32_t iFlag : moment.flags)
            Set(iFlag);
        for (const auto& [iNumber, iValue] : moment.numbers)
            g_VarManager.SetInt(iNumber, iValue);
        EnterInChapter(moment.iScene, moment.iChapter, 0);
        actionLog.clear();
        const std::vector<uint32_t> sent = Talk(moment.iScene, moment.uDialog, moment.pAnswer);
        for (const uint32_t uCallback : moment.callbacks)
            EXPECT_NE(std::ranges::count(sent, uCallback), 0) << std::hex << uCallback;
        // Walked again on their own, the callbacks note their actions a
        // second time: the log keeps the dialog's.
        const std::vector<ActionDesc> played = actionLog;
        for (const uint32_t uCallback : sent)
            EXPECT_FALSE(FiredBy(OnCallback(uCallback)).empty()) << std::hex << uCallback << " starts nothing";
        actionLog = played;
        for (const int32_t iFlag : moment.setFlags)
            EXPECT_TRUE(Get(iFlag)) << Id::GetVarBoolName(iFlag);
        if (moment.then)
            moment.then(*this);
    }
}

} // namespace
