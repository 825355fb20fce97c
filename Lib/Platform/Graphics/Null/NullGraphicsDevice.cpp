#include "Graphics/Null/NullGraphicsDevice.h"

#include <bit>

namespace Platform {

namespace {

// A texture that only keeps its levels.
class NullTexture final : public DeviceTexture {
public:
    using DeviceTexture::DeviceTexture;

private:
    void OnLevelWritten(uint32_t) override { }
};

} // namespace

NullGraphicsDevice::NullGraphicsDevice(std::shared_ptr<NullGraphicsControl> control,
                                       const PresentParameters& parameters)
    : GraphicsDeviceBase(parameters), m_control(std::move(control))
{
}

void NullGraphicsDevice::RecordCall(const char* name, std::initializer_list<uint64_t> arguments, const void* data,
                                    size_t size)
{
    m_control->recorder.Add(name, arguments, data, size);
}

GraphicsResult NullGraphicsDevice::TestCooperativeLevel()
{
    RecordCall("TestCooperativeLevel", {});
    if (!m_control->deviceLost)
        return D3D_OK;
    if (m_control->cooperativeLevels.empty())
        return D3DERR_DEVICENOTRESET;
    const GraphicsResult answer = m_control->cooperativeLevels.front();
    m_control->cooperativeLevels.pop_front();
    return answer;
}

GraphicsResult NullGraphicsDevice::Reset(PresentParameters* parameters)
{
    RecordCall("Reset", {}, parameters, parameters ? sizeof *parameters : 0);
    if (!parameters)
        return D3DERR_INVALIDCALL;
    GraphicsResult result = D3D_OK;
    if (!m_control->resetResults.empty()) {
        result = m_control->resetResults.front();
        m_control->resetResults.pop_front();
    }
    if (result != D3D_OK)
        return result;
    if (parameters->backBufferWidth == 0)
        parameters->backBufferWidth = BackBufferWidth();
    if (parameters->backBufferHeight == 0)
        parameters->backBufferHeight = BackBufferHeight();
    ResetState(*parameters);
    m_control->deviceLost = false;
    return D3D_OK;
}

GraphicsResult NullGraphicsDevice::Present()
{
    RecordCall("Present", {});
    return m_control->deviceLost ? D3DERR_DEVICELOST : D3D_OK;
}

GraphicsResult NullGraphicsDevice::Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil)
{
    RecordCall("Clear", {flags, color, std::bit_cast<uint32_t>(z), stencil});
    const uint32_t depthFlags = D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    if ((flags & ~(D3DCLEAR_TARGET | depthFlags)) != 0 || ((flags & depthFlags) && !HasDepthBuffer()))
        return D3DERR_INVALIDCALL;
    return D3D_OK;
}

GraphicsResult NullGraphicsDevice::GetDeviceCaps(DeviceCaps* caps)
{
    const GraphicsResult result = GraphicsDeviceBase::GetDeviceCaps(caps);
    if (result == D3D_OK)
        caps->textureCaps = m_control->textureCaps;
    return result;
}

GraphicsResult NullGraphicsDevice::ReadBackBuffer(RgbaImage*)
{
    RecordCall("ReadBackBuffer", {});
    return D3DERR_NOTAVAILABLE;
}

GraphicsResult NullGraphicsDevice::Draw(const DrawCall&)
{
    return D3D_OK;
}

DeviceTexture* NullGraphicsDevice::MakeTexture(uint64_t id, uint32_t width, uint32_t height, uint32_t levels,
                                               uint32_t usage, uint32_t format, uint32_t pool, const uint8_t* pixels)
{
    return new NullTexture(this, id, width, height, levels, format, usage, pool, pixels);
}

} // namespace Platform
