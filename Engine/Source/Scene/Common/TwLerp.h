#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// Linear interpolation from a (ratio 0) to b (ratio 4096), shared by the
// animation curves and the highlight pulse. A ratio outside 0..4096 is
// reported ("ratio>=0", "ratio<=FX32_ONE") and clamped, so that nothing
// extrapolates beyond the two keys.

// The ratio as the interpolations take it: reported and clamped to 0..4096.
fx32 CheckLerpRatio(int64_t ratio);

// ((4096 - r) * a >> 12) + (b * r >> 12): integers (frame indices) truncate.
fx32 Lerp(fx32 a, fx32 b, fx32 ratio);
// Per component, each product rounded to nearest as an fx32 product.
void Lerp(fx32 (&out)[2], const fx32 (&a)[2], const fx32 (&b)[2], fx32 ratio);
// Per byte, each product truncated, kept to 8 bits.
void Lerp(uint8_t (&out)[4], const uint8_t (&a)[4], const uint8_t (&b)[4], fx32 ratio);
