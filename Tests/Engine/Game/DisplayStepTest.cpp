#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Renderer/CoreRenderer.h"
#include "Support/LogCapture.h"
#include "Support/ScopedMessageBoxes.h"
#include "Support/ScopedNullGraphics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class DisplayStepTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_pCoreApp = new CoreApp();
        m_game.m_oDisplaySettings.uWidth = 640;
        m_game.m_oDisplaySettings.uHeight = 480;
        m_game.m_oDisplaySettings.uPrimitiveVertexCount = TwGame::PRIMITIVE_VERTEX_COUNT;
    }
    void TearDown() override
    {
        m_game.ShutdownDisplay();
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
    }

    TestSupport::ScopedNullGraphics m_graphics;
    TestSupport::ScopedMessageBoxes m_boxes;
    TwGame m_game;
};

TEST_F(DisplayStepTest, RendererGoesToTheApplicationAndLeavesItAtShutdown)
{
    TestSupport::LogCapture capture;
    EXPECT_TRUE(m_game.InitializeDisplay());
    const std::string log = capture.Take();
    EXPECT_EQ(log.rfind(" - Initialize Display...\nINFO[00h:00m:00s]:Display done\n", 0), 0u) << log;
    ASSERT_NE(g_pCoreApp->m_pRenderer, nullptr);
    EXPECT_TRUE(m_boxes.Boxes().ShownBoxes().empty());

    m_game.ShutdownDisplay();
    EXPECT_EQ(g_pCoreApp->m_pRenderer, nullptr);
}

TEST_F(DisplayStepTest, RendererFailureShowsTheErrorBoxAndEndsTheStep)
{
    m_graphics.Control().failCreateDevice = true;
    TestSupport::LogCapture capture;
    EXPECT_FALSE(m_game.InitializeDisplay());
    const std::string log = capture.Take();
    EXPECT_EQ(log, " - Initialize Display...\nCould not initialize renderer!\n");
    EXPECT_EQ(g_pCoreApp->m_pRenderer, nullptr);
    const auto& shown = m_boxes.Boxes().ShownBoxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Error");
    EXPECT_EQ(shown[0].text, "Could not initialize renderer!");
    EXPECT_TRUE(shown[0].bErrorIcon);
}

} // namespace
