#include "App/CoreApp.h"

#include "Sound/CoreSound.h"
#include "Error/EngineAssert.h"
#include "Input/InputDevices.h"
#include "System/Clock.h"

CoreApp* g_pCoreApp = nullptr;

CoreApp::CoreApp() = default;

CoreApp::~CoreApp()
{
    DestroyAppWindow();
}

bool CoreApp::CreateAppWindow(bool fullScreen)
{
    m_pWindow = Platform::CreatePlatformWindow();
    if (!m_pWindow->RegisterClass(CLASS_NAME) || !m_pWindow->Create(TITLE, fullScreen, this)) {
        m_pWindow.reset();
        return false;
    }
    return true;
}

void CoreApp::DestroyAppWindow()
{
    m_pWindow.reset();
}

bool CoreApp::Update()
{
    Platform::Clock& clock = Platform::GetClock();
    const uint64_t now = clock.Counter();
    if (now > m_uLastPacingPoint) {
        // The frame's deadline is 16 ms after the last pacing point, to the
        // counter's own precision: a sleep rounded down to whole milliseconds
        // would make frames shorter than 16 ms and the game clock, which
        // counts at least 16 ms a frame, run ahead of real time.
        const uint64_t deadline = m_uLastPacingPoint + MIN_FRAME_MS * clock.CounterFrequency() / 1000u;
        if (now < deadline) {
            clock.SleepUntil(deadline);
            // The next deadline counts from this one, not from the wake-up:
            // a late wake-up then shortens the next sleep instead of making
            // every frame a little longer than 16 ms.
            m_uLastPacingPoint = deadline;
        } else {
            // A frame that overran its deadline does not sleep, and the
            // frames after it are not shortened to catch up.
            m_uLastPacingPoint = now;
        }
    }

    if (m_bQuit)
        return false;
    if (m_pWindow)
        m_pWindow->PumpMessages();
    return true;
}

bool CoreApp::WindowProc(Platform::WindowMessage message, uint32_t parameter)
{
    switch (message) {
    case Platform::WindowMessage::Close: m_bQuit = true; return true;
    case Platform::WindowMessage::ActivateApp:
        if (parameter != 0) {
            Platform::GetInputDevices().EnablePads(true);
            CoreSndResumeAll();
        } else {
            Platform::GetInputDevices().EnablePads(false);
            CoreSndPauseAll();
        }
        return true;
    case Platform::WindowMessage::SetCursor: ChooseCursor(); return true;
    case Platform::WindowMessage::SystemKeyDown:
        // Alt and F10 would otherwise open the window menu and stop the game.
        return parameter != Platform::VirtualKeyMenu && parameter != Platform::VirtualKeyF10;
    }
    return true;
}

void CoreApp::ChooseCursor()
{
    if (!m_pWindow)
        return;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    m_pWindow->GetCursorPosition(x, y);
    m_pWindow->GetClientSize(width, height);
    // The game draws its own pointer over the client area, edges included.
    const bool inside = x >= 0 && x <= width && y >= 0 && y <= height;
    m_pWindow->SetCursorShape(inside ? Platform::CursorShape::None : Platform::CursorShape::Arrow);
}

bool CoreUpdate()
{
    ENGINE_ASSERT(g_pCoreApp!=NULL);
    return g_pCoreApp ? g_pCoreApp->Update() : false;
}
