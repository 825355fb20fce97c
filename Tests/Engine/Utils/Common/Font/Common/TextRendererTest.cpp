#include "Support/LogCapture.h"
#include "Support/HandMadeFont.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using testing::HasSubstr;
using TestSupport::HandMadeFont;
using TestSupport::LogOf;

namespace {

// Pixel metrics are multiples of 5, so that every metric is a whole number
// of virtual units.
constexpr fx32 U = FX32_ONE;

HandMadeFont::Glyph Glyph(uint16_t u, int8_t offsetX, uint8_t width, int8_t advance)
{
    HandMadeFont::Glyph glyph;
    glyph.u = u;
    glyph.v = 3;
    glyph.width = width;
    glyph.height = 10;
    glyph.offsetX = offsetX;
    glyph.advance = advance;
    return glyph;
}

// Letters are one unit wide and advance one unit; 'W' sits one unit right
// of the pen, is two units wide and advances four; a line is two units high.
std::vector<uint8_t> TestFont(bool withDefaultGlyph)
{
    HandMadeFont made(10);
    made.Add('\t', '\t', Glyph(0, 0, 0, 5));
    made.Add('\n', '\n', Glyph(0, 0, 0, 0));
    made.Add(' ', ' ', Glyph(0, 0, 0, 5));
    made.Add('?', '?', Glyph(90, 0, 5, 5));
    made.Add('W', 'W', Glyph(80, 5, 10, 20));
    made.Add('a', 'z', Glyph(10, 0, 5, 5));
    made.Add(0xA0, 0xA0, Glyph(0, 0, 0, 5));
    made.Add(0xE001, 0xE001, Glyph(100, 0, 10, 10));
    std::vector<uint8_t> bytes = made.Bytes();
    if (!withDefaultGlyph) // '?' becomes '@'
        bytes[0x34 + 3 * 8] = '@', bytes[0x34 + 3 * 8 + 4] = '@';
    return bytes;
}

struct DrawnGlyph {
    uint32_t u, v, w, h;
    fx32 x, y, width, height;
    uint32_t colour;
};

// Records what the layout asks to draw.
class RecordingRenderer : public Tw::TextRenderer {
public:
    void DrawGlyph(uint32_t u, uint32_t v, uint32_t w, uint32_t h, fx32 x, fx32 y, fx32 width, fx32 height,
                   uint32_t colour) override
    {
        draws.push_back({u, v, w, h, x, y, width, height, colour});
        events.push_back("glyph");
    }
    void OnIcon(uint32_t c) override { events.push_back("icon " + std::to_string(c)); }
    void OnPrintBegin() override { events.push_back("begin"); }
    void OnPrintEnd() override { events.push_back("end"); }

    std::vector<DrawnGlyph> draws;
    std::vector<std::string> events;
};

class TextRendererTest : public testing::Test {
protected:
    void SetUp() override { Use(true, 8); }
    void TearDown() override
    {
        m_renderer.Release();
        m_font.Release();
    }

    void Use(bool withDefaultGlyph, int32_t lines)
    {
        m_renderer.Release();
        m_font.Release();
        m_bytes = TestFont(withDefaultGlyph);
        ASSERT_TRUE(m_font.InitializeFromMemory("test", m_bytes.data(), uint32_t(m_bytes.size()), {}));
        ASSERT_TRUE(m_renderer.Initialize(&m_font, lines));
    }

    // The lines as "text|code points|width in units".
    std::vector<std::string> Lines(const char* text)
    {
        std::vector<std::string> out;
        const int32_t count = m_renderer.GenerateSubstrings(text, m_lines);
        for (int32_t i = 0; i < count; ++i) {
            const Tw::TextSubstring& line = m_lines[i];
            const char* end = line.m_pStart;
            for (int32_t k = 0; k < line.m_iNbChars; ++k)
                while ((*++end & 0xC0) == 0x80) { }
            out.push_back(std::string(line.m_pStart, end) + "|" + std::to_string(line.m_iNbChars) + "|" +
                          std::to_string(double(line.m_fxWidth) / U));
        }
        return out;
    }

