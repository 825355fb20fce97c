#include "App/CoreApp.h"
#include "Common/ProfileSections.h"
#include "Game/TwGame.h"
#include "Profiler/CoreProfiler.h"
#include "Sound/CoreSound.h"
#include "Support/LogCapture.h"
#include "Support/ScopedService.h"
#include "Support/ScopedSoundEngine.h"
#include "System/FakeClock.h"
#include "Video/HeadlessVideoSystem.h"

#include <gtest/gtest.h>

#include <SDL.h>

namespace {

Platform::FakeClock* s_pClock = nullptr;
int s_iPumpsBeforeClose = 0;
int s_iPumps = 0;
// The frame work each pump stands for, by pump.
double (*s_pPumpWork)(int pump) = nullptr;

// A window whose every pump stands for 4.6 ms of frame work, and which is
// closed on a chosen pump.
class CountdownWindow final : public Platform::Window {
public:
    bool RegisterClass(const char*) override { return true; }
    bool Create(const char*, bool, Platform::WindowProcedure* procedure) override
    {
        m_pProcedure = procedure;
        return true;
    }
    void Destroy() override { }
    bool Exists() const override { return true; }
    void PumpMessages() override
    {
        s_pClock->AdvanceMilliseconds(s_pPumpWork ? s_pPumpWork(s_iPumps) : 4.6);
        if (++s_iPumps == s_iPumpsBeforeClose) {
            SDL_Event quit {};
            quit.type = SDL_QUIT;
            HandleEvent(quit, 1);
        }
    }
    void GetClientSize(int& width, int& height) const override
    {
        width = 640;
        height = 480;
    }
    void SetClientSize(int, int) override { }
    void SetCursorShape(Platform::CursorShape) override { }
    SDL_Window* GetSdlWindow() const override { return nullptr; }

private:
    void DefaultClose() override { }
};

std::unique_ptr<Platform::Window> MakeCountdownWindow()
{
    return std::make_unique<CountdownWindow>();
}

class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_pClock = &m_clock;
        s_iPumps = 0;
        s_pPumpWork = nullptr;
        Platform::SetClock(&m_clock);
        Platform::SetWindowFactory(MakeCountdownWindow);
        g_pCoreApp = new CoreApp();
        ASSERT_TRUE(g_pCoreApp->CreateAppWindow(false));
    }
    void TearDown() override
    {
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        Platform::SetWindowFactory(nullptr);
        Platform::SetClock(nullptr);
        TwGame::s_bAutoTest = false;
        TwGame::s_iStartSpeedShift = TwGame::NORMAL_SPEED_SHIFT;
    }

    Platform::FakeClock m_clock;
};

TEST_F(MainLoopTest, RunsPacedFramesUntilTheWindowCloses)
{
    s_iPumpsBeforeClose = 6; // the pump before the loop, then five frames
    const Core::CoreProfiler& profiler = Core::CoreProfiler::GetInstance();
    const int firstProfileFrame = profiler.CurrentFrame();
    TwGame game;
    TestSupport::LogCapture capture;
    game.MainLoop();
    game.ShutdownStates();
    capture.Take();

    // One profile frame per frame, each with its sections.
    EXPECT_EQ(profiler.CurrentFrame(), (firstProfileFrame + 5) % Core::MAX_PROFILE_FRAME);
    EXPECT_EQ(profiler.LastCompleteFrame(), profiler.CurrentFrame());
    const Core::CoreProfiler::Frame& frame = profiler.GetFrame(profiler.CurrentFrame());
    EXPECT_EQ(frame.m_vSections[PROFILE_UPDATE].m_iCount, 1u);
    EXPECT_EQ(frame.m_vSections[PROFILE_UPDATE_MISC].m_iCount, 2u);
    EXPECT_EQ(frame.m_vSections[PROFILE_UPDATE_STATE].m_iCount, 1u);
    EXPECT_EQ(frame.m_vSections[PROFILE_RENDER].m_iCount, 1u);
    EXPECT_EQ(frame.m_vSections[PROFILE_SYNC].m_iCount, 1u);
    EXPECT_EQ(profiler.OpenSections(), 0);

    EXPECT_EQ(s_iPumps, 6);
    EXPECT_TRUE(g_pCoreApp->m_bQuit);
    // Each frame's 4.6 ms of work is topped up to 16 ms, so that after the
    // first frame the game clock advances as much as the real clock.
    EXPECT_EQ(m_clock.Deadlines().size(), 5u);
    EXPECT_EQ(game.m_uGameClock, 5u * 16u);
    EXPECT_EQ(game.m_iLastClock, 4 + 4 * 16);
}

