#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Input/KeyCodes.h"
#include "Support/MainHeap.h"
#include "Support/ScopedInputSystem.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

// Button 0's line, in pixels of the 1280 x 960 window.
constexpr int32_t QUIT_LINE_Y = 114 * 5;

// The game's update pass on the game object, with the quit box bound to the
// sample font and the four fades in the effect list.
class QuitBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        const std::string path = (TestSupport::DataDir() / "fonts/MainFont.fnt.bin").string();
        ASSERT_TRUE(m_font.Initialize(path.c_str(), {"MainFont_00", 0}));
        g_oTwGame.GetQuitBox().Initialize(&m_font);
        g_oTwGame.InitializeEffects();
        g_pCoreApp = new CoreApp();
        // Every scene's input lets Esc through.
        InputEventHandler::m_pSingleton->EnableEventTrigger(InputEventId_Quit, true);
    }
    void TearDown() override
    {
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        g_oTwGame.ResetFades();
        g_oTwGame.GetQuitBox().Hide();
        g_oTwGame.GetQuitBox().Release();
        g_bQuitBoxShown = 0;
        g_oTwGame.m_bPaused = 0;
        m_font.Release();
    }

    void Frames(int count = 1)
    {
        for (int frame = 0; frame < count; ++frame)
            g_oTwGame.Update(16);
    }
    void PressEscape()
    {
        m_input.Devices().SetKey(Platform::KEY_ESCAPE, true);
        Frames();
        m_input.Devices().SetKey(Platform::KEY_ESCAPE, false);
    }
    void Click()
    {
        m_input.Devices().SetMouseButton(0, true);
        Frames();
        m_input.Devices().SetMouseButton(0, false);
    }

    Tw::Font m_font;
    TestSupport::ScopedInputSystem m_input;
};

TEST_F(QuitBoxTest, EscapeOpensTheBoxAndEscapeAgainCancelsItWithoutQuitting)
{
    PressEscape();
    Frames();
    EXPECT_EQ(g_bQuitBoxShown, 1);
    EXPECT_EQ(g_oTwGame.GetQuitBox().GetButtonCount(), 2);
    PressEscape();
    Frames();
    EXPECT_EQ(g_bQuitBoxShown, 0);
    EXPECT_FALSE(g_oTwGame.GetQuitBox().IsShown());
    EXPECT_FALSE(g_pCoreApp->m_bQuit);
    EXPECT_EQ(g_oTwGame.m_bPaused, 0);
}

TEST_F(QuitBoxTest, EscapeThenAClickOnTheQuitButtonEndsTheLoop)
{
    PressEscape();
    m_input.Devices().SetPointer(640, QUIT_LINE_Y);
    Frames(2);
    EXPECT_EQ(g_oTwGame.GetQuitBox().GetResult(), TwGame::QUIT_BUTTON);
    EXPECT_FALSE(g_pCoreApp->m_bQuit);
    Click();
    Frames();
    EXPECT_TRUE(g_pCoreApp->m_bQuit);
    EXPECT_EQ(g_bQuitBoxShown, 0);
}

TEST_F(QuitBoxTest, TheStayButtonClosesTheBoxAndTheGameGoesOn)
{
    PressEscape();
    m_input.Devices().SetPointer(640, QUIT_LINE_Y + 38 * 5);
    Frames(2);
    Click();
    Frames();
    EXPECT_FALSE(g_pCoreApp->m_bQuit);
    EXPECT_EQ(g_bQuitBoxShown, 0);
}

TEST_F(QuitBoxTest, WhileTheBoxIsShownTheGameIsPausedAndTheFadesStandStill)
{
    ScreenColorEffect* fade = g_oTwGame.GetFade(GlobalFade::OutToBlack);
    fade->Start();
    PressEscape();
    const fx32 elapsed = fade->GetElapsed();
    Frames(3);
    EXPECT_EQ(g_oTwGame.m_bPaused, 1);
    EXPECT_EQ(fade->GetElapsed(), elapsed);
    PressEscape();
    Frames();
    EXPECT_EQ(g_oTwGame.m_bPaused, 0);
    EXPECT_GT(fade->GetElapsed(), elapsed);
}

} // namespace
