#include "Graphics/DeviceTexture.h"

#include "Graphics/GraphicsDeviceBase.h"

namespace Platform {

DeviceTexture::DeviceTexture(GraphicsDeviceBase* device, uint64_t id, uint32_t width, uint32_t height, uint32_t levels,
                             uint32_t format, uint32_t usage, uint32_t pool, const uint8_t* pixels)
    : m_pDevice(device), m_uId(id), m_levels(width, height, levels, format, usage, pool, pixels)
{
}

DeviceTexture::~DeviceTexture()
{
    if (m_pDevice)
        m_pDevice->ForgetTexture(this);
}

GraphicsResult DeviceTexture::GetLevelDesc(uint32_t level, SurfaceDesc* desc) const
{
    return m_levels.Describe(level, desc);
}

GraphicsResult DeviceTexture::LockRect(uint32_t level, LockedRect* locked, uint32_t flags)
{
    if (m_pDevice)
        m_pDevice->RecordCall("LockRect", {m_uId, level, flags});
    return m_levels.Lock(level, locked, flags);
}

GraphicsResult DeviceTexture::UnlockRect(uint32_t level)
{
    const GraphicsResult result = m_levels.Unlock(level);
    if (m_pDevice)
        m_pDevice->RecordCall("UnlockRect", {m_uId, level});
    if (result == D3D_OK && m_pDevice)
        OnLevelWritten(level);
    return result;
}

} // namespace Platform
