#pragma once
#include "Renderer/CoreRenderer.h"
#include "Support/ScopedNullGraphics.h"

#include <gtest/gtest.h>

namespace TestSupport {

// A renderer, with its texture manager, on the recording device.
class NullRendererTest : public testing::Test {
protected:
    void SetUp() override
    {
        CoreRendererSettings settings;
        settings.m_uWidth = 1280;
        settings.m_uHeight = 960;
        settings.m_uPrimitiveBufferSize = 768;
        ASSERT_TRUE(m_renderer.Initialize(settings));
        ASSERT_NE(m_renderer.GetTextureManager(), nullptr);
    }
    void TearDown() override { m_renderer.Shutdown(); }

    ScopedNullGraphics m_graphics;
    CoreRenderer m_renderer;
};

} // namespace TestSupport
