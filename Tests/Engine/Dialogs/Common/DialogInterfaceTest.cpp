// The talk screen on the recording device, over hand-made dialogs: paging of
// sentences and propositions, the typewriter's timing, the portraits'
// slides, input, auto-test answers and the caption box.
#include "Dialogs/Common/DialogInterface.h"

#include "Engine/Dialogs/Common/TalkScreenTestKit.h"
#include "Game/TwGame.h"
#include "Input/KeyCodes.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Screen/CoreVirtualScreen.h"
#include "Support/HandMadeDialogs.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace TalkScreenTest;
using namespace TestSupport::HandMadeDialog;
using TestSupport::HandMadeDialogs;
using TestSupport::LogCapture;

constexpr uint32_t KEY = 7;
constexpr int32_t GROUP = 5;
constexpr uint32_t UNKNOWN_ACTOR = 0x80000001u;
// Where the pointer rests: above the talk screen.
constexpr fx32 REST_X = 128 * U;
constexpr fx32 REST_Y = 20 * U;
// The arrows' hit areas, left of the rows.
constexpr fx32 ARROWS_X = 56 * U;
constexpr fx32 UP_Y = 150 * U;
constexpr fx32 DOWN_Y = 178 * U;

std::vector<uint8_t> OneDialog(const Node& root)
{
    HandMadeDialogs file;
    file.Add(KEY, root);
    return file.Bytes();
}

// Propositions 101 to 100 + count, each answered by sentence 1; the last one
// ends the dialog.
Node Offer(uint32_t count)
{
    Nodes propositions;
    for (uint32_t i = 1; i < count; ++i)
        propositions.push_back(Proposition(100 + i, {Sentence(1, ActorIdOf("bonita_c_chair"))}));
    propositions.push_back(Proposition(100 + count, {End()}));
    return Root({Choice(propositions)});
}

class DialogInterfaceTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        std::vector<std::pair<uint32_t, std::string>> texts = {
            {1, "Short."}, {2, "one\ntwo\nthree\nfour\nfive\nsix\nseven"}, {3, "Hello there."}};
        for (uint32_t i = 101; i <= 107; ++i)
            texts.push_back({i, "choice " + std::to_string(i - 100)});
        texts.push_back({DialogInterface::NEVER_READ_TEXT_ID, "again"});
        world.AddTexts(texts);
        LogCapture log;
        ASSERT_TRUE(talk.Initialize());
        ASSERT_EQ(log.Take(), "");
    }
    void TearDown() override
    {
        TwGame::s_bAutoTest = false;
        TwGame::s_bAutoTestWaitsForSentences = false;
        talk.Shutdown();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    void Start(const Node& root)
    {
        world.AddGroup(OneDialog(root), GROUP);
        world.Manager().StartDialog(KEY);
    }
    // Frames without a click, the pointer resting.
    void Run(uint32_t ms, uint32_t dt = 16)
    {
        for (uint32_t t = 0; t < ms; t += dt)
            Frame(REST_X, REST_Y, false, dt);
    }
    void Frame(fx32 x, fx32 y, bool bButton, uint32_t dt = 16)
    {
        input.Frame(x, y, bButton);
        talk.Update(dt);
    }
    void Click(fx32 x = REST_X, fx32 y = REST_Y)
    {
        Frame(x, y, true);
        Frame(x, y, false);
    }
    // Runs until neither the portrait nor the rows slide.
    void Settle()
    {
        for (int i = 0; i < 100 && (talk.IsPortraitSlidingIn() || talk.IsPortraitSlidingOut() || talk.AreRowsSliding());
             ++i)
            Run(16);
    }
    std::vector<std::string> Page() const
    {
        return {talk.GetTypewriterLine(0).GetText(), talk.GetTypewriterLine(1).GetText(),
                talk.GetTypewriterLine(2).GetText()};
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int32_t k = 0; k < DialogInterface::PAGE_ROWS; ++k)
            rows.push_back(talk.GetRowText(k) ? talk.GetRowText(k) : "");
        return rows;
    }
    // Where row k is hit.
    fx32 RowY(int32_t k) const { return 144 * U + world.font.GetLineHeight() * k + world.font.GetLineHeight() / 2; }
    CoreTexture* Texture(const char* name) { return m_renderer.GetTextureManager()->GetTextureByName(name); }
    // Draws the talk screen (or its caption) in a frame of the recording
    // device; the glyphs printed.
    size_t GlyphsDrawn(bool bCaption = false)
    {
        world.text.glyphs.clear();
        EXPECT_TRUE(m_renderer.BeginFrame());
        if (bCaption)
            talk.DrawCaption();
        else
            talk.Draw();
        m_renderer.EndFrame();
        return world.text.glyphs.size();
    }

    TalkWorld world;
    TalkInput input;
    DialogInterface talk;
};

