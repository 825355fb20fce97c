// The cursor as the device sees it: which cells of the pointer sheet it
// draws where, in which colour, and when it draws nothing.
#include "Game/TwGame.h"
#include "Graphics/DeviceTexture.h"
#include "Graphics/GraphicsFormats.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Scene/Common/Scene.h"
#include "Support/HandMadeDds.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Texture/CoreTexture.h"
#include "Texture/CoreTextureManager.h"

#include <gmock/gmock.h>

#include <cstring>
#include <vector>

namespace {

using Platform::GraphicsCall;

constexpr fx32 FX = FX32_ONE;

// One fan as drawn: its texture, top-left corner and size in virtual units,
// its first texture coordinates and its colour (ARGB).
struct Quad {
    uint64_t texture;
    float x, y, width, height, u, v;
    uint32_t colour;
};

class SceneCursorRenderTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        const std::vector<uint8_t> dds = TestSupport::HandMadeDds(256, 128, DDS_FOURCC_DXT1, 256 * 128 / 2);
        m_pSheet = g_pTextureManager->CreateTexture("Int_pointers", dds.data(), dds.size());
        m_pItem = g_pTextureManager->CreateTexture("item", dds.data(), dds.size());
        ASSERT_TRUE(m_cursor.InitializePlatform());
        ASSERT_EQ(m_cursor.m_hSheet, m_pSheet);
        m_cursor.m_vPosition = {100 * FX, 80 * FX};
        ASSERT_TRUE(m_renderer.BeginFrame());
        m_graphics.Recorder().Clear();
    }
    void TearDown() override
    {
        g_oTwGame.m_bPaused = 0;
        NullRendererTest::TearDown();
    }

    std::vector<Quad> Quads()
    {
        std::vector<Quad> quads;
        uint64_t texture = 0;
        for (const GraphicsCall& call : m_graphics.Recorder().Calls()) {
            if (call.name == "SetTexture")
                texture = call.arguments[1];
            if (call.name != "DrawPrimitiveUP")
                continue;
            EXPECT_EQ(call.Text(), "DrawPrimitiveUP(6, 2, 24)");
            CorePrimitiveVertex v[4];
            std::memcpy(v, call.data.data(), sizeof v);
            const float x = v[0].x + m_renderer.GetHalfPixelOffsetX();
            const float y = v[0].y + m_renderer.GetHalfPixelOffsetY();
            quads.push_back({texture, x, y, v[2].x - v[0].x, v[2].y - v[0].y, v[0].u, v[0].v, v[0].colour});
        }
        m_graphics.Recorder().Clear();
        return quads;
    }

    // The device's number of the texture, as its calls record it.
    uint64_t Handle(CoreTexture* texture) const
    {
        return static_cast<Platform::DeviceTexture*>(texture->m_pD3DTexture)->Id();
    }

    SceneCursor m_cursor;
    CoreTexture* m_pSheet = nullptr;
    CoreTexture* m_pItem = nullptr;
};

TEST_F(SceneCursorRenderTest, ThePointerIsItsModesCellCentredOnThePosition)
{
    m_cursor.SetMode(CURSOR_WAIT);
    m_cursor.Render(m_renderer, INPUT_STATE_NONE, nullptr);
    std::vector<Quad> quads = Quads();
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].texture, Handle(m_pSheet));
    EXPECT_FLOAT_EQ(quads[0].x, 92.0f);
    EXPECT_FLOAT_EQ(quads[0].y, 72.0f);
    EXPECT_FLOAT_EQ(quads[0].width, 16.0f);
    EXPECT_FLOAT_EQ(quads[0].height, 16.0f);
    // Image 13: column 5 of row 1 of the 8 x 4 sheet.
    EXPECT_FLOAT_EQ(quads[0].u, 0.625f);
    EXPECT_FLOAT_EQ(quads[0].v, 0.25f);
    EXPECT_EQ(quads[0].colour, 0xFFFFFFFFu);
}

TEST_F(SceneCursorRenderTest, APausedGameOrAHiddenCursorDrawsNothing)
{
    g_oTwGame.m_bPaused = 1;
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, m_pItem);
    EXPECT_TRUE(Quads().empty());
    g_oTwGame.m_bPaused = 0;
    m_cursor.m_bShown = 0;
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, m_pItem);
    EXPECT_TRUE(Quads().empty());
}

