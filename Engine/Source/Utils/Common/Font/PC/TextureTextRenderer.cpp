#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include "Error/EngineAssert.h"
#include "Graphics/GraphicsFormats.h"
#include "Log/CoreLog.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/Font/Common/TwFont.h"

namespace Tw {

bool TextureTextRenderer::Initialize(const Font* pFont, int32_t iSubstringsMaxNb)
{
    TextRenderer::Initialize(pFont, iSubstringsMaxNb);
    InitializePlatform();
    return true;
}

void TextureTextRenderer::InitializePlatform()
{
    m_hTexture = nullptr;
    m_fxTextureWidth = m_fxTextureHeight = 0;
    m_pRenderer = g_pTextureManager ? g_pTextureManager->m_pRenderer : nullptr;
    const char* name = m_pFont ? m_pFont->GetTextureName() : nullptr;
    if (name == nullptr)
        return;
    CoreTexture* hTexture = g_pTextureManager ? g_pTextureManager->GetTextureByName(name) : nullptr;
    ENGINE_ASSERT(hTexture != NULL);
    const CoreTextureDescription* description =
        hTexture ? CoreTexture::GetTextureDescriptionFromHandle(hTexture) : nullptr;
    if (description == nullptr || description->m_iWidth == 0 || description->m_iHeight == 0) {
        CorePrint(&g_oCoreLog, "font texture \"%s\" is missing: its text is not drawn\n", name);
        return;
    }
    m_hTexture = hTexture;
    m_fxTextureWidth = static_cast<fx32>(description->m_iWidth << FX32_SHIFT);
    m_fxTextureHeight = static_cast<fx32>(description->m_iHeight << FX32_SHIFT);
}

void TextureTextRenderer::Release()
{
    TextRenderer::Release();
    m_hTexture = nullptr;
    m_pRenderer = nullptr;
    m_fxTextureWidth = m_fxTextureHeight = 0;
}

void TextureTextRenderer::BeginPrint()
{
    if (m_pRenderer)
        m_pRenderer->SetScreenCamera();
}

void TextureTextRenderer::DrawGlyph(uint32_t u, uint32_t v, uint32_t w, uint32_t h, fx32 x, fx32 y, fx32 width,
                                    fx32 height, uint32_t colour)
{
    if (m_hTexture == nullptr || m_pRenderer == nullptr || m_fxTextureWidth <= 0 || m_fxTextureHeight <= 0)
        return;
    const fx32 left = CoreFx::Div(static_cast<fx32>(u << FX32_SHIFT), m_fxTextureWidth);
    const fx32 right = CoreFx::Div(static_cast<fx32>((u + w) << FX32_SHIFT), m_fxTextureWidth);
    const fx32 top = CoreFx::Div(static_cast<fx32>(v << FX32_SHIFT), m_fxTextureHeight);
    const fx32 bottom = CoreFx::Div(static_cast<fx32>((v + h) << FX32_SHIFT), m_fxTextureHeight);
    if (!m_pRenderer->PrimitiveBegin(Platform::D3DPT_TRIANGLESTRIP, 4, m_hTexture))
        return;
    m_pRenderer->PrimitiveVertexAdd(x, y, 0, colour, left, top);
    m_pRenderer->PrimitiveVertexAdd(x, y + height, 0, colour, left, bottom);
    m_pRenderer->PrimitiveVertexAdd(x + width, y, 0, colour, right, top);
    m_pRenderer->PrimitiveVertexAdd(x + width, y + height, 0, colour, right, bottom);
    m_pRenderer->PrimitiveEnd();
}

} // namespace Tw
