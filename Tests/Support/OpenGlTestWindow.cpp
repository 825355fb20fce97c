#include "Support/OpenGlTestWindow.h"

#include "Window/OpenGlAttributes.h"

#include <SDL.h>

namespace TestSupport {

namespace {

// Keeps the OpenGL driver loaded until the test process ends: a driver
// unloaded between tests leaves its own allocations unreachable, which the
// leak checker would report against the tests.
void KeepOpenGlLoaded()
{
    static bool s_bKept = false;
    if (s_bKept || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return;
    s_bKept = true;
    SDL_GL_LoadLibrary(nullptr);
}

} // namespace

OpenGlTestWindow::OpenGlTestWindow(uint32_t width, uint32_t height)
{
    m_bVideo = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!m_bVideo)
        return;
    KeepOpenGlLoaded();
    Platform::PrepareOpenGlWindowAttributes();
    m_pWindow = SDL_CreateWindow("test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, int(width), int(height),
                                 SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
}

OpenGlTestWindow::~OpenGlTestWindow()
{
    if (m_pWindow)
        SDL_DestroyWindow(m_pWindow);
    if (m_bVideo)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace TestSupport
