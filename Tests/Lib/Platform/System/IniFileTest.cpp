#include "Support/TestPaths.h"
#include "System/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    // The value of the key, or "<missing>".
    std::string Read(const char* section, const char* key)
    {
        std::string value = "<missing>";
        Platform::ReadIniText(section, key, (m_dir / "Settings.ini").c_str(), value);
        return value;
    }

    TestSupport::TempDir m_dir;
};

TEST_F(IniFileTest, KeysAreFoundInTheirSectionWithoutRegardToCase)
{
    m_dir.WriteFile("Settings.ini", "; comment\n[ScreenResolution]\nResolutionX = 640\r\nresolutiony=480\n"
                                    ";ResolutionZ=1\n[Application]\nFullScreen=-1\nAA=12abc\nEmpty=\nQuoted=\"3\"\n");
    EXPECT_EQ(Read("ScreenResolution", "ResolutionX"), "640");
    EXPECT_EQ(Read("screenresolution", "ResolutionY"), "480");
    EXPECT_EQ(Read("ScreenResolution", "ResolutionZ"), "<missing>");
    EXPECT_EQ(Read("Application", "FullScreen"), "-1");
    EXPECT_EQ(Read("Application", "AA"), "12abc");
    EXPECT_EQ(Read("Application", "Empty"), "");
    EXPECT_EQ(Read("Application", "Quoted"), "3");
    EXPECT_EQ(Read("Application", "Missing"), "<missing>");
    EXPECT_EQ(Read("Missing", "ResolutionX"), "<missing>");
    EXPECT_EQ(Read("Application", "ResolutionX"), "<missing>") << "keys belong to their own section";
}

TEST_F(IniFileTest, MissingFileHasNoKeys)
{
    EXPECT_EQ(Read("ScreenResolution", "ResolutionX"), "<missing>");
}

} // namespace
