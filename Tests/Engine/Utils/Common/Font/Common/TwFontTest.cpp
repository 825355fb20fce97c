#include "Support/LogCapture.h"
#include "Support/HandMadeFont.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using testing::HasSubstr;
using TestSupport::HandMadeFont;
using TestSupport::LogOf;

namespace {

// Every glyph of these fonts differs, so a glyph tells its code point.
HandMadeFont::Glyph Glyph(int8_t offsetX, uint8_t width, int8_t advance, uint16_t u = 0)
{
    HandMadeFont::Glyph glyph;
    glyph.u = u;
    glyph.width = width;
    glyph.height = 7;
    glyph.offsetX = offsetX;
    glyph.offsetY = 1;
    glyph.advance = advance;
    return glyph;
}

class TwFontTest : public testing::Test {
protected:
    bool Load(const std::vector<uint8_t>& bytes, std::string* log = nullptr)
    {
        m_bytes = bytes;
        bool loaded = false;
        const std::string written = LogOf([&] {
            loaded = m_font.InitializeFromMemory("test.fnt.bin", m_bytes.data(), uint32_t(m_bytes.size()),
                                                 {"TestFont_00", 0});
        });
        if (log)
            *log = written;
        return loaded;
    }

    void TearDown() override { m_font.Release(); }

    std::vector<uint8_t> m_bytes;
    Tw::Font m_font;
};

TEST_F(TwFontTest, PixelMetricsBecomeFifthsInFixedPointRounded)
{
    struct Case {
        int32_t pixels;
        fx32 units;
    };
    const Case cases[] = {{5, 4096}, {3, 2458}, {1, 819}, {2, 1638}, {-3, -2458}, {255, 208896}, {-128, -104858}};
    for (const Case& c : cases)
        EXPECT_EQ(Tw::Font::PixelsToUnits(c.pixels), c.units) << c.pixels;

    HandMadeFont made(3);
    made.Add('A', 'A', Glyph(-2, 5, 3, 17));
    ASSERT_TRUE(Load(made.Bytes()));
    EXPECT_EQ(m_font.GetLineHeight(), 2458);
    const Tw::FontGlyph* glyph = m_font.GetGlyph('A');
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->m_uU, 17);
    EXPECT_EQ(glyph->m_uWidth, 5);
    EXPECT_EQ(glyph->m_fxWidth, 4096);
    EXPECT_EQ(glyph->m_fxHeight, Tw::Font::PixelsToUnits(7));
    EXPECT_EQ(glyph->m_fxOffsetX, -1638);
    EXPECT_EQ(glyph->m_fxOffsetY, 819);
    EXPECT_EQ(glyph->m_fxAdvance, 2458);
    EXPECT_STREQ(m_font.GetTextureName(), "TestFont_00");
}

TEST_F(TwFontTest, GlyphNumbersRunRangeByRange)
{
    HandMadeFont made;
    made.Add('a', 'c', Glyph(0, 1, 1));
    made.Add('0', '1', Glyph(0, 2, 2));
    made.Add(0xE9, 0xE9, Glyph(0, 3, 3));
    ASSERT_TRUE(Load(made.Bytes()));
    EXPECT_EQ(m_font.GetGlyphCount(), 6u);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode('a'), 0);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode('c'), 2);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode('0'), 3);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode('1'), 4);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode(0xE9), 5);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode('d'), -1);
    EXPECT_EQ(m_font.GetGlyphNumberFromUnicode(0xFFFFFFFF), -1);
}

