#include "DdsWriter.h"

#include "LittleEndian.h"
#include "Texture/DdsFormat.h"

#include <omp.h>
#include <squish.h>

namespace {

constexpr uint32_t MAX_IMAGE_SIDE = 0xFFFF;

// The picture on a canvas of whole blocks, the rest transparent black.
RgbaImage PadToBlocks(const RgbaImage& image)
{
    RgbaImage padded((image.width + 3) / 4 * 4, (image.height + 3) / 4 * 4);
    for (uint32_t y = 0; y < image.height; ++y) {
        const uint8_t* source = image.At(0, y);
        std::copy(source, source + size_t(image.width) * 4, padded.At(0, y));
    }
    return padded;
}

} // namespace

bool WriteDds(const RgbaImage& image, uint32_t fourCc, std::vector<uint8_t>& dds, std::string& error)
{
    int squishFlags = 0;
    if (fourCc == DDS_FOURCC_DXT1)
        squishFlags = squish::kDxt1;
    else if (fourCc == DDS_FOURCC_DXT5)
        squishFlags = squish::kDxt5;
    else {
        error = "only DXT1 and DXT5 are written";
        return false;
    }
    if (image.width == 0 || image.height == 0 || image.width > MAX_IMAGE_SIDE || image.height > MAX_IMAGE_SIDE) {
        error = "a picture must be 1 to 65535 pixels wide and high, not " + std::to_string(image.width) + " x " +
                std::to_string(image.height);
        return false;
    }

    const RgbaImage padded = PadToBlocks(image);
    const uint64_t levelBytes = DdsLevelBytes(fourCc, image.width, image.height);
    dds.assign(DDS_LEVEL0_OFFSET + levelBytes, 0);
    // squish splits every picture over a team of threads that spin while
    // they wait: for the content's many small pictures, on a busy machine,
    // the spinning took ten times as long as the work.
    omp_set_num_threads(1);
    squish::CompressImage(padded.pixels.data(), int(padded.width), int(padded.height), dds.data() + DDS_LEVEL0_OFFSET,
                          squishFlags | squish::kColourIterativeClusterFit);

    uint8_t* header = dds.data();
    PutU32(header + DDS_MAGIC_OFFSET, DDS_MAGIC);
    PutU32(header + DDS_HEADER_SIZE_OFFSET, DDS_HEADER_SIZE);
    PutU32(header + DDS_FLAGS_OFFSET, DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT | DDSD_LINEARSIZE);
    PutU32(header + DDS_HEIGHT_OFFSET, image.height);
    PutU32(header + DDS_WIDTH_OFFSET, image.width);
    PutU32(header + DDS_LINEAR_SIZE_OFFSET, uint32_t(levelBytes));
    PutU32(header + DDS_MIPMAP_COUNT_OFFSET, 1);
    PutU32(header + DDS_IMAGE_SIZE_OFFSET, (image.width << 16) | image.height);
    PutU32(header + DDS_PIXEL_FORMAT_SIZE_OFFSET, DDS_PIXEL_FORMAT_SIZE);
    PutU32(header + DDS_PIXEL_FORMAT_FLAGS_OFFSET, DDPF_FOURCC);
    PutU32(header + DDS_FOURCC_OFFSET, fourCc);
    PutU32(header + DDS_CAPS_OFFSET, DDSCAPS_TEXTURE);
    return true;
}
