#pragma once
#include "Renderer/CoreRenderer.h"
#include "Support/ScopedNullGraphics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A renderer on the recording device, with the game's settings of a
// 1280 x 960 window.
class RendererTest : public testing::Test {
protected:
    static CoreRendererSettings GameSettings()
    {
        CoreRendererSettings settings;
        settings.m_uWidth = 1280;
        settings.m_uHeight = 960;
        settings.m_uPrimitiveBufferSize = 768;
        return settings;
    }

    bool Start(const CoreRendererSettings& settings = GameSettings())
    {
        const bool started = m_renderer.Initialize(settings);
        m_graphics.Recorder().Clear();
        return started;
    }

    Platform::NullGraphicsControl& Control() { return m_graphics.Control(); }
    std::vector<std::string> Calls(const std::string& name = std::string())
    {
        return m_graphics.Recorder().Texts(name);
    }

    TestSupport::ScopedNullGraphics m_graphics;
    CoreRenderer m_renderer;
};
