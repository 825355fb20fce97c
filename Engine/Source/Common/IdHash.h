#pragma once
#include "Hash/CoreCrc32.h"

#include <cstdint>
#include <string_view>

// An actor's id: the CRC-32 of its name with the top bit set, known at
// compile time so that tables can hold it as a constant.
constexpr uint32_t ActorIdOf(std::string_view name)
{
    return CoreCrc32Of(name) | 0x80000000u;
}

// An item's id from its name as the tables write it ("ITEM_DULL_PLATE"): the
// CRC-32 of the lower-case name without "ITEM_", with the top bit set.
constexpr uint32_t ItemIdOf(std::string_view name)
{
    constexpr std::string_view PREFIX = "ITEM_";
    if (name.starts_with(PREFIX))
        name.remove_prefix(PREFIX.size());
    uint32_t running = 0xFFFFFFFFu;
    for (char character : name) {
        const char lower = character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character;
        running = (running >> 8) ^ CoreCrc32Table::s_aTable[(static_cast<uint8_t>(lower) ^ running) & 0xFFu];
    }
    return ~running | 0x80000000u;
}
