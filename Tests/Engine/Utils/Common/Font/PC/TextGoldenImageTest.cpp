// Prints the sample text of every game language in both sample fonts on the
// real OpenGL device and compares the picture with its reference image.
#include "DataPack/DkDataPackBinding.h"
#include "Hash/CoreCrc32.h"
#include "Renderer/CoreRenderer.h"
#include "Support/LogCapture.h"
#include "Support/Files.h"
#include "Support/GoldenImage.h"
#include "Support/OpenGlPictureTest.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr fx32 U = FX32_ONE;
const char* const LANGUAGES[] = {"en-GB", "fr-FR", "de-DE", "it-IT", "es-ES"};

class TextGoldenImageTest : public TestSupport::OpenGlPictureTest {
protected:
    void SetUp() override
    {
        OpenGlPictureTest::SetUp();
        if (HasFatalFailure())
            return;
        m_pack = TestSupport::ReadFileBytes(TestSupport::DataDir() / "common.dr");
        ASSERT_EQ(TestSupport::LogOf([&] {
                      ASSERT_TRUE(DkDataPackBinding::BindPack(m_dataPack, m_pack.data(), m_pack.size(), "common.dr"));
                  }),
                  "");
        ASSERT_TRUE(m_localizer.Initialize(m_banks));
    }

    void TearDown() override
    {
        m_mainText.Release();
        m_smallText.Release();
        m_mainFont.Release();
        m_smallFont.Release();
        DkDataPackBinding::UnbindPack(m_dataPack);
        OpenGlPictureTest::TearDown();
    }

    void LoadFont(Tw::Font& font, Tw::TextureTextRenderer& text, const char* name, const char* texture)
    {
        const std::string path = (TestSupport::DataDir() / "fonts" / name).string();
        EXPECT_EQ(TestSupport::LogOf([&] {
                      ASSERT_TRUE(font.Initialize(path.c_str(), {texture, 0}));
                      text.Initialize(&font, 8);
                  }),
                  "");
        ASSERT_NE(text.GetTexture(), nullptr);
    }

    // The sample line of a language's common table.
    std::string SampleText(const char* language, const char* key)
    {
        std::vector<uint8_t>& table = m_tables.emplace_back(
            TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / (std::string(language) + "TextCommon.dat")));
        EXPECT_EQ(m_localizer.AddBank(language, table.data(), uint32_t(table.size())), 0);
        std::string text;
        EXPECT_EQ(TestSupport::LogOf([&] { text = m_localizer.GetText(CoreCrc32Of(key)); }), "");
        m_localizer.RemoveBank(0);
        return text;
    }

    std::vector<uint8_t> m_pack;
    DataPack m_dataPack;
    DkLocalizerBank m_banks[DkLocalizer::BANK_COUNT];
    DkLocalizer m_localizer;
    std::vector<std::vector<uint8_t>> m_tables;
    Tw::Font m_mainFont;
    Tw::Font m_smallFont;
    Tw::TextureTextRenderer m_mainText;
    Tw::TextureTextRenderer m_smallText;
};

TEST_F(TextGoldenImageTest, EveryLanguagesSampleLinePrintsInBothFonts)
{
    LoadFont(m_mainFont, m_mainText, "MainFont.fnt.bin", "MainFont_00");
    LoadFont(m_smallFont, m_smallText, "SmallFont.fnt.bin", "SmallFont_00");
    m_tables.reserve(8);
    const Platform::RgbaImage picture = FramePicture([&] {
        fx32 y = 2 * U;
        for (const char* language : LANGUAGES) {
            const std::string line = SampleText(language, "SAMPLE_LINE");
            m_mainText.BeginPrint();
            m_mainText.Print(line.c_str(), 4 * U, y, 0xFFFFFFFF, 0x2000);
            y += m_mainFont.GetLineHeight();
            m_smallText.BeginPrint();
            m_smallText.Print(line.c_str(), 4 * U, y, 0xFFD070FF, 0x2000);
            y += m_smallFont.GetLineHeight();
        }
        // A paragraph wrapped in a rectangle, each line centred: its first
        // line starts half a line above the rectangle and its third line runs
        // past the rectangle's bottom rounded to whole lines, so both are cut.
        const std::string paragraph = SampleText("en-GB", "SAMPLE_PARAGRAPH");
        const fx32 top = y + 8 * U;
        const fx32 h = m_smallFont.GetLineHeight();
        m_smallText.SetClipRect(40 * U, top, 216 * U, top + h + h / 2);
        m_smallText.BeginPrint();
        m_smallText.Print(paragraph.c_str(), 128 * U, top - h / 2, 0x80C0FFFF, 0x3002);
    });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Utils/Common/Font/PC/SampleLines", 8));
}

} // namespace
