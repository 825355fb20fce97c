#pragma once
#include "Graphics/GraphicsTexture.h"
#include "Graphics/TextureLevels.h"

namespace Platform {

class GraphicsDeviceBase;

// A texture of one device: its levels in system memory (or read in place
// from pixels, as TextureLevels takes them), and the link back to the
// device, which unbinds the texture when it is deleted.
class DeviceTexture : public GraphicsTexture {
public:
    DeviceTexture(GraphicsDeviceBase* device, uint64_t id, uint32_t width, uint32_t height, uint32_t levels,
                  uint32_t format, uint32_t usage, uint32_t pool, const uint8_t* pixels);
    ~DeviceTexture() override;
    DeviceTexture(const DeviceTexture&) = delete;
    DeviceTexture& operator=(const DeviceTexture&) = delete;

    uint32_t GetLevelCount() const override { return m_levels.Count(); }
    GraphicsResult GetLevelDesc(uint32_t level, SurfaceDesc* desc) const override;
    GraphicsResult LockRect(uint32_t level, LockedRect* locked, uint32_t flags) override;
    GraphicsResult UnlockRect(uint32_t level) override;
    void TakeOwnCopy() override { m_levels.TakeOwnCopy(); }

    const TextureLevels& Levels() const { return m_levels; }
    // The texture's number on its device, counted from 1 in creation order.
    uint64_t Id() const { return m_uId; }
    // Called by a device that goes away before its textures.
    void DetachFromDevice() { m_pDevice = nullptr; }

protected:
    // A level's new contents, after its unlock.
    virtual void OnLevelWritten(uint32_t level) = 0;

    GraphicsDeviceBase* m_pDevice;
    uint64_t m_uId;
    TextureLevels m_levels;
};

} // namespace Platform
