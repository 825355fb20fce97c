#include "Support/TestPaths.h"
#include "System/IniFile.h"

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    uint32_t Read(const char* section, const char* key, uint32_t fallback = 77)
    {
        return Platform::ReadIniInteger(section, key, fallback, (m_dir / "Settings.ini").c_str());
    }

    TestSupport::TempDir m_dir;
};

TEST_F(IniFileTest, ValuesDefaultsAndWin32Parsing)
{
    m_dir.WriteFile("Settings.ini", "; comment\n[ScreenResolution]\nResolutionX = 640\r\nresolutiony=480\n"
                                    "[Application]\nFullScreen=-1\nAA=12abc\nVideoHD=abc\nEmpty=\nQuoted=\"3\"\n");
    EXPECT_EQ(Read("ScreenResolution", "ResolutionX"), 640u);
    EXPECT_EQ(Read("screenresolution", "ResolutionY"), 480u);
    EXPECT_EQ(Read("Application", "FullScreen"), 0xFFFFFFFFu);
    EXPECT_EQ(Read("Application", "AA"), 12u);
    EXPECT_EQ(Read("Application", "VideoHD"), 0u);
    EXPECT_EQ(Read("Application", "Empty"), 77u);
    EXPECT_EQ(Read("Application", "Quoted"), 3u);
    EXPECT_EQ(Read("Application", "Missing"), 77u);
    EXPECT_EQ(Read("Missing", "ResolutionX"), 77u);
    EXPECT_EQ(Read("Application", "ResolutionX"), 77u) << "keys belong to their own section";
}

TEST_F(IniFileTest, MissingFileGivesTheDefault)
{
    EXPECT_EQ(Read("ScreenResolution", "ResolutionX", 1280), 1280u);
}

} // namespace
