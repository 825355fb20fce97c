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
