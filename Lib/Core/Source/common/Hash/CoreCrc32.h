#pragma once
#include <cstddef>
#include <cstdint>

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, initial value and
// final complement all ones): the hash behind every id and name lookup, and
// the check word of the save file.
class CoreCrc32 {
public:
    // Resets the running value; the table is built once before first use.
    static void Init();
    // Runs the running value over the bytes.
    static void Update(uint32_t length, const void* bytes);
    // The CRC of a NUL-terminated text (without the NUL; case-sensitive).
    static uint32_t HashString(const char* text);
    // The CRC of a block, computed the same way.
    static uint32_t HashBlock(const void* bytes, uint32_t length);

    static uint32_t Running() { return s_uRunning; }
    static void SetRunning(uint32_t value) { s_uRunning = value; }

private:
    static uint32_t s_uRunning;
};
