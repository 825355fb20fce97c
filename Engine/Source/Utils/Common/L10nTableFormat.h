#pragma once
#include <cstdint>

// The localised text table file ("DK-L10n" 3.0), little-endian: a header,
// then `count` entries {u32 text id, u32 offset of the string in the pool}
// sorted by text id (unsigned), then the pool of NUL-ended UTF-8 strings.
constexpr char L10N_MAGIC[8] = "DK-L10n";
constexpr uint32_t L10N_MAGIC_SIZE = 8;
constexpr uint16_t L10N_VERSION_MAJOR = 3;
constexpr uint16_t L10N_VERSION_MINOR = 0;

constexpr uint32_t L10N_MAJOR_OFFSET = 0x08;
constexpr uint32_t L10N_MINOR_OFFSET = 0x0A;
constexpr uint32_t L10N_COUNT_OFFSET = 0x1C;
constexpr uint32_t L10N_ENTRIES_OFFSET = 0x20;
constexpr uint32_t L10N_POOL_OFFSET = 0x24;
// 0 in a file; 1 once the table has been checked and taken into a bank.
constexpr uint32_t L10N_PREPARED_OFFSET = 0x28;
constexpr uint32_t L10N_HEADER_SIZE = 0x2C;

constexpr uint32_t L10N_ENTRY_SIZE = 8;
