#include "Graphics/GraphicsSystem.h"
#include "Support/OpenGlTestWindow.h"

#include <gtest/gtest.h>

#include <SDL_opengl.h>

#include <cstring>
#include <malloc.h>
#include <memory>

using namespace Platform;

namespace {

constexpr uint32_t BLACK = 0x000000FF;

struct ScreenVertex {
    float x, y, z, rhw;
    uint32_t colour;
    float u, v;
};

struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
};

struct ColouredVertex {
    float x, y, z;
    uint32_t colour;
    float u, v;
};

// An OpenGL device over a hidden 64 x 64 window, with the scene begun.
class OpenGlDeviceTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Open(0)); }

    void TearDown() override
    {
        m_device.reset();
        m_system.reset();
    }

    bool Open(uint32_t samples)
    {
        m_device.reset();
        if (!m_window.Get())
            return false;
        m_system.reset(CreateGraphicsSystem());
        PresentParameters parameters {};
        parameters.windowed = 1;
        parameters.swapEffect = D3DSWAPEFFECT_COPY;
        parameters.enableAutoDepthStencil = 1;
        parameters.autoDepthStencilFormat = D3DFMT_D24S8;
        parameters.multiSampleType = samples;
        parameters.backBufferWidth = 64;
        parameters.backBufferHeight = 64;
        GraphicsDevice* device = nullptr;
        if (m_system->CreateDevice(0, D3DDEVTYPE_HAL, m_window.Get(), D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters,
                                   &device) != D3D_OK)
            return false;
        m_device.reset(device);
        m_device->SetRenderState(D3DRS_LIGHTING, 0);
        m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        m_device->Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF000000, 1.0f, 0);
        return m_device->BeginScene() == D3D_OK;
    }

    // A screen-space rectangle covering pixels [left, right) x [top, bottom).
    GraphicsResult ScreenRectangle(float left, float top, float right, float bottom, uint32_t colour, float u0 = 0,
                                   float v0 = 0, float u1 = 1, float v1 = 1)
    {
        const ScreenVertex strip[4] = {
            {left - 0.5f, top - 0.5f, 0, 1, colour, u0, v0},
            {left - 0.5f, bottom - 0.5f, 0, 1, colour, u0, v1},
            {right - 0.5f, top - 0.5f, 0, 1, colour, u1, v0},
            {right - 0.5f, bottom - 0.5f, 0, 1, colour, u1, v1},
        };
        m_device->SetFVF(0x144);
        return m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, strip, sizeof(ScreenVertex));
    }

    RgbaImage Picture()
    {
        RgbaImage image;
        EXPECT_EQ(m_device->ReadBackBuffer(&image), D3D_OK);
        return image;
    }

    GraphicsTexture* MakeTexture(uint32_t format, uint32_t width, uint32_t height, const uint32_t* pixels)
    {
        GraphicsTexture* texture = nullptr;
        EXPECT_EQ(m_device->CreateTexture(width, height, 1, 0, format, D3DPOOL_MANAGED, &texture), D3D_OK);
        Write(texture, width, height, pixels);
        return texture;
    }

    static void Write(GraphicsTexture* texture, uint32_t width, uint32_t height, const uint32_t* pixels)
    {
        LockedRect locked;
        EXPECT_EQ(texture->LockRect(0, &locked, 0), D3D_OK);
        for (uint32_t row = 0; row < height; ++row)
            std::memcpy(static_cast<uint8_t*>(locked.bits) + row * uint32_t(locked.pitch), pixels + row * width,
                        width * 4);
        EXPECT_EQ(texture->UnlockRect(0), D3D_OK);
    }

    TestSupport::OpenGlTestWindow m_window {64, 64};
    std::unique_ptr<GraphicsSystem> m_system;
    std::unique_ptr<GraphicsDevice> m_device;
};

} // namespace