TEST_F(SceneCursorRenderTest, AnItemInHandFollowsThePointerInPlaceOfIt)
{
    m_cursor.Render(m_renderer, INPUT_STATE_FOLLOW, m_pItem);
    std::vector<Quad> quads = Quads();
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].texture, Handle(m_pItem));
    EXPECT_FLOAT_EQ(quads[0].x, 84.0f);
    EXPECT_FLOAT_EQ(quads[0].y, 64.0f);
    EXPECT_FLOAT_EQ(quads[0].width, 32.0f);
    EXPECT_FLOAT_EQ(quads[0].u, 0.0f);

    // Dimmed, and fainter while the item is dragged over the scene.
    m_cursor.m_bDimmed = 1;
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, m_pItem);
    m_cursor.Render(m_renderer, INPUT_STATE_ITEM_DRAG, m_pItem);
    m_cursor.Render(m_renderer, INPUT_STATE_ITEM_DRAG, nullptr);
    quads = Quads();
    ASSERT_EQ(quads.size(), 3u);
    EXPECT_EQ(quads[0].colour, 0xC0FFFFFFu);
    EXPECT_EQ(quads[1].colour, 0x60FFFFFFu);
    EXPECT_EQ(quads[2].texture, Handle(m_pSheet));
}

TEST_F(SceneCursorRenderTest, VerbIconsFlyOutOfTheVerbPositionThenThePointerIsDrawn)
{
    m_cursor.m_vVerbPosition = {128 * FX, 96 * FX};
    m_cursor.OpenVerbs(CURSOR_LOOK, CURSOR_ACTIVATE);
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, nullptr);
    std::vector<Quad> quads = Quads();
    ASSERT_EQ(quads.size(), 3u);
    // Still at the verb position: Look (image 8), Activate (24), the arrow.
    EXPECT_FLOAT_EQ(quads[0].x, 120.0f);
    EXPECT_FLOAT_EQ(quads[0].y, 88.0f);
    EXPECT_FLOAT_EQ(quads[0].v, 0.25f);
    EXPECT_FLOAT_EQ(quads[1].x, 120.0f);
    EXPECT_FLOAT_EQ(quads[1].v, 0.75f);
    EXPECT_FLOAT_EQ(quads[2].x, 92.0f);
    EXPECT_FLOAT_EQ(quads[2].u, 0.0f);
    EXPECT_FLOAT_EQ(quads[2].v, 0.0f);

    // Half way out after 0.15 s, all the way after 0.3 s: (144, 86) and
    // (112, 86).
    m_cursor.m_fOpeningTime = 614;
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, nullptr);
    quads = Quads();
    EXPECT_NEAR(quads[0].x, 128.0f, 0.01f);
    EXPECT_NEAR(quads[0].y, 83.0f, 0.01f);
    m_cursor.Update(300);
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, nullptr);
    quads = Quads();
    EXPECT_FLOAT_EQ(quads[0].x, 136.0f);
    EXPECT_FLOAT_EQ(quads[0].y, 78.0f);
    EXPECT_FLOAT_EQ(quads[1].x, 104.0f);
    EXPECT_FLOAT_EQ(quads[1].y, 78.0f);
}

TEST_F(SceneCursorRenderTest, AtTheVerbPositionTheVerbAndThePointerAreDrawnAndWithoutVerbsNothing)
{
    m_cursor.m_vVerbPosition = m_cursor.m_vPosition;
    m_cursor.OpenVerbs(CURSOR_LOOK, CURSOR_NONE);
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, nullptr);
    std::vector<Quad> quads = Quads();
    // A press on a hotspot's marker opens its menu right under the pointer.
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_FLOAT_EQ(quads[1].u, 0.0f);
    m_cursor.SetMode(CURSOR_NONE);
    m_cursor.Render(m_renderer, INPUT_STATE_IDLE, nullptr);
    EXPECT_TRUE(Quads().empty());
}

TEST_F(SceneCursorRenderTest, TextureCellsAreClampedToTheSheetAndAnEmptySheetIsRefused)
{
    struct Case {
        int32_t cell;
        float u, v;
    };
    const Case cases[] = {{-3, 0.0f, 0.0f}, {9, 0.125f, 0.25f}, {31, 0.875f, 0.75f}, {40, 0.875f, 0.75f}};
    for (const Case& c : cases) {
        EXPECT_TRUE(Scene::DrawTextureQuadUV(m_renderer, 8, 4, c.cell, m_pSheet, 0, 0, 16 * FX, 16 * FX, 0xFFFFFFFF));
        const std::vector<Quad> quads = Quads();
        ASSERT_EQ(quads.size(), 1u);
        EXPECT_FLOAT_EQ(quads[0].u, c.u) << c.cell;
        EXPECT_FLOAT_EQ(quads[0].v, c.v) << c.cell;
    }
    TestSupport::LogCapture capture;
    EXPECT_FALSE(Scene::DrawTextureQuadUV(m_renderer, 0, 4, 0, m_pSheet, 0, 0, FX, FX, 0xFFFFFFFF));
    EXPECT_FALSE(Scene::DrawTextureQuadUV(m_renderer, 8, 0, 0, m_pSheet, 0, 0, FX, FX, 0xFFFFFFFF));
    const std::string log = capture.Take();
    EXPECT_THAT(log, testing::HasSubstr("iNbU>=1"));
    EXPECT_THAT(log, testing::HasSubstr("iNbV>=1"));
    EXPECT_TRUE(Quads().empty());
}

} // namespace