    std::vector<uint8_t> m_bytes;
    Tw::Font m_font;
    RecordingRenderer m_renderer;
    Tw::TextSubstring m_lines[8];
};

TEST_F(TextRendererTest, LinesBreakAtNewlinesAndAtTheLastBlankBeforeTheRightEdge)
{
    struct Case {
        const char* what;
        const char* text;
        fx32 right; // 0: no wrapping
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"one word", "abc", 0, {"abc|3|3.000000"}},
        {"no wrapping without a rectangle", "ab cd", 0, {"ab cd|5|5.000000"}},
        {"fits when the right edge is past it", "ab cd", 6 * U, {"ab cd|5|5.000000"}},
        // The blank stays with the first line, in its count and its width.
        {"just too narrow", "ab cd", 5 * U, {"ab |3|2.000000", "cd|2|2.000000"}},
        {"a word longer than the line", "abcdefg hi", 3 * U, {"abcdefg |8|7.000000", "hi|2|2.000000"}},
        {"a tab breaks too", "ab\tcd", 4 * U, {"ab\t|3|2.000000", "cd|2|2.000000"}},
        {"a no-break space breaks too",
         "ab\xC2\xA0"
         "cd",
         4 * U,
         {"ab\xC2\xA0|3|2.000000", "cd|2|2.000000"}},
        {"several breaks", "ab cd ef", 4 * U, {"ab |3|2.000000", "cd |3|2.000000", "ef|2|2.000000"}},
        // The first glyph's offset is taken off; a line ended by a newline
        // counts its last glyph by its advance.
        {"drawn extent", "aW", 0, {"aW|2|4.000000"}},
        {"advance before a newline", "aW\nb", 0, {"aW|2|5.000000", "b|1|1.000000"}},
        {"first glyph offset", "Wa", 0, {"Wa|2|4.000000"}},
        {"trailing newline", "ab\n", 0, {"ab|2|2.000000"}},
        {"as many lines as newlines", "\n\n", 0, {"|0|0.000000", "|0|0.000000"}},
        {"empty line inside", "a\n\nb", 0, {"a|1|1.000000", "|0|0.000000", "b|1|1.000000"}},
        {"empty text", "", 0, {}},
    };
    for (const Case& c : cases) {
        m_renderer.Initialize(&m_font, 8);
        if (c.right)
            m_renderer.SetClipRect(c.right, 100 * U, 0, 0);
        EXPECT_EQ(Lines(c.text), c.lines) << c.what;
    }
}

TEST_F(TextRendererTest, ATextLongerThanTheLineArrayIsCutAtItsCapacity)
{
    Use(true, 2);
    std::vector<std::string> lines;
    EXPECT_THAT(LogOf([&] { lines = Lines("a\nb\nc"); }),
                HasSubstr("condition: iNbSubstrings <= m_iSubstringsMaxNb\n"));
    EXPECT_EQ(lines, (std::vector<std::string> {"a|1|1.000000", "b|1|1.000000"}));
    EXPECT_EQ(m_lines[2].m_pStart, nullptr); // nothing written past the capacity
    // Two lines and a trailing newline fit.
    EXPECT_EQ(LogOf([&] { EXPECT_EQ(Lines("a\nb\n").size(), 2u); }), "");
    // Counting only writes nothing, so it goes on to the end.
    LogOf([&] { EXPECT_EQ(m_renderer.GenerateSubstrings("a\nb\nc", nullptr), 3); });
}

TEST_F(TextRendererTest, FlagsAlignEachLineOnXAndTheBlockOnY)
{
    struct Case {
        const char* what;
        uint32_t flags;
        fx32 firstX, firstY, secondX, secondY;
    };
    // "ab" (2 units) and "abcd" (4 units) printed at (50, 20); lines are 2
    // units high.
    const Case cases[] = {
        {"left, top", 0x2000, 50 * U, 20 * U, 50 * U, 22 * U},
        {"centred", 0x2002, 49 * U, 20 * U, 48 * U, 22 * U},
        {"right", 0x2004, 48 * U, 20 * U, 46 * U, 22 * U},
        {"centred block: the first line's top is y - h", 0x2022, 49 * U, 18 * U, 48 * U, 20 * U},
        {"bottom", 0x2040, 50 * U, 16 * U, 50 * U, 18 * U},
        {"centre wins over right", 0x2006, 49 * U, 20 * U, 48 * U, 22 * U},
        {"centre wins over bottom", 0x2060, 50 * U, 18 * U, 50 * U, 20 * U},
        // Without the layout the text is one line; the newline moves down and
        // aligns for the text after it.
        {"one line, centred", 0x0002, 49 * U, 20 * U, 48 * U, 22 * U},
        {"one line, centred block", 0x0022, 49 * U, 19 * U, 48 * U, 21 * U},
    };
    for (const Case& c : cases) {
        m_renderer.draws.clear();
        m_renderer.Print("ab\nabcd", 50 * U, 20 * U, 0x11223344, c.flags);
        ASSERT_EQ(m_renderer.draws.size(), 6u) << c.what;
        EXPECT_EQ(m_renderer.draws[0].x, c.firstX) << c.what;
        EXPECT_EQ(m_renderer.draws[0].y, c.firstY) << c.what;
        EXPECT_EQ(m_renderer.draws[2].x, c.secondX) << c.what;
        EXPECT_EQ(m_renderer.draws[2].y, c.secondY) << c.what;
    }
}

