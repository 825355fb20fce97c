#pragma once
#include "Graphics/GraphicsSystem.h"
#include "Graphics/Null/NullGraphicsControl.h"

#include <memory>

namespace Platform {

// The recording system: pretends to be the hardware the control describes
// and makes NullGraphicsDevice devices.
class NullGraphicsSystem final : public GraphicsSystem {
public:
    explicit NullGraphicsSystem(std::shared_ptr<NullGraphicsControl> control);

    GraphicsResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) override;
    GraphicsResult CheckDeviceMultiSampleType(uint32_t adapter, uint32_t deviceType, uint32_t format, bool windowed,
                                              uint32_t multiSampleType) override;
    GraphicsResult CheckDeviceFormat(uint32_t adapter, uint32_t deviceType, uint32_t adapterFormat, uint32_t usage,
                                     uint32_t resourceType, uint32_t checkFormat) override;
    GraphicsResult CreateDevice(uint32_t adapter, uint32_t deviceType, SDL_Window* focusWindow, uint32_t behaviorFlags,
                                PresentParameters* parameters, GraphicsDevice** device) override;

private:
    std::shared_ptr<NullGraphicsControl> m_control;
};

} // namespace Platform
