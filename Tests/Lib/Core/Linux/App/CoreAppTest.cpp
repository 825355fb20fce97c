#include "App/CoreApp.h"
#include "Input/HeadlessInputDevices.h"
#include "Sound/CoreSound.h"
#include "Support/LogCapture.h"
#include "Support/ScopedService.h"
#include "Support/ScopedSoundEngine.h"
#include "System/FakeClock.h"
#include "Window/CloseSignals.h"
#include "Window/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <vector>

namespace {

Platform::HeadlessWindow* s_pLastWindow = nullptr;

std::unique_ptr<Platform::Window> MakeHeadlessWindow()
{
    auto window = std::make_unique<Platform::HeadlessWindow>();
    s_pLastWindow = window.get();
    return window;
}

class CoreAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Platform::SetClock(&m_clock);
        Platform::SetWindowFactory(MakeHeadlessWindow);
    }
    void TearDown() override
    {
        Platform::SetWindowFactory(nullptr);
        Platform::SetClock(nullptr);
    }

    Platform::HeadlessWindow& MakeWindow(CoreApp& app, bool fullScreen = false)
    {
        EXPECT_TRUE(app.CreateAppWindow(fullScreen));
        return *s_pLastWindow;
    }

    static SDL_Event WindowEvent(SDL_WindowEventID id)
    {
        SDL_Event event {};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = Platform::HeadlessWindow::WINDOW_ID;
        event.window.event = id;
        return event;
    }

    static SDL_Event Motion(int x, int y)
    {
        SDL_Event event {};
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = Platform::HeadlessWindow::WINDOW_ID;
        event.motion.x = x;
        event.motion.y = y;
        return event;
    }

    Platform::FakeClock m_clock;
};

TEST_F(CoreAppTest, PacesFramesToTheirSixteenMillisecondDeadline)
{
    constexpr uint64_t MS = 1000000; // counter units of the fake clock
    CoreApp app;
    EXPECT_TRUE(app.Update()); // the counter has not moved since the start: nothing to pace
    EXPECT_TRUE(m_clock.Deadlines().empty());

    // Work of 4.6 ms sleeps the remaining 11.4 ms, fractions included; each
    // deadline counts from the previous wake-up.
    m_clock.AdvanceMilliseconds(4.6);
    app.Update();
    m_clock.AdvanceMilliseconds(4.6);
    app.Update();
    m_clock.AdvanceMilliseconds(15.5);
    app.Update();
    EXPECT_EQ(m_clock.Deadlines(), (std::vector<uint64_t> {16 * MS, 32 * MS, 48 * MS}));
    EXPECT_EQ(m_clock.Counter(), 48 * MS);

    // A frame of 16 ms or more does not sleep, and the next deadline counts
    // from its end; a frame in which no time passed is not paced at all.
    m_clock.AdvanceMilliseconds(16.0);
    app.Update();
    m_clock.AdvanceMilliseconds(30.0);
    app.Update();
    app.Update();
    EXPECT_EQ(m_clock.Deadlines().size(), 3u);
    m_clock.AdvanceMilliseconds(0.25);
    app.Update();
    ASSERT_EQ(m_clock.Deadlines().size(), 4u);
    EXPECT_EQ(m_clock.Deadlines().back(), 110 * MS);
    EXPECT_TRUE(m_clock.Sleeps().empty()); // no whole-millisecond sleeps
}

TEST_F(CoreAppTest, LateWakeUpsAndUnevenWorkKeepFramesToSixteenMillisecondsOnAverage)
{
    constexpr int FRAMES = 600;
    CoreApp app;
    m_clock.SetWakeUpLateness(0.37);
    m_clock.AdvanceMilliseconds(1.0);
    app.Update();
    const uint64_t start = m_clock.Counter();
    uint64_t shortest = UINT64_MAX;
    for (int frame = 0; frame < FRAMES; ++frame) {
        const uint64_t wokenAt = m_clock.Counter();
        // Work from 0.2 to 9.2 ms, never past the deadline.
        m_clock.AdvanceMilliseconds(0.2 + (frame * 7 % 10));
        app.Update();
        shortest = std::min(shortest, m_clock.Counter() - wokenAt);
    }
    const double meanMs = double(m_clock.Counter() - start) / FRAMES / 1e6;
    EXPECT_NEAR(meanMs, 16.0, 0.001);
    // Only the lateness of a wake-up comes off the next frame.
    EXPECT_GE(shortest, uint64_t(15.6e6));

    // A long frame is not made up for by shorter ones after it.
    m_clock.SetWakeUpLateness(0.0);
    m_clock.AdvanceMilliseconds(40.0);
    app.Update();
    const uint64_t afterLongFrame = m_clock.Counter();
    m_clock.AdvanceMilliseconds(1.0);
    app.Update();
    EXPECT_EQ(m_clock.Counter() - afterLongFrame, uint64_t(16e6));
}

