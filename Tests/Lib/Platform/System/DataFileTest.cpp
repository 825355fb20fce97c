#include "Support/TestPaths.h"
#include "System/DataFile.h"

#include <gtest/gtest.h>

namespace {

TEST(DataFileTest, OpensPathsThatDifferOnlyInCase)
{
    TestSupport::TempDir dir;
    dir.WriteFile("Sound/SoundPack.xsb", "bank");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());

    EXPECT_EQ(Platform::ResolveDataPath("Sound/SoundPack.xsb"), "Sound/SoundPack.xsb");
    EXPECT_EQ(Platform::ResolveDataPath("sound/soundpack.XSB"), "Sound/SoundPack.xsb");
    EXPECT_EQ(Platform::ResolveDataPath("sound\\SoundPack.xsb"), "Sound/SoundPack.xsb");

    FILE* file = Platform::OpenDataFile("SOUND/soundpack.xsb", "rb");
    ASSERT_NE(file, nullptr);
    char text[5] = {};
    EXPECT_EQ(std::fread(text, 1, 4, file), 4u);
    std::fclose(file);
    EXPECT_STREQ(text, "bank");
}

TEST(DataFileTest, MissingFileKeepsItsNameInResolvedFolder)
{
    TestSupport::TempDir dir;
    dir.WriteFile("Sound/a.txt", "");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());
    EXPECT_EQ(Platform::ResolveDataPath("sound/stream.xwb"), "Sound/stream.xwb");
    EXPECT_EQ(Platform::OpenDataFile("sound/missing.xwb", "rb"), nullptr);
    EXPECT_EQ(Platform::ResolveDataPath((dir.Path() / "SOUND/A.TXT").c_str()), (dir.Path() / "Sound/a.txt").string());
}

} // namespace
