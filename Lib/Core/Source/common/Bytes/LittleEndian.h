#pragma once
#include <cstddef>
#include <cstdint>

// The 32-bit little-endian word at `offset` bytes into `data`, whatever the
// alignment. The caller has checked that the four bytes are there.
inline uint32_t ReadWord(const uint8_t* data, size_t offset)
{
    const uint8_t* at = data + offset;
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

// The 16-bit little-endian word at `offset` bytes into `data`.
inline uint16_t ReadHalfWord(const uint8_t* data, size_t offset)
{
    const uint8_t* at = data + offset;
    return uint16_t(at[0] | at[1] << 8);
}

// Stores `value` as a 32-bit little-endian word at `offset` bytes into `data`.
inline void WriteWord(uint8_t* data, size_t offset, uint32_t value)
{
    uint8_t* at = data + offset;
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
    at[2] = uint8_t(value >> 16);
    at[3] = uint8_t(value >> 24);
}
