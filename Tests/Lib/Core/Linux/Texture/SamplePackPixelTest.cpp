// Textures of the sample data's "common.dr" drawn on the OpenGL device.
#include "DataPack/DkDataPackBinding.h"
#include "Graphics/RgbaImage.h"
#include "Renderer/CoreRenderer.h"
#include "Support/Files.h"
#include "Support/GoldenImage.h"
#include "Support/OpenGlRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Platform;

namespace {

constexpr int32_t FX = 4096;

// Channels within a tolerance: DXT colours are 5:6:5.
constexpr uint32_t TOLERANCE = 8;

testing::AssertionResult Near(uint32_t actual, uint32_t expected)
{
    return TestSupport::PixelNear(actual, expected, TOLERANCE);
}

testing::AssertionResult MatchesReference(const RgbaImage& image, const char* name)
{
    return TestSupport::MatchesGoldenImage(image, std::string("Lib/Core/Linux/Texture/") + name, TOLERANCE);
}

// The sample pack bound on the renderer, drawn on the 2D screen.
class SamplePackPixelTest : public TestSupport::OpenGlRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::OpenGlRendererTest::SetUp();
        if (HasFatalFailure())
            return;
        UseScreenProjection();

        m_pack = TestSupport::ReadFileBytes(TestSupport::DataDir() / "common.dr");
        ASSERT_TRUE(DkDataPackBinding::BindPack(m_dataPack, m_pack.data(), m_pack.size(), "common.dr"));
        ASSERT_TRUE(m_renderer.BeginFrame());
        m_renderer.ClearFrame();
    }

    void TearDown() override
    {
        m_renderer.EndFrame();
        DkDataPackBinding::UnbindPack(m_dataPack);
        TestSupport::OpenGlRendererTest::TearDown();
    }

    std::vector<uint8_t> m_pack;
    DataPack m_dataPack;
};

TEST_F(SamplePackPixelTest, BackgroundQuadShowsItsBandsInPlace)
{
    CoreTexture* beach = g_pTextureManager->GetTextureByName("beach_bg");
    ASSERT_NE(beach, nullptr);
    const CoreTextureDescription* description = CoreTexture::GetTextureDescriptionFromHandle(beach);
    ASSERT_EQ(description->m_iWidth, 160u);
    ASSERT_EQ(description->m_iHeight, 120u);

    m_renderer.DrawTexturedQuad(beach, 160 * FX, 120 * FX, 48 * FX, 36 * FX, 0);
    const RgbaImage image = Picture();
    // Sky, sea and sand from the top down, the sun top right.
    EXPECT_TRUE(Near(image.At(58, 46), 0x80C0F0FF));
    EXPECT_TRUE(Near(image.At(200, 70), 0x80C0F0FF));
    EXPECT_TRUE(Near(image.At(58, 96), 0x2050A0FF));
    EXPECT_TRUE(Near(image.At(200, 110), 0x2050A0FF));
    EXPECT_TRUE(Near(image.At(58, 136), 0xE0C080FF));
    EXPECT_TRUE(Near(image.At(178, 54), 0xFFF060FF));
    // Nothing outside the quad.
    EXPECT_EQ(image.At(47, 100), 0x000000FFu);
    EXPECT_EQ(image.At(208, 100), 0x000000FFu);
    EXPECT_EQ(image.At(100, 35), 0x000000FFu);
    EXPECT_EQ(image.At(100, 156), 0x000000FFu);
    EXPECT_TRUE(MatchesReference(image, "BackgroundQuad"));
}

TEST_F(SamplePackPixelTest, PointerSheetIsTransparentAroundItsImages)
{
    m_renderer.PrimitiveBegin(D3DPT_TRIANGLEFAN, 4, nullptr);
    m_renderer.PrimitiveVertexAdd(0, 0, 0, 0x0000FFFF, 0, 0);
    m_renderer.PrimitiveVertexAdd(256 * FX, 0, 0, 0x0000FFFF, 0, 0);
    m_renderer.PrimitiveVertexAdd(256 * FX, 192 * FX, 0, 0x0000FFFF, 0, 0);
    m_renderer.PrimitiveVertexAdd(0, 192 * FX, 0, 0x0000FFFF, 0, 0);
    m_renderer.PrimitiveEnd();

    CoreTexture* sheet = g_pTextureManager->GetTextureByName("Int_pointers");
    ASSERT_NE(sheet, nullptr);
    m_renderer.DrawTexturedQuad(sheet, 256 * FX, 128 * FX, 0, 0, 0);
    const RgbaImage image = Picture();
    // Image 0, the pointer, is white inside its black outline, down and right
    // of its tip in the middle of the cell.
    EXPECT_TRUE(Near(image.At(19, 22), 0xFFFFFFFF));
    EXPECT_TRUE(Near(image.At(12, 12), 0x0000FFFF));
    // Transparent pixels of the cells leave the blue behind.
    EXPECT_TRUE(Near(image.At(28, 4), 0x0000FFFF));
    EXPECT_TRUE(Near(image.At(128, 64), 0x0000FFFF));
    // Below the sheet.
    EXPECT_TRUE(Near(image.At(128, 160), 0x0000FFFF));
    EXPECT_TRUE(MatchesReference(image, "PointerSheet"));
}

} // namespace
