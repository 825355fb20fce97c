#include "Graphics/RgbaImage.h"
#include "Renderer/CoreRenderer.h"
#include "Support/OpenGlRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

using namespace Platform;

namespace {

constexpr int32_t FX = 4096;
constexpr uint32_t BLACK = 0x000000FF;

testing::AssertionResult Near(uint32_t actual, uint32_t expected, uint32_t tolerance = 2)
{
    return TestSupport::PixelNear(actual, expected, tolerance);
}

// The renderer on the 2D screen: one virtual unit is one pixel.
class RendererPixelTest : public TestSupport::OpenGlRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::OpenGlRendererTest::SetUp();
        if (HasFatalFailure())
            return;
        m_device = m_renderer.GetDevice();
        UseScreenProjection();
        m_renderer.SetClearColor(0xFF000000);
        ASSERT_TRUE(m_renderer.BeginFrame());
        m_renderer.ClearFrame();
    }

    void TearDown() override
    {
        if (m_device)
            m_renderer.EndFrame();
        TestSupport::OpenGlRendererTest::TearDown();
    }

    // A rectangle of one colour (0xRRGGBBAA) as a fan, in pixels.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t colour)
    {
        ASSERT_TRUE(m_renderer.PrimitiveBegin(D3DPT_TRIANGLEFAN, 4, nullptr));
        m_renderer.PrimitiveVertexAdd(left * FX, top * FX, 0, colour, 0, 0);
        m_renderer.PrimitiveVertexAdd(right * FX, top * FX, 0, colour, FX, 0);
        m_renderer.PrimitiveVertexAdd(right * FX, bottom * FX, 0, colour, FX, FX);
        m_renderer.PrimitiveVertexAdd(left * FX, bottom * FX, 0, colour, 0, FX);
        ASSERT_TRUE(m_renderer.PrimitiveEnd());
    }

    GraphicsDevice* m_device = nullptr;
};

// An 8 x 8 DXT1 image of four 4 x 4 blocks, each of one colour: red, green
// (top), blue, white (bottom).
std::vector<uint8_t> FourColourDxt1()
{
    const uint16_t colours[4] = {0xF800, 0x07E0, 0x001F, 0xFFFF};
    std::vector<uint8_t> blocks(32, 0);
    for (size_t i = 0; i < 4; ++i) {
        blocks[i * 8] = uint8_t(colours[i]);
        blocks[i * 8 + 1] = uint8_t(colours[i] >> 8);
    }
    return blocks;
}

} // namespace

TEST_F(RendererPixelTest, UntexturedFanCoversExactlyItsPixels)
{
    Rectangle(16, 16, 48, 40, 0xFF0000FF);
    Rectangle(100, 50, 101, 51, 0x00FF00FF);
    const RgbaImage image = Picture();
    ASSERT_EQ(image.width, 256u);
    ASSERT_EQ(image.height, 192u);
    EXPECT_EQ(image.At(16, 16), 0xFF0000FFu);
    EXPECT_EQ(image.At(47, 39), 0xFF0000FFu);
    EXPECT_EQ(image.At(15, 16), BLACK);
    EXPECT_EQ(image.At(16, 15), BLACK);
    EXPECT_EQ(image.At(48, 39), BLACK);
    EXPECT_EQ(image.At(47, 40), BLACK);
    // A one-unit square is one pixel.
    EXPECT_EQ(image.At(100, 50), 0x00FF00FFu);
    EXPECT_EQ(image.At(101, 50), BLACK);
    EXPECT_EQ(image.At(100, 51), BLACK);
}

TEST_F(RendererPixelTest, Dxt1TexturedQuadShowsItsBlocksInPlace)
{
    GraphicsTexture* texture = nullptr;
    ASSERT_EQ(m_device->CreateTexture(8, 8, 1, 0, D3DFMT_DXT1, D3DPOOL_MANAGED, &texture), D3D_OK);
    LockedRect locked;
    ASSERT_EQ(texture->LockRect(0, &locked, 0), D3D_OK);
    ASSERT_EQ(locked.pitch, 16);
    const std::vector<uint8_t> blocks = FourColourDxt1();
    std::memcpy(locked.bits, blocks.data(), blocks.size());
    ASSERT_EQ(texture->UnlockRect(0), D3D_OK);
    CoreTexture handle;
    handle.m_pD3DTexture = texture;

    m_renderer.DrawTexturedQuad(&handle, 32 * FX, 32 * FX, 64 * FX, 64 * FX, 0);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(64, 64), 0xFF0000FFu);
    EXPECT_EQ(image.At(72, 72), 0xFF0000FFu);
    EXPECT_EQ(image.At(88, 72), 0x00FF00FFu);
    EXPECT_EQ(image.At(72, 88), 0x0000FFFFu);
    EXPECT_EQ(image.At(95, 95), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(63, 64), BLACK);
    EXPECT_EQ(image.At(96, 95), BLACK);
    EXPECT_EQ(image.At(95, 96), BLACK);
    delete texture;
}

