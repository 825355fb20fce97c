#pragma once
#include <cstdint>

// The data pack file (".dr"): a 2048-byte header, then the table of contents
// (an entry count, 28-byte entries and their names) and the entry data from
// the next 128-byte boundary. Every integer is unsigned 32-bit little-endian;
// entry offsets count from the start of the table of contents.

// A four-character code stored as a multi-character constant: the first
// character in the most significant byte.
constexpr uint32_t DataPackCode(const char (&code)[5])
{
    return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) | (uint32_t(uint8_t(code[2])) << 8) |
           uint32_t(uint8_t(code[3]));
}

constexpr uint32_t DATAPACK_MAGIC = DataPackCode("DPR2");
constexpr uint32_t DATAPACK_HEADER_SIZE = 2048;
constexpr uint32_t DATAPACK_DATA_ALIGNMENT = 128;

// Header words, by byte offset.
constexpr uint32_t DATAPACK_MAGIC_OFFSET = 0;
constexpr uint32_t DATAPACK_TOC_SIZE_OFFSET = 4;
constexpr uint32_t DATAPACK_WORD2_OFFSET = 8;
constexpr uint32_t DATAPACK_REGION_OFFSET_OFFSET = 12;
constexpr uint32_t DATAPACK_REGION_SIZE_OFFSET = 16;

// The table of contents: the entry count, then the entries.
constexpr uint32_t DATAPACK_ENTRY_COUNT_SIZE = 4;
constexpr uint32_t DATAPACK_ENTRY_SIZE = 28;

// Entry words, by byte offset within the entry.
constexpr uint32_t DATAPACK_ENTRY_KIND = 0;
constexpr uint32_t DATAPACK_ENTRY_DATA_OFFSET = 4;
constexpr uint32_t DATAPACK_ENTRY_DATA_SIZE = 8;
constexpr uint32_t DATAPACK_ENTRY_WORD3 = 12;
constexpr uint32_t DATAPACK_ENTRY_WORD4 = 16;
constexpr uint32_t DATAPACK_ENTRY_FLAGS = 20;
constexpr uint32_t DATAPACK_ENTRY_NAME_OFFSET = 24;

// Entry flags: 0 in the file, set in the loaded buffer while bound.
constexpr uint32_t DATAPACK_FLAG_REGISTERED = 1u << 0;
constexpr uint32_t DATAPACK_FLAG_PREPARED = 1u << 1;

// Entry kinds.
constexpr uint32_t DATAPACK_TEXTURE = DataPackCode("TX2D");
constexpr uint32_t DATAPACK_XMESH = DataPackCode("XMES");
constexpr uint32_t DATAPACK_EDGM = DataPackCode("EDGM");
constexpr uint32_t DATAPACK_EDGA = DataPackCode("EDGA");
constexpr uint32_t DATAPACK_ATR3 = DataPackCode("ATR3");
