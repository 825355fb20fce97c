#include "Utils/Common/Font/Common/TwFont.h"

#include "Bytes/LittleEndian.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Maths/CoreFxDivide.h"
#include "Utils/Common/Font/Common/FontFormat.h"
#include "Utils/Common/Utf8.h"

#include <cstring>
#include <new>

namespace Tw {
namespace {

// The largest line height a font may have, in pixels: a block of lines stays
// far inside the 32-bit fx32 range.
constexpr int32_t MAX_LINE_HEIGHT = 0xFFFF;

constexpr uint32_t REPLACEMENT_CHARACTER = 0xFFFD;
constexpr uint32_t QUESTION_MARK = 63;

bool Refuse(const char* name, const char* reason)
{
    CorePrint(&g_oCoreLog, "font \"%s\" refused: %s\n", name ? name : "", reason);
    return false;
}

bool IsBlank(uint32_t c)
{
    return c == '\t' || c == ' ' || c == 0xA0;
}

} // namespace

fx32 Font::PixelsToUnits(int32_t pixels)
{
    return CoreFx::Div(pixels * FX32_ONE, FONT_PIXELS_PER_UNIT * FX32_ONE);
}

bool Font::Initialize(const char* path, const FontDescription& description)
{
    Release();
    if (Core::LoadResource(&m_oImage, path, true) != 0) {
        ENGINE_ASSERT_MSG(false, "Font::Initialize -- Cannot load the font ressource: %s!\n", path);
        m_oImage = CoreResource();
        return false;
    }
    if (!InitializeFromMemory(path, m_oImage.m_pBuffer, m_oImage.m_uSize, description)) {
        Release();
        return false;
    }
    return true;
}

bool Font::InitializeFromMemory(const char* name, const uint8_t* image, uint32_t size,
                                const FontDescription& description)
{
    if (image == nullptr || size < FONT_MAGIC_SIZE || std::memcmp(image, FONT_MAGIC, FONT_MAGIC_SIZE) != 0) {
        CorePrint(&g_oCoreLog, "Font::Initialize -- Invalid magic number !\n");
        return Refuse(name, "not a font file");
    }
    if (size < FONT_HEADER_SIZE)
        return Refuse(name, "shorter than its header");
    const uint16_t major = ReadHalfWord(image, FONT_MAJOR_OFFSET);
    const uint16_t minor = ReadHalfWord(image, FONT_MINOR_OFFSET);
    if (major != FONT_VERSION_MAJOR || minor != FONT_VERSION_MINOR) {
        CorePrint(&g_oCoreLog, "Font::Initialize -- Invalid version number (got %i.%i, expected %i.%i)\n", major, minor,
                  FONT_VERSION_MAJOR, FONT_VERSION_MINOR);
        return Refuse(name, "not a font of a known version");
    }
    const auto lineHeight = static_cast<int32_t>(ReadWord(image, FONT_LINE_HEIGHT_OFFSET));
    if (lineHeight < 1 || lineHeight > MAX_LINE_HEIGHT)
        return Refuse(name, "its line height is not 1 to 65535 pixels");

    // Sizes in 64 bits: no word of the file can overflow them.
    const uint32_t rangeCount = ReadWord(image, FONT_RANGE_COUNT_OFFSET);
    const uint64_t glyphsStart = FONT_HEADER_SIZE + uint64_t(rangeCount) * FONT_RANGE_SIZE;
    if (glyphsStart > size)
        return Refuse(name, "its ranges run past the end of the file");
    uint64_t glyphCount = 0;
    for (uint32_t i = 0; i < rangeCount; ++i) {
        const uint8_t* range = image + FONT_HEADER_SIZE + size_t(i) * FONT_RANGE_SIZE;
        const uint32_t first = ReadWord(range, 0);
        const uint32_t last = ReadWord(range, 4);
        if (last < first)
            return Refuse(name, "a range ends below its first code point");
        glyphCount += uint64_t(last) - first + 1;
    }
    if (glyphsStart + glyphCount * FONT_GLYPH_SIZE > size)
        return Refuse(name, "its glyphs run past the end of the file");

    std::unique_ptr<FontRange[]> ranges(rangeCount ? new (std::nothrow) FontRange[rangeCount] : nullptr);
    std::unique_ptr<FontGlyph[]> glyphs(glyphCount ? new (std::nothrow) FontGlyph[glyphCount] : nullptr);
    if ((rangeCount && !ranges) || (glyphCount && !glyphs))
        return Refuse(name, "no memory for its glyphs");
    for (uint32_t i = 0; i < rangeCount; ++i) {
        const uint8_t* range = image + FONT_HEADER_SIZE + size_t(i) * FONT_RANGE_SIZE;
        ranges[i].m_uFirst = ReadWord(range, 0);
        ranges[i].m_uLast = ReadWord(range, 4);
    }
    uint64_t oddRecords = 0;
    for (uint64_t i = 0; i < glyphCount; ++i) {
        const uint8_t* record = image + glyphsStart + i * FONT_GLYPH_SIZE;
        FontGlyph& glyph = glyphs[i];
        glyph.m_uU = ReadHalfWord(record, 0);
        glyph.m_uV = ReadHalfWord(record, 2);
        glyph.m_uWidth = record[4];
        glyph.m_uHeight = record[5];
        glyph.m_fxWidth = PixelsToUnits(record[4]);
        glyph.m_fxHeight = PixelsToUnits(record[5]);
        glyph.m_fxOffsetX = PixelsToUnits(static_cast<int8_t>(record[6]));
        glyph.m_fxOffsetY = PixelsToUnits(static_cast<int8_t>(record[7]));
        glyph.m_fxAdvance = PixelsToUnits(static_cast<int8_t>(record[8]));
        if (record[9] != 0)
            ++oddRecords;
    }
    // One report for the whole file, however many glyphs it damages.
    if (oddRecords > 0) {
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "sDummyByte == 0");
        CorePrint(&g_oCoreLog, "message:\n");
        CorePrint(&g_oCoreLog, "font \"%s\": %llu glyph records do not end in a 0 byte; read anyway\n",
                  name ? name : "", static_cast<unsigned long long>(oddRecords));
    }

