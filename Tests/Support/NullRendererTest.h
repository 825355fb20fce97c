#pragma once
#include "Renderer/CoreRenderer.h"
#include "Support/ScopedNullGraphics.h"

#include <gtest/gtest.h>

namespace TestSupport {

// What the test renderers are made with: a 4:3 back buffer of 1280 x 960.
inline CoreRendererSettings NullRendererSettings()
{
    CoreRendererSettings settings;
    settings.m_uWidth = 1280;
    settings.m_uHeight = 960;
    settings.m_uPrimitiveBufferSize = 768;
    return settings;
}

// A renderer, with its texture manager, on the recording device.
class NullRendererTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_renderer.Initialize(NullRendererSettings()));
        ASSERT_NE(m_renderer.GetTextureManager(), nullptr);
    }
    void TearDown() override { m_renderer.Shutdown(); }

    ScopedNullGraphics m_graphics;
    CoreRenderer m_renderer;
};

// The same renderer for the life of the object, for fixtures that derive
// from another one.
class ScopedNullRenderer {
public:
    ScopedNullRenderer() { m_bReady = m_renderer.Initialize(NullRendererSettings()); }
    ~ScopedNullRenderer() { m_renderer.Shutdown(); }
    ScopedNullRenderer(const ScopedNullRenderer&) = delete;
    ScopedNullRenderer& operator=(const ScopedNullRenderer&) = delete;

    bool IsReady() const { return m_bReady; }
    CoreRenderer& Renderer() { return m_renderer; }
    ScopedNullGraphics& Graphics() { return m_graphics; }

private:
    ScopedNullGraphics m_graphics;
    CoreRenderer m_renderer;
    bool m_bReady = false;
};

} // namespace TestSupport
