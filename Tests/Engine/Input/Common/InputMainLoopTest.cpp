// The running main loop reading real SDL input: events are pushed into SDL's
// queue between frames and reach the game through the window's pump.
#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputSystem.h"
#include "Input/CoreInput.h"
#include "Input/InputEventHandler.h"
#include "Input/InputEventTrigger.h"
#include "Input/InputPointer.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"
#include "Window/SdlWindow.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <set>
#include <vector>

namespace {

// What happens at each pump of the window: the pump after frame k records
// the events that frame k answered, then pushes the events of the next frame.
struct PumpScript {
    std::vector<std::function<void()>> steps;
    std::vector<std::set<uint16_t>> answered;
    uint32_t pointerValue = 0;
    int pumps = 0;
};
PumpScript* s_pScript = nullptr;

std::set<uint16_t> ActiveEvents()
{
    std::set<uint16_t> events;
    const InputEventHandler& handler = *InputEventHandler::m_pSingleton;
    for (uint32_t index = 0; index < handler.GetActiveTriggerCount(); ++index)
        events.insert(handler.GetActiveTrigger(index)->GetEventId());
    return events;
}

// The real application window, with the script run before each pump.
class ScriptedSdlWindow final : public Platform::Window {
public:
    bool RegisterClass(const char* className) override { return m_window.RegisterClass(className); }
    bool Create(const char* title, bool fullScreen, Platform::WindowProcedure* procedure) override
    {
        return m_window.Create(title, fullScreen, procedure);
    }
    void Destroy() override { m_window.Destroy(); }
    bool Exists() const override { return m_window.Exists(); }
    void PumpMessages() override
    {
        const int pump = s_pScript->pumps++;
        if (pump > 0)
            s_pScript->answered.push_back(ActiveEvents());
        if (pump < static_cast<int>(s_pScript->steps.size()))
            s_pScript->steps[pump]();
        m_window.PumpMessages();
    }
    void GetClientSize(int& width, int& height) const override { m_window.GetClientSize(width, height); }
    void SetClientSize(int width, int height) override { m_window.SetClientSize(width, height); }
    void SetCursorShape(Platform::CursorShape shape) override { m_window.SetCursorShape(shape); }
    SDL_Window* GetSdlWindow() const override { return m_window.GetSdlWindow(); }

private:
    // The wrapped window answers its own events.
    void DefaultClose() override { }

