#include "Graphics/GraphicsFormats.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Platform;

namespace {

class CoreTextureManagerTest : public TestSupport::NullRendererTest {
protected:
    CoreTextureManager& Manager() { return *g_pTextureManager; }

    CoreTexture* Create(const char* name, const std::vector<uint8_t>& dds, std::string* log = nullptr)
    {
        TestSupport::LogCapture capture;
        CoreTexture* texture = Manager().CreateTexture(name, dds.data(), dds.size());
        const std::string output = capture.Take();
        if (log)
            *log = output;
        return texture;
    }

    // The bytes of level 0 as the texture holds them.
    static std::vector<uint8_t> Level0(CoreTexture* texture)
    {
        SurfaceDesc level {};
        LockedRect locked {};
        texture->m_pD3DTexture->GetLevelDesc(0, &level);
        texture->m_pD3DTexture->LockRect(0, &locked, D3DLOCK_READONLY);
        const uint8_t* bits = static_cast<const uint8_t*>(locked.bits);
        std::vector<uint8_t> bytes(bits, bits + size_t(locked.pitch) * ((level.height + 3) / 4));
        texture->m_pD3DTexture->UnlockRect(0);
        return bytes;
    }
};

TEST_F(CoreTextureManagerTest, RendererOwnsTheSingleton)
{
    EXPECT_EQ(g_pTextureManager, m_renderer.GetTextureManager());
    EXPECT_EQ(Manager().m_pRenderer, &m_renderer);
    EXPECT_EQ(Manager().m_oTextureMap.Capacity(), 4096u);
    EXPECT_EQ(Manager().GetTotalBytes(), 0u);
    m_renderer.Shutdown();
    EXPECT_EQ(g_pTextureManager, nullptr);
    EXPECT_EQ(m_renderer.GetTextureManager(), nullptr);
}

TEST_F(CoreTextureManagerTest, SizesRoundUpToWholeBlocks)
{
    // 30 x 17: 8 x 5 blocks.
    const std::vector<uint8_t> dxt1 = TestSupport::HandMadeDds(30, 17, D3DFMT_DXT1, 320, 11);
    CoreTexture* texture = Create("odd_dxt1", dxt1);
    ASSERT_NE(texture, nullptr);
    const CoreTextureDescription* description = CoreTexture::GetTextureDescriptionFromHandle(texture);
    EXPECT_EQ(description->m_iWidth, 32u);
    EXPECT_EQ(description->m_iHeight, 20u);
    EXPECT_EQ(description->m_iImageWidth, 30u);
    EXPECT_EQ(description->m_iImageHeight, 17u);
    EXPECT_EQ(description->m_iBitsPerPixel, 4u);
    EXPECT_EQ(description->m_iLevelCount, 1u);
    EXPECT_EQ(description->m_iByteSize, 320u);
    const uint32_t words[7] = {30, 17, 7, 0, D3DFMT_DXT1, 3, 4};
    EXPECT_TRUE(std::equal(words, words + 7, description->m_vDdsWords));
    EXPECT_STREQ(description->m_sName, "odd_dxt1");
    EXPECT_EQ(Level0(texture), std::vector<uint8_t>(dxt1.begin() + 128, dxt1.end()));
    EXPECT_EQ(Manager().GetTotalBytes(), 320u);

    CoreTexture* dxt5 = Create("odd_dxt5", TestSupport::HandMadeDds(30, 17, D3DFMT_DXT5, 640));
    ASSERT_NE(dxt5, nullptr);
    EXPECT_EQ(dxt5->m_oDescription.m_iByteSize, 640u);
    EXPECT_EQ(dxt5->m_oDescription.m_iBitsPerPixel, 8u);
    EXPECT_EQ(Manager().GetTotalBytes(), 960u);
}

TEST_F(CoreTextureManagerTest, ImageSizeComesFromTheSizeWord)
{
    std::vector<uint8_t> dds = TestSupport::HandMadeDds(64, 32, D3DFMT_DXT5, 2048);
    WriteWord(dds.data(), DDS_IMAGE_SIZE_OFFSET, (50u << 16) | 25u);
    CoreTexture* texture = Create("padded", dds);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->m_oDescription.m_iImageWidth, 50u);
    EXPECT_EQ(texture->m_oDescription.m_iImageHeight, 25u);
    EXPECT_EQ(texture->m_oDescription.m_iWidth, 64u);
}

TEST_F(CoreTextureManagerTest, SameNameGivesOneTexture)
{
    CoreTexture* first = Create("shared", TestSupport::HandMadeDds(8, 8, D3DFMT_DXT1, 32));
    CoreTexture* second = Create("shared", TestSupport::HandMadeDds(16, 16, D3DFMT_DXT5, 256));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->m_oDescription.m_iWidth, 8u);
    EXPECT_EQ(Manager().GetTotalBytes(), 32u);
    EXPECT_EQ(Manager().GetTextureCount(), 1u);
    EXPECT_EQ(first->m_iRegistrationCount, 2u);

    // The texture goes with its last registration.
    EXPECT_TRUE(Manager().ReleaseTexture("shared"));
    EXPECT_EQ(Manager().GetTextureCount(), 1u);
    EXPECT_EQ(Manager().GetTotalBytes(), 32u);
    EXPECT_TRUE(Manager().ReleaseTexture("shared"));
    EXPECT_EQ(Manager().GetTextureCount(), 0u);
    EXPECT_EQ(Manager().GetTotalBytes(), 0u);
    EXPECT_FALSE(Manager().ReleaseTexture("shared"));
}

