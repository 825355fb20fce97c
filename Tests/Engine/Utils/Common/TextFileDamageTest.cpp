// Damaged copies of the sample text tables and fonts: each is refused, or
// read and used without a read outside its bytes (the sanitizer build checks
// every access).
#include "Support/LogCapture.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Bytes/LittleEndian.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const LANGUAGES[] = {"en-GB", "fr-FR", "de-DE", "it-IT", "es-ES"};
const uint8_t DAMAGES[] = {0x00, 0xFF, 0x80, 0x01};

class DiscardingRenderer : public Tw::TextRenderer {
public:
    void DrawGlyph(uint32_t, uint32_t, uint32_t, uint32_t, fx32, fx32, fx32, fx32, uint32_t) override { ++glyphs; }
    int glyphs = 0;
};

// Takes the table (a buffer of its own size, so that the sanitizer sees any
// read past it) into a bank and looks up every id it names; false when it is
// refused.
bool UseTable(const std::vector<uint8_t>& bytes, const std::vector<uint32_t>& ids)
{
    std::vector<uint8_t> table = bytes;
    DkLocalizerBank banks[DkLocalizer::BANK_COUNT];
    DkLocalizer localizer;
    localizer.Initialize(banks);
    if (localizer.AddBank("damaged", table.data(), uint32_t(table.size())) == -1)
        return false;
    for (uint32_t id : ids)
        EXPECT_LT(std::strlen(localizer.GetText(id)), table.size());
    return true;
}

// Reads the font from a buffer of its own size and lays out and prints text
// with it; false when it is refused.
bool UseFont(const std::vector<uint8_t>& bytes)
{
    const std::vector<uint8_t> image = bytes;
    Tw::Font font;
    if (!font.InitializeFromMemory("damaged", image.data(), uint32_t(image.size()), {}))
        return false;
    DiscardingRenderer renderer;
    renderer.Initialize(&font, 4);
    renderer.SetClipRect(0, 0, 100 * FX32_ONE, 50 * FX32_ONE);
    const char* text = "Où est l’œuvre ? Ça dépend…\nGrüß Gott! ¿Dónde está?\t\xEE\x80\x81";
    font.ComputeTextWidth(text);
    renderer.Print(text, 128 * FX32_ONE, 96 * FX32_ONE, 0xFFFFFFFF, 0x3022);
    renderer.Print(text, 0, 0, 0xFFFFFFFF, 0x1004);
    renderer.Release();
    font.Release();
    return true;
}

TEST(TextFileDamageTest, EveryTruncatedTableIsRefusedAndDamagedOnesAreSafe)
{
    for (const char* language : LANGUAGES) {
        const std::vector<uint8_t> table =
            TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / (std::string(language) + "TextCommon.dat"));
        ASSERT_GT(table.size(), 0x2Cu) << language;
        std::vector<uint32_t> ids = {0, 0xFFFFFFFF};
        for (uint32_t i = 0; i < ReadWord(table.data(), 0x1C); ++i)
            ids.push_back(ReadWord(table.data(), 0x2C + 8 * i));
        TestSupport::LogOf([&] {
            ASSERT_TRUE(UseTable(table, ids)) << language;
            // Every language's table goes through the same reader: sweeping
            // one is enough, and the sweep grows with the square of the text.
            if (language != LANGUAGES[0])
                return;
            for (size_t size = 0; size < table.size(); ++size)
                EXPECT_FALSE(UseTable(std::vector<uint8_t>(table.begin(), table.begin() + size), ids))
                    << language << " cut to " << size;
            for (size_t offset = 0; offset < table.size(); ++offset) {
                for (uint8_t damage : DAMAGES) {
                    std::vector<uint8_t> damaged = table;
                    damaged[offset] = damage;
                    UseTable(damaged, ids);
                }
            }
        });
    }
}

TEST(TextFileDamageTest, EveryTruncatedFontIsRefusedAndDamagedOnesAreSafe)
{
    for (const char* name : {"MainFont", "SmallFont"}) {
        const std::vector<uint8_t> font =
            TestSupport::ReadFileBytes(TestSupport::DataDir() / "fonts" / (std::string(name) + ".fnt.bin"));
        TestSupport::LogOf([&] {
            ASSERT_TRUE(UseFont(font)) << name;
            for (size_t size = 0; size < font.size(); ++size)
                EXPECT_FALSE(UseFont(std::vector<uint8_t>(font.begin(), font.begin() + size)))
                    << name << " cut to " << size;
            for (size_t offset = 0; offset < font.size(); ++offset) {
                for (uint8_t damage : DAMAGES) {
                    std::vector<uint8_t> damaged = font;
                    damaged[offset] = damage;
                    UseFont(damaged);
                }
            }
        });
    }
}

} // namespace
