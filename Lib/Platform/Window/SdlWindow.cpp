#include "Window/SdlWindow.h"

#include "Window/OpenGlAttributes.h"
#include "Window/WindowPlacement.h"

#include <cstdlib>

namespace Platform {
namespace {

// The size a window has until the display is set up, as a window system
// would choose it.
constexpr int DEFAULT_WIDTH = 640;
constexpr int DEFAULT_HEIGHT = 480;

} // namespace

SdlWindow::~SdlWindow()
{
    Destroy();
}

bool SdlWindow::RegisterClass(const char* className)
{
    // Like a window class, the window system stays registered until the
    // process ends, and so does the OpenGL driver: drivers keep state made
    // once per process that unloading them would strand.
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        // The class name is what desktops group the window by; a value the
        // user set keeps precedence.
        setenv("SDL_VIDEO_X11_WMCLASS", className, 0);
        setenv("SDL_VIDEO_WAYLAND_WMCLASS", className, 0);
        // Close signals are ours (Window/CloseSignals.h), not SDL's.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            return false;
        SDL_GL_LoadLibrary(nullptr);
        s_bRegistered = true;
    }
    m_bRegistered = true;
    return true;
}

bool SdlWindow::Create(const char* title, bool fullScreen, WindowProcedure* procedure)
{
    if (!m_bRegistered || m_pWindow)
        return false;
    PrepareOpenGlWindowAttributes();
    Uint32 flags = SDL_WINDOW_OPENGL;
    if (fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    m_pWindow =
        SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, DEFAULT_WIDTH, DEFAULT_HEIGHT, flags);
    if (!m_pWindow)
        return false;
    m_bFullScreen = fullScreen;
    m_pProcedure = procedure;
    SDL_GetMouseState(&m_iPointerX, &m_iPointerY);
    return true;
}

void SdlWindow::Destroy()
{
    if (m_pArrowCursor) {
        SDL_FreeCursor(m_pArrowCursor);
        m_pArrowCursor = nullptr;
    }
    if (m_pWindow) {
        SDL_DestroyWindow(m_pWindow);
        m_pWindow = nullptr;
    }
    m_pProcedure = nullptr;
}

void SdlWindow::PumpMessages()
{
    HandleCloseSignal();
    const uint32_t windowId = m_pWindow ? SDL_GetWindowID(m_pWindow) : 0;
    SDL_Event event;
    while (SDL_PollEvent(&event))
        HandleEvent(event, windowId);
}

void SdlWindow::GetClientSize(int& width, int& height) const
{
    width = 0;
    height = 0;
    if (m_pWindow)
        SDL_GetWindowSize(m_pWindow, &width, &height);
}

void SdlWindow::SetClientSize(int width, int height)
{
    if (!m_pWindow)
        return;
    if (m_bFullScreen) {
        // Full screen at the asked resolution: the display mode changes to it.
        SDL_DisplayMode mode {};
        if (SDL_GetWindowDisplayMode(m_pWindow, &mode) == 0) {
            mode.w = width;
            mode.h = height;
            SDL_SetWindowDisplayMode(m_pWindow, &mode);
        }
        SDL_SetWindowSize(m_pWindow, width, height);
        SDL_SetWindowFullscreen(m_pWindow, SDL_WINDOW_FULLSCREEN);
        return;
    }
    ResizeWindowClientArea(m_pWindow, width, height);
}

void SdlWindow::SetCursorShape(CursorShape shape)
{
    if (shape == CursorShape::None) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    if (!m_pArrowCursor)
        m_pArrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (m_pArrowCursor)
        SDL_SetCursor(m_pArrowCursor);
    SDL_ShowCursor(SDL_ENABLE);
}

void SdlWindow::DefaultClose()
{
    // The window disappears at once; it is destroyed with the application,
    // after the graphics device has let go of it.
    if (m_pWindow)
        SDL_HideWindow(m_pWindow);
}

} // namespace Platform
