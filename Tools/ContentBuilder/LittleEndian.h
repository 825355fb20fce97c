#pragma once
#include <cstdint>

// Stores a 32-bit word in little-endian byte order.
inline void PutU32(uint8_t* destination, uint32_t value)
{
    destination[0] = uint8_t(value);
    destination[1] = uint8_t(value >> 8);
    destination[2] = uint8_t(value >> 16);
    destination[3] = uint8_t(value >> 24);
}
