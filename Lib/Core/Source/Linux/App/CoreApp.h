#pragma once
#include "Window/Window.h"

#include <cstdint>
#include <memory>

class CoreRenderer;

// The application object: the window with its message pump, the 16 ms frame
// pacing, and the quit flag the game's main loop ends on.
class CoreApp : public Platform::WindowProcedure {
public:
    static constexpr const char* CLASS_NAME = "APPATOM";
    static constexpr const char* TITLE = "Velmarsh";
    // The shortest frame, in milliseconds.
    static constexpr uint64_t MIN_FRAME_MS = 16;

    CoreApp();
    ~CoreApp() override;
    CoreApp(const CoreApp&) = delete;
    CoreApp& operator=(const CoreApp&) = delete;

    // Makes the application window; false when the window system or the
    // window cannot be made.
    bool CreateAppWindow(bool fullScreen);
    void DestroyAppWindow();

    // Paces the frame to at least 16 ms after the last pacing point (sleeping
    // until that deadline, which becomes the next pacing point), then
    // dispatches every waiting message; false (without pumping) once the
    // quit flag is set.
    bool Update();

    // The window procedure: close, activation, cursor and system keys.
    bool WindowProc(Platform::WindowMessage message, uint32_t parameter) override;

    Platform::Window* GetWindow() const { return m_pWindow.get(); }

    bool m_bQuit = false;
    // Set by the game once the renderer is made, cleared when it is destroyed.
    CoreRenderer* m_pRenderer = nullptr;

private:
    void ChooseCursor();

    std::unique_ptr<Platform::Window> m_pWindow;
    // High-resolution counter value of the last pacing point.
    uint64_t m_uLastPacingPoint = 0;
};

// The one application object, made by CoreSystem::Initialize.
extern CoreApp* g_pCoreApp;

// The core's per-frame step: CoreApp::Update of the application.
bool CoreUpdate();
