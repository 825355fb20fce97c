// The subsystems see the game object only through the game link: what the
// game object holds reaches them, and a link installed instead replaces it
// everywhere.
#include "Common/GameLink.h"

#include "Game/TwGame.h"
#include "Scene/Common/SceneLog.h"
#include "Scene/Common/SceneScreen.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

using TestSupport::LogOf;

namespace {

// A game of its own: a fixed clock stamp and window, paused, under
// auto-test.
class StandInGameLink final : public GameLink {
public:
    const char* GetClockString() override { return "12h:34m:56s"; }
    void LogStep(const char*) override { }
    bool IsPaused() override { return true; }
    bool IsAutoTest() override { return true; }
    bool AutoTestWaitsForSentences() override { return true; }
    void StartAutoTestPlayback() override { }
    void EndAsFailed() override { }
    int32_t GetGameLanguage() override { return 2; }
    int32_t GetVoiceLanguage() override { return 1; }
    void SetGameLanguage(int32_t) override { }
    void SetVoiceLanguage(int32_t) override { }
    uint64_t GetGameClock() override { return 45296000; }
    void SetGameClock(uint64_t) override { }
    ScreenColorEffect* GetFade(GlobalFade) override { return nullptr; }
    int32_t GetFadeSlot(GlobalFade) override { return -1; }
    Tw::Font& GetMainFont() override { return TwGame::MainFont; }
    Tw::Font& GetSmallFont() override { return TwGame::SmallFont; }
    bool PlaysLowResolutionVideo() override { return false; }
    uint32_t GetWindowWidth() override { return 800; }
    uint32_t GetWindowHeight() override { return 480; }
    FiniteStateManager& GetStates() override { return g_oTwGame; }
};

class GameLinkTest : public testing::Test {
protected:
    ~GameLinkTest() override
    {
        SetGameLink(nullptr);
        g_oTwGame.m_uGameClock = m_uSavedClock;
        g_oTwGame.m_bPaused = m_bSavedPause;
        g_oTwGame.m_oDisplaySettings = m_oSavedDisplay;
        g_oTwGame.m_iVoiceLanguage = m_iSavedVoice;
    }

    uint64_t m_uSavedClock = g_oTwGame.m_uGameClock;
    uint8_t m_bSavedPause = g_oTwGame.m_bPaused;
    TwGame::DisplaySettings m_oSavedDisplay = g_oTwGame.m_oDisplaySettings;
    int32_t m_iSavedVoice = g_oTwGame.m_iVoiceLanguage;
};

} // namespace

TEST_F(GameLinkTest, WhatTheGameObjectHoldsReachesTheSubsystemsThroughTheDefaultLink)
{
    g_oTwGame.m_uGameClock = 3723000;
    g_oTwGame.m_bPaused = 1;
    g_oTwGame.m_oDisplaySettings.uWidth = 1024;
    g_oTwGame.m_oDisplaySettings.uHeight = 768;
    EXPECT_EQ(LogOf([] { LogSceneInfo("a scene line\n"); }), "INFO[01h:02m:03s]:a scene line\n");
    EXPECT_TRUE(GetGameLink().IsPaused());
    const SceneWindow window = SceneWindow::Current();
    EXPECT_EQ(window.m_uWidth, 1024u);
    EXPECT_EQ(window.m_uHeight, 768u);

    // Before the settings are read, scenes take the default window.
    g_oTwGame.m_oDisplaySettings = TwGame::DisplaySettings {};
    EXPECT_EQ(SceneWindow::Current().m_uWidth, 1280u);
    EXPECT_EQ(SceneWindow::Current().m_uHeight, 960u);

    GetGameLink().SetVoiceLanguage(2);
    EXPECT_EQ(g_oTwGame.m_iVoiceLanguage, 2);
    GetGameLink().SetGameClock(59000);
    EXPECT_EQ(g_oTwGame.m_uGameClock, 59000u);
}

TEST_F(GameLinkTest, AnInstalledLinkReplacesTheGameObjectUntilTheDefaultIsPutBack)
{
    g_oTwGame.m_uGameClock = 0;
    StandInGameLink standIn;
    SetGameLink(&standIn);
    EXPECT_EQ(LogOf([] { LogSceneWarning("a warning\n"); }), "WARN[12h:34m:56s]:a warning\n");
    EXPECT_EQ(SceneWindow::Current().m_uWidth, 800u);
    EXPECT_EQ(SceneWindow::Current().m_uHeight, 480u);

    SetGameLink(nullptr);
    EXPECT_EQ(LogOf([] { LogSceneWarning("a warning\n"); }), "WARN[00h:00m:00s]:a warning\n");
    EXPECT_EQ(&GetGameLink().GetStates(), &g_oTwGame);
}