TEST_F(OpenGlDeviceTest, PretransformedQuadCoversItsPixelRectangle)
{
    ASSERT_EQ(ScreenRectangle(10, 20, 30, 25, 0xFF00FF00), D3D_OK);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(10, 20), 0x00FF00FFu);
    EXPECT_EQ(image.At(29, 24), 0x00FF00FFu);
    EXPECT_EQ(image.At(9, 20), BLACK);
    EXPECT_EQ(image.At(10, 19), BLACK);
    EXPECT_EQ(image.At(30, 24), BLACK);
    EXPECT_EQ(image.At(29, 25), BLACK);
}

TEST_F(OpenGlDeviceTest, ThirtyTwoBitTexturesAndTheirAlpha)
{
    // A8R8G8B8 keeps its alpha, X8R8G8B8 reads as opaque.
    const uint32_t pixels[4] = {0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000};
    GraphicsTexture* withAlpha = MakeTexture(D3DFMT_A8R8G8B8, 2, 2, pixels);
    GraphicsTexture* opaque = MakeTexture(D3DFMT_X8R8G8B8, 2, 2, pixels);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_device->SetRenderState(D3DRS_ALPHATESTENABLE, 1);
    m_device->SetRenderState(D3DRS_ALPHAREF, 1);
    m_device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    m_device->SetTexture(0, withAlpha);
    ScreenRectangle(0, 0, 8, 8, 0xFFFFFFFF);
    m_device->SetTexture(0, opaque);
    ScreenRectangle(10, 0, 18, 8, 0xFFFFFFFF);
    // The vertex colour modulates the texture.
    ScreenRectangle(20, 0, 28, 8, 0xFF808080);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(4, 4), BLACK);
    EXPECT_EQ(image.At(14, 4), 0xFF0000FFu);
    EXPECT_EQ(image.At(24, 4) & 0xFFFFFF00u, 0x80000000u);
    delete withAlpha;
    delete opaque;
}

TEST_F(OpenGlDeviceTest, EachDrawShowsTheTexturesLastWrittenPixelsAndZerosWhereNeverWritten)
{
    const uint32_t red[4] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
    const uint32_t green[4] = {0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00};
    const uint32_t blue[4] = {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF};
    GraphicsTexture* unwritten = nullptr;
    ASSERT_EQ(m_device->CreateTexture(2, 2, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &unwritten), D3D_OK);
    // Written twice before its first draw, then again while still bound.
    GraphicsTexture* texture = MakeTexture(D3DFMT_X8R8G8B8, 2, 2, red);
    Write(texture, 2, 2, green);
    m_device->SetTexture(0, unwritten);
    ScreenRectangle(0, 0, 8, 8, 0xFFFFFFFF);
    m_device->SetTexture(0, texture);
    ScreenRectangle(10, 0, 18, 8, 0xFFFFFFFF);
    Write(texture, 2, 2, blue);
    ScreenRectangle(20, 0, 28, 8, 0xFFFFFFFF);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(4, 4), BLACK);
    EXPECT_EQ(image.At(14, 4), 0x00FF00FFu);
    EXPECT_EQ(image.At(24, 4), 0x0000FFFFu);
    delete unwritten;
    delete texture;
}

TEST_F(OpenGlDeviceTest, StageOperationChangedWhileUntexturedTakesEffectWithTheNextTexture)
{
    const uint32_t pixels[1] = {0xFFFF0000};
    GraphicsTexture* texture = MakeTexture(D3DFMT_X8R8G8B8, 1, 1, pixels);
    // The vertex colour alone, then an untextured draw while the stage goes
    // back to modulating, then the texture again.
    m_device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    m_device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    m_device->SetTexture(0, texture);
    ScreenRectangle(0, 0, 8, 8, 0xFF00FF00);
    m_device->SetTexture(0, nullptr);
    m_device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    ScreenRectangle(10, 0, 18, 8, 0xFF0000FF);
    m_device->SetTexture(0, texture);
    ScreenRectangle(20, 0, 28, 8, 0xFFFFFFFF);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(4, 4), 0x00FF00FFu);
    EXPECT_EQ(image.At(14, 4), 0x0000FFFFu);
    EXPECT_EQ(image.At(24, 4), 0xFF0000FFu);
    delete texture;
}

