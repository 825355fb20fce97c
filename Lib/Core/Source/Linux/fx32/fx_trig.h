#pragma once
#include "Error/EngineAssert.h"
#include "Maths/Fx32.h"

#include <array>
#include <cstdint>

// Table-driven sine and cosine of 16-bit angle indices (a full turn is
// 65536), and the conversion from fx32 radians to such an index.

constexpr int FX_SINCOS_TABLE_SIZE = 4096;

// Pair i holds {round(4096 * sin(2 pi i / 4096)), round(4096 * cos(2 pi i / 4096))}
// at [2i] and [2i + 1].
extern const std::array<int16_t, 2 * FX_SINCOS_TABLE_SIZE> FX_SinCosTable;

// The angle index of fx32 radians: the low 16 bits of
// ((rad * 0x28BE60DB9391 + 2^43) >> 44), 0x28BE60DB9391 being round(2^48 / 2 pi):
// rad * 65536 / 2 pi rounded half up and wrapped into one turn. pi (0x3244)
// gives 32768 and -pi / 2 gives 49152.
inline uint16_t FX_RadToIdx(fx32 rad)
{
    // Only bits 44..59 of the product are kept, so the wrap of the 64-bit
    // product does not change the result.
    const uint64_t product = static_cast<uint64_t>(static_cast<int64_t>(rad)) * 0x28BE60DB9391ull;
    return static_cast<uint16_t>((product + (uint64_t {1} << 43)) >> 44);
}

// An index outside 0..65535 is asserted and taken modulo a full turn.
inline fx32 FX_SinIdx(int idx)
{
    ENGINE_ASSERT((idx)>=(0) && (idx)<=(65535));
    return FX_SinCosTable[2 * ((idx >> 4) & (FX_SINCOS_TABLE_SIZE - 1))];
}

inline fx32 FX_CosIdx(int idx)
{
    ENGINE_ASSERT((idx)>=(0) && (idx)<=(65535));
    return FX_SinCosTable[2 * ((idx >> 4) & (FX_SINCOS_TABLE_SIZE - 1)) + 1];
}
