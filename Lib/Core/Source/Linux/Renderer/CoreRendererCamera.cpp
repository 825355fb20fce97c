#include "Error/EngineAssert.h"
#include "Graphics/MatrixFunctions.h"
#include "Renderer/CoreCamera.h"
#include "Renderer/CoreRenderer.h"
#include "Screen/CoreVirtualScreen.h"

using namespace Platform;

namespace {

constexpr float LIGHT_RANGE = 100000.0f;

} // namespace

void CoreRenderer::SetTransform(const CoreMatrix* pProjection, const CoreMatrix* pView, const CoreMatrix* pPostView)
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (m_pID3DDevice == nullptr)
        return;
    Matrix4 projection;
    CoreMatrix::TransposeToD3D(&projection, pProjection);
    m_pID3DDevice->SetTransform(D3DTS_PROJECTION, &projection);
    Matrix4 view;
    Matrix4 postView;
    CoreMatrix::TransposeToD3D(&view, pView);
    CoreMatrix::TransposeToD3D(&postView, pPostView);
    MatrixMultiply(&view, &view, &postView);
    m_pID3DDevice->SetTransform(D3DTS_VIEW, &view);
}

void CoreRenderer::SetCamera(const CoreCamera* pCamera)
{
    ENGINE_ASSERT(pCamera != NULL);
    if (pCamera == nullptr)
        return;
    m_oProjection = pCamera->m_oProjection;
    m_oView = pCamera->m_oView;
    SetTransform(&m_oProjection, &m_oView, &m_oPostView);
}

fx32 CoreRenderer::ScreenMargin(uint32_t width, uint32_t height)
{
    return fx32((int64_t(CoreVisibleScreenWidth(width, height)) - VIRTUAL_SCREEN_WIDTH) / 2);
}

void CoreRenderer::SetScreenCamera()
{
    const fx32 margin = ScreenMargin(m_oSettings.m_uWidth, m_oSettings.m_uHeight);
    CoreMatrix::OrthoOffCenterRH_DX(&m_oProjection, -margin, VIRTUAL_SCREEN_WIDTH + margin);
    CoreMatrix::Identity(&m_oView);
    CoreMatrix::Identity(&m_oPostView);
    SetTransform(&m_oProjection, &m_oView, &m_oPostView);
}

void CoreRenderer::SetLight(const CoreFxVec& colour, const CoreFxVec& direction, const CoreFxVec& position,
                            uint32_t index)
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (m_pID3DDevice == nullptr)
        return;
    Light light {};
    light.type = D3DLIGHT_DIRECTIONAL;
    light.diffuse = {CoreFx::ToFloat(colour.x), CoreFx::ToFloat(colour.y), CoreFx::ToFloat(colour.z), 0.0f};
    light.position = {CoreFx::ToFloat(position.x), CoreFx::ToFloat(position.y), CoreFx::ToFloat(position.z)};
    light.direction = {CoreFx::ToFloat(direction.x), CoreFx::ToFloat(direction.y), CoreFx::ToFloat(direction.z)};
    light.range = LIGHT_RANGE;
    light.attenuation0 = 1.0f;
    m_pID3DDevice->SetLight(index, &light);
}

void CoreRenderer::EnableLight(uint32_t index, bool bEnable)
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (m_pID3DDevice != nullptr)
        m_pID3DDevice->LightEnable(index, bEnable);
}

void CoreRenderer::SetAmbiantColor(const CoreFxVec& rgb)
{
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (m_pID3DDevice == nullptr)
        return;
    const uint32_t red = uint32_t(rgb.x >> 12) & 0xFF;
    const uint32_t green = uint32_t(rgb.y >> 12) & 0xFF;
    const uint32_t blue = uint32_t(rgb.z >> 12) & 0xFF;
    SetRenderState(D3DRS_AMBIENT, 0xFF000000u | (red << 16) | (green << 8) | blue);
}
