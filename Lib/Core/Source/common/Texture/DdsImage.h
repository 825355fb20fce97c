#pragma once
#include <cstddef>
#include <cstdint>

// The fields of a DDS image that a texture is made from, and where its
// level 0 pixels are.
struct DdsImage {
    uint32_t m_iHeight = 0;
    uint32_t m_iWidth = 0;
    uint32_t m_iDepth = 0;
    // Image width in the high 16 bits, image height in the low 16 bits.
    uint32_t m_iImageSize = 0;
    uint32_t m_iFourCc = 0;
    const uint8_t* m_pLevel0 = nullptr;
    // Bytes of level 0 in whole 4 x 4 blocks, all inside the image's data.
    uint32_t m_iLevel0Size = 0;

    uint32_t ImageWidth() const { return m_iImageSize >> 16; }
    uint32_t ImageHeight() const { return m_iImageSize & 0xFFFF; }
};

// Reads the DDS image of the texture `name` from `size` bytes at `data`.
// Header faults that a texture survives (magic, flags, a zero image size) are
// reported by the engine's asserts and reading goes on with the values as
// read. An image that cannot safely become a texture is refused with a log
// line naming the texture: shorter than its header, not block-compressed
// (DXT1 to DXT5), 0 pixels wide or high, or with level 0 running past the
// data.
bool ReadDdsImage(const char* name, const uint8_t* data, size_t size, DdsImage& image);
