#include "Graphics/Null/NullGraphicsSystem.h"

#include <gmock/gmock.h>

#include <memory>

using namespace Platform;
using testing::ElementsAre;

namespace {

class NullDeviceTest : public testing::Test {
protected:
    void SetUp() override
    {
        PresentParameters parameters {};
        parameters.windowed = 1;
        parameters.enableAutoDepthStencil = 1;
        parameters.autoDepthStencilFormat = D3DFMT_D24S8;
        GraphicsDevice* device = nullptr;
        ASSERT_EQ(m_system.CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &device), D3D_OK);
        m_device.reset(device);
        EXPECT_EQ(parameters.backBufferWidth, 640u);
        EXPECT_EQ(parameters.backBufferHeight, 480u);
        m_control->recorder.Clear();
    }

    uint32_t State(uint32_t state)
    {
        uint32_t value = 0xDEADBEEF;
        EXPECT_EQ(m_device->GetRenderState(state, &value), D3D_OK);
        return value;
    }

    std::shared_ptr<NullGraphicsControl> m_control = [] {
        auto control = std::make_shared<NullGraphicsControl>();
        control->displayMode = {640, 480, 60, D3DFMT_X8R8G8B8};
        return control;
    }();
    NullGraphicsSystem m_system {m_control};
    std::unique_ptr<GraphicsDevice> m_device;
};

} // namespace

TEST_F(NullDeviceTest, AnswersTheStartingValueOfEveryState)
{
    EXPECT_EQ(State(D3DRS_ZENABLE), uint32_t(D3DZB_TRUE));
    EXPECT_EQ(State(D3DRS_CULLMODE), uint32_t(D3DCULL_CCW));
    EXPECT_EQ(State(D3DRS_LIGHTING), 1u);
    EXPECT_EQ(State(D3DRS_AMBIENT), 0u);
    EXPECT_EQ(State(D3DRS_STENCILMASK), 0xFFFFFFFFu);
    EXPECT_EQ(State(D3DRS_ALPHAFUNC), uint32_t(D3DCMP_ALWAYS));
    EXPECT_EQ(State(D3DRS_COLORWRITEENABLE), 0xFu);
    EXPECT_EQ(State(D3DRS_VERTEXBLEND), 0u);
    uint32_t value = 0;
    EXPECT_EQ(m_device->GetRenderState(256, &value), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->GetTextureStageState(0, D3DTSS_COLOROP, &value), D3D_OK);
    EXPECT_EQ(value, uint32_t(D3DTOP_MODULATE));
    EXPECT_EQ(m_device->GetSamplerState(0, D3DSAMP_ADDRESSU, &value), D3D_OK);
    EXPECT_EQ(value, uint32_t(D3DTADDRESS_WRAP));
    Viewport viewport;
    EXPECT_EQ(m_device->GetViewport(&viewport), D3D_OK);
    EXPECT_EQ(viewport.width, 640u);
    EXPECT_EQ(viewport.maxZ, 1.0f);
    DeviceCaps caps;
    EXPECT_EQ(m_device->GetDeviceCaps(&caps), D3D_OK);
    EXPECT_EQ(caps.maxVertexBlendMatrices, 4u);
    EXPECT_EQ(caps.textureCaps & D3DPTEXTURECAPS_POW2, 0u);
}

TEST_F(NullDeviceTest, KeepsTransformsLightsAndMaterial)
{
    Matrix4 blend {};
    blend.m[3][0] = 5.0f;
    EXPECT_EQ(m_device->SetTransform(D3DTS_WORLDMATRIX(3), &blend), D3D_OK);
    EXPECT_EQ(m_device->SetTransform(D3DTS_WORLDMATRIX(4), &blend), D3DERR_INVALIDCALL);
    Matrix4 read {};
    EXPECT_EQ(m_device->GetTransform(D3DTS_WORLDMATRIX(3), &read), D3D_OK);
    EXPECT_EQ(read.m[3][0], 5.0f);
    EXPECT_EQ(m_device->GetTransform(D3DTS_WORLD, &read), D3D_OK);
    EXPECT_EQ(read.m[0][0], 1.0f);

    Light light {};
    light.type = D3DLIGHT_DIRECTIONAL;
    light.direction = {0, 0, 1};
    EXPECT_EQ(m_device->SetLight(3, &light), D3D_OK);
    EXPECT_EQ(m_device->LightEnable(3, true), D3D_OK);
    bool enabled = false;
    EXPECT_EQ(m_device->GetLightEnable(3, &enabled), D3D_OK);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(m_device->LightEnable(8, true), D3DERR_INVALIDCALL);
    light.type = 7;
    EXPECT_EQ(m_device->SetLight(0, &light), D3DERR_INVALIDCALL);

    const Material material {{0.5f, 0.5f, 0.5f, 0.5f}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 0}, 1.0f};
    EXPECT_EQ(m_device->SetMaterial(&material), D3D_OK);
    Material back {};
    EXPECT_EQ(m_device->GetMaterial(&back), D3D_OK);
    EXPECT_EQ(back.diffuse.a, 0.5f);
    EXPECT_EQ(back.power, 1.0f);
}

