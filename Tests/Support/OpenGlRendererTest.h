#pragma once
#include "Graphics/MatrixFunctions.h"
#include "Graphics/RgbaImage.h"
#include "Renderer/CoreRenderer.h"
#include "Support/OpenGlTestWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace TestSupport {

// A renderer on the real OpenGL device in a hidden window, 256 x 192 unless
// the fixture asks for another size.
class OpenGlRendererTest : public testing::Test {
protected:
    OpenGlRendererTest(uint32_t width = 256, uint32_t height = 192)
        : m_uWidth(width), m_uHeight(height), m_window {width, height}
    {
    }

    void SetUp() override
    {
        ASSERT_NE(m_window.Get(), nullptr);
        CoreRendererSettings settings;
        settings.m_hWindow = m_window.Get();
        settings.m_uWidth = m_uWidth;
        settings.m_uHeight = m_uHeight;
        settings.m_uPrimitiveBufferSize = 768;
        ASSERT_TRUE(m_renderer.Initialize(settings));
    }

    void TearDown() override { m_renderer.Shutdown(); }

    // The 2D screen: x 0..width to the right, y 0..height downwards, one
    // virtual unit to a pixel.
    void UseScreenProjection()
    {
        Platform::Matrix4 projection;
        Platform::MatrixOrthoOffCenterRH(&projection, 0.0f, float(m_uWidth), float(m_uHeight), 0.0f, 0.0f, 1.0f);
        m_renderer.GetDevice()->SetTransform(Platform::D3DTS_PROJECTION, &projection);
    }

    // The back buffer as drawn so far.
    Platform::RgbaImage Picture()
    {
        Platform::RgbaImage image;
        EXPECT_EQ(m_renderer.GetDevice()->ReadBackBuffer(&image), Platform::D3D_OK);
        return image;
    }

    // A whole frame: cleared, drawn by `draw`, read back.
    template <class Draw>
    Platform::RgbaImage FramePicture(Draw&& draw)
    {
        if (!m_renderer.BeginFrame()) {
            ADD_FAILURE() << "the frame does not begin";
            return {};
        }
        m_renderer.ClearFrame();
        draw();
        Platform::RgbaImage image = Picture();
        m_renderer.EndFrame();
        return image;
    }

    uint32_t m_uWidth;
    uint32_t m_uHeight;
    OpenGlTestWindow m_window;
    CoreRenderer m_renderer;
};

// Pixels (0xRRGGBBAA) compared channel by channel (red, green, blue) within
// a tolerance.
inline testing::AssertionResult PixelNear(uint32_t actual, uint32_t expected, uint32_t tolerance)
{
    for (int shift : {24, 16, 8}) {
        const int difference = int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF);
        if (uint32_t(std::abs(difference)) > tolerance)
            return testing::AssertionFailure() << std::hex << "pixel 0x" << actual << ", expected 0x" << expected;
    }
    return testing::AssertionSuccess();
}

} // namespace TestSupport