TEST_F(TextRendererTest, GlyphsAreDrawnFromTheirTextureRectanglesAtThePen)
{
    m_renderer.Print("Wa", 10 * U, 5 * U, 0xFF8000FF, 0x2000);
    EXPECT_EQ(m_renderer.events, (std::vector<std::string> {"begin", "glyph", "glyph", "end"}));
    ASSERT_EQ(m_renderer.draws.size(), 2u);
    const DrawnGlyph& w = m_renderer.draws[0];
    // The first glyph's offset is taken back, so its left edge is at x.
    EXPECT_EQ(std::vector<uint32_t>({w.u, w.v, w.w, w.h}), std::vector<uint32_t>({80, 3, 10, 10}));
    EXPECT_EQ(std::vector<fx32>({w.x, w.y, w.width, w.height}), std::vector<fx32>({10 * U, 5 * U, 2 * U, 2 * U}));
    EXPECT_EQ(w.colour, 0xFF8000FFu);
    EXPECT_EQ(m_renderer.draws[1].x, 13 * U);

    // After a newline inside the one line the glyph's offset is not taken
    // back again.
    m_renderer.draws.clear();
    m_renderer.Print("a\nW", 10 * U, 5 * U, 0, 0);
    ASSERT_EQ(m_renderer.draws.size(), 2u);
    EXPECT_EQ(m_renderer.draws[1].x, 11 * U);
    EXPECT_EQ(m_renderer.draws[1].y, 7 * U);
}

TEST_F(TextRendererTest, ClippingCutsGlyphsAtTheRectangleAndStopsBelowIt)
{
    // The rectangle's bottom, 15, rounds up to 16: whole lines below its top.
    m_renderer.SetClipRect(100 * U, 15 * U, 0, 10 * U);
    m_renderer.Print("a\nb\nc\nd\ne\nf", 0, 7 * U, 0, 0x3000);
    struct Expected {
        fx32 y, height;
    };
    const Expected expected[] = {{10 * U, 1 * U}, {11 * U, 2 * U}, {13 * U, 2 * U}, {15 * U, 1 * U}};
    ASSERT_EQ(m_renderer.draws.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(m_renderer.draws[i].y, expected[i].y) << i;
        EXPECT_EQ(m_renderer.draws[i].height, expected[i].height) << i;
        // A cut glyph still shows its whole texture rectangle.
        EXPECT_EQ(m_renderer.draws[i].h, 10u) << i;
    }

    m_renderer.draws.clear();
    m_renderer.SetClipRect(0, 0, 100 * U, 100 * U);
    m_renderer.Print("abc", -U / 2 - U, 0, 0, 0x1000);
    ASSERT_EQ(m_renderer.draws.size(), 2u);
    EXPECT_EQ(m_renderer.draws[0].x, 0);
    EXPECT_EQ(m_renderer.draws[0].width, U / 2);
    EXPECT_EQ(m_renderer.draws[1].width, U);
}

TEST_F(TextRendererTest, AnIconCodePointIsAnnouncedThenDrawn)
{
    m_renderer.Print("a\xEE\x80\x81"
                     "b",
                     0, 0, 0, 0);
    EXPECT_EQ(m_renderer.events, (std::vector<std::string> {"begin", "glyph", "icon 57345", "glyph", "glyph", "end"}));
    ASSERT_EQ(m_renderer.draws.size(), 3u);
    EXPECT_EQ(m_renderer.draws[1].u, 100u);
    EXPECT_EQ(m_renderer.draws[2].x, 3 * U);
}

TEST_F(TextRendererTest, CodePointsWithoutAGlyphNeitherDrawNorMoveThePen)
{
    Use(false, 8);
    ASSERT_EQ(m_font.GetDefaultGlyph(), nullptr);
    m_renderer.Print("a\xE4\xB8\xAD"
                     "b",
                     0, 0, 0, 0x2000);
    ASSERT_EQ(m_renderer.draws.size(), 2u);
    EXPECT_EQ(m_renderer.draws[1].x, U);

    // With the default glyph, the unknown code point draws it.
    Use(true, 8);
    m_renderer.draws.clear();
    m_renderer.Print("a\xE4\xB8\xAD"
                     "b",
                     0, 0, 0, 0x2000);
    ASSERT_EQ(m_renderer.draws.size(), 3u);
    EXPECT_EQ(m_renderer.draws[1].u, 90u);
}

TEST_F(TextRendererTest, ANullTextIsReportedAndAnEmptyOneDrawsNothing)
{
    EXPECT_THAT(LogOf([&] { m_renderer.Print(nullptr, 0, 0, 0, 0x2000); }), HasSubstr("condition: strText != NULL\n"));
    m_renderer.Print("", 0, 0, 0, 0x2000);
    m_renderer.Print("", 0, 0, 0, 0);
    EXPECT_TRUE(m_renderer.draws.empty());
}

TEST_F(TextRendererTest, TheClipRectangleTakesItsCornersInAnyOrder)
{
    m_renderer.SetClipRect(10 * U, 20 * U, 2 * U, 4 * U);
    EXPECT_TRUE(m_renderer.IsWrapping());
    m_renderer.Print("abcdefghijklmnop", 0, 4 * U, 0, 0x1000);
    ASSERT_FALSE(m_renderer.draws.empty());
    EXPECT_EQ(m_renderer.draws.front().x, 2 * U);
    EXPECT_EQ(m_renderer.draws.back().x + m_renderer.draws.back().width, 10 * U);
    EXPECT_EQ(m_renderer.draws.front().y, 4 * U);
}

} // namespace