TEST_F(NullDeviceTest, RefusesCallsThatWouldReadOutOfBounds)
{
    const float vertices[3 * 6] = {};
    m_device->SetFVF(0x142);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, 24), D3DERR_INVALIDCALL); // no scene
    ASSERT_EQ(m_device->BeginScene(), D3D_OK);
    EXPECT_EQ(m_device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, 24), D3D_OK);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, 20), D3DERR_INVALIDCALL); // stride
    EXPECT_EQ(m_device->DrawPrimitiveUP(9, 1, vertices, 24), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 0x7FFFFFFF, vertices, 24), D3DERR_INVALIDCALL);

    const uint16_t inRange[3] = {4, 5, 6};
    const uint16_t outOfRange[3] = {4, 5, 7};
    const uint16_t belowRange[3] = {3, 5, 6};
    const float many[7 * 6] = {};
    EXPECT_EQ(m_device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 4, 3, 1, inRange, D3DFMT_INDEX16, many, 24), D3D_OK);
    EXPECT_EQ(m_device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 4, 3, 1, outOfRange, D3DFMT_INDEX16, many, 24),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 4, 3, 1, belowRange, D3DFMT_INDEX16, many, 24),
              D3DERR_INVALIDCALL);
    const uint32_t wide[3] = {0, 1, 2};
    EXPECT_EQ(m_device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 0, 3, 1, wide, D3DFMT_INDEX32, many, 24), D3D_OK);
    EXPECT_EQ(m_device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 0, 3, 1, wide, 7, many, 24), D3DERR_INVALIDCALL);

    m_device->SetFVF(0x146);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, 24), D3DERR_INVALIDCALL);

    const Viewport outside {600, 0, 100, 100, 0.0f, 1.0f};
    EXPECT_EQ(m_device->SetViewport(&outside), D3DERR_INVALIDCALL);
    const Viewport inverted {0, 0, 100, 100, 1.0f, 0.0f};
    EXPECT_EQ(m_device->SetViewport(&inverted), D3DERR_INVALIDCALL);
}

TEST_F(NullDeviceTest, DeletedTextureIsUnboundAndForeignTexturesAreRefused)
{
    GraphicsTexture* refused = nullptr;
    EXPECT_EQ(m_device->CreateTexture(16, 16, 1, 0, D3DFMT_R5G6B5, D3DPOOL_MANAGED, &refused), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(refused, nullptr);
    GraphicsTexture* texture = nullptr;
    ASSERT_EQ(m_device->CreateTexture(16, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(m_device->SetTexture(0, texture), D3D_OK);
    delete texture;
    m_control->recorder.Clear();

    // The stage no longer points at the deleted texture: drawing is safe.
    ASSERT_EQ(m_device->BeginScene(), D3D_OK);
    m_device->SetFVF(0x142);
    const float vertices[3 * 6] = {};
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, 24), D3D_OK);

    GraphicsDevice* other = nullptr;
    PresentParameters parameters {};
    parameters.windowed = 1;
    ASSERT_EQ(m_system.CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &other), D3D_OK);
    GraphicsTexture* foreign = nullptr;
    ASSERT_EQ(other->CreateTexture(4, 4, 1, 0, D3DFMT_DXT5, D3DPOOL_MANAGED, &foreign), D3D_OK);
    EXPECT_EQ(m_device->SetTexture(0, foreign), D3DERR_INVALIDCALL);
    // A device deleted before its texture leaves the texture usable alone.
    delete other;
    LockedRect locked;
    EXPECT_EQ(foreign->LockRect(0, &locked, 0), D3D_OK);
    EXPECT_EQ(foreign->UnlockRect(0), D3D_OK);
    delete foreign;
}

TEST_F(NullDeviceTest, ResetRestoresTheStartingStatesAndKeepsTextures)
{
    GraphicsTexture* texture = nullptr;
    ASSERT_EQ(m_device->CreateTexture(4, 4, 1, 0, D3DFMT_DXT1, D3DPOOL_MANAGED, &texture), D3D_OK);
    m_device->SetRenderState(D3DRS_LIGHTING, 0);
    m_device->SetTexture(0, texture);
    m_control->deviceLost = true;
    m_control->cooperativeLevels = {D3DERR_DEVICELOST};
    EXPECT_EQ(m_device->Present(), D3DERR_DEVICELOST);
    EXPECT_EQ(m_device->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(m_device->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);

    PresentParameters parameters {};
    parameters.windowed = 1;
    parameters.enableAutoDepthStencil = 1;
    EXPECT_EQ(m_device->Reset(&parameters), D3D_OK);
    EXPECT_EQ(State(D3DRS_LIGHTING), 1u);
    EXPECT_EQ(m_device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(m_device->Present(), D3D_OK);
    EXPECT_EQ(m_device->SetTexture(0, texture), D3D_OK);
    EXPECT_EQ(texture->GetLevelCount(), 1u);
    delete texture;
}

TEST_F(NullDeviceTest, ClearNeedsADepthBufferForDepthAndStencil)
{
    EXPECT_EQ(m_device->Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0, 1.0f, 0), D3D_OK);
    PresentParameters parameters {};
    parameters.windowed = 1;
    GraphicsDevice* flat = nullptr;
    ASSERT_EQ(m_system.CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &flat), D3D_OK);
    EXPECT_EQ(flat->Clear(D3DCLEAR_TARGET, 0, 1.0f, 0), D3D_OK);
    EXPECT_EQ(flat->Clear(D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    uint32_t zEnable = 1;
    flat->GetRenderState(D3DRS_ZENABLE, &zEnable);
    EXPECT_EQ(zEnable, uint32_t(D3DZB_FALSE));
    delete flat;
}
