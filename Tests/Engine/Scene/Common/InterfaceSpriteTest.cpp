#include "Scene/Common/InterfaceSprite.h"

#include "Common/ActorIds.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr fx32 U = FX32_ONE;

class InterfaceSpriteTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        const std::vector<uint8_t> dds =
            TestSupport::HandMadeDds(160, 80, DDS_FOURCC_DXT5, DdsLevelBytes(DDS_FOURCC_DXT5, 160, 80));
        ASSERT_NE(m_renderer.GetTextureManager()->CreateTexture("panel", dds.data(), dds.size()), nullptr);
        ASSERT_TRUE(sprite.Load("panel"));
    }

    // The vertices of the quads drawn by one render.
    std::vector<CorePrimitiveVertex> Drawn()
    {
        m_graphics.Recorder().Clear();
        EXPECT_TRUE(m_renderer.BeginFrame());
        sprite.Render();
        m_renderer.EndFrame();
        std::vector<CorePrimitiveVertex> vertices;
        for (const Platform::GraphicsCall& call : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            const size_t count = call.data.size() / sizeof(CorePrimitiveVertex);
            vertices.resize(vertices.size() + count);
            std::memcpy(&vertices[vertices.size() - count], call.data.data(), count * sizeof(CorePrimitiveVertex));
        }
        return vertices;
    }

    InterfaceSprite sprite;
};

TEST_F(InterfaceSpriteTest, ATextureOfOneHundredSixtyByEightyPixelsIsThirtyTwoBySixteenUnits)
{
    EXPECT_EQ(sprite.m_fxWidth, 32 * U);
    EXPECT_EQ(sprite.m_fxHeight, 16 * U);
    sprite.SetScale(-2 * U, U / 2);
    fx32 width = 0;
    fx32 height = 0;
    sprite.GetSize(width, height);
    EXPECT_EQ(width, 64 * U);
    EXPECT_EQ(height, 8 * U);
    sprite.ComputeHalfSize();
    EXPECT_EQ(sprite.m_fxAnchorX, 32 * U);
    EXPECT_EQ(sprite.m_fxAnchorY, 4 * U);
}

TEST_F(InterfaceSpriteTest, AlphaBelowOneStepDrawsNothingAndFullAlphaIsByte255)
{
    sprite.SetPosition(10 * U, 20 * U);
    sprite.SetColour(255 * U, 128 * U, 0);
    sprite.m_fxAlpha = 1;
    EXPECT_TRUE(Drawn().empty());
    sprite.m_fxAlpha = 16;
    EXPECT_TRUE(Drawn().empty());
    sprite.m_fxAlpha = 17;
    ASSERT_EQ(Drawn().size(), 4u);
    EXPECT_EQ(Drawn()[0].colour, 0x01FF8000u);
    sprite.m_fxAlpha = U;
    const std::vector<CorePrimitiveVertex> quad = Drawn();
    ASSERT_EQ(quad.size(), 4u);
    EXPECT_EQ(quad[0].colour, 0xFFFF8000u);
    sprite.m_bVisible = 0;
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(InterfaceSpriteTest, ANegativeScaleMirrorsThePictureInPlace)
{
    sprite.SetPosition(10 * U, 20 * U);
    const std::vector<CorePrimitiveVertex> plain = Drawn();
    sprite.SetScale(-U, U);
    const std::vector<CorePrimitiveVertex> mirrored = Drawn();
    ASSERT_EQ(plain.size(), 4u);
    ASSERT_EQ(mirrored.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(mirrored[i].x, plain[i].x) << i;
        EXPECT_EQ(mirrored[i].y, plain[i].y) << i;
        EXPECT_EQ(mirrored[i].u, plain[i ^ 1].u) << i;
        EXPECT_EQ(mirrored[i].v, plain[i].v) << i;
    }
    // The quad samples half a texel in from each edge (to fx32 precision).
    EXPECT_NEAR(plain[0].u, 0.5f / 160, 1e-3);
    EXPECT_NEAR(plain[1].u, 1 - 0.5f / 160, 1e-3);
    EXPECT_NEAR(plain[2].v, 1 - 0.5f / 80, 1e-3);
    // Placed by its anchor: the right edge for a mirrored portrait.
    sprite.SetAnchor(32 * U, 0);
    EXPECT_EQ(Drawn()[1].x, plain[0].x);
}

TEST_F(InterfaceSpriteTest, IdsWithoutANameOrATextureLoadNothing)
{
    EXPECT_EQ(GetInterfaceSpriteName(5), nullptr);
    EXPECT_EQ(GetInterfaceSpriteName(142), nullptr);
    EXPECT_EQ(GetInterfaceSpriteName(-1), nullptr);
    EXPECT_STREQ(GetInterfaceSpriteName(INTERFACE_SPRITE_DIALOG_STRIP), "intdial_strip");
    const std::string portrait = std::string("intdial_") + Id::GetActorTable()[3].m_pName;
    EXPECT_EQ(GetInterfaceSpriteName(INTERFACE_SPRITE_FIRST_PORTRAIT + 3), portrait);
    EXPECT_FALSE(sprite.Initialize(5));
    TestSupport::LogCapture log;
    EXPECT_FALSE(sprite.Initialize(INTERFACE_SPRITE_DIALOG_STRIP));
    EXPECT_NE(log.Take().find("texture \"intdial_strip\" not found"), std::string::npos);
    EXPECT_EQ(sprite.m_hTexture, nullptr);
    EXPECT_TRUE(Drawn().empty());
}

} // namespace