TEST_F(OpenGlDeviceTest, Dxt5KeepsItsAlphaBlocks)
{
    // Two 4 x 4 blocks of red: the left opaque (alpha index 0 = 255), the
    // right transparent (every alpha index 1 = 0).
    const uint8_t blocks[32] = {
        0xFF, 0x00, 0,    0,    0,    0,    0,    0,    0x00, 0xF8, 0, 0, 0, 0, 0, 0,
        0xFF, 0x00, 0x49, 0x92, 0x24, 0x49, 0x92, 0x24, 0x00, 0xF8, 0, 0, 0, 0, 0, 0,
    };
    GraphicsTexture* texture = nullptr;
    ASSERT_EQ(m_device->CreateTexture(8, 4, 1, 0, D3DFMT_DXT5, D3DPOOL_MANAGED, &texture), D3D_OK);
    LockedRect locked;
    ASSERT_EQ(texture->LockRect(0, &locked, 0), D3D_OK);
    ASSERT_EQ(locked.pitch, 32);
    std::memcpy(locked.bits, blocks, sizeof blocks);
    ASSERT_EQ(texture->UnlockRect(0), D3D_OK);
    m_device->SetTexture(0, texture);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_device->SetRenderState(D3DRS_ALPHATESTENABLE, 1);
    m_device->SetRenderState(D3DRS_ALPHAREF, 1);
    m_device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    m_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    ScreenRectangle(0, 0, 32, 16, 0xFFFFFFFF);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(4, 8), 0xFF0000FFu);
    EXPECT_EQ(image.At(28, 8), BLACK);
    delete texture;
}

TEST_F(OpenGlDeviceTest, PointsAndLineStripsLightTheirPixels)
{
    const ScreenVertex point[1] = {{5, 5, 0, 1, 0xFFFFFFFF, 0, 0}};
    // A rectangle outline as five vertices, the way rectangles are framed.
    const ScreenVertex outline[5] = {
        {20, 20, 0, 1, 0xFF00FF00, 0, 0}, {40, 20, 0, 1, 0xFF00FF00, 0, 0}, {40, 30, 0, 1, 0xFF00FF00, 0, 0},
        {20, 30, 0, 1, 0xFF00FF00, 0, 0}, {20, 20, 0, 1, 0xFF00FF00, 0, 0},
    };
    m_device->SetFVF(0x144);
    ASSERT_EQ(m_device->DrawPrimitiveUP(D3DPT_POINTLIST, 1, point, sizeof(ScreenVertex)), D3D_OK);
    ASSERT_EQ(m_device->DrawPrimitiveUP(D3DPT_LINESTRIP, 4, outline, sizeof(ScreenVertex)), D3D_OK);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(6, 5), BLACK);
    EXPECT_EQ(image.At(30, 20), 0x00FF00FFu);
    EXPECT_EQ(image.At(40, 25), 0x00FF00FFu);
    EXPECT_EQ(image.At(30, 30), 0x00FF00FFu);
    EXPECT_EQ(image.At(20, 25), 0x00FF00FFu);
    EXPECT_EQ(image.At(30, 25), BLACK);
}

TEST_F(OpenGlDeviceTest, WrapRepeatsTheTextureAndClampHoldsTheEdge)
{
    // Left column red, right column blue.
    const uint32_t pixels[4] = {0xFFFF0000, 0xFF0000FF, 0xFFFF0000, 0xFF0000FF};
    GraphicsTexture* texture = MakeTexture(D3DFMT_X8R8G8B8, 2, 2, pixels);
    m_device->SetTexture(0, texture);
    m_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    m_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
    ScreenRectangle(0, 0, 16, 4, 0xFFFFFFFF, 0, 0, 2, 1);
    m_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    ScreenRectangle(0, 10, 16, 14, 0xFFFFFFFF, 0, 0, 2, 1);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(2, 2), 0xFF0000FFu);
    EXPECT_EQ(image.At(6, 2), 0x0000FFFFu);
    EXPECT_EQ(image.At(10, 2), 0xFF0000FFu);
    EXPECT_EQ(image.At(14, 2), 0x0000FFFFu);
    EXPECT_EQ(image.At(2, 12), 0xFF0000FFu);
    EXPECT_EQ(image.At(10, 12), 0x0000FFFFu);
    EXPECT_EQ(image.At(14, 12), 0x0000FFFFu);
    delete texture;
}

