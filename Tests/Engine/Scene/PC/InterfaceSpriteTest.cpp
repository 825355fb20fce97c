// Interface sprites: names by id, sizes from their textures, and the fan
// they draw turned, mirrored and faded.
#include "Common/ActorIds.h"
#include "Graphics/GraphicsFormats.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Scene/Common/InterfaceSprite.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

#include <cstring>
#include <string>

namespace {

using Platform::GraphicsCall;

constexpr fx32 FX = FX32_ONE;

class InterfaceSpriteTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(160, 80, DDS_FOURCC_DXT1, 160 * 80 / 2);
        ASSERT_NE(g_pTextureManager->CreateTexture("star", dds.data(), dds.size()), nullptr);
        ASSERT_TRUE(m_renderer.BeginFrame());
    }

    // The fans drawn since the last call.
    std::vector<std::vector<CorePrimitiveVertex>> Fans()
    {
        std::vector<std::vector<CorePrimitiveVertex>> fans;
        for (const GraphicsCall& draw : m_graphics.Recorder().Named("DrawPrimitiveUP")) {
            EXPECT_EQ(draw.Text(), "DrawPrimitiveUP(6, 2, 24)");
            std::vector<CorePrimitiveVertex>& fan = fans.emplace_back(draw.data.size() / sizeof(CorePrimitiveVertex));
            std::memcpy(fan.data(), draw.data.data(), fan.size() * sizeof(CorePrimitiveVertex));
        }
        m_graphics.Recorder().Clear();
        return fans;
    }

    float X(fx32 x) const { return CoreFx::ToFloat(x) - m_renderer.GetHalfPixelOffsetX(); }
    float Y(fx32 y) const { return CoreFx::ToFloat(y) - m_renderer.GetHalfPixelOffsetY(); }
};

TEST(InterfaceSpriteNameTest, IdsNameTheInterfaceTexturesAndOnePortraitPerActor)
{
    EXPECT_STREQ(GetInterfaceSpriteName(INTERFACE_SPRITE_STAR), "star");
    EXPECT_STREQ(GetInterfaceSpriteName(INTERFACE_SPRITE_ARROW), "int_arrow");
    EXPECT_STREQ(GetInterfaceSpriteName(13), "intdial_reservation_memory");
    const std::span<const ActorIdRow> actors = Id::GetActorTable();
    for (size_t i = 0; i < actors.size(); ++i)
        EXPECT_EQ(std::string(GetInterfaceSpriteName(INTERFACE_SPRITE_PORTRAIT_FIRST + int32_t(i))),
                  std::string("intdial_") + actors[i].m_pName);
    // Ids without a texture name.
    for (int32_t id : {-1, 5, INTERFACE_SPRITE_PORTRAIT_FIRST + int32_t(actors.size()), 142, 143})
        EXPECT_EQ(GetInterfaceSpriteName(id), nullptr) << id;
}

TEST_F(InterfaceSpriteTest, ATextureOf160By80PixelsMakesASpriteOf32By16Units)
{
    InterfaceSprite sprite;
    ASSERT_TRUE(sprite.Initialize(INTERFACE_SPRITE_STAR));
    EXPECT_EQ(sprite.m_fWidth, 32 * FX);
    EXPECT_EQ(sprite.m_fHeight, 16 * FX);
    EXPECT_EQ(sprite.m_fTextureWidth, 160 * FX);
    sprite.m_vScale = {-FX / 2, 3 * FX};
    EXPECT_EQ(sprite.GetSize().x, 16 * FX);
    EXPECT_EQ(sprite.GetSize().y, 48 * FX);
    sprite.ComputeHalfSize();
    EXPECT_EQ(sprite.m_vAnchor.x, 8 * FX);
    EXPECT_EQ(sprite.m_vAnchor.y, 24 * FX);

    // An id without name loads nothing; a missing texture is reported and
    // leaves a sprite that draws nothing.
    EXPECT_FALSE(sprite.Initialize(5));
    TestSupport::LogCapture capture;
    EXPECT_TRUE(sprite.Initialize(INTERFACE_SPRITE_ARROW));
    EXPECT_THAT(capture.Take(), testing::HasSubstr("int_arrow"));
    sprite.Render(m_renderer);
    EXPECT_TRUE(Fans().empty());
}