    m_fxLineHeight = PixelsToUnits(lineHeight);
    m_uRangeCount = rangeCount;
    m_uGlyphCount = static_cast<uint32_t>(glyphCount);
    m_pSequences = std::move(ranges);
    m_pGlyphs = std::move(glyphs);
    m_sTextureName = description.m_sTextureName;
    m_uReserved = description.m_uReserved;
    const int32_t replacement = GetGlyphNumberFromUnicode(REPLACEMENT_CHARACTER);
    const int32_t question = replacement == -1 ? GetGlyphNumberFromUnicode(QUESTION_MARK) : replacement;
    m_pDefaultGlyph = question == -1 ? nullptr : &m_pGlyphs[question];
    return true;
}

void Font::Release()
{
    m_pGlyphs.reset();
    m_pSequences.reset();
    m_pDefaultGlyph = nullptr;
    m_uRangeCount = 0;
    m_uGlyphCount = 0;
    m_fxLineHeight = 0;
    m_sTextureName = nullptr;
    m_uReserved = 0;
    if (m_oImage.m_pBuffer)
        Core::ReleaseResource(&m_oImage);
    m_oImage = CoreResource();
}

int32_t Font::GetGlyphNumberFromUnicode(uint32_t c) const
{
    ENGINE_ASSERT(m_pSequences!=NULL);
    uint32_t passed = 0;
    for (uint32_t i = 0; i < m_uRangeCount; ++i) {
        const FontRange& range = m_pSequences[i];
        if (range.m_uFirst <= c && c <= range.m_uLast)
            return static_cast<int32_t>(passed + (c - range.m_uFirst));
        passed += range.m_uLast - range.m_uFirst + 1;
    }
    return -1;
}

const FontGlyph* Font::GetGlyph(uint32_t c) const
{
    // A font that did not load was reported then: its text is skipped
    // without a report for every code point.
    if (m_pSequences == nullptr)
        return m_pDefaultGlyph;
    const int32_t index = GetGlyphNumberFromUnicode(c);
    return index == -1 ? m_pDefaultGlyph : &m_pGlyphs[index];
}

int32_t Font::ComputeTextLength(const char* strTextUTF8) const
{
    ENGINE_ASSERT(strTextUTF8 != NULL);
    if (strTextUTF8 == nullptr)
        return 0;
    int32_t length = 0;
    while (Utf8DecodeNext(&strTextUTF8) != 0)
        ++length;
    return length;
}

fx32 Font::ComputeTextWidth(const char* text) const
{
    if (text == nullptr)
        return 0;
    uint32_t c = Utf8DecodeNext(&text);
    if (c == 0 || c == '\n')
        return 0;
    const FontGlyph* first = GetGlyph(IsBlank(c) ? ' ' : c);
    // Sums wrap like the hardware's: a text too long to measure is not a
    // fault of the program.
    fx32 width = first ? -first->m_fxOffsetX : 0;
    const FontGlyph* last = nullptr;
    for (; c != 0 && c != '\n'; c = Utf8DecodeNext(&text)) {
        if (const FontGlyph* glyph = GetGlyph(IsBlank(c) ? ' ' : c)) {
            width = CoreFx::WrapAdd(width, glyph->m_fxAdvance);
            last = glyph;
        }
    }
    if (last)
        width = CoreFx::WrapAdd(width, last->m_fxOffsetX - last->m_fxAdvance + last->m_fxWidth);
    return width;
}

} // namespace Tw