TEST_F(TwFontTest, TheDefaultGlyphIsTheReplacementCharacterElseTheQuestionMarkElseNone)
{
    struct Case {
        const char* what;
        bool replacement;
        bool question;
        uint8_t expectedWidth; // 0: no default glyph
    };
    const Case cases[] = {
        {"both", true, true, 9},
        {"question mark only", false, true, 8},
        {"neither", false, false, 0},
    };
    for (const Case& c : cases) {
        HandMadeFont made;
        made.Add('A', 'A', Glyph(0, 5, 6));
        if (c.question)
            made.Add('?', '?', Glyph(0, 8, 9));
        if (c.replacement)
            made.Add(0xFFFD, 0xFFFD, Glyph(0, 9, 10));
        ASSERT_TRUE(Load(made.Bytes())) << c.what;
        const Tw::FontGlyph* unknown = m_font.GetGlyph(0x4E2D);
        if (c.expectedWidth == 0) {
            EXPECT_EQ(unknown, nullptr) << c.what;
            // Without a glyph a code point adds nothing to the width.
            EXPECT_EQ(m_font.ComputeTextWidth("A\xE4\xB8\xAD"), m_font.ComputeTextWidth("A")) << c.what;
        } else {
            ASSERT_NE(unknown, nullptr) << c.what;
            EXPECT_EQ(unknown->m_uWidth, c.expectedWidth) << c.what;
            EXPECT_EQ(unknown, m_font.GetDefaultGlyph()) << c.what;
        }
    }
}

TEST_F(TwFontTest, TheWidthRunsFromTheFirstGlyphsLeftEdgeToTheLastGlyphsRightEdge)
{
    HandMadeFont made;
    made.Add(' ', ' ', Glyph(0, 0, 4));
    made.Add('A', 'A', Glyph(-1, 6, 5));
    made.Add('B', 'B', Glyph(2, 7, 10));
    ASSERT_TRUE(Load(made.Bytes()));
    const auto px = Tw::Font::PixelsToUnits;
    // -xoffset(A) + advance(A) + advance(space) + xoffset(B) + width(B)
    EXPECT_EQ(m_font.ComputeTextWidth("A B"), -px(-1) + px(5) + px(4) + px(2) + px(7));
    // Tabs and no-break spaces measure as spaces.
    EXPECT_EQ(m_font.ComputeTextWidth("A\tB"), m_font.ComputeTextWidth("A B"));
    EXPECT_EQ(m_font.ComputeTextWidth("A\xC2\xA0"
                                      "B"),
              m_font.ComputeTextWidth("A B"));
    // Only the first line counts.
    EXPECT_EQ(m_font.ComputeTextWidth("AB\nAAAA"), m_font.ComputeTextWidth("AB"));
    EXPECT_EQ(m_font.ComputeTextWidth("\nAB"), 0);
    EXPECT_EQ(m_font.ComputeTextWidth(""), 0);
    EXPECT_EQ(m_font.ComputeTextWidth("B"), px(7));
}

TEST_F(TwFontTest, TheLengthCountsCodePointsNotBytes)
{
    HandMadeFont made;
    made.Add('a', 'a', Glyph(0, 1, 1));
    ASSERT_TRUE(Load(made.Bytes()));
    EXPECT_EQ(m_font.ComputeTextLength("a\xC3\xA9\xE2\x82\xAC"
                                       "b"),
              4);
    EXPECT_EQ(m_font.ComputeTextLength(""), 0);
    int32_t length = -1;
    EXPECT_THAT(LogOf([&] { length = m_font.ComputeTextLength(nullptr); }),
                HasSubstr("condition: strTextUTF8 != NULL\n"));
    EXPECT_EQ(length, 0);
}