using Lines = std::vector<std::string>;

TEST_F(DialogInterfaceTest, ASentenceOfSevenLinesShowsThreePagesThenTheDialogGoesOn)
{
    Start(Root({Sentence(2, HERO), Sentence(1, HERO)}));
    Run(16);
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_SENTENCE);
    ASSERT_EQ(talk.GetLineCount(), 7);
    EXPECT_STREQ(talk.GetLine(6), "seven");
    Run(2000);
    EXPECT_EQ(Page(), (Lines {"one", "two", "three"}));
    Click();
    EXPECT_EQ(talk.GetFirst(), 3);
    Run(2000);
    EXPECT_EQ(Page(), (Lines {"four", "five", "six"}));
    Click();
    EXPECT_EQ(talk.GetFirst(), 6);
    // "seven" takes 16 frames (its five code points and its end, at 25 a
    // second); each empty line after it is done within a twenty-fifth of a
    // second: its third update, the first coming in the frame the line before
    // it is done.
    Run(16 * 14);
    EXPECT_FALSE(talk.GetTypewriterLine(0).IsDone());
    Run(16);
    EXPECT_TRUE(talk.GetTypewriterLine(0).IsDone());
    Run(16);
    EXPECT_FALSE(talk.GetTypewriterLine(1).IsDone());
    Run(16);
    EXPECT_TRUE(talk.GetTypewriterLine(1).IsDone());
    EXPECT_FALSE(talk.GetTypewriterLine(2).IsDone());
    Run(32);
    EXPECT_TRUE(talk.GetTypewriterLine(2).IsDone());
    EXPECT_EQ(Page(), (Lines {"seven", "", ""}));

    // The last page's click ends the sentence, and the next frame reads the
    // next one.
    Click();
    EXPECT_EQ(talk.GetLineCount(), 1);
    EXPECT_STREQ(talk.GetLine(0), "Short.");
    EXPECT_EQ(world.services.speech, (std::vector<std::string> {"stop 0"}));
}

TEST_F(DialogInterfaceTest, AClickWhileALineTypesShowsThePageAndTheNextClickTurnsIt)
{
    Start(Root({Sentence(2, HERO)}));
    // "one" is typed in 11 frames, then "two" has its first two code points
    // after 6 more updates (the first in the frame "one" is done).
    Run(16 * 16);
    EXPECT_EQ(Page(), (Lines {"one", "tw", ""}));
    Frame(REST_X, REST_Y, true);
    EXPECT_EQ(Page(), (Lines {"one", "two", "three"}));
    EXPECT_EQ(talk.GetFirst(), 0);
    Frame(REST_X, REST_Y, false);
    Frame(REST_X, REST_Y, true);
    EXPECT_EQ(talk.GetFirst(), 3);
    EXPECT_EQ(Page(), (Lines {"", "", ""}));
}

TEST_F(DialogInterfaceTest, AFullyTypedPageTurnsByItselfTwentyFiveSecondsAfterItsThirdLine)
{
    Start(Root({Sentence(2, HERO)}));
    Run(16);
    Frame(REST_X, REST_Y, true);
    // The click completed the lines; the next update starts the count.
    Run(24000, 1000);
    ASSERT_EQ(talk.GetAutoTimer(), 1000u);
    Run(999, 999);
    EXPECT_EQ(talk.GetFirst(), 0);
    Run(1, 1);
    EXPECT_EQ(talk.GetFirst(), 3);
    EXPECT_EQ(talk.GetAutoTimer(), DialogInterface::AUTO_ADVANCE_TIME);
}

