#include "Graphics/GraphicsFormats.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/InterfaceSprite.h"

namespace {

// Half a texel of a texture that many pixels across; 0 without size.
fx32 HalfTexel(fx32 texels)
{
    return texels == 0 ? 0 : CoreFx::Div(FX32_ONE, texels) / 2;
}

uint32_t ColourLevel(fx32 level)
{
    return static_cast<uint32_t>(level >> FX32_SHIFT) & 0xFFu;
}

} // namespace

void InterfaceSprite::Render(CoreRenderer& renderer) const
{
    const int32_t alpha = (m_fAlpha - 1) >> 4;
    if (!m_bVisible || alpha <= 0 || !m_hTexture)
        return;
    CoreFxVec corners[4];
    ComputeCorners(m_vPosition, corners);
    const uint32_t colour = ColourLevel(m_fRed) << 24 | ColourLevel(m_fGreen) << 16 | ColourLevel(m_fBlue) << 8 |
                            (static_cast<uint32_t>(alpha) & 0xFFu);
    // The quad samples no texel of a neighbouring picture.
    const fx32 hu = HalfTexel(m_fTextureWidth);
    const fx32 hv = HalfTexel(m_fTextureHeight);
    const fx32 u[4] = {hu, FX32_ONE - hu, FX32_ONE - hu, hu};
    const fx32 v[4] = {hv, hv, FX32_ONE - hv, FX32_ONE - hv};
    if (!renderer.PrimitiveBegin(Platform::D3DPT_TRIANGLEFAN, 4, m_hTexture))
        return;
    for (int i = 0; i < 4; ++i)
        renderer.PrimitiveVertexAdd(corners[i].x, corners[i].y, corners[i].z, colour, u[i], v[i]);
    renderer.PrimitiveEnd();
}
