// Plays the living room's sample dialog with the mother to its end through
// the talk screen, with clicks injected as the pointer and button of a
// headless window.
#include "Dialogs/Common/DialogInterface.h"

#include "Engine/Dialogs/Common/TalkScreenTestKit.h"
#include "Hash/CoreCrc32.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace TalkScreenTest;

constexpr int32_t LIVING_ROOM = 9;
constexpr uint32_t TALK_TO_MOTHER = 0xD25B1E3D;
constexpr fx32 REST_X = 128 * U;
constexpr fx32 REST_Y = 20 * U;
constexpr fx32 ARROWS_X = 56 * U;
constexpr fx32 DOWN_Y = 178 * U;

class TalkScreenPlayThroughTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        world.AddSampleTexts("en-GBTextBG101.dat");
        world.AddSampleTexts("en-GBTextCommon.dat");
        world.AddSampleGroup("common.dialogs.dat", COMMON_DIALOG_GROUP_NUMBER);
        m_iSceneSlot = world.AddSampleGroup("bg101_BO_CastilloLivingRoom.dialogs.dat", LIVING_ROOM);
        world.Manager().SetCurrentDialogGroup(m_iSceneSlot);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, LIVING_ROOM);
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 1);
        TestSupport::LogCapture log;
        ASSERT_TRUE(talk.Initialize());
        ASSERT_EQ(log.Take(), "");
    }
    void TearDown() override
    {
        talk.Shutdown();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    // One frame of the game: input, then the talk screen.
    void Frame(fx32 x, fx32 y, bool bButton)
    {
        input.Frame(x, y, bButton);
        talk.Update(16);
    }
    void Click(fx32 x, fx32 y)
    {
        Frame(x, y, true);
        Frame(x, y, false);
    }
    void Wait(int frames)
    {
        for (int i = 0; i < frames; ++i)
            Frame(REST_X, REST_Y, false);
    }
    // Clicks through the sentences on show, noting the first line of each,
    // until propositions are offered or the dialog has ended.
    void ListenUntilAsked()
    {
        for (int i = 0; i < 200 && talk.IsActive() && talk.GetState() != DIALOG_STATE_THINKING; ++i) {
            if (talk.GetState() == DIALOG_STATE_SENTENCE && talk.GetFirst() == 0 && talk.GetLineCount() > 0 &&
                (heard.empty() || heard.back().first != talk.GetLine(0)))
                heard.push_back({talk.GetLine(0), talk.GetLineCount()});
            Wait(10);
            Click(REST_X, REST_Y);
        }
    }
    // Pages down to the proposition with that text and clicks its row.
    void Answer(const char* key)
    {
        const std::string text = g_oDkLocalizer.GetText(CoreCrc32Of(key));
        for (int page = 0; page < 6; ++page) {
            Wait(60);
            for (int32_t k = 0; k < DialogInterface::PAGE_ROWS; ++k) {
                if (talk.GetRowText(k) && text == talk.GetRowText(k)) {
                    const fx32 rowHeight = world.font.GetLineHeight();
                    Click(120 * U, 144 * U + k * rowHeight + rowHeight / 2);
                    // The next frame reads the answer.
                    Wait(1);
                    return;
                }
            }
            Click(ARROWS_X, DOWN_Y);
        }
        ADD_FAILURE() << key << " is not offered";
    }

    TalkWorld world;
    TalkInput input;
    DialogInterface talk;
    int32_t m_iSceneSlot = -1;
    // The first line and the line count of each sentence.
    std::vector<std::pair<std::string, int32_t>> heard;
};

TEST_F(TalkScreenPlayThroughTest, ClicksPlayTheMothersDialogToItsEnd)
{
    world.Manager().StartDialog(TALK_TO_MOTHER);
    Wait(1);
    ASSERT_TRUE(talk.IsActive());

    ListenUntilAsked();
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    EXPECT_EQ(talk.GetPropositionCount(), 4);
    Answer("BG101_ASK_CHORES");
    ListenUntilAsked();
    // Offered again, on the page of the last choice.
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    EXPECT_EQ(talk.GetFirst(), 0);
    EXPECT_EQ(talk.GetRowColour(0), DialogInterface::ROW_READ);
    Answer("BG101_BYE");
    ListenUntilAsked();

    EXPECT_TRUE(world.Manager().GetCurrentDialog()->IsEnded());
    Wait(30);
    EXPECT_FALSE(talk.IsActive());
    EXPECT_EQ(talk.GetState(), DIALOG_STATE_NONE);
    const char* const said[] = {"BG101_KID_HELLO", "BG101_BONITA_LISTS_CHORES", "BG101_BONITA_WINDOW_TOO",
                                "BG101_BONITA_BYE"};
    ASSERT_EQ(heard.size(), std::size(said));
    for (size_t i = 0; i < heard.size(); ++i)
        EXPECT_EQ(std::string(g_oDkLocalizer.GetText(CoreCrc32Of(said[i]))).rfind(heard[i].first, 0), 0u) << said[i];
    // The list of chores took more than one page.
    EXPECT_GT(heard[1].second, DialogInterface::PAGE_ROWS);
    // The mother spoke three times on her sound actor, the kid once.
    EXPECT_EQ(world.services.speech, (std::vector<std::string> {"stop 0", "stop 2", "stop 2", "stop 2"}));
}

} // namespace