TEST_F(DialogInterfaceTest, PortraitsSlideFromTheirSpeakersSideAndOnlyAChangeOfSpeakerSlidesThem)
{
    Start(Root({Sentence(1, MOTHER), Sentence(1, MOTHER, 3), Sentence(3, HERO)}));
    Run(16);
    const InterfaceSprite& portrait = talk.GetPortrait();
    // Anyone but the playing character enters mirrored from the right, its
    // right edge first, and speaks left of it.
    EXPECT_EQ(portrait.m_hTexture, Texture("intdial_bonita_c_chair"));
    EXPECT_EQ(portrait.m_fxScaleX, -U);
    EXPECT_EQ(portrait.m_fxAnchorX, portrait.m_fxWidth);
    EXPECT_EQ(portrait.m_fxX, 364 * U);
    EXPECT_EQ(talk.GetTextLeft(), 20 * U);
    Run(16 * 18);
    EXPECT_TRUE(talk.IsPortraitSlidingIn());
    Run(16);
    EXPECT_FALSE(talk.IsPortraitSlidingIn());
    EXPECT_EQ(portrait.m_fxX, 256 * U);
    EXPECT_EQ(portrait.m_fxY, 112 * U);

    // The same speaker in another mood: the picture changes in place.
    Click();
    Click();
    Run(16);
    EXPECT_EQ(talk.GetDisplayedMood(), 3u);
    EXPECT_EQ(portrait.m_hTexture, Texture("intdial_bonita_c_chair_happy"));
    EXPECT_FALSE(talk.IsPortraitSlidingIn() || talk.IsPortraitSlidingOut());
    EXPECT_EQ(portrait.m_fxX, 256 * U);

    // Another speaker: the mother slides out, no text is shown meanwhile,
    // then the kid slides in from the left, facing right.
    Click();
    Click();
    Run(16);
    EXPECT_TRUE(talk.IsPortraitSlidingOut());
    EXPECT_GT(portrait.m_fxX, 256 * U);
    EXPECT_EQ(GlyphsDrawn(), 0u);
    // It has moved twice: in the frame that read the sentence, and now.
    Run(16 * 16);
    EXPECT_TRUE(talk.IsPortraitSlidingOut());
    Run(16);
    EXPECT_FALSE(talk.IsPortraitSlidingOut());
    EXPECT_EQ(portrait.m_hTexture, Texture("intdial_tavrine_kid"));
    EXPECT_EQ(portrait.m_fxScaleX, U);
    EXPECT_EQ(portrait.m_fxAnchorX, 0);
    EXPECT_EQ(portrait.m_fxX, -80 * U);
    EXPECT_EQ(talk.GetTextLeft(), 66 * U);
    Settle();
    EXPECT_EQ(portrait.m_fxX, 0);
    Run(1000);
    EXPECT_GT(GlyphsDrawn(), 0u);
    EXPECT_EQ(world.services.speech, (std::vector<std::string> {"stop 2", "stop 2"}));
}

TEST_F(DialogInterfaceTest, AnUnknownSpeakerTalksWithoutAPortrait)
{
    Start(Root({Sentence(3, UNKNOWN_ACTOR)}));
    LogCapture log;
    Run(16);
    EXPECT_NE(log.Take().find("ASSERT"), std::string::npos);
    EXPECT_EQ(talk.GetDisplayedSpeaker(), UNKNOWN_ACTOR);
    EXPECT_FALSE(talk.GetPortrait().m_bVisible);
    EXPECT_FALSE(talk.IsPortraitSlidingIn());
    EXPECT_EQ(talk.GetTextLeft(), 20 * U);
    Run(1000);
    EXPECT_GT(GlyphsDrawn(), 0u);
}

