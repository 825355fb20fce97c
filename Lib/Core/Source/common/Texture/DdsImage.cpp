#include "Texture/DdsImage.h"

#include "Bytes/LittleEndian.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Texture/DdsFormat.h"

#include <cstdio>

// The engine's continuing assert with the condition worded as the header's
// own fields.
#define DDS_HEADER_ASSERT(condition, text)                                          \
    do {                                                                            \
        if (!(condition))                                                           \
            CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, text); \
    } while (0)

namespace {

bool Refuse(const char* name, const char* reason)
{
    CorePrint(&g_oCoreLog, "texture \"%s\": bad DDS image: %s\n", name, reason);
    return false;
}

} // namespace

bool ReadDdsImage(const char* name, const uint8_t* data, size_t size, DdsImage& image)
{
    if (data == nullptr || size < DDS_LEVEL0_OFFSET)
        return Refuse(name, "shorter than its 128-byte header");

    const uint32_t flags = ReadWord(data, DDS_FLAGS_OFFSET);
    DDS_HEADER_ASSERT(ReadWord(data, DDS_MAGIC_OFFSET) == DDS_MAGIC, "dwMagic == MAKEFOURCC('D', 'D', 'S', ' ')");
    DDS_HEADER_ASSERT(flags & DDSD_HEIGHT, "pHeader->dwFlags&DDSD_HEIGHT");
    DDS_HEADER_ASSERT(flags & DDSD_WIDTH, "pHeader->dwFlags&DDSD_WIDTH");
    DDS_HEADER_ASSERT(flags & DDSD_PIXELFORMAT, "pHeader->dwFlags&DDSD_PIXELFORMAT");

    DdsImage read;
    read.m_iHeight = ReadWord(data, DDS_HEIGHT_OFFSET);
    read.m_iWidth = ReadWord(data, DDS_WIDTH_OFFSET);
    read.m_iDepth = ReadWord(data, DDS_DEPTH_OFFSET);
    read.m_iImageSize = ReadWord(data, DDS_IMAGE_SIZE_OFFSET);
    read.m_iFourCc = ReadWord(data, DDS_FOURCC_OFFSET);
    if (read.m_iImageSize == 0) {
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "pHeader->dwReserved != 0");
        CorePrint(&g_oCoreLog, "message:\n");
        CorePrint(&g_oCoreLog, "The size of a texture cannot be 0!\n");
    }

    // Such a file may well hold DXT pixels, but after a header of its own
    // that the texture would take for pixels.
    if (read.m_iFourCc == DDS_FOURCC_DX10)
        return Refuse(name, "its pixel format is in a DX10 header, which the game does not read (store BC1 to BC3 "
                            "pixels as DXT1 to DXT5)");
    if (DdsBlockBytes(read.m_iFourCc) == 0)
        return Refuse(name, "its pixel format is not block-compressed (DXT1 to DXT5)");
    if (read.m_iWidth == 0 || read.m_iHeight == 0)
        return Refuse(name, "0 pixels wide or high");
    // Whole rows of blocks must fit in the pixels that follow the header;
    // compared by division, as a product of two header words can overflow
    // even 64 bits.
    const uint64_t available = size - DDS_LEVEL0_OFFSET;
    const uint64_t rowBytes = (uint64_t(read.m_iWidth) + 3) / 4 * DdsBlockBytes(read.m_iFourCc);
    const uint64_t rows = (uint64_t(read.m_iHeight) + 3) / 4;
    if (rows > available / rowBytes) {
        char reason[128];
        std::snprintf(reason, sizeof reason, "level 0 of %u x %u pixels runs past its %zu bytes of pixels",
                      read.m_iWidth, read.m_iHeight, size_t(available));
        return Refuse(name, reason);
    }
    const uint64_t levelBytes = rows * rowBytes;
    read.m_pLevel0 = data + DDS_LEVEL0_OFFSET;
    read.m_iLevel0Size = uint32_t(levelBytes);
    image = read;
    return true;
}
