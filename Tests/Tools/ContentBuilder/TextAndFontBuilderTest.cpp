// Builds text tables and fonts from small sources and reads them with the
// engine's own readers.
#include "DataPack/DkDataPackBinding.h"
#include "Hash/CoreCrc32.h"
#include "Support/LogCapture.h"
#include "Support/Files.h"
#include "Support/NullRendererTest.h"
#include "Support/RunContentBuilder.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Bytes/LittleEndian.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using testing::HasSubstr;
using TestSupport::ReadFileBytes;
using TestSupport::RunContentBuilder;
using TestSupport::TempDir;

namespace {

const char* const DEJAVU_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string FontDescription(const std::string& ranges, const std::string& face = DEJAVU_SANS)
{
    return R"({ "face": ")" + face + R"(", "pixelSize": 20, "atlasWidth": 64, "ranges": )" + ranges + " }";
}

TEST(TextTableBuilderTest, RowsBecomeATableSortedByIdWithTheirTextsUnescaped)
{
    TempDir folder;
    folder.WriteFile("content/Text/fr-FR/Common.txt", "# a comment\n"
                                                      "\n"
                                                      "ZETA\tdernière\n"
                                                      "0x00000001\tpremière ligne\\nseconde\\tfin \\\\ ok\r\n"
                                                      "ALPHA\t\n"
                                                      "0xFFFFFFFF\t« guillemets »\n");
    // A mini-game's texts join the common table from the folder beside it.
    folder.WriteFile("content/Text/fr-FR/Common/MG_Game.txt", "MG_TITLE\tle jeu\n");
    folder.WriteFile("content/Text/fr-FR/BG101.txt", "ALPHA\tscène\n");
    const TestSupport::ContentBuildResult result = RunContentBuilder(folder / "content", folder / "data");
    ASSERT_EQ(result.exitCode, 0) << result.errors;

    std::vector<uint8_t> table = ReadFileBytes(folder / "data/text/fr-FRTextCommon.dat");
    ASSERT_EQ(ReadWord(table.data(), 0x1C), 5u);
    for (uint32_t i = 1; i < 5; ++i)
        EXPECT_LT(ReadWord(table.data(), 0x2C + 8 * (i - 1)), ReadWord(table.data(), 0x2C + 8 * i)) << i;
    DkLocalizerBank banks[DkLocalizer::BANK_COUNT];
    DkLocalizer localizer;
    localizer.Initialize(banks);
    ASSERT_EQ(localizer.AddBank("fr-FRTextCommon.dat", table.data(), uint32_t(table.size())), 0);
    EXPECT_STREQ(localizer.GetText(CoreCrc32Of("ZETA")), "dernière");
    EXPECT_STREQ(localizer.GetText(1), "première ligne\nseconde\tfin \\ ok");
    EXPECT_STREQ(localizer.GetText(CoreCrc32Of("ALPHA")), "");
    EXPECT_STREQ(localizer.GetText(0xFFFFFFFF), "« guillemets »");
    EXPECT_STREQ(localizer.GetText(CoreCrc32Of("MG_TITLE")), "le jeu");

    std::vector<uint8_t> scene = ReadFileBytes(folder / "data/text/fr-FRTextBG101.dat");
    ASSERT_EQ(localizer.AddBank("fr-FRTextBG101.dat", scene.data(), uint32_t(scene.size())), 1);
    localizer.RemoveBank(0);
    EXPECT_STREQ(localizer.GetText(CoreCrc32Of("ALPHA")), "scène");
}

TEST(TextTableBuilderTest, FaultsInATextSourceNameItsLine)
{
    struct Case {
        std::string source;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"GOOD\tyes\nNO_TAB here\n", "Text/en-GB/Common.txt:2: a text line is a key, a tab and the text"},
        {"\tno key\n", "Text/en-GB/Common.txt:1: a text line is a key, a tab and the text"},
        {"BAD\tescape \\q\n", "Text/en-GB/Common.txt:1: unknown escape \"\\q\""},
        {"BAD\tlatin-1 \xE9t\xE9\n", "Text/en-GB/Common.txt:1: the line is not UTF-8"},
        {"BAD\toverlong \xC0\xAF\n", "Text/en-GB/Common.txt:1: the line is not UTF-8"},
        {"SAME\tone\n\nSAME\ttwo\n", "Text/en-GB/Common.txt:3: the text id of \"SAME\" was given on line 1"},
        // A hexadecimal id that is also a name's hash is the same text id.
        {"ALPHA\tone\n0x" +
             [] {
                 char hex[9];
                 std::snprintf(hex, sizeof hex, "%08X", CoreCrc32Of("ALPHA"));
                 return std::string(hex);
             }() +
             "\ttwo\n",
         "Text/en-GB/Common.txt:2: the text id of"},
    };
    for (const Case& c : cases) {
        TempDir folder;
        folder.WriteFile("content/Text/en-GB/Common.txt", c.source);
        const TestSupport::ContentBuildResult result = RunContentBuilder(folder / "content", folder / "data");
        EXPECT_EQ(result.exitCode, 1) << c.source;
        EXPECT_THAT(result.errors, HasSubstr(c.message)) << c.source;
        EXPECT_THAT(result.errors, HasSubstr("step \"text tables\" failed")) << c.source;
    }

