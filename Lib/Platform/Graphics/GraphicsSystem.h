#pragma once
#include "Graphics/GraphicsDevice.h"
#include "Graphics/GraphicsRecords.h"
#include "Graphics/GraphicsResult.h"

#include <cstdint>
#include <functional>

struct SDL_Window;

namespace Platform {

// The graphics service before a device exists: the display, what the
// hardware offers, and the making of a device for a window. Only adapter 0
// and D3DDEVTYPE_HAL exist.
class GraphicsSystem {
public:
    virtual ~GraphicsSystem() = default;

    virtual GraphicsResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) = 0;
    // D3D_OK when a back buffer or depth buffer of the format can have the
    // given number of samples (2..16).
    virtual GraphicsResult CheckDeviceMultiSampleType(uint32_t adapter, uint32_t deviceType, uint32_t format,
                                                      bool windowed, uint32_t multiSampleType) = 0;
    // D3D_OK when textures of checkFormat can be made.
    virtual GraphicsResult CheckDeviceFormat(uint32_t adapter, uint32_t deviceType, uint32_t adapterFormat,
                                             uint32_t usage, uint32_t resourceType, uint32_t checkFormat) = 0;
    // Makes the device that draws into the window. A zero back-buffer width
    // or height takes the window's; the parameters are given back as made.
    virtual GraphicsResult CreateDevice(uint32_t adapter, uint32_t deviceType, SDL_Window* focusWindow,
                                        uint32_t behaviorFlags, PresentParameters* parameters,
                                        GraphicsDevice** device) = 0;
};

// Makes the graphics system the program uses: OpenGL, unless a test has
// installed another maker (an empty factory restores OpenGL).
using GraphicsSystemFactory = std::function<GraphicsSystem*()>;
GraphicsSystem* CreateGraphicsSystem();
void SetGraphicsSystemFactory(GraphicsSystemFactory factory);

} // namespace Platform
