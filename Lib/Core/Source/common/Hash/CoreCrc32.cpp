#include "Hash/CoreCrc32.h"

#include <cstring>

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
        running = (running >> 8) ^ CoreCrc32Table::s_aTable[(cursor[index] ^ running) & 0xFFu];
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
