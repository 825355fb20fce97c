#include "Error/EngineAssert.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Utf8.h"

namespace Tw {
namespace {

// Private-use code points that stand for icons.
constexpr uint32_t FIRST_ICON = 0xE001;
constexpr uint32_t LAST_ICON = 0xE8FE;

// Where a line of that width starts for the alignment flags.
fx32 LineStart(fx32 x, fx32 width, uint32_t flags)
{
    if (flags & PRINT_CENTER_X)
        return x - width / 2;
    if (flags & PRINT_RIGHT)
        return x - width;
    return x;
}

} // namespace

void TextRenderer::Print(const char* strText, fx32 x, fx32 y, uint32_t colour, uint32_t flags)
{
    ENGINE_ASSERT(strText != NULL);
    if (strText == nullptr || m_pFont == nullptr)
        return;
    OnPrintBegin();
    const fx32 h = m_pFont->GetLineHeight();

    TextSubstring whole;
    const TextSubstring* lines = &whole;
    int32_t count = 1;
    if (flags & PRINT_SUBSTRINGS) {
        count = GenerateSubstrings(strText, m_pSubstrings.get());
        lines = m_pSubstrings.get();
    } else {
        // Newlines inside the one line are handled while drawing.
        whole = {strText, m_pFont->ComputeTextWidth(strText), m_pFont->ComputeTextLength(strText)};
    }

    const bool clip = (flags & PRINT_CLIP) != 0;
    // The rectangle's bottom rounded up to whole lines below its top.
    const fx32 clipBottom = h > 0 ? (m_fxBottom - m_fxTop - 1 + h) / h * h + m_fxTop : m_fxBottom;
    const auto blockHeight = static_cast<fx32>(int64_t(count) * h);
    if (flags & PRINT_CENTER_Y)
        y -= blockHeight / 2;
    else if (flags & PRINT_BOTTOM)
        y -= blockHeight;

    for (int32_t i = 0; i < count; ++i, y += h) {
        const TextSubstring& line = lines[i];
        if (clip && y + h <= m_fxTop)
            continue;
        if (clip && y > clipBottom)
            break;
        if (line.m_iNbChars == 0)
            continue;
        fx32 pen = LineStart(x, line.m_fxWidth, flags);
        bool first = true;
        const char* text = line.m_pStart;
        for (int32_t k = 0; k < line.m_iNbChars; ++k) {
            const uint32_t c = Utf8DecodeNext(&text);
            const FontGlyph* glyph = GlyphOf(c);
            if (glyph == nullptr)
                continue;
            if (c == '\n') {
                y += h;
                pen = LineStart(x, m_pFont->ComputeTextWidth(text), flags);
                continue;
            }
            if (first)
                pen -= glyph->m_fxOffsetX;
            first = false;
            if (c >= FIRST_ICON && c <= LAST_ICON)
                OnIcon(c);
            fx32 left = pen + glyph->m_fxOffsetX;
            fx32 top = y + glyph->m_fxOffsetY;
            fx32 right = left + glyph->m_fxWidth;
            fx32 bottom = top + glyph->m_fxHeight;
            if (clip) {
                left = left < m_fxLeft ? m_fxLeft : left;
                right = right > m_fxRight ? m_fxRight : right;
                top = top < m_fxTop ? m_fxTop : top;
                bottom = bottom > clipBottom ? clipBottom : bottom;
            }
            if (right > left && bottom > top)
                DrawGlyph(glyph->m_uU, glyph->m_uV, glyph->m_uWidth, glyph->m_uHeight, left, top, right - left,
                          bottom - top, colour);
            pen += glyph->m_fxAdvance;
        }
    }
    OnPrintEnd();
}

} // namespace Tw
