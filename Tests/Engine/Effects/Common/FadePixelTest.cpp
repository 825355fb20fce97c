#include "App/CoreApp.h"
#include "Effects/Common/ScreenColorEffect.h"
#include "Support/OpenGlRendererTest.h"

#include <gtest/gtest.h>

namespace {

// A fade drawn over a red picture on the real OpenGL device, one virtual unit
// to a pixel.
class FadePixelTest : public TestSupport::OpenGlRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::OpenGlRendererTest::SetUp();
        if (HasFatalFailure())
            return;
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer;
        m_renderer.SetClearColor(0xFFFF0000);
        ASSERT_TRUE(m_renderer.BeginFrame());
        m_renderer.ClearFrame();
    }
    void TearDown() override
    {
        m_renderer.EndFrame();
        g_pCoreApp->m_pRenderer = nullptr;
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        TestSupport::OpenGlRendererTest::TearDown();
    }
};

TEST_F(FadePixelTest, AHalfWayFadeToBlackDarkensTheWholePictureByHalf)
{
    ScreenColorEffect fade;
    fade.Initialize();
    fade.SetColors(0x00000000, 0x000000FF);
    fade.SetDuration(FX32_ONE);
    fade.Start();
    fade.Update(500);
    fade.Render();
    const Platform::RgbaImage image = Picture();
    for (const auto& [x, y] : {std::pair {0u, 0u}, std::pair {255u, 191u}, std::pair {128u, 96u}})
        EXPECT_TRUE(TestSupport::PixelNear(image.At(x, y), 0x7F0000FF, 2)) << x << "," << y;
}

} // namespace
