#include "Graphics/GraphicsFormats.h"
#include "Graphics/RenderStates.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Scene/Common/Layer.h"
#include "Support/HandMadeDds.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

#include <cstring>

using namespace Platform;
using testing::ElementsAre;

namespace {

constexpr fx32 FX = FX32_ONE;

class SpriteRenderTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        m_pWide = MakeTexture("wide", 64, 32);
        m_pSquare = MakeTexture("square", 32, 32);
        ASSERT_TRUE(m_renderer.BeginFrame());
        m_graphics.Recorder().Clear();
    }

    CoreTexture* MakeTexture(const char* name, uint32_t width, uint32_t height)
    {
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(width, height, DDS_FOURCC_DXT1, width * height / 2);
        return g_pTextureManager->CreateTexture(name, dds.data(), dds.size());
    }

    // A visible sprite at that depth over 0..96 x 0..32 showing the wide and
    // the square texture side by side.
    void MakeSprite(Sprite& sprite, fx32 depth)
    {
        sprite.m_oSize = {96 * FX, 32 * FX};
        sprite.m_oScale = {FX, FX};
        sprite.m_iDepth = depth;
        sprite.m_iColour = 0x11223344;
        sprite.m_iNbSplitInfos = 2;
        sprite.m_vSplitInfos[0].m_vFrames = {m_pWide};
        sprite.m_vSplitInfos[0].m_vTextureSize = {64, 32};
        sprite.m_vSplitInfos[1].m_vFrames = {m_pSquare};
        sprite.m_vSplitInfos[1].m_vTextureSize = {32, 32};
        sprite.ComputeBoundingBox();
    }

    std::vector<std::vector<CorePrimitiveVertex>> Strips()
    {
        std::vector<std::vector<CorePrimitiveVertex>> strips;
        for (const GraphicsCall& draw : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            std::vector<CorePrimitiveVertex>& strip =
                strips.emplace_back(draw.data.size() / sizeof(CorePrimitiveVertex));
            std::memcpy(strip.data(), draw.data.data(), strip.size() * sizeof(CorePrimitiveVertex));
        }
        return strips;
    }

    float ScreenX(fx32 x) const { return CoreFx::ToFloat(x) - m_renderer.GetHalfPixelOffsetX(); }
    float ScreenY(fx32 y) const { return CoreFx::ToFloat(y) - m_renderer.GetHalfPixelOffsetY(); }

    CoreTexture* m_pWide = nullptr;
    CoreTexture* m_pSquare = nullptr;
};

TEST_F(SpriteRenderTest, EachSplitIsAStripWithHalfTexelInsets)
{
    Sprite sprite;
    MakeSprite(sprite, -32 * FX);
    sprite.Render(m_renderer);

    EXPECT_THAT(m_graphics.Recorder().Texts("DrawPrimitiveUP"),
                ElementsAre("DrawPrimitiveUP(5, 2, 24)", "DrawPrimitiveUP(5, 2, 24)"));
    const std::vector<std::vector<CorePrimitiveVertex>> strips = Strips();
    ASSERT_EQ(strips.size(), 2u);
    const CorePrimitiveVertex* wide = strips[0].data();
    // Left-top, left-bottom, right-top, right-bottom.
    EXPECT_FLOAT_EQ(wide[0].x, ScreenX(0));
    EXPECT_FLOAT_EQ(wide[1].y, ScreenY(32 * FX));
    // Two thirds of the box, as the fixed-point division gives them.
    const fx32 seam = sprite.GetSplitRect(0).xMax;
    EXPECT_EQ(seam, 64 * FX + 32);
    EXPECT_FLOAT_EQ(wide[2].x, ScreenX(seam));
    EXPECT_FLOAT_EQ(wide[3].y, ScreenY(32 * FX));
    EXPECT_FLOAT_EQ(wide[0].z, -0.5f);
    EXPECT_EQ(wide[0].colour, 0x44112233u);
    EXPECT_FLOAT_EQ(wide[0].u, 1.0f / 128);
    EXPECT_FLOAT_EQ(wide[0].v, 1.0f / 64);
    EXPECT_FLOAT_EQ(wide[3].u, 1.0f - 1.0f / 128);
    EXPECT_FLOAT_EQ(wide[3].v, 1.0f - 1.0f / 64);
    const CorePrimitiveVertex* square = strips[1].data();
    EXPECT_FLOAT_EQ(square[0].x, ScreenX(seam));
    EXPECT_FLOAT_EQ(square[3].x, ScreenX(96 * FX));
    EXPECT_FLOAT_EQ(square[0].u, 1.0f / 64);
    EXPECT_TRUE(m_graphics.Recorder().Texts("SetSamplerState").empty());
}

