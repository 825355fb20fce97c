#include "Error/EngineAssert.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Utf8.h"

#include <climits>

namespace Tw {
namespace {

bool IsBlank(uint32_t c)
{
    return c == '\t' || c == ' ' || c == 0xA0;
}

// The running measure of one line: from the first glyph's drawn left edge to
// the last one's drawn right edge (the font's ComputeTextWidth measure).
struct LineMeasure {
    fx32 pen = 0; // left edge offset plus the advances so far
    bool hasGlyph = false;

    // The width with the glyph added last.
    fx32 Add(const FontGlyph& glyph)
    {
        if (!hasGlyph)
            pen = -glyph.m_fxOffsetX;
        hasGlyph = true;
        const fx32 width = CoreFx::WrapAdd(pen, glyph.m_fxOffsetX + glyph.m_fxWidth);
        pen = CoreFx::WrapAdd(pen, glyph.m_fxAdvance);
        return width;
    }
};

} // namespace

int32_t TextRenderer::GenerateSubstrings(const char* text, TextSubstring* lines)
{
    if (text == nullptr || *text == '\0' || m_pFont == nullptr || (lines && m_iSubstringsMaxNb < 1))
        return 0;
    TextSubstring scratch;
    TextSubstring* line = lines ? &lines[0] : &scratch;
    *line = {text, 0, 0};
    int32_t started = 1;
    LineMeasure measure;
    // The last blank of the line, with wrapping on: where the text resumes
    // after it, and the line's count and width with it.
    const char* breakResume = nullptr;
    int32_t breakCount = 0;
    fx32 breakWidth = 0;

    const char* position = text;
    for (;;) {
        const char* next = position;
        const uint32_t c = Utf8DecodeNext(&next);
        if (c == 0)
            break;
        bool ended = false;
        if (c == '\n') {
            // The newline is not part of the line, and the last glyph counts
            // by its advance.
            line->m_fxWidth = measure.hasGlyph ? measure.pen : 0;
            position = next;
            ended = true;
        } else {
            ++line->m_iNbChars;
            if (const FontGlyph* glyph = GlyphOf(IsBlank(c) ? ' ' : c))
                line->m_fxWidth = measure.Add(*glyph);
            if (m_bWrap && IsBlank(c)) {
                breakResume = next;
                breakCount = line->m_iNbChars;
                breakWidth = line->m_fxWidth;
            } else if (m_bWrap && breakResume && CoreFx::WrapAdd(m_fxLeft, line->m_fxWidth) >= m_fxRight) {
                // The blank ends the line; what followed it is read again as
                // the next line.
                line->m_iNbChars = breakCount;
                line->m_fxWidth = breakWidth;
                next = breakResume;
                ended = true;
            }
            position = next;
        }
        if (!ended)
            continue;
        // A next line is only started for text that follows: a text ending
        // in a newline has no empty last line.
        const char* peek = position;
        if (Utf8DecodeNext(&peek) == 0)
            break;
        const int32_t iNbSubstrings = started + 1;
        ENGINE_ASSERT(iNbSubstrings <= m_iSubstringsMaxNb);
        if (lines && iNbSubstrings > m_iSubstringsMaxNb)
            break;
        line = lines ? &lines[started] : &scratch;
        *line = {position, 0, 0};
        started = iNbSubstrings;
        measure = LineMeasure();
        breakResume = nullptr;
    }
    return started;
}

} // namespace Tw
