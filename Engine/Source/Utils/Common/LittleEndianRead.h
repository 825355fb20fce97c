#pragma once
#include <cstdint>
#include <cstring>

// Little-endian words read from any byte position of a file image (the
// offsets of a damaged file need not be aligned).
inline uint16_t ReadU16(const uint8_t* bytes)
{
    return uint16_t(bytes[0] | bytes[1] << 8);
}

inline uint32_t ReadU32(const uint8_t* bytes)
{
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}
