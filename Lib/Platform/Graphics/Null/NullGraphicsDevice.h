#pragma once
#include "Graphics/GraphicsDeviceBase.h"
#include "Graphics/Null/NullGraphicsControl.h"

#include <memory>

namespace Platform {

// A device that draws nothing: it records every call with its arguments in
// the control's recorder, answers state reads like a real device and plays
// the device loss the control scripts.
class NullGraphicsDevice final : public GraphicsDeviceBase {
public:
    NullGraphicsDevice(std::shared_ptr<NullGraphicsControl> control, const PresentParameters& parameters);

    GraphicsResult TestCooperativeLevel() override;
    GraphicsResult Reset(PresentParameters* parameters) override;
    GraphicsResult Present() override;
    GraphicsResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) override;
    GraphicsResult ReadBackBuffer(RgbaImage* image) override;
    // The base's caps with the control's texture caps.
    GraphicsResult GetDeviceCaps(DeviceCaps* caps) override;

    void RecordCall(const char* name, std::initializer_list<uint64_t> arguments, const void* data = nullptr,
                    size_t size = 0) override;

private:
    GraphicsResult Draw(const DrawCall& call) override;
    DeviceTexture* MakeTexture(uint64_t id, uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                               uint32_t format, uint32_t pool, const uint8_t* pixels) override;

    std::shared_ptr<NullGraphicsControl> m_control;
};

} // namespace Platform
