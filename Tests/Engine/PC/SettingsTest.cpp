#include "App/CoreApp.h"
#include "Game/TwGame.h"
#include "Input/CoreInput.h"
#include "PC/CommandLine.h"
#include "PC/SettingsFile.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"
#include "Window/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::TempDir;

SettingsValues ReadSettings(const std::string& contents, std::string* log = nullptr)
{
    TempDir dir;
    dir.WriteFile("Settings.ini", contents);
    TestSupport::LogCapture capture;
    const SettingsValues values = ReadSettingsFile((dir / "Settings.ini").c_str());
    const std::string printed = capture.Take();
    if (log)
        *log = printed;
    return values;
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

TEST(SettingsFileTest, ReadsEveryKeyWithoutAWord)
{
    std::string log;
    const SettingsValues values = ReadSettings("[ScreenResolution]\nResolutionX=640\nResolutionY=+480\n"
                                               "[Application]\nFullScreen=256\nAA=4\nVideoHD=0\n",
                                               &log);
    EXPECT_EQ(values.uWidth, 640u);
    EXPECT_EQ(values.uHeight, 480u);
    EXPECT_TRUE(values.bFullScreen); // any non-zero value, not only its low byte
    EXPECT_EQ(values.uAntiAliasing, 4u);
    EXPECT_EQ(values.uVideoHD, 0u);
    EXPECT_EQ(log, "");
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

TEST(SettingsFileTest, EveryUnusableValueTakesItsDefaultWithALineNamingTheKey)
{
    const char* const BAD_VALUES[] = {"-5", "0", "abc", "12abc", "99999999999999999999", "4294967296", "8193", "-"};
    for (const char* bad : BAD_VALUES) {
        std::string log;
        const std::string value(bad);
        const SettingsValues values =
            ReadSettings("[ScreenResolution]\nResolutionX=" + value + "\nResolutionY=" + value +
                             "\n[Application]\nAA=" + value + "\nFullScreen=" + value + "\nVideoHD=" + value + "\n",
                         &log);
        // Small whole numbers are fine for the full-screen and movie keys.
        const bool anyNumber = value == "-5" || value == "0" || value == "8193";
        EXPECT_EQ(values.uWidth, 1280u) << bad;
        EXPECT_EQ(values.uHeight, 960u) << bad;
        EXPECT_EQ(values.uAntiAliasing, 0u) << bad;
        if (!anyNumber) {
            EXPECT_FALSE(values.bFullScreen) << bad;
            EXPECT_EQ(values.uVideoHD, 1u) << bad;
        }
        std::vector<std::string> keys = {"ResolutionX", "ResolutionY"};
        if (value != "0")
            keys.push_back("AA");
        if (!anyNumber)
            keys.insert(keys.end(), {"FullScreen", "VideoHD"});
        size_t lines = 0;
        for (size_t at = log.find('\n'); at != std::string::npos; at = log.find('\n', at + 1))
            ++lines;
        EXPECT_EQ(lines, keys.size()) << bad << "\n" << log;
        for (const std::string& key : keys)
            EXPECT_NE(log.find("Settings.ini: " + key + "=" + value + " is not usable, taking "), std::string::npos)
                << bad << "\n"
                << log;
    }
}

TEST(CommandLineTest, SwitchesMatchOnlyAsWholeArguments)
{
    struct Case {
        std::vector<const char*> arguments;
        bool bAutoTest;
        bool bHelp;
        const char* unknown;
    };
    const Case CASES[] = {
        {{"velmarsh"}, false, false, nullptr},
        {{"-autotest"}, false, false, nullptr}, // the program name does not count
        {{"velmarsh", "-autotest"}, true, false, nullptr},
        {{"velmarsh", "--autotests"}, false, false, "--autotests"},
        {{"velmarsh", "x-autotest"}, false, false, "x-autotest"},
        {{"velmarsh", "-auto", "test"}, false, false, "-auto"},
        {{"velmarsh", "--help"}, false, true, nullptr},
        {{"velmarsh", "-autotest", "-h", "extra"}, true, true, "extra"},
        {{"velmarsh", ""}, false, false, ""},
    };
    for (const Case& c : CASES) {
        const CommandLine line = ParseCommandLine(static_cast<int>(c.arguments.size()), c.arguments.data());
        const std::string shown = c.arguments.size() > 1 ? c.arguments[1] : "(none)";
        EXPECT_EQ(line.bAutoTest, c.bAutoTest) << shown;
        EXPECT_EQ(line.bHelp, c.bHelp) << shown;
        if (c.unknown)
            EXPECT_STREQ(line.pUnknown, c.unknown) << shown;
        else
            EXPECT_EQ(line.pUnknown, nullptr) << shown;
    }
    EXPECT_NE(std::string(COMMAND_LINE_HELP).find("-autotest"), std::string::npos);
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
