#pragma once
#include <cstdint>
#include <string_view>

// Compile-time CRC-32 (reflected polynomial 0xEDB88320, initial value and
// final complement all ones), the same hash as CoreCrc32, so that tables can
// name actors and variables and still hold their ids as constants.
namespace IdHash {

constexpr uint32_t Crc32(std::string_view text)
{
    uint32_t running = 0xFFFFFFFFu;
    for (char character : text) {
        running ^= static_cast<uint8_t>(character);
        for (int step = 0; step < 8; ++step)
            running = (running & 1u) ? (running >> 1) ^ 0xEDB88320u : running >> 1;
    }
    return ~running;
}

} // namespace IdHash

// An actor's id: the CRC-32 of its name with the top bit set.
constexpr uint32_t ActorIdOf(std::string_view name)
{
    return IdHash::Crc32(name) | 0x80000000u;
}
