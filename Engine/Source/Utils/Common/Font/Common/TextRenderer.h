#pragma once
#include "Maths/Fx32.h"

#include <cstdint>
#include <memory>

namespace Tw {

class Font;
struct FontGlyph;

// One line of laid-out text: where it starts in the caller's text, its width
// and its number of code points.
struct TextSubstring {
    const char* m_pStart = nullptr;
    fx32 m_fxWidth = 0;
    int32_t m_iNbChars = 0;
};

// Print flags.
enum TextPrintFlags : uint32_t {
    PRINT_CENTER_X = 0x0002,   // centre each line on x
    PRINT_RIGHT = 0x0004,      // right-align each line on x
    PRINT_CENTER_Y = 0x0020,   // centre the block of lines on y
    PRINT_BOTTOM = 0x0040,     // align the bottom of the block on y
    PRINT_CLIP = 0x1000,       // clip to the rectangle
    PRINT_SUBSTRINGS = 0x2000, // lay the text out into lines
};

// Lays UTF-8 text out in a font and draws it glyph by glyph through
// DrawGlyph: lines break at newlines and, once a clip rectangle is set, at
// the last blank before its right edge; lines align on x, the block on y.
class TextRenderer {
public:
    virtual ~TextRenderer() = default;

    // Binds the font and makes room for maxSubstrings lines (at least 1).
    virtual bool Initialize(const Font* pFont, int32_t iSubstringsMaxNb);
    // Frees the lines and clears every field.
    virtual void Release();
    virtual void BeginPrint() { }
    virtual void EndPrint() { }
    // Called before the glyph of a private-use icon code point is drawn.
    virtual void OnIcon(uint32_t) { }
    virtual void OnPrintBegin() { }
    // Draws the texture rectangle (u, v, w, h in pixels) over the screen
    // rectangle (x, y, width, height in fx32 units) in the colour
    // (0xRRGGBBAA).
    virtual void DrawGlyph(uint32_t u, uint32_t v, uint32_t w, uint32_t h, fx32 x, fx32 y, fx32 width, fx32 height,
                           uint32_t colour) = 0;
    virtual void OnPrintEnd() { }

    // The rectangle of two corners in any order; turns wrapping on.
    void SetClipRect(fx32 x0, fx32 y0, fx32 x1, fx32 y1);
    void Print(const char* strText, fx32 x, fx32 y, uint32_t colour, uint32_t flags);
    // Splits the text into lines, written to `lines` (counted only when it is
    // null); the number of lines. A text that needs more lines than the
    // renderer holds is cut at its capacity after an assert.
    int32_t GenerateSubstrings(const char* text, TextSubstring* lines);

    const Font* GetFont() const { return m_pFont; }
    bool IsWrapping() const { return m_bWrap; }
    int32_t GetSubstringsMaxNb() const { return m_iSubstringsMaxNb; }
    const TextSubstring* GetSubstrings() const { return m_pSubstrings.get(); }

protected:
    // The glyph of a code point as the layout sees it.
    const FontGlyph* GlyphOf(uint32_t c) const;

    bool m_bWrap = false;
    fx32 m_fxLeft = 0;
    fx32 m_fxTop = 0;
    fx32 m_fxRight = 0;
    fx32 m_fxBottom = 0;
    int32_t m_iSubstringsMaxNb = 0;
    std::unique_ptr<TextSubstring[]> m_pSubstrings;
    const Font* m_pFont = nullptr;
};

} // namespace Tw
