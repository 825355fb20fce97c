#include "MiniGame/Common/MGSprite.h"

#include "Error/EngineAssert.h"
#include "Graphics/GraphicsFormats.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"

void MGSprite::RenderWithPosition(const CoreFxVec& position) const
{
    if (!m_bVisible || !m_apFrameRecords || m_iCurrentFrame < 0 || m_iCurrentFrame >= m_iNbFrames ||
        m_apFrameRecords[m_iCurrentFrame] == nullptr || m_fxAlpha == 0)
        return;
    ENGINE_ASSERT(true == m_bInitialized);
    if (g_pTextureManager == nullptr || g_pTextureManager->m_pRenderer == nullptr)
        return;
    const MGTextureRecord& record = *m_apFrameRecords[m_iCurrentFrame];
    CoreFxVec vertices[4];
    for (int32_t i = 0; i < 4; ++i) {
        CoreFxVec corner = {CoreFx::Mul(m_aCorners[i].x, m_vScale.x) - m_vPivot.x,
                            CoreFx::Mul(m_aCorners[i].y, m_vScale.y) - m_vPivot.y, 0};
        if (m_fxAngle != 0)
            CoreFxMtx33::MultVec(corner, m_oRotation, corner);
        vertices[i] = {corner.x + position.x, corner.y + position.y, 0};
    }
    // Half a texel in from each edge, so that no neighbouring texel bleeds in.
    const fx32 halfU = record.m_fxTexelWidth > 0 ? CoreFx::Div(FX32_ONE, record.m_fxTexelWidth) / 2 : 0;
    const fx32 halfV = record.m_fxTexelHeight > 0 ? CoreFx::Div(FX32_ONE, record.m_fxTexelHeight) / 2 : 0;
    const fx32 u[4] = {halfU, FX32_ONE - halfU, FX32_ONE - halfU, halfU};
    const fx32 v[4] = {halfV, halfV, FX32_ONE - halfV, FX32_ONE - halfV};
    const uint32_t colour = GetVertexColor();
    CoreRenderer& renderer = *g_pTextureManager->m_pRenderer;
    if (!renderer.PrimitiveBegin(Platform::D3DPT_TRIANGLEFAN, 4, record.m_hTexture))
        return;
    for (int32_t i = 0; i < 4; ++i)
        renderer.PrimitiveVertexAdd(vertices[i].x, vertices[i].y, 0, colour, u[i], v[i]);
    renderer.PrimitiveEnd();
}
