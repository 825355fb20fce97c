#pragma once
#include <cstdint>
#include <span>

namespace Platform {

// Whether every texel of a texture level in the format is fully opaque (alpha
// 1): true for formats without alpha, for 32-bit levels whose alpha bytes
// are all 255, for DXT1 blocks that use no transparent index, for DXT2/3
// blocks whose explicit alpha is all set and for DXT4/5 blocks whose texels
// all pick an alpha of 255. Other formats count as translucent.
bool AreTexelsOpaque(uint32_t format, std::span<const uint8_t> bytes);

} // namespace Platform
