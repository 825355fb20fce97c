#pragma once
#include <cstdint>

// The bitmap font file (".fnt.bin", "font" 1.0), little-endian: a header,
// the code-point ranges {u32 first, u32 last}, then one glyph record per code
// point of the ranges, range by range. Metrics are in texture pixels, five
// to a virtual-screen unit.
constexpr char FONT_MAGIC[5] = "font";
constexpr uint32_t FONT_MAGIC_SIZE = 5;
constexpr uint16_t FONT_VERSION_MAJOR = 1;
constexpr uint16_t FONT_VERSION_MINOR = 0;

constexpr uint32_t FONT_MAJOR_OFFSET = 0x08;
constexpr uint32_t FONT_MINOR_OFFSET = 0x0A;
constexpr uint32_t FONT_LINE_HEIGHT_OFFSET = 0x2C;
constexpr uint32_t FONT_RANGE_COUNT_OFFSET = 0x30;
constexpr uint32_t FONT_HEADER_SIZE = 0x34;

constexpr uint32_t FONT_RANGE_SIZE = 8;

// Glyph record: u16 u, u16 v, u8 width, u8 height, s8 x offset, s8 y offset,
// s8 advance, one byte that is 0.
constexpr uint32_t FONT_GLYPH_SIZE = 10;

// Texture pixels per virtual-screen unit.
constexpr int32_t FONT_PIXELS_PER_UNIT = 5;