TEST_F(DialogInterfaceTest, SevenPropositionsArePagedThreeAtATimeWithTheirArrows)
{
    Start(Offer(7));
    Run(16);
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    EXPECT_EQ(talk.GetSpeaker(), HERO);
    EXPECT_EQ(Rows(), (Lines {"choice 1", "choice 2", "choice 3"}));
    EXPECT_FALSE(talk.GetArrowUp().m_bVisible);
    EXPECT_TRUE(talk.GetArrowDown().m_bVisible);
    Settle();
    // The pointer over the down arrow lights it.
    Frame(ARROWS_X, DOWN_Y, false);
    EXPECT_EQ(talk.GetArrowDown().m_fxGreen, 175 * U);
    EXPECT_EQ(talk.GetArrowUp().m_fxGreen, 255 * U);
    Click(ARROWS_X, DOWN_Y);
    EXPECT_EQ(Rows(), (Lines {"choice 4", "choice 5", "choice 6"}));
    EXPECT_TRUE(talk.GetArrowUp().m_bVisible);
    EXPECT_TRUE(talk.GetArrowDown().m_bVisible);
    Click(ARROWS_X, DOWN_Y);
    EXPECT_EQ(Rows(), (Lines {"choice 7", "", ""}));
    EXPECT_TRUE(talk.GetArrowUp().m_bVisible);
    EXPECT_FALSE(talk.GetArrowDown().m_bVisible);
    // No page after the last: the click chooses nothing either.
    Click(ARROWS_X, DOWN_Y);
    EXPECT_EQ(talk.GetFirst(), 6);
    EXPECT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    Click(ARROWS_X, UP_Y);
    EXPECT_EQ(talk.GetFirst(), 3);

    // Choosing proposition 4 (page 2, row 1): once its answer is over, the
    // offer opens again on page 2.
    Click(100 * U, RowY(1));
    EXPECT_TRUE(talk.NeedsRefresh());
    Run(16);
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_SENTENCE);
    Settle();
    Click();
    Click();
    Run(16);
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    EXPECT_EQ(talk.GetFirst(), 3);
    EXPECT_EQ(Rows(), (Lines {"choice 4", "choice 5", "choice 6"}));
}

TEST_F(DialogInterfaceTest, FourPropositionsMakeTwoPagesAndTheirRowsSlideIn)
{
    Start(Offer(4));
    Run(16);
    EXPECT_EQ(talk.GetPropositionCount(), 4);
    // The rows start right of the screen, 20 units apart, and slide left at
    // 350 units a second to the text's x, right of the row markers.
    const fx32 textX = talk.GetTextX();
    EXPECT_GT(textX, 66 * U);
    const fx32 step = CoreFx::Mul(DialogInterface::ROW_SLIDE_SPEED, 16 * 4096 / 1000);
    for (int32_t k = 0; k < 3; ++k)
        EXPECT_EQ(talk.GetRowX(k), (256 + 20 * k) * U - step) << k;
    while (talk.GetRowX(0) > textX)
        Run(16);
    EXPECT_EQ(talk.GetRowX(0), textX);
    EXPECT_TRUE(talk.AreRowsSliding());
    EXPECT_GT(talk.GetRowX(2), textX);
    Settle();
    EXPECT_EQ(talk.GetRowX(2), textX);
    Click(ARROWS_X, DOWN_Y);
    EXPECT_EQ(Rows(), (Lines {"choice 4", "", ""}));
    EXPECT_FALSE(talk.GetArrowDown().m_bVisible);

    // The pointer resting and clicking in the empty box below the page's one
    // row, at its right: no row lights and nothing is chosen.
    Frame(220 * U, RowY(2), false);
    EXPECT_EQ(talk.GetHover(), -1);
    Click(220 * U, RowY(2));
    EXPECT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    EXPECT_EQ(Rows(), (Lines {"choice 4", "", ""}));
    // On the row itself, far right, it lights.
    Frame(220 * U, RowY(0), false);
    EXPECT_EQ(talk.GetHover(), 0);
}

