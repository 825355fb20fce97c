#pragma once
#include "Graphics/GraphicsRecords.h"
#include "Graphics/GraphicsResult.h"

#include <cstdint>

namespace Platform {

// A 2D texture of one or more levels, kept in system memory by its device
// (or read in place from its maker's pixels, GraphicsDevice::
// CreateTextureInPlace) and re-sent to the display after every unlock, so
// that it survives a device reset. Delete every texture before its device.
class GraphicsTexture {
public:
    virtual ~GraphicsTexture() = default;

    virtual uint32_t GetLevelCount() const = 0;
    virtual GraphicsResult GetLevelDesc(uint32_t level, SurfaceDesc* desc) const = 0;
    // The whole level; the memory keeps the level's contents unless
    // D3DLOCK_DISCARD is given. A level cannot be locked twice.
    virtual GraphicsResult LockRect(uint32_t level, LockedRect* locked, uint32_t flags) = 0;
    virtual GraphicsResult UnlockRect(uint32_t level) = 0;
    // Copies pixels read in place into the texture's own memory, so that
    // their maker may let them go; nothing for a texture that has its own.
    virtual void TakeOwnCopy() = 0;
};

} // namespace Platform
