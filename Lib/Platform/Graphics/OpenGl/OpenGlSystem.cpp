#include "Graphics/OpenGl/OpenGlSystem.h"

#include "Graphics/OpenGl/OpenGlDevice.h"
#include "Graphics/OpenGl/OpenGlFunctions.h"
#include "Window/OpenGlAttributes.h"

#include <SDL.h>

namespace Platform {

namespace {

bool IsAdapter(uint32_t adapter, uint32_t deviceType)
{
    return adapter == 0 && deviceType == D3DDEVTYPE_HAL;
}

} // namespace

OpenGlSystem::OpenGlSystem()
{
    m_bVideo = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

OpenGlSystem::~OpenGlSystem()
{
    if (m_bVideo)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

GraphicsResult OpenGlSystem::GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode)
{
    SDL_DisplayMode desktop;
    if (adapter != 0 || !mode || !m_bVideo || SDL_GetDesktopDisplayMode(0, &desktop) != 0)
        return D3DERR_INVALIDCALL;
    *mode = DisplayMode {uint32_t(desktop.w), uint32_t(desktop.h), uint32_t(desktop.refresh_rate), D3DFMT_X8R8G8B8};
    return D3D_OK;
}

GraphicsResult OpenGlSystem::CheckDeviceMultiSampleType(uint32_t adapter, uint32_t deviceType, uint32_t format, bool,
                                                        uint32_t multiSampleType)
{
    const bool knownFormat = format == D3DFMT_X8R8G8B8 || format == D3DFMT_A8R8G8B8 || format == D3DFMT_D24S8;
    if (!IsAdapter(adapter, deviceType) || !knownFormat || multiSampleType < 2 || multiSampleType > 16)
        return D3DERR_NOTAVAILABLE;
    return multiSampleType <= MaxSamples() ? D3D_OK : D3DERR_NOTAVAILABLE;
}

GraphicsResult OpenGlSystem::CheckDeviceFormat(uint32_t adapter, uint32_t deviceType, uint32_t, uint32_t,
                                               uint32_t resourceType, uint32_t checkFormat)
{
    if (!IsAdapter(adapter, deviceType) || resourceType != D3DRTYPE_TEXTURE || !IsSupportedTextureFormat(checkFormat))
        return D3DERR_NOTAVAILABLE;
    return D3D_OK;
}

GraphicsResult OpenGlSystem::CreateDevice(uint32_t adapter, uint32_t deviceType, SDL_Window* focusWindow, uint32_t,
                                          PresentParameters* parameters, GraphicsDevice** device)
{
    if (!device || !parameters)
        return D3DERR_INVALIDCALL;
    *device = nullptr;
    SDL_Window* window = parameters->deviceWindow ? parameters->deviceWindow : focusWindow;
    if (!IsAdapter(adapter, deviceType) || !window || !(SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL))
        return D3DERR_INVALIDCALL;

    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    if (parameters->backBufferWidth == 0)
        parameters->backBufferWidth = uint32_t(width);
    if (parameters->backBufferHeight == 0)
        parameters->backBufferHeight = uint32_t(height);

    OpenGlDevice* made = new OpenGlDevice(window, *parameters);
    if (!made->Initialize(*parameters)) {
        delete made;
        return D3DERR_NOTAVAILABLE;
    }
    *device = made;
    return D3D_OK;
}

uint32_t OpenGlSystem::MaxSamples()
{
    if (m_bMaxSamplesKnown || !m_bVideo)
        return m_uMaxSamples;
    m_bMaxSamplesKnown = true;

    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
    PrepareOpenGlWindowAttributes();
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!probe)
        return m_uMaxSamples;
    if (SDL_GLContext context = SDL_GL_CreateContext(probe)) {
        OpenGlFunctions functions;
        functions.Load();
        if (functions.HasMultisampleTargets()) {
            GLint samples = 0;
            glGetIntegerv(GL_MAX_SAMPLES, &samples);
            m_uMaxSamples = samples > 0 ? uint32_t(samples) : 0;
        }
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(probe);
    if (previousContext)
        SDL_GL_MakeCurrent(previousWindow, previousContext);
    return m_uMaxSamples;
}

} // namespace Platform
