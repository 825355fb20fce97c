#include "FontRasteriser.h"

#include "ByteWriter.h"
#include "ContentError.h"
#include "Manifest.h"
#include "Utils/Common/Font/Common/FontFormat.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

struct Range {
    uint32_t first;
    uint32_t last;
};

struct Glyph {
    uint16_t u = 0;
    uint16_t v = 0;
    uint8_t width = 0;
    uint8_t height = 0;
    int8_t offsetX = 0;
    int8_t offsetY = 0;
    int8_t advance = 0;
};

// Glyph cells start on the 4 x 4 blocks of the compressed texture, so that
// no block mixes two glyphs, with a transparent border for the filtering.
constexpr uint32_t CELL_ALIGNMENT = 4;
constexpr uint32_t CELL_BORDER = 1;
constexpr uint32_t MAX_ATLAS_HEIGHT = 4096;

uint32_t AlignUp(uint32_t value, uint32_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

std::string CodePointName(uint32_t c)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", c);
    return name;
}

int8_t SignedByte(long value, uint32_t c, const char* what)
{
    if (value < -128 || value > 127)
        throw ContentError(CodePointName(c) + ": its " + what + " does not fit a byte");
    return int8_t(value);
}

// Places glyph cells shelf by shelf, left to right, then top to bottom.
class ShelfPacker {
public:
    explicit ShelfPacker(uint32_t width) : m_width(width) { }

    // The top-left corner of a cell for a glyph of that size.
    void Place(uint32_t glyphWidth, uint32_t glyphHeight, uint32_t& x, uint32_t& y)
    {
        const uint32_t cellWidth = AlignUp(glyphWidth + 2 * CELL_BORDER, CELL_ALIGNMENT);
        const uint32_t cellHeight = AlignUp(glyphHeight + 2 * CELL_BORDER, CELL_ALIGNMENT);
        if (cellWidth > m_width)
            throw ContentError("a glyph is wider than the atlas");
        if (m_x + cellWidth > m_width) {
            m_y += m_shelfHeight;
            m_x = 0;
            m_shelfHeight = 0;
        }
        x = m_x + CELL_BORDER;
        y = m_y + CELL_BORDER;
        m_x += cellWidth;
        m_shelfHeight = std::max(m_shelfHeight, cellHeight);
    }

    uint32_t UsedHeight() const { return m_y + m_shelfHeight; }

private:
    uint32_t m_width;
    uint32_t m_x = 0;
    uint32_t m_y = 0;
    uint32_t m_shelfHeight = 0;
};

