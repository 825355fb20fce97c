#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, initial value and
// final complement all ones): the hash behind every id and name lookup, and
// the check word of the save file.
namespace CoreCrc32Table {

constexpr std::array<uint32_t, 256> Build()
{
    std::array<uint32_t, 256> table {};
    for (uint32_t value = 0; value < 256; ++value) {
        uint32_t entry = value;
        for (int step = 0; step < 8; ++step)
            entry = (entry & 1u) ? (entry >> 1) ^ 0xEDB88320u : entry >> 1;
        table[value] = entry;
    }
    return table;
}

// Built at compile time, so a name hashed before start-up's Init still gets
// its true id, and tables can hold ids as constants.
inline constexpr std::array<uint32_t, 256> s_aTable = Build();

} // namespace CoreCrc32Table

// The CRC of a text at compile time; equal to CoreCrc32::HashString.
constexpr uint32_t CoreCrc32Of(std::string_view text)
{
    uint32_t running = 0xFFFFFFFFu;
    for (char character : text)
        running = (running >> 8) ^ CoreCrc32Table::s_aTable[(static_cast<uint8_t>(character) ^ running) & 0xFFu];
    return ~running;
}

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
