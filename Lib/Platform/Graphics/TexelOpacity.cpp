#include "Graphics/TexelOpacity.h"

#include "Graphics/GraphicsFormats.h"

#include <algorithm>

namespace Platform {

namespace {

constexpr size_t DXT1_BLOCK_BYTES = 8;
// DXT3 and DXT5 blocks alike: eight bytes of alpha, then a DXT1 colour block.
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

// A DXT5 block's alpha half: two end points and sixteen 3-bit indices into
// the points and what lies between them. An in-between value is taken as
// opaque only when both points are, whatever a decoder's rounding.
bool IsDxt5BlockOpaque(const uint8_t* block)
{
    const uint32_t alpha0 = block[0];
    const uint32_t alpha1 = block[1];
    uint64_t indices = 0;
    for (int byte = 7; byte >= 2; --byte)
        indices = indices << 8 | block[byte];
    for (int texel = 0; texel < 16; ++texel, indices >>= 3) {
        const uint32_t index = uint32_t(indices & 7);
        const bool opaque = index == 0        ? alpha0 == 0xFF
                            : index == 1      ? alpha1 == 0xFF
                            : alpha0 > alpha1 ? false
                            : index == 6      ? false
                            : index == 7      ? true
                                              : alpha0 == 0xFF && alpha1 == 0xFF;
        if (!opaque)
            return false;
    }
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
    case D3DFMT_DXT4:
    case D3DFMT_DXT5:
        for (size_t block = 0; block + DXT3_BLOCK_BYTES <= bytes.size(); block += DXT3_BLOCK_BYTES)
            if (!IsDxt5BlockOpaque(&bytes[block]))
                return false;
        return true;
    default: return false;
    }
}

} // namespace Platform