TEST_F(InterfaceSpriteTest, AFanCentredOnItsPositionWithHalfTexelInsetsAndItsColour)
{
    InterfaceSprite sprite;
    ASSERT_TRUE(sprite.Initialize(INTERFACE_SPRITE_STAR));
    sprite.ComputeHalfSize();
    sprite.m_vPosition = {100 * FX, 50 * FX, -FX};
    sprite.m_fRed = 255 * FX;
    sprite.m_fGreen = 128 * FX;
    sprite.m_fBlue = 0;
    sprite.Render(m_renderer);
    const auto fans = Fans();
    ASSERT_EQ(fans.size(), 1u);
    const std::vector<CorePrimitiveVertex>& fan = fans[0];
    const float xs[] = {84, 116, 116, 84};
    const float ys[] = {42, 42, 58, 58};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(fan[i].x, X(int32_t(xs[i] * FX))) << i;
        EXPECT_FLOAT_EQ(fan[i].y, Y(int32_t(ys[i] * FX))) << i;
        EXPECT_FLOAT_EQ(fan[i].z, -1.0f);
        // Opaque: alpha byte 255, in the device's ARGB order.
        EXPECT_EQ(fan[i].colour, 0xFFFF8000u);
    }
    // Half a texel of 160 and of 80 pixels.
    EXPECT_FLOAT_EQ(fan[0].u, CoreFx::ToFloat(13));
    EXPECT_FLOAT_EQ(fan[0].v, CoreFx::ToFloat(25));
    EXPECT_FLOAT_EQ(fan[2].u, CoreFx::ToFloat(FX - 13));
    EXPECT_FLOAT_EQ(fan[2].v, CoreFx::ToFloat(FX - 25));
}

TEST_F(InterfaceSpriteTest, BelowOneAlphaStepNothingIsDrawnAndAHiddenSpriteNeither)
{
    InterfaceSprite sprite;
    ASSERT_TRUE(sprite.Initialize(INTERFACE_SPRITE_STAR));
    struct Case {
        fx32 alpha;
        int fans;
        uint32_t alphaByte;
    };
    const Case cases[] = {{1, 0, 0}, {16, 0, 0}, {17, 1, 1}, {FX / 2, 1, 127}, {FX, 1, 255}};
    for (const Case& c : cases) {
        sprite.m_fAlpha = c.alpha;
        sprite.Render(m_renderer);
        const auto fans = Fans();
        ASSERT_EQ(int(fans.size()), c.fans) << c.alpha;
        if (c.fans) {
            EXPECT_EQ(fans[0][0].colour >> 24, c.alphaByte) << c.alpha;
        }
    }
    sprite.m_bVisible = 0;
    sprite.Render(m_renderer);
    EXPECT_TRUE(Fans().empty());
}

TEST_F(InterfaceSpriteTest, ANegativeScaleMirrorsInPlaceAndTheAngleTurnsAboutTheAnchor)
{
    InterfaceSprite sprite;
    ASSERT_TRUE(sprite.Initialize(INTERFACE_SPRITE_STAR));
    sprite.m_vPosition = {100 * FX, 50 * FX, 0};
    sprite.ComputeHalfSize();
    sprite.Render(m_renderer);
    sprite.m_vScale = {-FX, FX};
    sprite.Render(m_renderer);
    const auto fans = Fans();
    ASSERT_EQ(fans.size(), 2u);
    // The same place, left and right swapped against the texture.
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(fans[1][i].x, fans[0][i ^ 1].x) << i;
        EXPECT_FLOAT_EQ(fans[1][i].y, fans[0][i].y) << i;
        EXPECT_FLOAT_EQ(fans[1][i].u, fans[0][i].u) << i;
    }

    // A quarter turn stands the 32 x 16 quad upright about its anchor.
    CoreFxVec corners[4];
    sprite.m_vScale = {FX, FX};
    sprite.m_fAngle = 0x3244 / 2;
    sprite.ComputeCorners({100 * FX, 50 * FX, 0}, corners);
    EXPECT_NEAR(corners[0].x, 108 * FX, 8);
    EXPECT_NEAR(corners[0].y, 34 * FX, 8);
    EXPECT_NEAR(corners[2].x, 92 * FX, 8);
    EXPECT_NEAR(corners[2].y, 66 * FX, 8);
}

} // namespace
