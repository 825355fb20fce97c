#pragma once
#include <cstdint>

// A 20.12 fixed-point number: the unit of every position, size, speed, time
// and volume in game logic.
using fx32 = int32_t;

constexpr fx32 FX32_ONE = 4096;
constexpr fx32 FX32_HALF = 2048;
constexpr int FX32_SHIFT = 12;

namespace CoreFx {

// The product of two fx32, rounded half up: (a * b + 2048) >> 12 in 64 bits.
inline fx32 Mul(fx32 a, fx32 b)
{
    return static_cast<fx32>((static_cast<int64_t>(a) * b + FX32_HALF) >> FX32_SHIFT);
}

// fx32 to float: the integer times 1/4096, rounded to single precision.
inline float ToFloat(fx32 value)
{
    return static_cast<float>(value) * (1.0f / 4096.0f);
}

// A float to the nearest integer, halves away from zero: value + 0.5 when
// above zero, value - 0.5 otherwise, truncated toward zero. A value without
// an int32 (NaN, infinities, out of range) gives INT32_MIN, the integer the
// x86 truncating conversion produces for it.
inline int32_t RoundHalfAwayFromZero(float value)
{
    const float shifted = value > 0.0f ? value + 0.5f : value - 0.5f;
    if (!(shifted > -2147483904.0f && shifted < 2147483648.0f))
        return INT32_MIN;
    return static_cast<int32_t>(shifted);
}

// float to fx32: the value times 4096, rounded half away from zero.
inline fx32 FromFloat(float value)
{
    return RoundHalfAwayFromZero(value * 4096.0f);
}

// 32-bit sums and differences wrap around as the hardware's do.
inline fx32 WrapAdd(fx32 a, fx32 b)
{
    return static_cast<fx32>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline fx32 WrapSub(fx32 a, fx32 b)
{
    return static_cast<fx32>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

} // namespace CoreFx
