#include "Graphics/TextureLevels.h"

#include <algorithm>

namespace Platform {

bool IsBlockCompressedFormat(uint32_t format)
{
    return format == D3DFMT_DXT1 || format == D3DFMT_DXT2 || format == D3DFMT_DXT3 || format == D3DFMT_DXT4 ||
           format == D3DFMT_DXT5;
}

bool IsSupportedTextureFormat(uint32_t format)
{
    return IsBlockCompressedFormat(format) || format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8;
}

uint32_t LevelPitch(uint32_t format, uint32_t width)
{
    if (IsBlockCompressedFormat(format)) {
        const uint32_t blockBytes = format == D3DFMT_DXT1 ? 8 : 16;
        return std::max(1u, (width + 3) / 4) * blockBytes;
    }
    return width * 4;
}

uint32_t LevelByteSize(uint32_t format, uint32_t width, uint32_t height)
{
    const uint32_t rows = IsBlockCompressedFormat(format) ? std::max(1u, (height + 3) / 4) : height;
    return LevelPitch(format, width) * rows;
}

std::span<const uint8_t> TextureLevels::Level::Bytes() const
{
    if (inPlace != nullptr)
        return {inPlace, byteSize};
    return bytes;
}

TextureLevels::TextureLevels(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, uint32_t usage,
                             uint32_t pool, const uint8_t* pixels)
    : m_uFormat(format), m_uUsage(usage), m_uPool(pool)
{
    if (pixels != nullptr) {
        m_levels.push_back(
            {width, height, LevelPitch(format, width), LevelByteSize(format, width, height), {}, pixels, false});
        return;
    }
    uint32_t levelWidth = width;
    uint32_t levelHeight = height;
    for (;;) {
        const uint32_t byteSize = LevelByteSize(format, levelWidth, levelHeight);
        m_levels.push_back({levelWidth, levelHeight, LevelPitch(format, levelWidth), byteSize,
                            std::vector<uint8_t>(byteSize), nullptr, false});
        if (levels != 0 && m_levels.size() == levels)
            break;
        if (levelWidth == 1 && levelHeight == 1)
            break;
        levelWidth = std::max(1u, levelWidth / 2);
        levelHeight = std::max(1u, levelHeight / 2);
    }
}

GraphicsResult TextureLevels::Describe(uint32_t level, SurfaceDesc* desc) const
{
    if (level >= m_levels.size() || !desc)
        return D3DERR_INVALIDCALL;
    *desc = {m_uFormat, D3DRTYPE_SURFACE, m_uUsage, m_uPool, m_levels[level].width, m_levels[level].height};
    return D3D_OK;
}

// A discarding lock promises to overwrite the whole level, so the old
// contents are simply handed out again.
GraphicsResult TextureLevels::Lock(uint32_t level, LockedRect* locked, uint32_t flags)
{
    if (level >= m_levels.size() || !locked || m_levels[level].locked)
        return D3DERR_INVALIDCALL;
    Level& target = m_levels[level];
    if ((flags & D3DLOCK_READONLY) == 0)
        TakeOwnCopy();
    target.locked = true;
    locked->pitch = static_cast<int32_t>(target.pitch);
    // A read-only lock of pixels read in place hands out the maker's own,
    // which its caller promises not to write.
    locked->bits = target.inPlace != nullptr ? const_cast<uint8_t*>(target.inPlace) : target.bytes.data();
    return D3D_OK;
}

void TextureLevels::TakeOwnCopy()
{
    for (Level& level : m_levels) {
        if (level.inPlace != nullptr)
            level.bytes.assign(level.inPlace, level.inPlace + level.byteSize);
        level.inPlace = nullptr;
    }
}

GraphicsResult TextureLevels::Unlock(uint32_t level)
{
    if (level >= m_levels.size() || !m_levels[level].locked)
        return D3DERR_INVALIDCALL;
    m_levels[level].locked = false;
    return D3D_OK;
}

} // namespace Platform
