#pragma once
#include "Bytes/LittleEndian.h"
#include "Texture/DdsFormat.h"

#include <cstdint>
#include <vector>

namespace TestSupport {

// A DDS image made byte by byte: the header filled in as the content builder
// would, the image-size word from the given size, and `levelBytes` bytes of
// pixels counting up from `firstByte`.
inline std::vector<uint8_t> HandMadeDds(uint32_t width, uint32_t height, uint32_t fourCc, size_t levelBytes,
                                        uint8_t firstByte = 0)
{
    std::vector<uint8_t> dds(DDS_LEVEL0_OFFSET + levelBytes, 0);
    auto put = [&dds](uint32_t offset, uint32_t value) { WriteWord(dds.data(), offset, value); };
    put(DDS_MAGIC_OFFSET, DDS_MAGIC);
    put(DDS_HEADER_SIZE_OFFSET, DDS_HEADER_SIZE);
    put(DDS_FLAGS_OFFSET, DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT);
    put(DDS_HEIGHT_OFFSET, height);
    put(DDS_WIDTH_OFFSET, width);
    put(DDS_DEPTH_OFFSET, 7);
    put(DDS_IMAGE_SIZE_OFFSET, (width << 16) | height);
    put(DDS_PIXEL_FORMAT_SIZE_OFFSET, DDS_PIXEL_FORMAT_SIZE);
    put(DDS_PIXEL_FORMAT_FLAGS_OFFSET, DDPF_FOURCC);
    put(DDS_FOURCC_OFFSET, fourCc);
    for (size_t i = 0; i < levelBytes; ++i)
        dds[DDS_LEVEL0_OFFSET + i] = uint8_t(firstByte + i);
    return dds;
}

} // namespace TestSupport
