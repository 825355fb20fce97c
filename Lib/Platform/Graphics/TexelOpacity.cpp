#include "Graphics/TexelOpacity.h"

#include "Graphics/GraphicsFormats.h"

#include <algorithm>

namespace Platform {

namespace {

constexpr size_t DXT1_BLOCK_BYTES = 8;
constexpr size_t DXT3_BLOCK_BYTES = 16;

// A DXT1 block whose first colour is not above its second uses index 3 for a
// transparent texel.
bool IsDxt1BlockOpaque(const uint8_t* block)
{
    const uint32_t color0 = uint32_t(block[0]) | uint32_t(block[1]) << 8;
    const uint32_t color1 = uint32_t(block[2]) | uint32_t(block[3]) << 8;
    if (color0 > color1)
        return true;
    for (size_t byte = 4; byte < DXT1_BLOCK_BYTES; ++byte)
        for (int shift = 0; shift < 8; shift += 2)
            if (((block[byte] >> shift) & 3) == 3)
                return false;
    return true;
}

} // namespace

bool AreTexelsOpaque(uint32_t format, std::span<const uint8_t> bytes)
{
    switch (format) {
    case D3DFMT_X8R8G8B8: return true;
    case D3DFMT_A8R8G8B8:
        for (size_t alpha = 3; alpha < bytes.size(); alpha += 4)
            if (bytes[alpha] != 0xFF)
                return false;
        return true;
    case D3DFMT_DXT1:
        for (size_t block = 0; block + DXT1_BLOCK_BYTES <= bytes.size(); block += DXT1_BLOCK_BYTES)
            if (!IsDxt1BlockOpaque(&bytes[block]))
                return false;
        return true;
    case D3DFMT_DXT2:
    case D3DFMT_DXT3:
        for (size_t block = 0; block + DXT3_BLOCK_BYTES <= bytes.size(); block += DXT3_BLOCK_BYTES)
            if (!std::all_of(&bytes[block], &bytes[block] + 8, [](uint8_t alpha) { return alpha == 0xFF; }))
                return false;
        return true;
    default: return false;
    }
}

} // namespace Platform
