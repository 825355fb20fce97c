#include "Scene/Common/InterfaceSprite.h"

#include "Graphics/GraphicsFormats.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"
#include "fx32/fx_trig.h"

#include <utility>

namespace {

// Interface art is authored at 1280 x 960: five pixels to a unit.
constexpr fx32 PIXELS_PER_UNIT = 5 * FX32_ONE;

fx32 Abs(fx32 value)
{
    return value < 0 ? -value : value;
}

} // namespace

bool InterfaceSprite::Initialize(int32_t iId)
{
    Release();
    const char* name = GetInterfaceSpriteName(iId);
    return name != nullptr && Load(name);
}

bool InterfaceSprite::Load(const char* name)
{
    m_hTexture = nullptr;
    m_fxTextureWidth = m_fxTextureHeight = 0;
    m_fxWidth = m_fxHeight = 0;
    CoreTexture* hTexture = g_pTextureManager ? g_pTextureManager->GetTextureByName(name) : nullptr;
    const CoreTextureDescription* description =
        hTexture ? CoreTexture::GetTextureDescriptionFromHandle(hTexture) : nullptr;
    if (description == nullptr)
        return false;
    m_hTexture = hTexture;
    m_fxTextureWidth = static_cast<fx32>(description->m_iWidth << FX32_SHIFT);
    m_fxTextureHeight = static_cast<fx32>(description->m_iHeight << FX32_SHIFT);
    m_fxWidth = CoreFx::Div(m_fxTextureWidth, PIXELS_PER_UNIT);
    m_fxHeight = CoreFx::Div(m_fxTextureHeight, PIXELS_PER_UNIT);
    return true;
}

void InterfaceSprite::Release()
{
    *this = InterfaceSprite();
}

void InterfaceSprite::GetSize(fx32& width, fx32& height) const
{
    width = Abs(CoreFx::Mul(m_fxWidth, m_fxScaleX));
    height = Abs(CoreFx::Mul(m_fxHeight, m_fxScaleY));
}

void InterfaceSprite::ComputeHalfSize()
{
    fx32 width = 0;
    fx32 height = 0;
    GetSize(width, height);
    m_fxAnchorX = width / 2;
    m_fxAnchorY = height / 2;
}

void InterfaceSprite::ComputeCorners(fx32 x, fx32 y, fx32 outX[4], fx32 outY[4]) const
{
    fx32 width = 0;
    fx32 height = 0;
    GetSize(width, height);
    const fx32 localX[4] = {0, width, width, 0};
    const fx32 localY[4] = {0, 0, height, height};
    const uint16_t angle = FX_RadToIdx(m_fxAngle);
    const fx32 sine = FX_SinIdx(angle);
    const fx32 cosine = FX_CosIdx(angle);
    for (int i = 0; i < 4; ++i) {
        const fx32 cornerX = localX[i] - m_fxAnchorX;
        const fx32 cornerY = localY[i] - m_fxAnchorY;
        outX[i] = x + CoreFx::Mul(cornerX, cosine) - CoreFx::Mul(cornerY, sine);
        outY[i] = y + CoreFx::Mul(cornerX, sine) + CoreFx::Mul(cornerY, cosine);
    }
}

uint32_t InterfaceSprite::GetColour() const
{
    const auto level = [](fx32 value) { return static_cast<uint32_t>(value >> FX32_SHIFT) & 0xFF; };
    const auto alpha = static_cast<uint32_t>((m_fxAlpha - 1) >> 4) & 0xFF;
    return level(m_fxRed) << 24 | level(m_fxGreen) << 16 | level(m_fxBlue) << 8 | alpha;
}

void InterfaceSprite::Render() const
{
    if (!m_bVisible || ((m_fxAlpha - 1) >> 4) <= 0 || m_hTexture == nullptr || g_pTextureManager == nullptr ||
        g_pTextureManager->m_pRenderer == nullptr || m_fxTextureWidth <= 0 || m_fxTextureHeight <= 0)
        return;
    CoreRenderer& renderer = *g_pTextureManager->m_pRenderer;
    fx32 x[4];
    fx32 y[4];
    ComputeCorners(m_fxX, m_fxY, x, y);
    // Half a texel in from each edge, so that no texel of a neighbouring
    // picture is sampled.
    const fx32 halfU = CoreFx::Div(FX32_ONE, m_fxTextureWidth) / 2;
    const fx32 halfV = CoreFx::Div(FX32_ONE, m_fxTextureHeight) / 2;
    fx32 left = halfU;
    fx32 right = FX32_ONE - halfU;
    fx32 top = halfV;
    fx32 bottom = FX32_ONE - halfV;
    if (m_fxScaleX < 0)
        std::swap(left, right);
    if (m_fxScaleY < 0)
        std::swap(top, bottom);
    const fx32 u[4] = {left, right, right, left};
    const fx32 v[4] = {top, top, bottom, bottom};
    const uint32_t colour = GetColour();
    if (!renderer.PrimitiveBegin(Platform::D3DPT_TRIANGLEFAN, 4, m_hTexture))
        return;
    for (int i = 0; i < 4; ++i)
        renderer.PrimitiveVertexAdd(x[i], y[i], m_fxZ, colour, u[i], v[i]);
    renderer.PrimitiveEnd();
}
