#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Texture/DdsFormat.h"
#include "Texture/DdsImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void Put(std::vector<uint8_t>& bytes, uint32_t offset, uint32_t value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

std::vector<uint8_t> MakeDds(uint32_t width, uint32_t height, uint32_t fourCc, size_t levelBytes)
{
    return TestSupport::HandMadeDds(width, height, fourCc, levelBytes);
}

struct ReadResult {
    bool accepted;
    DdsImage image;
    std::string log;
};

ReadResult Read(const std::vector<uint8_t>& dds, size_t size)
{
    ReadResult result {};
    TestSupport::LogCapture capture;
    result.accepted = ReadDdsImage("tex_name", dds.data(), size, result.image);
    result.log = capture.Take();
    return result;
}

ReadResult Read(const std::vector<uint8_t>& dds)
{
    return Read(dds, dds.size());
}

TEST(DdsImageTest, ReadsTheHeaderAndLevel0InWholeBlocks)
{
    // 30 x 17 is 8 x 5 blocks: 320 bytes in DXT1, 640 in DXT5.
    const auto dxt1 = MakeDds(30, 17, DDS_FOURCC_DXT1, 320);
    const ReadResult read = Read(dxt1);
    ASSERT_TRUE(read.accepted) << read.log;
    EXPECT_EQ(read.log, "");
    EXPECT_EQ(read.image.m_iWidth, 30u);
    EXPECT_EQ(read.image.m_iHeight, 17u);
    EXPECT_EQ(read.image.m_iDepth, 7u);
    EXPECT_EQ(read.image.ImageWidth(), 30u);
    EXPECT_EQ(read.image.ImageHeight(), 17u);
    EXPECT_EQ(read.image.m_iFourCc, DDS_FOURCC_DXT1);
    EXPECT_EQ(read.image.m_pLevel0, dxt1.data() + 128);
    EXPECT_EQ(read.image.m_iLevel0Size, 320u);

    const ReadResult dxt5 = Read(MakeDds(30, 17, DDS_FOURCC_DXT5, 640));
    ASSERT_TRUE(dxt5.accepted) << dxt5.log;
    EXPECT_EQ(dxt5.image.m_iLevel0Size, 640u);
}

TEST(DdsImageTest, HeaderFaultsAreReportedAndReadingGoesOn)
{
    auto dds = MakeDds(32, 32, DDS_FOURCC_DXT5, 1024);
    Put(dds, DDS_MAGIC_OFFSET, 0x12345678);
    Put(dds, DDS_FLAGS_OFFSET, 0);
    Put(dds, DDS_IMAGE_SIZE_OFFSET, 0);
    const ReadResult read = Read(dds);
    EXPECT_TRUE(read.accepted);
    EXPECT_NE(read.log.find("condition: dwMagic == MAKEFOURCC('D', 'D', 'S', ' ')\n"), std::string::npos) << read.log;
    EXPECT_NE(read.log.find("condition: pHeader->dwFlags&DDSD_HEIGHT\n"), std::string::npos);
    EXPECT_NE(read.log.find("condition: pHeader->dwFlags&DDSD_WIDTH\n"), std::string::npos);
    EXPECT_NE(read.log.find("condition: pHeader->dwFlags&DDSD_PIXELFORMAT\n"), std::string::npos);
    EXPECT_NE(read.log.find("condition: pHeader->dwReserved != 0\nmessage:\nThe size of a texture cannot be 0!"),
              std::string::npos);
    EXPECT_EQ(read.image.m_iImageSize, 0u);
}

TEST(DdsImageTest, RefusesImagesThatCannotSafelyBecomeTextures)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> dds;
        size_t size;
        const char* reason;
    };
    const auto good = MakeDds(30, 17, DDS_FOURCC_DXT5, 640);
    // BC1 (DXGI format 71) behind the second header of the DX10 code.
    auto bc1 = MakeDds(4, 4, DDS_FOURCC_DX10, 20 + 8);
    Put(bc1, DDS_LEVEL0_OFFSET, 71);
    const std::vector<Case> cases = {
        {"empty", good, 0, "shorter than its 128-byte header"},
        {"header cut", good, 127, "shorter than its 128-byte header"},
        {"last byte missing", good, good.size() - 1, "level 0 of 30 x 17 pixels runs past its 639 bytes of pixels"},
        {"header only", good, 128, "level 0 of 30 x 17 pixels runs past its 0 bytes of pixels"},
        {"uncompressed", MakeDds(4, 4, 21, 64), 128 + 64, "not block-compressed"},
        {"unknown code", MakeDds(4, 4, 0x33545844 + 0x100, 16), 128 + 16, "not block-compressed"},
        {"DX10 header", bc1, bc1.size(), "its pixel format is in a DX10 header, which the game does not read"},
        {"zero width", MakeDds(0, 4, DDS_FOURCC_DXT1, 8), 128 + 8, "0 pixels wide or high"},
        {"zero height", MakeDds(4, 0, DDS_FOURCC_DXT1, 8), 128 + 8, "0 pixels wide or high"},
        {"huge", MakeDds(0xFFFFFFFF, 0xFFFFFFFF, DDS_FOURCC_DXT5, 16), 128 + 16,
         "level 0 of 4294967295 x 4294967295 pixels runs past"},
    };
    for (const Case& c : cases) {
        const ReadResult read = Read(c.dds, c.size);
        EXPECT_FALSE(read.accepted) << c.what;
        EXPECT_EQ(read.log.rfind("texture \"tex_name\": bad DDS image: ", 0), 0u) << c.what << ": " << read.log;
        EXPECT_NE(read.log.find(c.reason), std::string::npos) << c.what << ": " << read.log;
    }
    DdsImage untouched;
    EXPECT_FALSE(ReadDdsImage("null", nullptr, 1000, untouched));
}

} // namespace
