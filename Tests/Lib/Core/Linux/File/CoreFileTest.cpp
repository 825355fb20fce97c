#include "File/CoreFile.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CoreFileTest, OpensExistingFilesWithoutCaseForReadingOrWriting)
{
    TestSupport::TempDir dir;
    dir.WriteFile("Save.dat", "abc");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());

    FILE* file = nullptr;
    ASSERT_TRUE(CoreFile::Open(&file, "save.DAT", false, true));
    EXPECT_EQ(std::fputc('X', file), 'X');
    std::fclose(file);

    ASSERT_TRUE(CoreFile::Open(&file, "save.dat", false, false));
    char text[4] = {};
    EXPECT_EQ(std::fread(text, 1, 3, file), 3u);
    EXPECT_EQ(std::fputc('Y', file), EOF);
    std::fclose(file);
    EXPECT_STREQ(text, "Xbc");
}

TEST(CoreFileTest, CreateEmptiesTheFile)
{
    TestSupport::TempDir dir;
    dir.WriteFile("save.dat", "old contents");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());
    FILE* file = nullptr;
    ASSERT_TRUE(CoreFile::Open(&file, "save.dat", true, false));
    std::fclose(file);
    EXPECT_EQ(TestSupport::ReadFileText(dir / "save.dat"), "");
}

TEST(CoreFileTest, FailuresLogThePathAndTheStep)
{
    TestSupport::TempDir dir;
    std::filesystem::create_directory(dir / "save.dat");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());
    FILE* file = nullptr;
    TestSupport::LogCapture capture;
    EXPECT_FALSE(CoreFile::Open(&file, "missing.dat", false, false));
    EXPECT_FALSE(CoreFile::Open(&file, "no/such/folder/save.dat", true, false));
    EXPECT_FALSE(CoreFile::Open(&file, "save.dat", false, false)); // a folder is no file
    EXPECT_EQ(CoreFile::ReportReadError("save.dat"), 0);
    EXPECT_EQ(capture.Take(), "\n--CoreFile_ERROR : File : missing.dat - Could not open file\n"
                              "\n--CoreFile_ERROR : File : no/such/folder/save.dat - Could not create file\n"
                              "\n--CoreFile_ERROR : File : save.dat - Could not open file\n"
                              "\n--CoreFile_ERROR : File : save.dat - Could not read File\n");
    EXPECT_EQ(file, nullptr);
}

} // namespace