TEST_F(OpenGlDeviceTest, DirectionalLightMaterialAndAmbient)
{
    // A square facing the viewer (normal towards -z) in front of an
    // identity camera; the light shines along +z onto it.
    const LitVertex square[4] = {
        {-0.5f, 0.5f, 0.5f, 0, 0, -1},
        {0.5f, 0.5f, 0.5f, 0, 0, -1},
        {-0.5f, -0.5f, 0.5f, 0, 0, -1},
        {0.5f, -0.5f, 0.5f, 0, 0, -1},
    };
    Light light {};
    light.type = D3DLIGHT_DIRECTIONAL;
    light.diffuse = {1, 1, 1, 1};
    light.direction = {0, 0, 1};
    const Material material {{1, 0, 0, 1}, {0, 0, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0};
    m_device->SetLight(2, &light);
    m_device->LightEnable(2, true);
    m_device->SetMaterial(&material);
    m_device->SetRenderState(D3DRS_LIGHTING, 1);
    m_device->SetRenderState(D3DRS_AMBIENT, 0xFF404040);
    m_device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL);
    ASSERT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, square, sizeof(LitVertex)), D3D_OK);
    RgbaImage image = Picture();
    // Diffuse red plus the ambient level times the material's blue.
    EXPECT_EQ(image.At(32, 32), 0xFF0040FFu);
    EXPECT_EQ(image.At(5, 5), BLACK);

    // The light off: only the ambient part is left.
    m_device->LightEnable(2, false);
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, square, sizeof(LitVertex));
    image = Picture();
    EXPECT_EQ(image.At(32, 32), 0x000040FFu);

    // World matrix: the square moved right by half the view.
    Matrix4 world {};
    world.m[0][0] = world.m[1][1] = world.m[2][2] = world.m[3][3] = 1.0f;
    world.m[3][0] = 1.0f;
    m_device->SetTransform(D3DTS_WORLD, &world);
    m_device->LightEnable(2, true);
    m_device->Clear(D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, square, sizeof(LitVertex));
    image = Picture();
    EXPECT_EQ(image.At(32, 32), BLACK);
    EXPECT_EQ(image.At(56, 32), 0xFF0040FFu);
}

TEST_F(OpenGlDeviceTest, CullModeDropsFacesByTheirScreenWinding)
{
    // Clockwise on the screen (y down): the first; counter-clockwise: the
    // second.
    const ScreenVertex clockwise[3] = {
        {2, 2, 0, 1, 0xFFFFFFFF, 0, 0}, {30, 2, 0, 1, 0xFFFFFFFF, 0, 0}, {2, 30, 0, 1, 0xFFFFFFFF, 0, 0}};
    const ScreenVertex counterClockwise[3] = {
        {34, 2, 0, 1, 0xFFFFFFFF, 0, 0}, {34, 30, 0, 1, 0xFFFFFFFF, 0, 0}, {62, 2, 0, 1, 0xFFFFFFFF, 0, 0}};
    m_device->SetFVF(0x144);
    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(ScreenVertex));
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, counterClockwise, sizeof(ScreenVertex));
    RgbaImage image = Picture();
    EXPECT_EQ(image.At(6, 6), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(38, 6), BLACK);

    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    m_device->Clear(D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(ScreenVertex));
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, counterClockwise, sizeof(ScreenVertex));
    image = Picture();
    EXPECT_EQ(image.At(6, 6), BLACK);
    EXPECT_EQ(image.At(38, 6), 0xFFFFFFFFu);
}