TEST_F(TwFontTest, DamagedFontsAreRefusedWithTheirName)
{
    HandMadeFont made;
    made.Add('a', 'c', Glyph(0, 1, 1));
    const std::vector<uint8_t> good = made.Bytes();
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* message;
    };
    std::vector<Case> cases;
    auto with = [&good](size_t offset, uint32_t value) {
        std::vector<uint8_t> bytes = good;
        HandMadeFont::Put(bytes, offset, value);
        return bytes;
    };
    cases.push_back({"magic", with(0, 0x746E6F66 + 1), "Font::Initialize -- Invalid magic number !\n"});
    cases.push_back({"version", made.Bytes(1, 1),
                     "Font::Initialize -- Invalid version number (got 1.1, expected 1.0)\n"
                     "font \"test.fnt.bin\" refused: not a font of a known version\n"});
    cases.push_back({"header", std::vector<uint8_t>(good.begin(), good.begin() + 0x30), "shorter than its header"});
    cases.push_back({"line height 0", with(0x2C, 0), "its line height is not 1 to 65535 pixels"});
    cases.push_back({"negative line height", with(0x2C, 0xFFFFFFFF), "its line height is not 1 to 65535 pixels"});
    cases.push_back({"range count", with(0x30, 0x20000000), "its ranges run past the end of the file"});
    cases.push_back({"backward range", with(0x38, 'a' - 1), "a range ends below its first code point"});
    cases.push_back({"huge range", with(0x38, 0xFFFFFFFF), "its glyphs run past the end of the file"});
    cases.push_back(
        {"cut glyphs", std::vector<uint8_t>(good.begin(), good.end() - 1), "its glyphs run past the end of the file"});
    for (const Case& c : cases) {
        std::string log;
        EXPECT_FALSE(Load(c.bytes, &log)) << c.what;
        EXPECT_THAT(log, HasSubstr(c.message)) << c.what;
        EXPECT_THAT(log, HasSubstr("font \"test.fnt.bin\" refused: ")) << c.what;
    }
}

TEST_F(TwFontTest, AGlyphWithAnUnusedByteIsReportedAndLoaded)
{
    HandMadeFont made;
    HandMadeFont::Glyph odd = Glyph(0, 4, 5);
    odd.dummy = 1;
    made.Add('a', 'c', odd);
    std::string log;
    ASSERT_TRUE(Load(made.Bytes(), &log));
    EXPECT_THAT(log, testing::StartsWith("ASSERT\n"));
    EXPECT_THAT(log, HasSubstr("condition: sDummyByte == 0\nmessage:\n"
                               "font \"test.fnt.bin\": 3 glyph records do not end in a 0 byte; read anyway\n"));
    EXPECT_EQ(log.find("ASSERT", 1), std::string::npos) << log;
    ASSERT_NE(m_font.GetGlyph('a'), nullptr);
}

TEST_F(TwFontTest, AMissingFileIsReportedWithItsPath)
{
    TestSupport::EnsureMainHeap();
    std::string log = LogOf([&] { EXPECT_FALSE(m_font.Initialize("nowhere/None.fnt.bin", {"None_00", 0})); });
    EXPECT_THAT(log,
                HasSubstr("message:\nFont::Initialize -- Cannot load the font ressource: nowhere/None.fnt.bin!\n"));
    EXPECT_EQ(m_font.GetGlyphCount(), 0u);
    // The empty font then measures and finds nothing, without a word.
    log = LogOf([&] {
        EXPECT_EQ(m_font.ComputeTextWidth("Any text at all"), 0);
        EXPECT_EQ(m_font.GetGlyph('A'), nullptr);
    });
    EXPECT_EQ(log, "");
}

TEST_F(TwFontTest, TheSampleFontsHoldTheLettersOfTheFiveLanguages)
{
    TestSupport::EnsureMainHeap();
    for (const char* name : {"MainFont", "SmallFont"}) {
        const std::string path = (TestSupport::DataDir() / "fonts" / (std::string(name) + ".fnt.bin")).string();
        ASSERT_EQ(LogOf([&] { ASSERT_TRUE(m_font.Initialize(path.c_str(), {name, 0})); }), "") << name;
        for (uint32_t c : {uint32_t('A'), 0xE9u, 0xDFu, 0xF1u, 0xBFu, 0x153u, 0x178u, 0x201Eu, 0x2026u, 0x20ACu})
            EXPECT_NE(m_font.GetGlyphNumberFromUnicode(c), -1) << name << " U+" << std::hex << c;
        EXPECT_EQ(m_font.GetDefaultGlyph(), m_font.GetGlyph(0xFFFD)) << name;
        EXPECT_GT(m_font.GetLineHeight(), 4 * FX32_ONE) << name;
        m_font.Release();
    }
}

} // namespace