TEST_F(DialogInterfaceTest, RowsAreColouredByReadMarksAndThePointer)
{
    // Proposition 101 leads back to the offer; 0x41E7E6F5 is never shown read.
    Start(Root({Choice({Proposition(DialogInterface::NEVER_READ_TEXT_ID, {Sentence(1, HERO)}),
                        Proposition(101, {Sentence(1, HERO)}), Proposition(102, {End()})})}));
    Run(16);
    Settle();
    for (int32_t row : {0, 1}) {
        Click(100 * U, RowY(row));
        Run(16);
        Click();
        Click();
        Run(16);
        Settle();
    }
    ASSERT_EQ(talk.GetState(), DIALOG_STATE_THINKING);
    EXPECT_EQ(talk.GetRowColour(0), DialogInterface::ROW_NORMAL);
    EXPECT_EQ(talk.GetRowColour(1), DialogInterface::ROW_READ);
    EXPECT_EQ(talk.GetRowColour(2), DialogInterface::ROW_NORMAL);
    Frame(100 * U, RowY(1), false);
    EXPECT_EQ(talk.GetHover(), 1);
    EXPECT_EQ(talk.GetRowColour(1), DialogInterface::ROW_HIGHLIGHTED_READ);
    Frame(100 * U, RowY(2), false);
    EXPECT_EQ(talk.GetRowColour(2), DialogInterface::ROW_HIGHLIGHTED);
    EXPECT_EQ(talk.GetRowColour(1), DialogInterface::ROW_READ);

    // Drawn: each row in its colour.
    GlyphsDrawn();
    std::vector<uint32_t> colours;
    for (const RecordingTextRenderer::Glyph& glyph : world.text.glyphs)
        if (colours.empty() || colours.back() != glyph.colour)
            colours.push_back(glyph.colour);
    EXPECT_EQ(colours, (std::vector<uint32_t> {DialogInterface::ROW_NORMAL, DialogInterface::ROW_READ,
                                               DialogInterface::ROW_HIGHLIGHTED}));
}

TEST_F(DialogInterfaceTest, TheUpAndDownEventsMoveTheHighlightAcrossPages)
{
    Start(Offer(5));
    Run(16);
    Settle();
    struct Step {
        uint8_t key;
        int32_t first;
        int32_t highlight;
    };
    const Step steps[] = {
        {Platform::KEY_DOWN, 0, 0}, {Platform::KEY_DOWN, 0, 1}, {Platform::KEY_DOWN, 0, 2},
        {Platform::KEY_DOWN, 3, 0}, {Platform::KEY_DOWN, 3, 1}, {Platform::KEY_DOWN, 3, 1},
        {Platform::KEY_UP, 3, 0},   {Platform::KEY_UP, 0, 2},   {Platform::KEY_UP, 0, 1},
    };
    for (const Step& step : steps) {
        input.PressKey(step.key);
        talk.Update(16);
        EXPECT_EQ(talk.GetFirst(), step.first);
        EXPECT_EQ(talk.GetHighlight(), step.highlight);
    }
    // A click outside the rows takes the highlighted one.
    Click();
    EXPECT_EQ(talk.GetHighlight(), -1);
    Run(16);
    EXPECT_EQ(talk.GetState(), DIALOG_STATE_SENTENCE);
}

TEST_F(DialogInterfaceTest, AutoTestTakesTheRecordedAnswerOrTheOneAfterTheLastChosen)
{
    TwGame::s_bAutoTest = true;
    Start(Offer(4));
    // 102 is offered and taken; 999 is not, so the one after 102 is taken;
    // then nothing is recorded and the next one again, which ends the dialog.
    // Each answer's sentence turns at once.
    EventDesc oAnswer {};
    world.services.recorded.push_back(
        *BuildEvent(&oAnswer, TwEventType_Dialog_AutoTest, 1, ID_PARAMETER_TYPE_INT, 102));
    world.services.recorded.push_back(
        *BuildEvent(&oAnswer, TwEventType_Dialog_AutoTest, 1, ID_PARAMETER_TYPE_INT, 999));
    for (int i = 0; i < 1000 && !world.Manager().GetCurrentDialog()->IsEnded(); ++i)
        Run(16);
    EXPECT_TRUE(world.Manager().GetCurrentDialog()->IsEnded());
    EXPECT_EQ(world.services.next, 2u);
    EXPECT_EQ(world.Manager().GetLastSelected(0), 1);
    EXPECT_EQ(world.Manager().GetLastSelected(1), 2);
    EXPECT_EQ(world.Manager().GetLastSelected(2), 3);
}

