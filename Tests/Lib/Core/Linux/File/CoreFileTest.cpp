#include "File/CoreFile.h"
#include "Support/FaultyFileWriter.h"
#include "Support/ScopedService.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using TestSupport::FaultyFileWriter;
using TestSupport::ReadFileText;

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

TEST(CoreFileTest, ReplaceWholeReplacesTheFileOfAnyCaseAndLeavesNoTemporaryFile)
{
    TestSupport::TempDir dir;
    dir.WriteFile("Save.dat", "an old and longer file");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());
    ASSERT_TRUE(CoreFile::ReplaceWhole("save.dat", "new", 3));
    EXPECT_EQ(ReadFileText(dir / "Save.dat"), "new");
    EXPECT_FALSE(std::filesystem::exists(dir / "save.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Save.dat.tmp"));

    ASSERT_TRUE(CoreFile::ReplaceWhole("fresh.dat", "first", 5));
    EXPECT_EQ(ReadFileText(dir / "fresh.dat"), "first");
}

TEST(CoreFileTest, EveryFailingStepOfReplaceWholeKeepsTheOldFileAndNamesTheFile)
{
    struct Case {
        const char* name;
        FaultyFileWriter::Fault fault;
        const char* log;
    };
    const Case cases[] = {
        {"read-only folder", FaultyFileWriter::Fault::Create, "File : save.dat.tmp - Could not create file\n"},
        {"full disk", FaultyFileWriter::Fault::HalfWrite, "File : save.dat.tmp - Could not write File\n"},
        {"flush", FaultyFileWriter::Fault::Flush, "File : save.dat.tmp - Could not write File\n"},
        {"close", FaultyFileWriter::Fault::Close, "File : save.dat.tmp - Could not write File\n"},
        {"rename", FaultyFileWriter::Fault::Rename, "File : save.dat - Could not replace File\n"},
    };
    for (const Case& test : cases) {
        TestSupport::TempDir dir;
        dir.WriteFile("save.dat", "the old save");
        TestSupport::ScopedWorkingDirectory cwd(dir.Path());
        FaultyFileWriter writer(test.fault);
        TestSupport::ScopedService<Platform::FileWriter> installed(Platform::SetFileWriter, writer);
        const std::string log = TestSupport::LogOf(
            [&] { EXPECT_FALSE(CoreFile::ReplaceWhole("save.dat", "the new save, longer", 20)) << test.name; });
        EXPECT_EQ(log, std::string("\n--CoreFile_ERROR : ") + test.log) << test.name;
        EXPECT_EQ(ReadFileText(dir / "save.dat"), "the old save") << test.name;
        EXPECT_FALSE(std::filesystem::exists(dir / "save.dat.tmp")) << test.name;
    }
}

TEST(CoreFileTest, ReplaceWholeFailsWithoutHarmWhenTheTemporaryNameIsTaken)
{
    TestSupport::TempDir dir;
    dir.WriteFile("save.dat", "the old save");
    std::filesystem::create_directory(dir / "save.dat.tmp");
    TestSupport::ScopedWorkingDirectory cwd(dir.Path());
    EXPECT_EQ(TestSupport::LogOf([] { EXPECT_FALSE(CoreFile::ReplaceWhole("save.dat", "new", 3)); }),
              "\n--CoreFile_ERROR : File : save.dat.tmp - Could not create file\n");
    EXPECT_EQ(ReadFileText(dir / "save.dat"), "the old save");
}

} // namespace
