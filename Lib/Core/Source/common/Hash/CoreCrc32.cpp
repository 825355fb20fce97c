#include "Hash/CoreCrc32.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<uint32_t, 256> BuildTable()
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
// its true id.
constexpr std::array<uint32_t, 256> s_aTable = BuildTable();

} // namespace

uint32_t CoreCrc32::s_uRunning = 0xFFFFFFFFu;

void CoreCrc32::Init()
{
    s_uRunning = 0xFFFFFFFFu;
}

void CoreCrc32::Update(uint32_t length, const void* bytes)
{
    const auto* cursor = static_cast<const uint8_t*>(bytes);
    uint32_t running = s_uRunning;
    for (uint32_t index = 0; index < length; ++index)
        running = (running >> 8) ^ s_aTable[(cursor[index] ^ running) & 0xFFu];
    s_uRunning = running;
}

uint32_t CoreCrc32::HashString(const char* text)
{
    return HashBlock(text, static_cast<uint32_t>(std::strlen(text)));
}

uint32_t CoreCrc32::HashBlock(const void* bytes, uint32_t length)
{
    s_uRunning = 0xFFFFFFFFu;
    Update(length, bytes);
    return ~s_uRunning;
}
