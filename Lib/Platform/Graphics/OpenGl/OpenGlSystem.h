#pragma once
#include "Graphics/GraphicsSystem.h"

namespace Platform {

// The graphics system over SDL's video and OpenGL: devices draw into SDL
// windows made with SDL_WINDOW_OPENGL after PrepareOpenGlWindowAttributes.
class OpenGlSystem final : public GraphicsSystem {
public:
    OpenGlSystem();
    ~OpenGlSystem() override;
    OpenGlSystem(const OpenGlSystem&) = delete;
    OpenGlSystem& operator=(const OpenGlSystem&) = delete;

    GraphicsResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) override;
    GraphicsResult CheckDeviceMultiSampleType(uint32_t adapter, uint32_t deviceType, uint32_t format, bool windowed,
                                              uint32_t multiSampleType) override;
    GraphicsResult CheckDeviceFormat(uint32_t adapter, uint32_t deviceType, uint32_t adapterFormat, uint32_t usage,
                                     uint32_t resourceType, uint32_t checkFormat) override;
    GraphicsResult CreateDevice(uint32_t adapter, uint32_t deviceType, SDL_Window* focusWindow, uint32_t behaviorFlags,
                                PresentParameters* parameters, GraphicsDevice** device) override;

private:
    // The most samples an off-screen back buffer can have, asked once of a
    // hidden window's context (0 when none can be made).
    uint32_t MaxSamples();

    bool m_bVideo = false;
    bool m_bMaxSamplesKnown = false;
    uint32_t m_uMaxSamples = 0;
};

} // namespace Platform
