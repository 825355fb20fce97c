// The intro movie drawn by the real OpenGL device and read back.
#include "App/CoreApp.h"
#include "Support/OpenGlRendererTest.h"
#include "Support/TestPaths.h"
#include "VideoPlayback/CoreVideo.h"

#include <gtest/gtest.h>

namespace {

class CoreVideoPixelTest : public TestSupport::OpenGlRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::OpenGlRendererTest::SetUp();
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer;
    }
    void TearDown() override
    {
        CoreVideo::Close();
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        TestSupport::OpenGlRendererTest::TearDown();
    }
    // The frame drawn over the whole 256 x 192 screen; the pixel below the
    // crossing square.
    uint32_t DrawnPixel()
    {
        m_renderer.SetClearColor(0xFF000000);
        EXPECT_TRUE(m_renderer.BeginFrame());
        m_renderer.ClearFrame();
        CoreVideo::Render(0.0f, 0.0f, 256.0f, 192.0f);
        const uint32_t pixel = Picture().At(128, 144);
        m_renderer.EndFrame();
        return pixel;
    }
};

TEST_F(CoreVideoPixelTest, EachShotOfTheIntroIsDrawnInItsColour)
{
    const std::string path = (TestSupport::DataDir() / "video" / "cine00_sd.bik").string();
    ASSERT_TRUE(CoreVideo::Open(path.c_str(), 0));
    EXPECT_TRUE(TestSupport::PixelNear(DrawnPixel(), 0xC03020FF, 14));
    CoreVideo::Play();
    int frames = 1;
    for (; frames < 30; ++frames)
        CoreVideo::DecodeFrame(false, true);
    EXPECT_TRUE(TestSupport::PixelNear(DrawnPixel(), 0x2040C0FF, 14));
    bool last = false;
    while (!last && frames < 100) {
        last = CoreVideo::DecodeFrame(false, true);
        ++frames;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(frames, 75);
    EXPECT_TRUE(TestSupport::PixelNear(DrawnPixel(), 0x20A040FF, 14));
}

} // namespace