TEST_F(CoreTextureManagerTest, UnknownNameIsReportedByName)
{
    Create("known", TestSupport::HandMadeDds(4, 4, D3DFMT_DXT1, 8));
    TestSupport::LogCapture capture;
    EXPECT_EQ(Manager().GetTextureByName("unknown_tex"), nullptr);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: FALSE\nmessage:\ntexture \"unknown_tex\" not found\n"), std::string::npos) << log;
    EXPECT_NE(Manager().GetTextureByName("known"), nullptr);
}

TEST_F(CoreTextureManagerTest, ReleaseAllEmptiesTheManager)
{
    Create("a", TestSupport::HandMadeDds(4, 4, D3DFMT_DXT1, 8));
    Create("b", TestSupport::HandMadeDds(4, 4, D3DFMT_DXT5, 16));
    Manager().ReleaseAll();
    EXPECT_EQ(Manager().GetTotalBytes(), 0u);
    EXPECT_EQ(Manager().GetTextureCount(), 0u);
    TestSupport::LogCapture capture;
    EXPECT_EQ(Manager().GetTextureByName("a"), nullptr);
    EXPECT_EQ(Manager().GetTextureByName("b"), nullptr);
    capture.Take();
    // The node store is kept: textures can be made again.
    EXPECT_NE(Create("a", TestSupport::HandMadeDds(4, 4, D3DFMT_DXT1, 8)), nullptr);
}

TEST_F(CoreTextureManagerTest, RefusedImageEntersNothing)
{
    std::vector<uint8_t> cut = TestSupport::HandMadeDds(32, 32, D3DFMT_DXT5, 1024);
    cut.resize(cut.size() - 16);
    std::string log;
    EXPECT_EQ(Create("cut_tex", cut, &log), nullptr);
    EXPECT_NE(log.find("texture \"cut_tex\": bad DDS image:"), std::string::npos) << log;
    EXPECT_NE(log.find("condition: pCoreTexture != NULL\n"), std::string::npos) << log;
    EXPECT_EQ(Manager().GetTextureCount(), 0u);
    EXPECT_EQ(Manager().GetTotalBytes(), 0u);
    EXPECT_TRUE(m_graphics.Recorder().Texts("CreateTexture").empty());
}

TEST(CoreTextureTest, PixelBitSizes)
{
    const std::pair<uint32_t, uint32_t> table[] = {
        {21, 32},   {22, 32},         {23, 16},         {25, 16},         {26, 16},         {34, 32},
        {41, 8},    {111, 16},        {112, 32},        {113, 64},        {114, 32},        {115, 64},
        {116, 128}, {D3DFMT_DXT1, 4}, {D3DFMT_DXT2, 8}, {D3DFMT_DXT3, 8}, {D3DFMT_DXT4, 8}, {D3DFMT_DXT5, 8},
    };
    for (const auto& [format, bits] : table)
        EXPECT_EQ(CoreTexture::GetPixelBitSize(format), bits) << format;
    for (uint32_t unknown : {24u, 0u, 20u}) {
        TestSupport::LogCapture capture;
        EXPECT_EQ(CoreTexture::GetPixelBitSize(unknown), 0u);
        EXPECT_NE(capture.Take().find("condition: 0\n"), std::string::npos);
    }
}

TEST(CoreTextureTest, NullHandleIsReported)
{
    TestSupport::LogCapture capture;
    EXPECT_EQ(CoreTexture::GetTextureDescriptionFromHandle(nullptr), nullptr);
    EXPECT_NE(capture.Take().find("condition: hTexture != NULL\n"), std::string::npos);
}

} // namespace

namespace {

TEST_F(CoreTextureManagerTest, SecondRendererDoesNotTakeTheManagerOver)
{
    CoreRendererSettings settings;
    settings.m_uWidth = 640;
    settings.m_uHeight = 480;
    settings.m_uPrimitiveBufferSize = 16;
    {
        CoreRenderer second;
        TestSupport::LogCapture capture;
        ASSERT_TRUE(second.Initialize(settings));
        EXPECT_NE(capture.Take().find("condition: g_pTextureManager == NULL\n"), std::string::npos);
        EXPECT_EQ(second.GetTextureManager(), nullptr);
        second.Shutdown();
    }
    EXPECT_EQ(g_pTextureManager, m_renderer.GetTextureManager());
    EXPECT_EQ(Manager().m_pRenderer, &m_renderer);
}

} // namespace
