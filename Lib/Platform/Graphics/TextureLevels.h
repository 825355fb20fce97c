#pragma once
#include "Graphics/GraphicsRecords.h"
#include "Graphics/GraphicsResult.h"

#include <cstdint>
#include <span>
#include <vector>

namespace Platform {

// Whether a device can make textures of this format: the block-compressed
// DXT1..DXT5 and the 32-bit A8R8G8B8 and X8R8G8B8.
bool IsSupportedTextureFormat(uint32_t format);
bool IsBlockCompressedFormat(uint32_t format);

// The bytes of one row of a level (of 4 x 4 blocks for the compressed
// formats) and of the whole level.
uint32_t LevelPitch(uint32_t format, uint32_t width);
uint32_t LevelByteSize(uint32_t format, uint32_t width, uint32_t height);

// The system-memory copy of a texture's levels and their lock states, shared
// by every device's textures. A one-level texture may instead read its level
// in place, from pixels its maker keeps, until it takes a copy of its own.
class TextureLevels {
public:
    struct Level {
        uint32_t width;
        uint32_t height;
        uint32_t pitch;
        uint32_t byteSize;
        // The level's own copy; empty while it reads its pixels in place.
        std::vector<uint8_t> bytes;
        const uint8_t* inPlace;
        bool locked;

        std::span<const uint8_t> Bytes() const;
    };

    // A level count of 0 makes the full chain down to 1 x 1, each level of
    // zeros. With pixels (the bytes of level 0), the one level reads them in
    // place: levels must then be 1.
    TextureLevels(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, uint32_t usage, uint32_t pool,
                  const uint8_t* pixels = nullptr);

    uint32_t Format() const { return m_uFormat; }
    uint32_t Count() const { return static_cast<uint32_t>(m_levels.size()); }
    const Level& At(uint32_t level) const { return m_levels[level]; }

    GraphicsResult Describe(uint32_t level, SurfaceDesc* desc) const;
    // A lock that may write (one without D3DLOCK_READONLY) gives a level read
    // in place its own copy first: the maker's pixels are never written.
    GraphicsResult Lock(uint32_t level, LockedRect* locked, uint32_t flags);
    // Ends the lock of a level; D3DERR_INVALIDCALL when it was not locked.
    GraphicsResult Unlock(uint32_t level);
    // Copies the pixels of levels read in place, so that their maker may let
    // them go.
    void TakeOwnCopy();

private:
    uint32_t m_uFormat;
    uint32_t m_uUsage;
    uint32_t m_uPool;
    std::vector<Level> m_levels;
};

} // namespace Platform