TEST_F(DialogInterfaceTest, UnderAutoTestASentenceTurnsAtOnceOrOnceTypedWhenTheSwitchSaysSo)
{
    TwGame::s_bAutoTest = true;
    Start(Root({Sentence(2, HERO)}));
    Run(16);
    EXPECT_EQ(talk.GetFirst(), 3);
    Run(16 * 3);
    ASSERT_TRUE(world.Manager().GetCurrentDialog()->IsEnded());

    TwGame::s_bAutoTestWaitsForSentences = true;
    Start(Root({Sentence(2, HERO)}));
    // "one", "two" and "three" alone take 11 + 10 + 12 frames of 16 ms,
    // and the portrait must have arrived.
    Run(16);
    ASSERT_EQ(talk.GetFirst(), 0);
    int frames = 1;
    for (; frames < 200 && talk.GetFirst() == 0; ++frames)
        Run(16);
    EXPECT_EQ(talk.GetFirst(), 3);
    EXPECT_GE(frames, 33);
    TwGame::s_bAutoTestWaitsForSentences = false;
}

TEST_F(DialogInterfaceTest, TheStripFadesWhileTheTalkLastsAndIsActiveUntilThePortraitHasLeft)
{
    Start(Root({Sentence(1, MOTHER)}));
    Run(16);
    EXPECT_TRUE(talk.IsActive());
    // 2.1 alpha a second: full after 0.49 s.
    EXPECT_EQ(talk.GetStripAlpha(), CoreFx::Mul(DialogInterface::FADE_RATE, 16 * 4096 / 1000));
    Run(16 * 30);
    EXPECT_EQ(talk.GetStripAlpha(), U);
    Click();
    Click();
    ASSERT_TRUE(world.Manager().GetCurrentDialog()->IsEnded());
    Run(16);
    EXPECT_EQ(talk.GetState(), DIALOG_STATE_NONE);
    EXPECT_TRUE(talk.IsActive());
    Settle();
    EXPECT_FALSE(talk.IsActive());
    EXPECT_FALSE(talk.GetPortrait().m_bVisible);
    Run(16 * 30);
    EXPECT_EQ(talk.GetStripAlpha(), 0);
}

TEST_F(DialogInterfaceTest, LongTextsAreCutToTenLinesAndEachLineToItsBuffer)
{
    // Twelve lines; the first is 100 three-byte code points without a blank.
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "\xE2\x82\xAC";
    for (int i = 0; i < 11; ++i)
        text += "\nx";
    world.AddTexts({{9, text}});
    Start(Root({Sentence(9, HERO)}));
    LogCapture log;
    Run(16);
    EXPECT_NE(log.Take().find("m_iNbSubstrings <= DialogConstants::NB_TEXT_LINES_MAX"), std::string::npos);
    EXPECT_EQ(talk.GetLineCount(), DialogConstants::NB_TEXT_LINES_MAX);
    // 42 whole code points fill 126 of the 127 bytes before the NUL.
    EXPECT_EQ(std::string(talk.GetLine(0)), text.substr(0, 126));
    EXPECT_STREQ(talk.GetLine(9), "x");
}

