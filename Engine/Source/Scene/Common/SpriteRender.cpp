#include "Error/EngineAssert.h"
#include "Graphics/GraphicsDevice.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Sprite.h"

namespace {

using CoreFx::Div;
using CoreFx::Mul;
using CoreFx::WrapAdd;

// Half a texel in texture coordinates, so that the picture's edge texels are
// sampled at their centres.
fx32 HalfTexel(uint32_t texels)
{
    if (texels == 0)
        return 0;
    return Div(FX32_ONE, static_cast<fx32>(texels * FX32_ONE)) / 2;
}

void SetTextureAddress(Platform::GraphicsDevice* device, uint32_t mode)
{
    if (!device)
        return;
    device->SetSamplerState(0, Platform::D3DSAMP_ADDRESSU, mode);
    device->SetSamplerState(0, Platform::D3DSAMP_ADDRESSV, mode);
}

} // namespace

SceneRect Sprite::GetSplitRect(int32_t index) const
{
    if (m_iNbSplitInfos != 2 || index < 0 || index > 1)
        return m_oBox;
    const fx32 total = static_cast<fx32>(m_vSplitInfos[0].m_vTextureSize.x + m_vSplitInfos[1].m_vTextureSize.x);
    // Without texture widths there are no shares to take.
    if (total == 0)
        return m_oBox;
    const fx32 before = index == 0 ? 0 : static_cast<fx32>(m_vSplitInfos[0].m_vTextureSize.x);
    const fx32 width = static_cast<fx32>(m_vSplitInfos[index].m_vTextureSize.x);
    const fx32 boxWidth = CoreFx::WrapSub(m_oBox.xMax, m_oBox.xMin);
    SceneRect rect = m_oBox;
    rect.xMin = WrapAdd(m_oBox.xMin, Mul(Div(before, total), boxWidth));
    rect.xMax = WrapAdd(m_oBox.xMin, Mul(Div(before + width, total), boxWidth));
    return rect;
}

void Sprite::Render(CoreRenderer& renderer) const
{
    if (!m_bVisible)
        return;
    const bool scrolls = m_vScrollUV.x != 0 || m_vScrollUV.y != 0;
    if (scrolls)
        SetTextureAddress(renderer.GetDevice(), Platform::D3DTADDRESS_WRAP);

    const uint32_t frame = m_bPreload ? m_iFrameIndex : 0;
    const fx32 z = Div(m_iDepth, 64 * FX32_ONE);
    // A speed of 4096 moves the texture one whole repeat per second.
    const fx32 uShift = m_oScrollOffset.x / 1000;
    const fx32 vShift = m_oScrollOffset.y / 1000;
    for (int32_t s = 0; s < m_iNbSplitInfos; ++s) {
        const SpriteSplitInfo& split = m_vSplitInfos[s];
        if (frame >= split.m_vFrames.size())
            continue;
        const SceneRect rect = GetSplitRect(s);
        const fx32 hu = HalfTexel(split.m_vTextureSize.x);
        const fx32 hv = HalfTexel(split.m_vTextureSize.y);
        const fx32 uLeft = hu + uShift;
        const fx32 uRight = FX32_ONE - hu + uShift;
        const fx32 vTop = hv + vShift;
        const fx32 vBottom = FX32_ONE - hv + vShift;

        bool bResult = renderer.PrimitiveBegin(Platform::D3DPT_TRIANGLESTRIP, 4, split.m_vFrames[frame]);
        ENGINE_ASSERT(bResult == true);
        if (!bResult)
            continue;
        renderer.PrimitiveVertexAdd(rect.xMin, rect.yMin, z, m_iColour, uLeft, vTop);
        renderer.PrimitiveVertexAdd(rect.xMin, rect.yMax, z, m_iColour, uLeft, vBottom);
        renderer.PrimitiveVertexAdd(rect.xMax, rect.yMin, z, m_iColour, uRight, vTop);
        renderer.PrimitiveVertexAdd(rect.xMax, rect.yMax, z, m_iColour, uRight, vBottom);
        bResult = renderer.PrimitiveEnd();
        ENGINE_ASSERT(bResult == true);
    }
    if (scrolls)
        SetTextureAddress(renderer.GetDevice(), Platform::D3DTADDRESS_CLAMP);
}