TEST_F(SpriteRenderTest, ScrollingWrapsTheTextureWhileItDraws)
{
    Sprite sprite;
    MakeSprite(sprite, -FX);
    sprite.m_iNbSplitInfos = 1;
    sprite.m_vScrollUV = {FX, 0};
    sprite.m_oScrollOffset = {500 * FX, -250 * FX};
    sprite.Render(m_renderer);
    const std::vector<std::string> calls = m_graphics.Recorder().Texts();
    const std::vector<std::string> sampler = m_graphics.Recorder().Texts("SetSamplerState");
    EXPECT_THAT(sampler, ElementsAre("SetSamplerState(0, 1, 1)", "SetSamplerState(0, 2, 1)", "SetSamplerState(0, 1, 3)",
                                     "SetSamplerState(0, 2, 3)"));
    EXPECT_EQ(calls[1], "SetSamplerState(0, 2, 1)");
    EXPECT_EQ(calls[calls.size() - 2], "SetSamplerState(0, 1, 3)");
    // Thousandths of repeats: half a repeat on u, a quarter back on v.
    const std::vector<std::vector<CorePrimitiveVertex>> strips = Strips();
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_FLOAT_EQ(strips[0][0].u, 0.5f + 1.0f / 128);
    EXPECT_FLOAT_EQ(strips[0][0].v, -0.25f + 1.0f / 64);
}

TEST_F(SpriteRenderTest, HiddenSpritesAndFramesWithoutTexturesDrawNothing)
{
    Sprite sprite;
    MakeSprite(sprite, -FX);
    sprite.m_bVisible = 0;
    sprite.Render(m_renderer);
    sprite.m_bVisible = 1;
    // Frame 2 of a preloading sprite that has one frame.
    sprite.m_bPreload = 1;
    sprite.m_iFrameIndex = 2;
    sprite.Render(m_renderer);
    EXPECT_TRUE(m_graphics.Recorder().Texts("DrawPrimitiveUP").empty());
    // Without preload it always shows frame 0.
    sprite.m_bPreload = 0;
    sprite.Render(m_renderer);
    EXPECT_EQ(m_graphics.Recorder().Texts("DrawPrimitiveUP").size(), 2u);
}

TEST_F(SpriteRenderTest, LayerDrawsVisibleSpritesInItsDepthRangeInFileOrder)
{
    Layer layer;
    layer.m_iNbSprites = 4;
    layer.m_vSprites = std::make_unique<Sprite[]>(4);
    const fx32 depths[] = {-50 * FX, -10 * FX, -30 * FX, -20 * FX};
    for (int i = 0; i < 4; ++i) {
        MakeSprite(layer.m_vSprites[i], depths[i]);
        layer.m_vSprites[i].m_iNbSplitInfos = 1;
    }
    layer.m_vSprites[3].m_bVisible = 0;
    layer.RenderSprites(m_renderer, -30 * FX, -10 * FX);
    const std::vector<std::vector<CorePrimitiveVertex>> strips = Strips();
    ASSERT_EQ(strips.size(), 2u);
    EXPECT_FLOAT_EQ(strips[0][0].z, -10.0f / 64);
    EXPECT_FLOAT_EQ(strips[1][0].z, -30.0f / 64);
    layer.Release();
    EXPECT_EQ(layer.m_iNbSprites, 0);
    EXPECT_EQ(layer.m_vSprites, nullptr);
}

} // namespace
