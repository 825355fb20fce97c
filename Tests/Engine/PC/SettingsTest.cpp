#include "App/CoreApp.h"
#include "Common/TwGame.h"
#include "Input/CoreInput.h"
#include "PC/CommandLine.h"
#include "PC/SettingsFile.h"
#include "Support/TestPaths.h"
#include "Window/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::TempDir;

SettingsValues ReadSettings(const std::string& contents)
{
    TempDir dir;
    dir.WriteFile("Settings.ini", contents);
    return ReadSettingsFile((dir / "Settings.ini").c_str());
}

uint32_t AntiAliasingOf(const char* value)
{
    return ReadSettings(std::string("[Application]\nAA=") + value + "\n").uAntiAliasing;
}

TEST(SettingsFileTest, MissingFileGivesTheDefaults)
{
    TempDir dir;
    const SettingsValues values = ReadSettingsFile((dir / "Settings.ini").c_str());
    EXPECT_EQ(values.uWidth, 1280u);
    EXPECT_EQ(values.uHeight, 960u);
    EXPECT_FALSE(values.bFullScreen);
    EXPECT_EQ(values.uAntiAliasing, 0u);
    EXPECT_EQ(values.uVideoHD, 1u);
}

TEST(SettingsFileTest, ReadsEveryKey)
{
    const SettingsValues values = ReadSettings("[ScreenResolution]\nResolutionX=640\nResolutionY=480\n"
                                               "[Application]\nFullScreen=256\nAA=4\nVideoHD=0\n");
    EXPECT_EQ(values.uWidth, 640u);
    EXPECT_EQ(values.uHeight, 480u);
    EXPECT_TRUE(values.bFullScreen); // any non-zero value, not only its low byte
    EXPECT_EQ(values.uAntiAliasing, 4u);
    EXPECT_EQ(values.uVideoHD, 0u);
}

TEST(SettingsFileTest, AntiAliasingOfOneOrAboveSixteenMeansNone)
{
    EXPECT_EQ(AntiAliasingOf("1"), 0u);
    EXPECT_EQ(AntiAliasingOf("17"), 0u);
    EXPECT_EQ(AntiAliasingOf("-1"), 0u);
    EXPECT_EQ(AntiAliasingOf("16"), 16u);
    EXPECT_EQ(AntiAliasingOf("2"), 2u);
}

TEST(SettingsFileTest, ZeroSizeTakesTheDefault)
{
    const SettingsValues zeroHeight = ReadSettings("[ScreenResolution]\nResolutionX=800\nResolutionY=0\n");
    EXPECT_EQ(zeroHeight.uWidth, 800u);
    EXPECT_EQ(zeroHeight.uHeight, 960u);
    const SettingsValues zeroWidth = ReadSettings("[ScreenResolution]\nResolutionX=0\nResolutionY=600\n");
    EXPECT_EQ(zeroWidth.uWidth, 1280u);
    EXPECT_EQ(zeroWidth.uHeight, 600u);
}

TEST(CommandLineTest, AutoTestAnywhereEvenInsideAWord)
{
    const char* plain[] = {"velmarsh", "-autotest"};
    const char* inside[] = {"velmarsh", "x", "--autotests"};
    const char* split[] = {"velmarsh", "-auto", "test"};
    const char* none[] = {"-autotest"}; // the program name does not count
    EXPECT_TRUE(CommandLineHasAutoTest(2, plain));
    EXPECT_TRUE(CommandLineHasAutoTest(3, inside));
    EXPECT_FALSE(CommandLineHasAutoTest(3, split));
    EXPECT_FALSE(CommandLineHasAutoTest(1, none));
}

std::unique_ptr<Platform::Window> MakeHeadlessWindow()
{
    return std::make_unique<Platform::HeadlessWindow>();
}

class ReadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { Platform::SetWindowFactory(MakeHeadlessWindow); }
    void TearDown() override
    {
        Input::DestroySingleton();
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        Platform::SetWindowFactory(nullptr);
    }
};

TEST_F(ReadSettingsTest, FillsTheDisplaySettingsAndStartsTheCore)
{
    TempDir dir;
    dir.WriteFile("settings.INI", "[ScreenResolution]\nResolutionX=640\nResolutionY=480\n"
                                  "[Application]\nFullScreen=1\nAA=8\nVideoHD=2\n");
    TestSupport::ScopedWorkingDirectory workingDirectory(dir.Path());

    TwGame game;
    EXPECT_TRUE(game.ReadSettings());
    EXPECT_EQ(game.m_oDisplaySettings.uWidth, 640u);
    EXPECT_EQ(game.m_oDisplaySettings.uHeight, 480u);
    EXPECT_EQ(game.m_oDisplaySettings.bFullScreen, 1);
    EXPECT_EQ(game.m_oDisplaySettings.uAntiAliasing, 8u);
    EXPECT_EQ(game.m_oDisplaySettings.uPrimitiveVertexCount, 768u);
    EXPECT_EQ(game.m_uLowResolutionVideo, 0u); // only 0 asks for low-resolution movies
    ASSERT_NE(g_pCoreApp, nullptr);
    auto* window = static_cast<Platform::HeadlessWindow*>(g_pCoreApp->GetWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsFullScreen());
}

TEST_F(ReadSettingsTest, VideoHdOfZeroAsksForLowResolutionMovies)
{
    TempDir dir;
    dir.WriteFile("Settings.ini", "[Application]\nVideoHD=0\n");
    TestSupport::ScopedWorkingDirectory workingDirectory(dir.Path());
    TwGame game;
    EXPECT_TRUE(game.ReadSettings());
    EXPECT_EQ(game.m_uLowResolutionVideo, 1u);
}

} // namespace
