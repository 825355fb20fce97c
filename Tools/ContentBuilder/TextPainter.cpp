#include "TextPainter.h"

#include "ContentError.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The FreeType library and the face, released together.
struct Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Face()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

// The code points of UTF-8 text; a byte that starts no character stands for
// itself.
std::vector<uint32_t> CodePoints(const std::string& text)
{
    std::vector<uint32_t> points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

void LoadGlyph(const Face& face, uint32_t point, const std::string& faceName)
{
    const FT_UInt index = FT_Get_Char_Index(face.face, point);
    if (index == 0 || FT_Load_Glyph(face.face, index, FT_LOAD_RENDER) != 0 ||
        face.face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", point);
        throw ContentError(faceName + " cannot draw " + name);
    }
}

} // namespace

void PaintText(RgbaImage& image, const std::string& text, double centreX, double top, uint32_t pixelSize,
               const std::string& faceName, const uint8_t colour[4])
{
    Face face;
    if (FT_Init_FreeType(&face.library) != 0 || FT_New_Face(face.library, faceName.c_str(), 0, &face.face) != 0)
        throw ContentError(faceName + " is not a font face FreeType can read");
    if (FT_Set_Pixel_Sizes(face.face, 0, pixelSize) != 0)
        throw ContentError(faceName + " has no size " + std::to_string(pixelSize));
    const std::vector<uint32_t> points = CodePoints(text);
    long width = 0;
    for (const uint32_t point : points) {
        LoadGlyph(face, point, faceName);
        width += face.face->glyph->advance.x >> 6;
    }
    const long ascender = face.face->size->metrics.ascender >> 6;
    long penX = std::lround(centreX - double(width) / 2);
    for (const uint32_t point : points) {
        LoadGlyph(face, point, faceName);
        const FT_GlyphSlot glyph = face.face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        for (uint32_t row = 0; row < bitmap.rows; ++row) {
            for (uint32_t column = 0; column < bitmap.width; ++column) {
                const long x = penX + glyph->bitmap_left + long(column);
                const long y = std::lround(top) + ascender - glyph->bitmap_top + long(row);
                if (x < 0 || y < 0 || x >= long(image.width) || y >= long(image.height))
                    continue;
                if (bitmap.buffer[row * bitmap.pitch + column] >= 128)
                    std::copy(colour, colour + 4, image.At(uint32_t(x), uint32_t(y)));
            }
        }
        penX += glyph->advance.x >> 6;
    }
}
