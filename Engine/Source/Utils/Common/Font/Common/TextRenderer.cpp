#include "Utils/Common/Font/Common/TextRenderer.h"

#include "Error/EngineAssert.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <new>

namespace Tw {

bool TextRenderer::Initialize(const Font* pFont, int32_t iSubstringsMaxNb)
{
    ENGINE_ASSERT(iSubstringsMaxNb > 0);
    m_pFont = pFont;
    m_bWrap = false;
    m_fxLeft = m_fxTop = m_fxRight = m_fxBottom = 0;
    m_iSubstringsMaxNb = iSubstringsMaxNb > 0 ? iSubstringsMaxNb : 1;
    m_pSubstrings.reset(new (std::nothrow) TextSubstring[m_iSubstringsMaxNb]);
    if (!m_pSubstrings)
        m_iSubstringsMaxNb = 0;
    return true;
}

void TextRenderer::Release()
{
    m_pSubstrings.reset();
    m_iSubstringsMaxNb = 0;
    m_pFont = nullptr;
    m_bWrap = false;
    m_fxLeft = m_fxTop = m_fxRight = m_fxBottom = 0;
}

void TextRenderer::SetClipRect(fx32 x0, fx32 y0, fx32 x1, fx32 y1)
{
    m_fxLeft = x0 < x1 ? x0 : x1;
    m_fxRight = x0 < x1 ? x1 : x0;
    m_fxTop = y0 < y1 ? y0 : y1;
    m_fxBottom = y0 < y1 ? y1 : y0;
    m_bWrap = true;
}

const FontGlyph* TextRenderer::GlyphOf(uint32_t c) const
{
    return m_pFont ? m_pFont->GetGlyph(c) : nullptr;
}

} // namespace Tw
