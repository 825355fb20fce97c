#pragma once
#include <cstdint>

// The DDS image as the texture manager reads it: a 128-byte header (every
// word unsigned 32-bit little-endian) followed by the pixels of level 0.

// A four-character code as DDS stores it: the first character in the least
// significant byte.
constexpr uint32_t DdsFourCc(const char (&code)[5])
{
    return uint32_t(uint8_t(code[0])) | (uint32_t(uint8_t(code[1])) << 8) | (uint32_t(uint8_t(code[2])) << 16) |
           (uint32_t(uint8_t(code[3])) << 24);
}

constexpr uint32_t DDS_MAGIC = DdsFourCc("DDS ");
constexpr uint32_t DDS_FOURCC_DXT1 = DdsFourCc("DXT1");
constexpr uint32_t DDS_FOURCC_DXT2 = DdsFourCc("DXT2");
constexpr uint32_t DDS_FOURCC_DXT3 = DdsFourCc("DXT3");
constexpr uint32_t DDS_FOURCC_DXT4 = DdsFourCc("DXT4");
constexpr uint32_t DDS_FOURCC_DXT5 = DdsFourCc("DXT5");
// The pixel format is in a second header after the first (DXGI formats).
constexpr uint32_t DDS_FOURCC_DX10 = DdsFourCc("DX10");

// Header words, by byte offset.
constexpr uint32_t DDS_MAGIC_OFFSET = 0;
constexpr uint32_t DDS_HEADER_SIZE_OFFSET = 4;
constexpr uint32_t DDS_FLAGS_OFFSET = 8;
constexpr uint32_t DDS_HEIGHT_OFFSET = 12;
constexpr uint32_t DDS_WIDTH_OFFSET = 16;
constexpr uint32_t DDS_LINEAR_SIZE_OFFSET = 20;
constexpr uint32_t DDS_DEPTH_OFFSET = 24;
constexpr uint32_t DDS_MIPMAP_COUNT_OFFSET = 28;
// Image width in the high 16 bits, image height in the low 16 bits: the size
// of the picture as authored, before rounding up to whole 4 x 4 blocks.
constexpr uint32_t DDS_IMAGE_SIZE_OFFSET = 36;
constexpr uint32_t DDS_PIXEL_FORMAT_SIZE_OFFSET = 76;
constexpr uint32_t DDS_PIXEL_FORMAT_FLAGS_OFFSET = 80;
constexpr uint32_t DDS_FOURCC_OFFSET = 84;
constexpr uint32_t DDS_CAPS_OFFSET = 108;
constexpr uint32_t DDS_LEVEL0_OFFSET = 128;

// The header size word (the header without the magic) and the pixel format's.
constexpr uint32_t DDS_HEADER_SIZE = 124;
constexpr uint32_t DDS_PIXEL_FORMAT_SIZE = 32;

// Header flags.
constexpr uint32_t DDSD_CAPS = 0x1;
constexpr uint32_t DDSD_HEIGHT = 0x2;
constexpr uint32_t DDSD_WIDTH = 0x4;
constexpr uint32_t DDSD_PIXELFORMAT = 0x1000;
constexpr uint32_t DDSD_LINEARSIZE = 0x80000;
// Pixel-format flags and capabilities.
constexpr uint32_t DDPF_FOURCC = 0x4;
constexpr uint32_t DDSCAPS_TEXTURE = 0x1000;

// Bytes of one 4 x 4 block of a block-compressed format, 0 for any other.
constexpr uint32_t DdsBlockBytes(uint32_t fourCc)
{
    if (fourCc == DDS_FOURCC_DXT1)
        return 8;
    if (fourCc == DDS_FOURCC_DXT2 || fourCc == DDS_FOURCC_DXT3 || fourCc == DDS_FOURCC_DXT4 ||
        fourCc == DDS_FOURCC_DXT5)
        return 16;
    return 0;
}

// Bytes of one level of a block-compressed format: whole blocks in both
// directions. 64 bits: no header's width and height overflow it.
constexpr uint64_t DdsLevelBytes(uint32_t fourCc, uint32_t width, uint32_t height)
{
    return ((uint64_t(width) + 3) / 4) * ((uint64_t(height) + 3) / 4) * DdsBlockBytes(fourCc);
}
