#pragma once
#include "Maths/Fx32.h"
#include "Resource/CoreResource.h"

#include <cstdint>
#include <memory>

namespace Tw {

// What a font is made with besides its file: the name of its texture (the
// caller keeps the string) and a word kept with it.
struct FontDescription {
    const char* m_sTextureName = nullptr;
    uint32_t m_uReserved = 0;
};

// One glyph: its rectangle in the font texture (pixels) and its metrics in
// fx32 virtual-screen units.
struct FontGlyph {
    uint16_t m_uU = 0;
    uint16_t m_uV = 0;
    uint8_t m_uWidth = 0;
    uint8_t m_uHeight = 0;
    fx32 m_fxWidth = 0;
    fx32 m_fxHeight = 0;
    fx32 m_fxOffsetX = 0;
    fx32 m_fxOffsetY = 0;
    fx32 m_fxAdvance = 0;
};

struct FontRange {
    uint32_t m_uFirst = 0;
    uint32_t m_uLast = 0;
};

// A bitmap font: the ".fnt.bin" file's code-point ranges and glyphs, with
// the measuring of UTF-8 text. Drawing is the text renderer's.
class Font {
public:
    virtual ~Font() = default;

    // Loads the file whole and reads it; false (logged with the path) when
    // it is missing or refused.
    bool Initialize(const char* path, const FontDescription& description);
    // Reads a font image that the caller keeps; the glyphs are copied out of
    // it. False, logged with the name, for a bad magic or version, a line
    // height that is not 1 to 65535 pixels, a range whose last code point is
    // below its first, or ranges and glyphs that run past the image's size.
    bool InitializeFromMemory(const char* name, const uint8_t* image, uint32_t size,
                              const FontDescription& description);
    // Frees the glyphs, the ranges and the loaded file.
    void Release();

    // The glyph index of the code point, or -1 outside every range.
    int32_t GetGlyphNumberFromUnicode(uint32_t c) const;
    // The code point's glyph, or the default glyph (null when there is none).
    const FontGlyph* GetGlyph(uint32_t c) const;
    // The number of code points up to the first 0.
    int32_t ComputeTextLength(const char* strTextUTF8) const;
    // The width of the first line: from the first glyph's drawn left edge to
    // the last one's drawn right edge.
    fx32 ComputeTextWidth(const char* text) const;

    fx32 GetLineHeight() const { return m_fxLineHeight; }
    const char* GetTextureName() const { return m_sTextureName; }
    uint32_t GetGlyphCount() const { return m_uGlyphCount; }
    uint32_t GetRangeCount() const { return m_uRangeCount; }
    const FontGlyph* GetDefaultGlyph() const { return m_pDefaultGlyph; }

    // A pixel measure in fx32 virtual units: round(pixels * 4096 / 5).
    static fx32 PixelsToUnits(int32_t pixels);

private:
    const char* m_sTextureName = nullptr;
    uint32_t m_uReserved = 0;
    std::unique_ptr<FontGlyph[]> m_pGlyphs;
    const FontGlyph* m_pDefaultGlyph = nullptr;
    std::unique_ptr<FontRange[]> m_pSequences;
    uint32_t m_uRangeCount = 0;
    fx32 m_fxLineHeight = 0;
    uint32_t m_uGlyphCount = 0;
    CoreResource m_oImage;
};

} // namespace Tw