struct FreeTypeLibrary {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeLibrary()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

std::vector<Range> ReadRanges(const nlohmann::json& ranges)
{
    std::vector<Range> out;
    for (const nlohmann::json& range : ranges) {
        if (!range.is_array() || range.size() != 2 || !range[0].is_number_unsigned() || !range[1].is_number_unsigned())
            throw ContentError("a range must be [first, last]");
        const Range read {range[0].get<uint32_t>(), range[1].get<uint32_t>()};
        if (read.last < read.first || read.last > 0x10FFFF)
            throw ContentError("range [" + std::to_string(read.first) + ", " + std::to_string(read.last) +
                               "] is not a run of code points");
        out.push_back(read);
    }
    if (out.empty())
        throw ContentError("no \"ranges\"");
    return out;
}

struct Bitmap {
    std::vector<uint8_t> coverage;
    uint32_t width = 0;
    uint32_t height = 0;
};

// The glyph's metrics and its coverage bitmap.
Glyph Rasterise(FT_Face face, uint32_t c, int ascender, Bitmap& bitmap)
{
    Glyph glyph;
    bitmap = Bitmap();
    if (c < 32) {
        if (c == '\t') {
            if (FT_Load_Char(face, ' ', FT_LOAD_DEFAULT) != 0)
                throw ContentError("the face has no space for the tab");
            glyph.advance = SignedByte((face->glyph->advance.x + 32) >> 6, c, "advance");
        }
        return glyph;
    }
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (index == 0)
        throw ContentError(CodePointName(c) + " is not in the face");
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0 || face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        throw ContentError(CodePointName(c) + " cannot be rendered in grey levels");
    const FT_Bitmap& source = face->glyph->bitmap;
    if (source.width > 255 || source.rows > 255)
        throw ContentError(CodePointName(c) + " is larger than 255 pixels");
    glyph.width = uint8_t(source.width);
    glyph.height = uint8_t(source.rows);
    glyph.offsetX = SignedByte(face->glyph->bitmap_left, c, "x offset");
    glyph.offsetY = SignedByte(ascender - face->glyph->bitmap_top, c, "y offset");
    glyph.advance = SignedByte((face->glyph->advance.x + 32) >> 6, c, "advance");
    bitmap.width = source.width;
    bitmap.height = source.rows;
    bitmap.coverage.resize(size_t(source.width) * source.rows);
    for (uint32_t row = 0; row < source.rows; ++row)
        for (uint32_t column = 0; column < source.width; ++column)
            bitmap.coverage[size_t(row) * source.width + column] = source.buffer[row * source.pitch + column];
    return glyph;
}

RasterisedFont Build(const nlohmann::json& description, const fs::path& content)
{
    fs::path facePath = RequireString(description, "face");
    if (facePath.is_relative())
        facePath = content / facePath;
    const uint32_t pixelSize = description.at("pixelSize").get<uint32_t>();
    const uint32_t atlasWidth = description.at("atlasWidth").get<uint32_t>();
    if (pixelSize < 1 || pixelSize > 200)
        throw ContentError("\"pixelSize\" must be 1 to 200");
    if (atlasWidth < CELL_ALIGNMENT || atlasWidth > 4096 || atlasWidth % CELL_ALIGNMENT != 0)
        throw ContentError("\"atlasWidth\" must be a multiple of 4 up to 4096");
    const std::vector<Range> ranges = ReadRanges(description.at("ranges"));

    FreeTypeLibrary freeType;
    if (FT_Init_FreeType(&freeType.library) != 0)
        throw ContentError("FreeType cannot start");
    if (FT_New_Face(freeType.library, facePath.c_str(), 0, &freeType.face) != 0)
        throw ContentError(facePath.string() + " is not a font face FreeType can read");
    if (FT_Set_Pixel_Sizes(freeType.face, 0, pixelSize) != 0)
        throw ContentError("the face has no size of " + std::to_string(pixelSize) + " pixels");
    const FT_Size_Metrics& metrics = freeType.face->size->metrics;
    const int ascender = int((metrics.ascender + 32) >> 6);
    const auto lineHeight = uint32_t((metrics.height + 32) >> 6);

    std::vector<Glyph> glyphs;
    std::vector<Bitmap> bitmaps;
    ShelfPacker packer(atlasWidth);
    for (const Range& range : ranges) {
        for (uint32_t c = range.first; c <= range.last; ++c) {
            Bitmap bitmap;
            Glyph glyph = Rasterise(freeType.face, c, ascender, bitmap);
            if (bitmap.width && bitmap.height) {
                uint32_t x = 0;
                uint32_t y = 0;
                packer.Place(bitmap.width, bitmap.height, x, y);
                glyph.u = uint16_t(x);
                glyph.v = uint16_t(y);
            }
            glyphs.push_back(glyph);
            bitmaps.push_back(std::move(bitmap));
        }
    }

    uint32_t atlasHeight = CELL_ALIGNMENT;
    while (atlasHeight < packer.UsedHeight())
        atlasHeight *= 2;
    if (atlasHeight > MAX_ATLAS_HEIGHT)
        throw ContentError("the glyphs do not fit an atlas of 4096 pixels");
    RasterisedFont font;
    font.atlas = RgbaImage(atlasWidth, atlasHeight);
    for (size_t i = 0; i < font.atlas.pixels.size(); i += 4)
        font.atlas.pixels[i] = font.atlas.pixels[i + 1] = font.atlas.pixels[i + 2] = 0xFF;
    for (size_t i = 0; i < glyphs.size(); ++i)
        for (uint32_t row = 0; row < bitmaps[i].height; ++row)
            for (uint32_t column = 0; column < bitmaps[i].width; ++column)
                font.atlas.At(glyphs[i].u + column, glyphs[i].v + row)[3] =
                    bitmaps[i].coverage[size_t(row) * bitmaps[i].width + column];

    ByteWriter file;
    file.Bytes(reinterpret_cast<const uint8_t*>(FONT_MAGIC), FONT_MAGIC_SIZE);
    file.Zeros(FONT_MAJOR_OFFSET - file.Size());
    file.U16(FONT_VERSION_MAJOR);
    file.U16(FONT_VERSION_MINOR);
    file.Zeros(FONT_LINE_HEIGHT_OFFSET - file.Size());
    file.U32(lineHeight);
    file.U32(uint32_t(ranges.size()));
    for (const Range& range : ranges) {
        file.U32(range.first);
        file.U32(range.last);
    }
    for (const Glyph& glyph : glyphs) {
        file.U16(glyph.u);
        file.U16(glyph.v);
        file.U8(glyph.width);
        file.U8(glyph.height);
        file.U8(uint8_t(glyph.offsetX));
        file.U8(uint8_t(glyph.offsetY));
        file.U8(uint8_t(glyph.advance));
        file.U8(0);
    }
    font.file = file.Bytes();
    return font;
}

} // namespace

RasterisedFont RasteriseFont(const fs::path& description, const fs::path& content)
{
    const std::string label = fs::relative(description, content).string();
    try {
        std::ifstream input(description);
        if (!input)
            throw ContentError("cannot be read");
        return Build(nlohmann::json::parse(input), content);
    } catch (const ContentError& error) {
        throw ContentError(label + ": " + error.what());
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(label + ": " + error.what());
    }
}