TEST_F(MainLoopTest, TheMovieDecoderStartsLoadingOnceTheFirstFrameIsShown)
{
    Platform::HeadlessVideoSystem videos;
    TestSupport::ScopedService<Platform::VideoSystem> useVideos {Platform::SetVideoSystem, videos};
    s_iPumpsBeforeClose = 4;
    TwGame game;
    TestSupport::LogCapture capture;
    game.MainLoop();
    game.ShutdownStates();
    capture.Take();
    EXPECT_EQ(videos.Record().loadsAhead, 1u);
    EXPECT_TRUE(videos.Record().opens.empty());
}

TEST_F(MainLoopTest, AutoTestRunsTheGameClockFourTimesFaster)
{
    s_iPumpsBeforeClose = 4;
    TwGame::s_bAutoTest = true;
    TwGame::s_iStartSpeedShift = TwGame::AUTOTEST_SPEED_SHIFT;
    TwGame game;
    TestSupport::LogCapture capture;
    game.MainLoop();
    game.ShutdownStates();
    capture.Take();
    EXPECT_EQ(game.m_uGameClock, 3u * 64u);
}

TEST_F(MainLoopTest, OverTenSecondsTheGameClockKeepsToTheWallClock)
{
    // Work and late wake-ups that make the whole-millisecond clock read the
    // 16 ms frames now as 15, now as 17.
    s_iPumpsBeforeClose = 601;
    s_pPumpWork = [](int pump) { return 0.1 + (pump * 13 % 17) / 10.0; };
    m_clock.SetWakeUpLateness(0.05);
    TwGame game;
    TestSupport::LogCapture capture;
    game.MainLoop();
    game.ShutdownStates();
    capture.Take();

    const double wallMs = m_clock.Counter() / 1e6;
    EXPECT_NEAR(wallMs / 600, 16.0, 0.01);
    EXPECT_NEAR(double(game.m_uGameClock), wallMs, wallMs * 0.001);
}

TEST(TwGameProfilerTest, StartUpNamesTheGameSections)
{
    TwGame game;
    TestSupport::LogCapture capture;
    EXPECT_TRUE(game.InitializeProfiler());
    const std::string log = capture.Take();
    EXPECT_EQ(log.rfind(" - Initialize Profiler...\nINFO[00h:00m:00s]:Profiler done\n", 0), 0u) << log;
    const Core::CoreProfiler& profiler = Core::CoreProfiler::GetInstance();
    EXPECT_STREQ(profiler.GetSection(PROFILE_UPDATE).m_szName, "PROFILE_UPDATE");
    EXPECT_STREQ(profiler.GetSection(PROFILE_SYNC).m_szName, "PROFILE_SYNC");
    EXPECT_STREQ(profiler.GetSection(PROFILE_RENDER_CURSOR).m_szName, "PROFILE_RENDER_CURSOR");
    EXPECT_STREQ(profiler.GetSection(PROFILE_SECTION_COUNT).m_szName, "");
}

TEST_F(MainLoopTest, InactiveApplicationPausesTheGameExceptUnderAutoTest)
{
    TestSupport::ScopedSoundEngine sound;
    TwGame game;
    CoreSndPauseAll();
    game.Update(16);
    EXPECT_EQ(game.m_bPaused, 1);
    CoreSndResumeAll();
    game.Update(16);
    EXPECT_EQ(game.m_bPaused, 0);

    TwGame::s_bAutoTest = true;
    CoreSndPauseAll();
    game.Update(16);
    EXPECT_EQ(game.m_bPaused, 0);
}

} // namespace