TEST_F(OpenGlDeviceTest, IndexedTrianglesUseTheirVertexRange)
{
    // Vertices 0 and 1 are never used; 2..5 make a square on the right.
    const ColouredVertex vertices[6] = {
        {-1, -1, 0, 0xFFFF0000, 0, 0}, {-1, 1, 0, 0xFFFF0000, 0, 0}, {0, 1, 0, 0xFF0000FF, 0, 0},
        {1, 1, 0, 0xFF0000FF, 0, 0},   {0, -1, 0, 0xFF0000FF, 0, 0}, {1, -1, 0, 0xFF0000FF, 0, 0},
    };
    const uint16_t indices[6] = {2, 3, 4, 4, 3, 5};
    m_device->SetFVF(0x142);
    ASSERT_EQ(m_device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 2, 4, 2, indices, D3DFMT_INDEX16, vertices,
                                               sizeof(ColouredVertex)),
              D3D_OK);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(48, 16), 0x0000FFFFu);
    EXPECT_EQ(image.At(48, 48), 0x0000FFFFu);
    EXPECT_EQ(image.At(16, 32), BLACK);
}

TEST_F(OpenGlDeviceTest, ClearCoversTheViewportOnlyWhateverTheWriteMasks)
{
    m_device->SetRenderState(D3DRS_COLORWRITEENABLE, 0);
    const Viewport corner {32, 32, 32, 32, 0.0f, 1.0f};
    ASSERT_EQ(m_device->SetViewport(&corner), D3D_OK);
    ASSERT_EQ(m_device->Clear(D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
    // The masks are back in force after the clear.
    ScreenRectangle(0, 0, 64, 64, 0xFFFF0000);
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(40, 40), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(63, 63), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(31, 40), BLACK);
    EXPECT_EQ(image.At(40, 31), BLACK);
}

TEST_F(OpenGlDeviceTest, ResetKeepsTexturesAndRestoresDefaultStates)
{
    const uint32_t pixels[1] = {0xFF00FF00};
    GraphicsTexture* texture = MakeTexture(D3DFMT_X8R8G8B8, 1, 1, pixels);
    m_device->EndScene();
    EXPECT_EQ(m_device->TestCooperativeLevel(), D3D_OK);
    PresentParameters parameters {};
    parameters.windowed = 1;
    parameters.enableAutoDepthStencil = 1;
    ASSERT_EQ(m_device->Reset(&parameters), D3D_OK);
    EXPECT_EQ(parameters.backBufferWidth, 64u);
    uint32_t lighting = 0;
    m_device->GetRenderState(D3DRS_LIGHTING, &lighting);
    EXPECT_EQ(lighting, 1u);

    uint32_t cull = 0;
    m_device->GetRenderState(D3DRS_CULLMODE, &cull);
    EXPECT_EQ(cull, uint32_t(D3DCULL_CCW));
    m_device->SetRenderState(D3DRS_LIGHTING, 0);
    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    m_device->Clear(D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    ASSERT_EQ(m_device->BeginScene(), D3D_OK);
    m_device->SetTexture(0, texture);
    ScreenRectangle(0, 0, 8, 8, 0xFFFFFFFF);
    EXPECT_EQ(Picture().At(4, 4), 0x00FF00FFu);
    EXPECT_EQ(m_device->EndScene(), D3D_OK);
    EXPECT_EQ(m_device->Present(), D3D_OK);
    delete texture;
}

TEST_F(OpenGlDeviceTest, MultisampledBackBufferSmoothsEdges)
{
    if (m_system->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, false, 4) != D3D_OK ||
        m_system->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_D24S8, false, 4) != D3D_OK)
        GTEST_SKIP() << "no 4-sample back buffers here";
    EXPECT_NE(m_system->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, false, 17), D3D_OK);
    ASSERT_TRUE(Open(4));
    const ScreenVertex slope[3] = {
        {0, 0, 0, 1, 0xFFFFFFFF, 0, 0}, {64, 0, 0, 1, 0xFFFFFFFF, 0, 0}, {0, 40, 0, 1, 0xFFFFFFFF, 0, 0}};
    m_device->SetFVF(0x144);
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, slope, sizeof(ScreenVertex));
    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(60, 38), BLACK);
    int partial = 0;
    for (uint32_t x = 0; x < 64; ++x) {
        const uint32_t red = image.At(x, 20) >> 24;
        if (red != 0 && red != 0xFF)
            ++partial;
    }
    EXPECT_GT(partial, 0);
}