TEST_F(CoreAppTest, CreatesTheWindowOfItsClass)
{
    CoreApp app;
    Platform::HeadlessWindow& window = MakeWindow(app, true);
    EXPECT_EQ(window.ClassName(), "APPATOM");
    EXPECT_EQ(window.Title(), "Velmarsh");
    EXPECT_TRUE(window.IsFullScreen());
    EXPECT_TRUE(window.IsVisible());
    EXPECT_EQ(app.GetWindow(), &window);
}

TEST_F(CoreAppTest, CloseSetsTheQuitFlagAndStopsThePump)
{
    CoreApp app;
    Platform::HeadlessWindow& window = MakeWindow(app);
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_CLOSE));
    EXPECT_TRUE(app.Update());
    EXPECT_TRUE(app.m_bQuit);
    EXPECT_FALSE(window.IsVisible());
    EXPECT_TRUE(window.Exists()); // destroyed only with the application

    const int pumps = window.PumpCount();
    window.PostEvent(Motion(10, 10));
    EXPECT_FALSE(app.Update());
    EXPECT_EQ(window.PumpCount(), pumps);
}

TEST_F(CoreAppTest, TerminationSignalClosesLikeTheCloseButton)
{
    Platform::InstallCloseSignals();
    CoreApp app;
    MakeWindow(app);
    std::raise(SIGTERM);
    app.Update();
    EXPECT_TRUE(app.m_bQuit);
    EXPECT_FALSE(Platform::TakeCloseSignal()); // taken once
}

TEST_F(CoreAppTest, DeactivationPausesPadsAndSoundAndActivationResumesThem)
{
    TestSupport::ScopedSoundEngine sound;
    Platform::HeadlessInputDevices devices;
    TestSupport::ScopedService<Platform::InputDevices> installed(Platform::SetInputDevices, devices);
    Platform::PadState pad {};
    pad.buttons = Platform::XINPUT_GAMEPAD_A;
    devices.SetPad(0, pad);

    CoreApp app;
    Platform::HeadlessWindow& window = MakeWindow(app);
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    app.Update();
    EXPECT_TRUE(CoreSndIsPaused());
    ASSERT_TRUE(devices.ReadPad(0, pad));
    EXPECT_EQ(pad.buttons, 0);
    window.PostEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    app.Update();
    EXPECT_FALSE(CoreSndIsPaused());
    ASSERT_TRUE(devices.ReadPad(0, pad));
    EXPECT_EQ(pad.buttons, Platform::XINPUT_GAMEPAD_A);
    EXPECT_FALSE(app.m_bQuit);
}

TEST_F(CoreAppTest, CursorIsHiddenOverTheClientAreaEdgesIncluded)
{
    CoreApp app;
    Platform::HeadlessWindow& window = MakeWindow(app);
    window.SetClientSize(640, 480);
    struct Case {
        int x;
        int y;
        Platform::CursorShape expected;
    };
    const Case cases[] = {
        {0, 0, Platform::CursorShape::None},     {640, 480, Platform::CursorShape::None},
        {641, 10, Platform::CursorShape::Arrow}, {10, 481, Platform::CursorShape::Arrow},
        {-1, 10, Platform::CursorShape::Arrow},  {320, 240, Platform::CursorShape::None},
    };
    for (const Case& c : cases) {
        window.PostEvent(Motion(c.x, c.y));
        app.Update();
        EXPECT_EQ(window.Cursor(), c.expected) << c.x << "," << c.y;
    }
}

TEST_F(CoreAppTest, AltAndF10AreSwallowedOtherSystemKeysPassOn)
{
    CoreApp app;
    EXPECT_FALSE(app.WindowProc(Platform::WindowMessage::SystemKeyDown, Platform::VirtualKeyMenu));
    EXPECT_FALSE(app.WindowProc(Platform::WindowMessage::SystemKeyDown, Platform::VirtualKeyF10));
    EXPECT_TRUE(app.WindowProc(Platform::WindowMessage::SystemKeyDown, 0));
    // Alt+F4: the key itself is swallowed, the close it makes still quits.
    EXPECT_TRUE(app.WindowProc(Platform::WindowMessage::Close, 0));
    EXPECT_TRUE(app.m_bQuit);
}

TEST_F(CoreAppTest, CoreUpdateWithoutApplicationAssertsAndFails)
{
    ASSERT_EQ(g_pCoreApp, nullptr);
    TestSupport::LogCapture capture;
    EXPECT_FALSE(CoreUpdate());
    const std::string output = capture.Take();
    EXPECT_NE(output.find("condition: g_pCoreApp!=NULL\n"), std::string::npos) << output;
    EXPECT_NE(output.find("function:  CoreUpdate\n"), std::string::npos) << output;
}

} // namespace
