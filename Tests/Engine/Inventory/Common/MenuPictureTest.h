#pragma once
// The in-game menu drawn on the real OpenGL device from the sample common
// pack, with the English common texts and the sample fonts.
#include "Engine/Inventory/Common/MenuTestKit.h"
#include "Renderer/CoreRenderer.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TwFont.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace MenuTest {

class MenuPictureTest : public TestSupport::OpenGlPictureTest {
protected:
    void SetUp() override
    {
        OpenGlPictureTest::SetUp();
        if (HasFatalFailure())
            return;
        m_renderer.SetClearColor(0xFF204060);
        world.SetUp();

        ASSERT_TRUE(g_oDkLocalizer.Initialize(m_aBanks));
        m_texts = TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / "en-GBTextCommon.dat");
        ASSERT_NE(g_oDkLocalizer.AddBank("en-GBTextCommon.dat", m_texts.data(), uint32_t(m_texts.size())), -1);
        TestSupport::LogCapture log;
        const std::string fonts = (TestSupport::DataDir() / "fonts").string();
        ASSERT_TRUE(m_mainFont.Initialize((fonts + "/MainFont.fnt.bin").c_str(), {"MainFont_00", 0}));
        ASSERT_TRUE(m_smallFont.Initialize((fonts + "/SmallFont.fnt.bin").c_str(), {"SmallFont_00", 0}));
        m_main.Initialize(&m_mainFont, 12);
        m_small.Initialize(&m_smallFont, 12);
        world.services.main = &m_main;
        world.services.second = &m_small;
        // The menu takes the renderers when it loads.
        world.Menu().Unload();
        ASSERT_TRUE(world.Menu().Load());
    }
    void TearDown() override
    {
        world.TearDown();
        m_main.Release();
        m_small.Release();
        m_mainFont.Release();
        m_smallFont.Release();
        g_oDkLocalizer.Release();
        OpenGlPictureTest::TearDown();
    }

    Platform::RgbaImage Picture()
    {
        return FramePicture([&] {
            m_renderer.SetScreenCamera();
            world.Menu().DrawPanel();
        });
    }

    MenuWorld world;
    DkLocalizerBank m_aBanks[DkLocalizer::BANK_COUNT];
    std::vector<uint8_t> m_texts;
    Tw::Font m_mainFont;
    Tw::Font m_smallFont;
    Tw::TextureTextRenderer m_main;
    Tw::TextureTextRenderer m_small;
};

} // namespace MenuTest
