#include "App/CoreApp.h"
#include "Interface/Common/SystemMessageBox.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"
#include "Support/HandMadeDds.h"
#include "Support/MainHeap.h"
#include "Support/ScopedInputSystem.h"
#include "Support/ScopedNullGraphics.h"
#include "Support/TestPaths.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// The window is 1280 x 960: five pixels to a virtual unit.
constexpr int32_t PIXELS_PER_UNIT = 5;

class SystemMessageBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        const std::string path = (TestSupport::DataDir() / "fonts/MainFont.fnt.bin").string();
        ASSERT_TRUE(m_font.Initialize(path.c_str(), {"MainFont_00", 0}));
        m_box.Initialize(&m_font);
        m_box.Open("Leave?");
        m_box.AddButton("Quit");
        m_box.AddButton("Stay");
        m_input.Frame();
    }
    void TearDown() override
    {
        m_box.Release();
        m_font.Release();
    }

    // The pointer on the line of the button, at the given offset from its
    // centre in pixels.
    void PointAt(int32_t button, int32_t offsetPixels = 0)
    {
        const int32_t y = (114 + 38 * button) * PIXELS_PER_UNIT + offsetPixels;
        m_input.Devices().SetPointer(640, y);
    }
    // A frame as the game runs it: the box reads the triggers of the last
    // frame, then the devices are polled.
    bool Frame()
    {
        const bool chosen = m_box.Update();
        m_input.Frame();
        return chosen;
    }
    void Click()
    {
        m_input.Devices().SetMouseButton(0, true);
        m_input.Frame();
        m_input.Devices().SetMouseButton(0, false);
    }

    Tw::Font m_font;
    TestSupport::ScopedInputSystem m_input;
    SystemMessageBox m_box;
};

TEST_F(SystemMessageBoxTest, PointingAtAButtonHighlightsItAndAClickChoosesIt)
{
    PointAt(1);
    m_input.Frame();
    EXPECT_FALSE(Frame());
    EXPECT_EQ(m_box.GetResult(), 1);
    EXPECT_NEAR(m_box.GetPointerY(), 152 * FX32_ONE, FX32_ONE / 4); // 4096ths of the screen, scaled
    Click();
    EXPECT_TRUE(m_box.Update());
    EXPECT_EQ(m_box.GetResult(), 1);
}

TEST_F(SystemMessageBoxTest, APressThatLandsOnALineWithThePointerChoosesIt)
{
    EXPECT_FALSE(Frame());
    // The pointer comes onto the line and the button goes down and up
    // between the same two frames.
    PointAt(1);
    Click();
    EXPECT_TRUE(m_box.Update());
    EXPECT_EQ(m_box.GetResult(), 1);
}

TEST_F(SystemMessageBoxTest, AClickWithNoButtonHighlightedKeepsTheBoxOpen)
{
    PointAt(0, -40 * PIXELS_PER_UNIT); // on the title
    m_input.Frame();
    EXPECT_FALSE(Frame());
    EXPECT_EQ(m_box.GetResult(), SystemMessageBox::NO_RESULT);
    Click();
    EXPECT_FALSE(Frame());
    EXPECT_TRUE(m_box.IsShown());
    EXPECT_EQ(m_box.GetButtonCount(), 2);
}

TEST_F(SystemMessageBoxTest, AButtonIsHitWithinHalfALineOfItsCentre)
{
    const int32_t halfLinePixels = m_font.GetLineHeight() * PIXELS_PER_UNIT / 2 / FX32_ONE;
    ASSERT_GT(halfLinePixels, 1);
    struct Case {
        int32_t offset;
        int32_t result;
    };
    const Case CASES[] = {{0, 0},
                          {halfLinePixels - 1, 0},
                          {-(halfLinePixels - 1), 0},
                          {halfLinePixels + 2, SystemMessageBox::NO_RESULT},
                          {-(halfLinePixels + 2), SystemMessageBox::NO_RESULT}};
    for (const Case& c : CASES) {
        PointAt(0, c.offset);
        m_input.Frame();
        Frame();
        EXPECT_EQ(m_box.GetResult(), c.result) << c.offset;
    }
}