TEST_F(RendererPixelTest, AlphaTestDropsTransparentPixels)
{
    m_renderer.SetRenderState(D3DRS_ALPHABLENDENABLE, 0);
    Rectangle(10, 10, 20, 20, 0xFFFFFF00); // alpha 0: fails "alpha >= 1"
    Rectangle(30, 10, 40, 20, 0xFFFFFF01); // alpha 1: passes, drawn unblended
    m_renderer.SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_EQUAL);
    m_renderer.SetRenderState(D3DRS_ALPHAREF, 255);
    Rectangle(50, 10, 60, 20, 0xFFFFFFFE);
    Rectangle(70, 10, 80, 20, 0xFFFFFFFF);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(15, 15), BLACK);
    EXPECT_TRUE(Near(image.At(35, 15), 0xFFFFFFFF, 0));
    EXPECT_EQ(image.At(55, 15), BLACK);
    EXPECT_TRUE(Near(image.At(75, 15), 0xFFFFFFFF, 0));
}

TEST_F(RendererPixelTest, AlphaBlendingMixesWithWhatIsThere)
{
    Rectangle(10, 10, 50, 50, 0xFFFFFFFF);
    Rectangle(30, 30, 70, 70, 0xFF000080);
    const RgbaImage image = Picture();
    EXPECT_TRUE(Near(image.At(20, 20), 0xFFFFFFFF, 0));
    EXPECT_TRUE(Near(image.At(40, 40), 0xFF8080FF)); // half red over white
    EXPECT_TRUE(Near(image.At(60, 60), 0x800000FF)); // half red over black
}

TEST_F(RendererPixelTest, StencilMaskLimitsDrawing)
{
    // Write 1 into the stencil where the mask goes, without colour.
    m_renderer.SetRenderState(D3DRS_COLORWRITEENABLE, 0);
    m_renderer.SetRenderState(D3DRS_STENCILENABLE, 1);
    m_renderer.SetStencilFunc(D3DCMP_ALWAYS);
    m_renderer.SetStencilRef(1);
    m_renderer.SetStencilPass(D3DSTENCILOP_REPLACE);
    Rectangle(40, 40, 80, 60, 0xFFFFFFFF);

    // Draw the whole screen where the stencil holds 1.
    m_renderer.SetRenderState(D3DRS_COLORWRITEENABLE, 0xF);
    m_renderer.SetStencilFunc(D3DCMP_EQUAL);
    m_renderer.SetStencilPass(D3DSTENCILOP_KEEP);
    Rectangle(0, 0, 256, 192, 0x00FF00FF);

    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(40, 40), 0x00FF00FFu);
    EXPECT_EQ(image.At(79, 59), 0x00FF00FFu);
    EXPECT_EQ(image.At(39, 40), BLACK);
    EXPECT_EQ(image.At(80, 59), BLACK);
    EXPECT_EQ(image.At(79, 60), BLACK);
    EXPECT_EQ(image.At(5, 5), BLACK);
}

TEST_F(RendererPixelTest, ShadowStencilDarkensEachPixelOnce)
{
    Rectangle(0, 0, 256, 192, 0xFFFFFFFF);
    // The shadow pass: equal to 0, increment on pass.
    m_renderer.SetRenderState(D3DRS_STENCILENABLE, 1);
    m_renderer.SetStencilFunc(D3DCMP_EQUAL);
    m_renderer.SetStencilRef(0);
    m_renderer.SetStencilPass(D3DSTENCILOP_INCR);
    Rectangle(10, 10, 50, 50, 0x00000080);
    Rectangle(30, 30, 70, 70, 0x00000080);
    m_renderer.SetRenderState(D3DRS_STENCILENABLE, 0);

    const RgbaImage image = Picture();
    EXPECT_TRUE(Near(image.At(20, 20), 0x7F7F7FFF));
    EXPECT_TRUE(Near(image.At(40, 40), 0x7F7F7FFF));
    EXPECT_TRUE(Near(image.At(60, 60), 0x7F7F7FFF));
    EXPECT_EQ(image.At(80, 80), 0xFFFFFFFFu);
}

TEST_F(RendererPixelTest, DepthTestKeepsTheNearerPicture)
{
    // Greater depth values are nearer the viewer on the 2D screen.
    ASSERT_TRUE(m_renderer.PrimitiveBegin(D3DPT_TRIANGLESTRIP, 4, nullptr));
    for (int32_t corner = 0; corner < 4; ++corner)
        m_renderer.PrimitiveVertexAdd((10 + 30 * (corner / 2)) * FX, (10 + 30 * (corner % 2)) * FX, -FX / 8, 0x0000FFFF,
                                      0, 0);
    ASSERT_TRUE(m_renderer.PrimitiveEnd());
    ASSERT_TRUE(m_renderer.PrimitiveBegin(D3DPT_TRIANGLESTRIP, 4, nullptr));
    for (int32_t corner = 0; corner < 4; ++corner)
        m_renderer.PrimitiveVertexAdd((20 + 30 * (corner / 2)) * FX, (20 + 30 * (corner % 2)) * FX, -FX / 2, 0xFF0000FF,
                                      0, 0);
    ASSERT_TRUE(m_renderer.PrimitiveEnd());
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(30, 30), 0x0000FFFFu);
    EXPECT_EQ(image.At(45, 45), 0xFF0000FFu);
}

TEST_F(RendererPixelTest, BackBufferIsWrittenAsPng)
{
    Rectangle(0, 0, 10, 10, 0xFF0000FF);
    TestSupport::TempDir folder;
    const std::string path = (folder / "frame.png").string();
    ASSERT_TRUE(WritePng(Picture(), path));
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}
