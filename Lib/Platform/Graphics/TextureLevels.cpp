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

TextureLevels::TextureLevels(uint32_t width, uint32_t height, uint32_t levels, uint32_t format, uint32_t usage,
                             uint32_t pool)
    : m_uFormat(format), m_uUsage(usage), m_uPool(pool)
{
    uint32_t levelWidth = width;
    uint32_t levelHeight = height;
    for (;;) {
        m_levels.push_back({levelWidth, levelHeight, LevelPitch(format, levelWidth),
                            std::vector<uint8_t>(LevelByteSize(format, levelWidth, levelHeight)), false});
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
GraphicsResult TextureLevels::Lock(uint32_t level, LockedRect* locked, uint32_t /*flags*/)
{
    if (level >= m_levels.size() || !locked || m_levels[level].locked)
        return D3DERR_INVALIDCALL;
    Level& target = m_levels[level];
    target.locked = true;
    locked->pitch = static_cast<int32_t>(target.pitch);
    locked->bits = target.bytes.data();
    return D3D_OK;
}

GraphicsResult TextureLevels::Unlock(uint32_t level)
{
    if (level >= m_levels.size() || !m_levels[level].locked)
        return D3DERR_INVALIDCALL;
    m_levels[level].locked = false;
    return D3D_OK;
}

} // namespace Platform