TEST_F(OpenGlDeviceTest, SourceAlphaBlendingIsLeftOutOnlyWhereEveryPixelIsOpaque)
{
    // Blue under everything, then red quads blended by their alpha.
    ScreenRectangle(0, 0, 64, 64, 0xFF0000FF);
    uint32_t pixels[4] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
    GraphicsTexture* texture = MakeTexture(D3DFMT_A8R8G8B8, 2, 2, pixels);
    m_device->SetTexture(0, texture);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    m_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);

    // Opaque texels and vertices: the draw only copies, unblended.
    ScreenRectangle(0, 0, 8, 8, 0xFFFFFFFF);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    // Translucent vertices blend.
    ScreenRectangle(10, 0, 18, 8, 0x80FFFFFF);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    // So does a texture once a texel of it is written translucent (the
    // bottom-right one: the quad samples it in its bottom-right quarter).
    pixels[3] = 0x00FF0000;
    LockedRect locked;
    ASSERT_EQ(texture->LockRect(0, &locked, 0), D3D_OK);
    std::memcpy(locked.bits, pixels, 8);
    std::memcpy(static_cast<uint8_t*>(locked.bits) + locked.pitch, pixels + 2, 8);
    ASSERT_EQ(texture->UnlockRect(0), D3D_OK);
    m_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    m_device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    ScreenRectangle(20, 0, 28, 8, 0xFFFFFFFF);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    // Another blend than by source alpha is never left out.
    m_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    ScreenRectangle(30, 0, 38, 8, 0xFFFFFFFF);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));

    const RgbaImage image = Picture();
    EXPECT_EQ(image.At(4, 4), 0xFF0000FFu);
    EXPECT_TRUE(image.At(14, 4) == 0x80007FFFu || image.At(14, 4) == 0x7F0080FFu) << std::hex << image.At(14, 4);
    EXPECT_EQ(image.At(21, 1), 0xFF0000FFu);
    EXPECT_EQ(image.At(26, 6), 0x0000FFFFu);
    EXPECT_EQ(image.At(34, 4), 0xFF00FFFFu);
    delete texture;
}

TEST_F(OpenGlDeviceTest, PresentedFramesHandTheirDrawsToTheDriverAndMemoryStaysLevel)
{
    // A window without a screen (an off-screen surface) takes the swap as no
    // work at all: unless the present sends the frame on, the driver keeps
    // every draw of every frame. (The address sanitizer's heap reports
    // nothing, so there this holds trivially.)
    auto playFrames = [this](int frames) {
        for (int frame = 0; frame < frames; ++frame) {
            for (int quad = 0; quad < 100; ++quad)
                ScreenRectangle(float(quad % 60), 0, float(quad % 60 + 4), 64, 0xFF000000u | uint32_t(quad));
            ASSERT_EQ(m_device->EndScene(), D3D_OK);
            ASSERT_EQ(m_device->Present(), D3D_OK);
            ASSERT_EQ(m_device->BeginScene(), D3D_OK);
        }
    };
    // The driver's own buffers settle within the first frames. Kept draws
    // would grow by about 8 MiB every 200 frames; the driver's threads on a
    // busy machine hold up to 3 MiB more or less from one moment to the next.
    playFrames(200);
    const size_t before = mallinfo2().uordblks;
    playFrames(400);
    EXPECT_LT(mallinfo2().uordblks, before + (5u << 20));
}