    Platform::SdlWindow m_window;
};

std::unique_ptr<Platform::Window> MakeScriptedSdlWindow()
{
    return std::make_unique<ScriptedSdlWindow>();
}

uint32_t WindowId()
{
    return SDL_GetWindowID(g_pCoreApp->GetWindow()->GetSdlWindow());
}

void PushKey(SDL_Scancode scancode, bool down)
{
    SDL_Event event {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = WindowId();
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
}

void PushLeftButton(bool down, int x, int y)
{
    SDL_Event event {};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = WindowId();
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushQuit()
{
    SDL_Event quit {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

// Runs the main loop over the real window and devices with the script's
// steps before each pump. The start-up steps bring up the core with its input
// devices and the input system, then the users' switches: the quit box's Esc
// event and a mini-game's controls.
void RunMainLoop(PumpScript& script)
{
    s_pScript = &script;
    Platform::SetWindowFactory(MakeScriptedSdlWindow);
    TestSupport::TempDir folder;
    TestSupport::ScopedWorkingDirectory workingDirectory(folder.Path());

    TwGame game;
    TestSupport::LogCapture capture;
    ASSERT_TRUE(game.ReadSettings());
    g_pCoreApp->GetWindow()->SetClientSize(1280, 720);
    ASSERT_TRUE(game.InitializeInputs());
    InputEventHandler::m_pSingleton->EnableEventTrigger(InputEventId_Quit, true);
    InputSystem::EnableGameEvents(true);

    game.MainLoop();

    game.ShutdownStates();
    game.ShutdownInputs();
    delete g_pCoreApp;
    g_pCoreApp = nullptr;
    capture.Take();
    Platform::SetWindowFactory(nullptr);
    s_pScript = nullptr;
}

TEST(InputMainLoopTest, PushedSdlEventsBecomeActiveEventsFrameByFrame)
{
    PumpScript script;
    script.steps = {
        // Before the first frame: Esc and left Ctrl down, a click on the
        // right edge of the picture area of a 1280 x 720 window.
        [] {
            PushKey(SDL_SCANCODE_ESCAPE, true);
            PushKey(SDL_SCANCODE_LCTRL, true);
            PushLeftButton(true, 1119, 360);
        },
        [&script] {
            InputEventHandler::m_pSingleton->IsEventActive(InputEventId_GamePointerPressed, &script.pointerValue,
                                                           nullptr);
            PushKey(SDL_SCANCODE_ESCAPE, false);
            PushLeftButton(false, 1119, 360);
        },
        [] { PushKey(SDL_SCANCODE_LCTRL, false); },
        PushQuit,
    };
    RunMainLoop(script);
    ASSERT_FALSE(testing::Test::HasFatalFailure());

    const std::vector<std::set<uint16_t>> expected = {
        {InputEventId_Quit, InputEventId_GamePause, InputEventId_GameCtrlPressed, InputEventId_GameCtrlHeld,
         InputEventId_GameSkip, InputEventId_GamePointerPressed, InputEventId_GamePointerHeld,
         InputEventId_GamePointerDown},
        // Esc opened the quit box, which follows the pointer from then on.
        {InputEventId_PointerMoved, InputEventId_PointerInside, InputEventId_GameCtrlHeld,
         InputEventId_GamePointerReleased, InputEventId_GamePointerUp},
        // The mini-game state, which ran first for the splash sequence, has
        // switched the mini-game controls off on leaving.
        {InputEventId_PointerMoved, InputEventId_PointerInside},
    };
    EXPECT_EQ(script.answered, expected);
    EXPECT_EQ(script.pointerValue, InputPackPointer(4091, 2048));
    EXPECT_EQ(Input::m_pSingleton, nullptr);
    EXPECT_EQ(InputSystem::m_pSingleton, nullptr);
}

TEST(InputMainLoopTest, ATapWithinOneFrameIsAPressInThatFrameAndAReleaseInTheNext)
{
    PumpScript script;
    script.steps = {
        // A click and a tap of left Ctrl, both down and up before one frame.
        // The select click's events outlast the mini-game controls, which
        // the splash sequence switches off when it ends.
        [] {
            for (const uint16_t id : {InputEventId_PointerPressed, InputEventId_PointerReleased})
                InputEventHandler::m_pSingleton->EnableEventTrigger(id, true);
            PushLeftButton(true, 640, 360);
            PushLeftButton(false, 640, 360);
            PushKey(SDL_SCANCODE_LCTRL, true);
            PushKey(SDL_SCANCODE_LCTRL, false);
        },
        [] {
            // Released and pressed again before the next frame while the
            // release is still on its way: both edges are read in turn.
            PushLeftButton(true, 640, 360);
        },
        [] {},
        PushQuit,
    };
    RunMainLoop(script);
    ASSERT_FALSE(testing::Test::HasFatalFailure());

    const std::vector<std::set<uint16_t>> expected = {
        {InputEventId_PointerPressed, InputEventId_GameSkip, InputEventId_GameCtrlPressed, InputEventId_GameCtrlHeld,
         InputEventId_GamePointerPressed, InputEventId_GamePointerHeld, InputEventId_GamePointerDown},
        {InputEventId_PointerReleased, InputEventId_GameCtrlReleased, InputEventId_GamePointerReleased,
         InputEventId_GamePointerUp},
        {InputEventId_PointerPressed},
    };
    EXPECT_EQ(script.answered, expected);
}

} // namespace
