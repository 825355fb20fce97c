#pragma once
#include <cstdint>

// The pointer as input events carry it: one 32-bit word, x in the low 16 bits
// and y in the high 16 bits, both signed 4096ths of the 4:3 picture area.

inline uint32_t InputPackPointer(int32_t x, int32_t y)
{
    return (static_cast<uint32_t>(x) & 0xFFFFu) | (static_cast<uint32_t>(y) << 16);
}

inline int32_t InputPointerX(uint32_t value)
{
    return static_cast<int16_t>(value & 0xFFFFu);
}

inline int32_t InputPointerY(uint32_t value)
{
    return static_cast<int16_t>(value >> 16);
}

// The pointer on the virtual screen, in 20.12 units of its 256 x 192 area
// (negative or beyond 256 over the side margins of a wide window).
inline int32_t InputPointerVirtualX(uint32_t value)
{
    return InputPointerX(value) * 256;
}

inline int32_t InputPointerVirtualY(uint32_t value)
{
    return InputPointerY(value) * 192;
}