TEST_F(DialogInterfaceTest, ACaptionIsCutAtWholeCodePointsAndNotDrawnWhileTheGameIsBusy)
{
    std::string caption;
    for (int i = 0; i < 100; ++i)
        caption += "\xC3\xA9";
    LogCapture log;
    talk.SetCaptionDisplayed(caption.c_str());
    EXPECT_NE(log.Take().find("sCaption==NULL || strlen(sCaption)< NB_CHAR_MAX"), std::string::npos);
    EXPECT_EQ(std::string(talk.GetCaption()), caption.substr(0, 126));

    talk.SetCaptionDisplayed("The door");
    EXPECT_TRUE(talk.IsCaptionDisplayed());
    world.services.busy = true;
    EXPECT_EQ(GlyphsDrawn(true), 0u);
    world.services.busy = false;
    ASSERT_GT(GlyphsDrawn(true), 0u);
    // One line, its bottom on y 176.
    EXPECT_LT(world.text.glyphs[0].y, 176 * U);
    Run(1000);
    EXPECT_EQ(talk.GetCaptionAlpha(), U);
    talk.SetCaptionDisplayed(nullptr);
    EXPECT_FALSE(talk.IsCaptionDisplayed());
}

// A window wider than 4:3 (1280 x 720: 341.33 units) has side margins of
// 42.67 units beyond the virtual screen.
class WideDialogInterfaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        CoreRendererSettings settings;
        settings.m_uWidth = 1280;
        settings.m_uHeight = 720;
        settings.m_uPrimitiveBufferSize = 768;
        ASSERT_TRUE(m_renderer.Initialize(settings));
        world.SetUp();
        world.AddTexts({{1, "Short."}});
        ASSERT_TRUE(talk.Initialize());
    }
    void TearDown() override
    {
        talk.Shutdown();
        world.TearDown();
        m_renderer.Shutdown();
    }

    TestSupport::ScopedNullGraphics m_graphics;
    CoreRenderer m_renderer;
    TalkWorld world;
    DialogInterface talk;
};

TEST_F(WideDialogInterfaceTest, PortraitsStandAtTheWindowsEdgesAndTheStripSpansIt)
{
    const fx32 margin = (CoreVisibleScreenWidth(1280, 720) - VIRTUAL_SCREEN_WIDTH) / 2;
    ASSERT_GT(margin, 42 * U);
    world.AddGroup(OneDialog(Root({Sentence(1, MOTHER), Sentence(1, HERO)})), GROUP);
    world.Manager().StartDialog(KEY);
    const InterfaceSprite& portrait = talk.GetPortrait();
    talk.Update(16);
    EXPECT_EQ(portrait.m_fxX, 364 * U + margin);
    for (int i = 0; i < 30; ++i)
        talk.Update(16);
    EXPECT_EQ(portrait.m_fxX, 256 * U + margin);
    // The sentence turns by itself; the kid comes in from beyond the left
    // edge.
    for (int i = 0; i < 30 && talk.GetSpeaker() != HERO; ++i)
        talk.Update(1000);
    for (int i = 0; i < 30 && talk.GetDisplayedSpeaker() != HERO; ++i)
        talk.Update(16);
    EXPECT_EQ(portrait.m_fxX, -80 * U - margin);
    for (int i = 0; i < 30; ++i)
        talk.Update(16);
    EXPECT_EQ(portrait.m_fxX, -margin);

    // The strip is drawn from the left edge to the right edge of the window.
    m_graphics.Recorder().Clear();
    ASSERT_TRUE(m_renderer.BeginFrame());
    talk.Draw();
    m_renderer.EndFrame();
    const std::vector<Platform::GraphicsCall> draws = m_graphics.Recorder().Named("DrawPrimitiveUP");
    ASSERT_FALSE(draws.empty());
    CorePrimitiveVertex strip[4];
    ASSERT_EQ(draws[0].data.size(), sizeof strip);
    std::memcpy(strip, draws[0].data.data(), sizeof strip);
    const float halfPixel = m_renderer.GetHalfPixelOffsetX();
    EXPECT_NEAR(strip[0].x + halfPixel, CoreFx::ToFloat(-margin), 0.01f);
    EXPECT_NEAR(strip[1].x + halfPixel, CoreFx::ToFloat(VIRTUAL_SCREEN_WIDTH + margin), 0.01f);
    EXPECT_NEAR(strip[0].y + m_renderer.GetHalfPixelOffsetY(), 142.0f, 0.01f);
}

} // namespace
