#include "Graphics/GraphicsFormats.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Support/LogCapture.h"
#include "Support/HandMadeDds.h"
#include "Support/HandMadeFont.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <gmock/gmock.h>

#include <cstring>
#include <vector>

using testing::HasSubstr;
using TestSupport::LogOf;

namespace {

class TextureTextRendererTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::NullRendererTest::SetUp();
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(64, 32, Platform::D3DFMT_DXT5, 2048);
        ASSERT_NE(g_pTextureManager->CreateTexture("TestFont_00", dds.data(), dds.size()), nullptr);
        TestSupport::HandMadeFont made(10);
        TestSupport::HandMadeFont::Glyph glyph;
        glyph.u = 16;
        glyph.v = 8;
        glyph.width = 10;
        glyph.height = 5;
        glyph.advance = 10;
        made.Add('a', 'a', glyph);
        m_bytes = made.Bytes();
    }
    void TearDown() override
    {
        m_text.Release();
        m_font.Release();
        TestSupport::NullRendererTest::TearDown();
    }

    // Binds a text renderer to a font of that texture; what it logged.
    std::string Bind(const char* textureName)
    {
        EXPECT_TRUE(m_font.InitializeFromMemory("test", m_bytes.data(), uint32_t(m_bytes.size()), {textureName, 0}));
        const std::string log = LogOf([&] { EXPECT_TRUE(m_text.Initialize(&m_font, 4)); });
        EXPECT_TRUE(m_renderer.BeginFrame());
        m_graphics.Recorder().Clear();
        return log;
    }

    std::vector<CorePrimitiveVertex> Vertices()
    {
        std::vector<CorePrimitiveVertex> vertices;
        for (const Platform::GraphicsCall& call : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            const size_t first = vertices.size();
            vertices.resize(first + call.data.size() / sizeof(CorePrimitiveVertex));
            std::memcpy(&vertices[first], call.data.data(), call.data.size());
        }
        return vertices;
    }

    std::vector<uint8_t> m_bytes;
    Tw::Font m_font;
    Tw::TextureTextRenderer m_text;
};

TEST_F(TextureTextRendererTest, AGlyphIsAStripOfFourCornersWithItsTextureRectangle)
{
    EXPECT_EQ(Bind("TestFont_00"), "");
    ASSERT_NE(m_text.GetTexture(), nullptr);
    m_text.Print("a", 10 * FX32_ONE, 20 * FX32_ONE, 0x10203040, 0x2000);

    EXPECT_THAT(m_graphics.Recorder().Texts("DrawPrimitiveUP"),
                testing::ElementsAre("DrawPrimitiveUP(" + std::to_string(Platform::D3DPT_TRIANGLESTRIP) + ", 2, 24)"));
    const std::vector<CorePrimitiveVertex> vertices = Vertices();
    ASSERT_EQ(vertices.size(), 4u);
    struct Corner {
        float x, y, u, v;
    };
    // 10 x 5 pixels are 2 x 1 units; u 16..26 of 64, v 8..13 of 32.
    const Corner corners[] = {
        {10, 20, 0.25f, 0.25f}, {10, 21, 0.25f, 0.40625f}, {12, 20, 0.40625f, 0.25f}, {12, 21, 0.40625f, 0.40625f}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(vertices[i].x + m_renderer.GetHalfPixelOffsetX(), corners[i].x) << i;
        EXPECT_FLOAT_EQ(vertices[i].y + m_renderer.GetHalfPixelOffsetY(), corners[i].y) << i;
        EXPECT_NEAR(vertices[i].u, corners[i].u, 1.0f / 4096) << i;
        EXPECT_NEAR(vertices[i].v, corners[i].v, 1.0f / 4096) << i;
        EXPECT_EQ(vertices[i].colour, 0x40102030u) << i; // 0xAARRGGBB on the device
    }
}

TEST_F(TextureTextRendererTest, BeginPrintPutsTheViewBackOnTheScreen)
{
    Bind("TestFont_00");
    m_text.BeginPrint();
    EXPECT_EQ(m_graphics.Recorder().Named("SetTransform").size(), 2u); // projection and view
}

TEST_F(TextureTextRendererTest, AFontWithoutItsTextureIsReportedAndDrawsNothing)
{
    const std::string log = Bind("Missing_00");
    EXPECT_THAT(log, HasSubstr("texture \"Missing_00\" not found\n"));
    EXPECT_THAT(log, HasSubstr("font texture \"Missing_00\" is missing: its text is not drawn\n"));
    EXPECT_EQ(m_text.GetTexture(), nullptr);
    m_text.Print("aaa", 0, 0, 0xFFFFFFFF, 0x2000);
    m_text.DrawGlyph(0, 0, 1, 1, 0, 0, FX32_ONE, FX32_ONE, 0xFFFFFFFF);
    EXPECT_TRUE(m_graphics.Recorder().Named("DrawPrimitiveUP").empty());
}

TEST_F(TextureTextRendererTest, AFontWithoutATextureNameLooksNothingUp)
{
    EXPECT_EQ(Bind(nullptr), "");
    EXPECT_EQ(m_text.GetTexture(), nullptr);
}

} // namespace