    TempDir folder;
    folder.WriteFile("content/Text/en-GB/Common.txt", "SAME\tone\n");
    folder.WriteFile("content/Text/en-GB/Common/MG_Game.txt", "OTHER\tok\nSAME\ttwo\n");
    const TestSupport::ContentBuildResult result = RunContentBuilder(folder / "content", folder / "data");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.errors,
                HasSubstr("Text/en-GB/Common/MG_Game.txt: a text id given in Text/en-GB/Common.txt too"));
}

class FontBuilderTest : public TestSupport::NullRendererTest { };

TEST_F(FontBuilderTest, AFontAndItsAtlasComeFromOneDescription)
{
    TempDir folder;
    folder.WriteFile("content/Fonts/Tiny.json", FontDescription("[[9, 10], [32, 32], [65, 90], [233, 233]]"));
    folder.WriteFile("content/Manifest.json", R"({
      "textures": [{ "name": "Tiny_00", "format": "DXT5", "font": "Fonts/Tiny.json" }],
      "packs": [{ "file": "common.dr", "entries": [{ "kind": "TX2D", "name": "Tiny_00" }] }] })");
    TestSupport::ContentBuildResult result = RunContentBuilder(folder / "content", folder / "data");
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    const std::vector<uint8_t> file = ReadFileBytes(folder / "data/fonts/Tiny.fnt.bin");

    Tw::Font font;
    ASSERT_EQ(TestSupport::LogOf([&] {
                  ASSERT_TRUE(font.InitializeFromMemory("Tiny", file.data(), uint32_t(file.size()), {"Tiny_00", 0}));
              }),
              "");
    EXPECT_EQ(font.GetGlyphCount(), 2u + 1u + 26u + 1u);
    EXPECT_EQ(font.GetGlyph('\t')->m_fxAdvance, font.GetGlyph(' ')->m_fxAdvance);
    EXPECT_EQ(font.GetGlyph('\n')->m_fxAdvance, 0);
    EXPECT_GT(font.GetLineHeight(), Tw::Font::PixelsToUnits(20));

    std::vector<uint8_t> pack = ReadFileBytes(folder / "data/common.dr");
    DataPack dataPack;
    ASSERT_TRUE(DkDataPackBinding::BindPack(dataPack, pack.data(), pack.size(), "common.dr"));
    const CoreTexture* texture = g_pTextureManager->GetTextureByName("Tiny_00");
    ASSERT_NE(texture, nullptr);
    const uint32_t width = texture->m_oDescription.m_iImageWidth;
    const uint32_t height = texture->m_oDescription.m_iImageHeight;
    EXPECT_EQ(width, 64u);
    // Every drawn glyph lies inside the atlas, on its own 4 x 4 blocks.
    std::vector<std::vector<int>> owner(height / 4, std::vector<int>(width / 4, -1));
    for (uint32_t c = 'A'; c <= 0xE9; c = c == 'Z' ? 0xE9 : c + 1) {
        const Tw::FontGlyph* glyph = font.GetGlyph(c);
        ASSERT_NE(glyph, nullptr);
        ASSERT_GT(glyph->m_uWidth, 0);
        ASSERT_LE(glyph->m_uU + glyph->m_uWidth, width) << c;
        ASSERT_LE(glyph->m_uV + glyph->m_uHeight, height) << c;
        for (uint32_t y = glyph->m_uV / 4; y <= (glyph->m_uV + glyph->m_uHeight - 1u) / 4; ++y)
            for (uint32_t x = glyph->m_uU / 4; x <= (glyph->m_uU + glyph->m_uWidth - 1u) / 4; ++x) {
                EXPECT_TRUE(owner[y][x] == -1 || owner[y][x] == int(c)) << c << " shares a block";
                owner[y][x] = int(c);
            }
    }
    DkDataPackBinding::UnbindPack(dataPack);
    font.Release();

    // The same description gives the same bytes.
    result = RunContentBuilder(folder / "content", folder / "again");
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(ReadFileBytes(folder / "again/fonts/Tiny.fnt.bin"), file);
    EXPECT_TRUE(ReadFileBytes(folder / "again/common.dr") == ReadFileBytes(folder / "data/common.dr"));
}

TEST(FontBuilderFaultTest, FaultsInAFontDescriptionNameIt)
{
    struct Case {
        std::string description;
        std::string message;
    };
    const std::vector<Case> cases = {
        {FontDescription("[[65, 66], [20013, 20013]]"), "Fonts/Bad.json: U+4E2D is not in the face"},
        {FontDescription("[[66, 65]]"), "Fonts/Bad.json: range [66, 65] is not a run of code points"},
        {FontDescription("[]"), "Fonts/Bad.json: no \"ranges\""},
        {FontDescription("[[65, 66]]", "/nowhere/None.ttf"), "/nowhere/None.ttf is not a font face FreeType can read"},
        {"{ \"face\": 3 }", "Fonts/Bad.json: "},
    };
    for (const Case& c : cases) {
        TempDir folder;
        folder.WriteFile("content/Fonts/Bad.json", c.description);
        const TestSupport::ContentBuildResult result = RunContentBuilder(folder / "content", folder / "data");
        EXPECT_EQ(result.exitCode, 1) << c.description;
        EXPECT_THAT(result.errors, HasSubstr(c.message)) << c.description;
        EXPECT_THAT(result.errors, HasSubstr("step \"fonts\" failed")) << c.description;
    }
}

} // namespace