TEST_F(SystemMessageBoxTest, APointerOutsideTheWindowHighlightsNothing)
{
    PointAt(0);
    m_input.Frame();
    Frame();
    ASSERT_EQ(m_box.GetResult(), 0);
    m_input.Devices().SetPointer(-20, 570);
    m_input.Frame();
    Frame();
    EXPECT_EQ(m_box.GetResult(), SystemMessageBox::NO_RESULT);
}

TEST_F(SystemMessageBoxTest, ReopeningForgetsTheLastHighlight)
{
    PointAt(0);
    m_input.Frame();
    Frame();
    ASSERT_EQ(m_box.GetResult(), 0);
    m_box.Hide();
    m_box.Open("Leave?");
    m_box.AddButton("Quit");
    EXPECT_TRUE(m_box.AddButton("Stay"));
    EXPECT_FALSE(m_box.AddButton("Third")); // two at most
    // A click in the frame the box opens chooses nothing.
    Click();
    EXPECT_FALSE(m_box.Update());
    EXPECT_TRUE(m_box.IsShown());
}

TEST(SystemMessageBoxVeilTest, TheVeilCoversAWideWindowAndThePointerIsDrawnLastCentredOnItsPosition)
{
    TestSupport::ScopedNullGraphics graphics;
    CoreRendererSettings settings;
    settings.m_uWidth = 1920;
    settings.m_uHeight = 1080;
    settings.m_uPrimitiveBufferSize = 768;
    CoreRenderer renderer;
    ASSERT_TRUE(renderer.Initialize(settings));
    g_pCoreApp = new CoreApp();
    g_pCoreApp->m_pRenderer = &renderer;
    const std::vector<uint8_t> dds = TestSupport::HandMadeDds(256, 128, DDS_FOURCC_DXT1, 256 * 128 / 2);
    ASSERT_NE(g_pTextureManager->CreateTexture("Int_pointers", dds.data(), dds.size()), nullptr);
    ASSERT_TRUE(renderer.BeginFrame());

    SystemMessageBox box;
    box.Initialize(nullptr);
    box.Render();
    EXPECT_TRUE(graphics.Recorder().Named("DrawPrimitiveUP").empty());
    box.Open(nullptr);
    box.Render();
    const std::vector<Platform::GraphicsCall> draws = graphics.Recorder().Named("DrawPrimitiveUP");
    ASSERT_EQ(draws.size(), 2u);
    CorePrimitiveVertex veil[4];
    ASSERT_GE(draws[0].data.size(), sizeof veil);
    std::memcpy(veil, draws[0].data.data(), sizeof veil);
    EXPECT_NEAR(veil[0].x + renderer.GetHalfPixelOffsetX(), -42.67f, 0.01f);
    EXPECT_NEAR(veil[3].x + renderer.GetHalfPixelOffsetX(), 298.67f, 0.01f);
    EXPECT_EQ(veil[0].colour, 0x7F000000u); // half-transparent black
    // The pointer: one 16 x 16 image of the sheet around the screen's centre,
    // where the box starts its pointer.
    CorePrimitiveVertex pointer[4];
    ASSERT_GE(draws[1].data.size(), sizeof pointer);
    std::memcpy(pointer, draws[1].data.data(), sizeof pointer);
    EXPECT_NEAR(pointer[0].x + renderer.GetHalfPixelOffsetX(), 120.0f, 0.01f);
    EXPECT_NEAR(pointer[0].y + renderer.GetHalfPixelOffsetY(), 88.0f, 0.01f);
    EXPECT_NEAR(pointer[2].x - pointer[0].x, 16.0f, 0.01f);
    EXPECT_NEAR(pointer[2].y - pointer[0].y, 16.0f, 0.01f);
    EXPECT_EQ(pointer[0].colour, 0xFFFFFFFFu);

    renderer.EndFrame();
    box.Release();
    g_pCoreApp->m_pRenderer = nullptr;
    delete g_pCoreApp;
    g_pCoreApp = nullptr;
    renderer.Shutdown();
}

} // namespace
