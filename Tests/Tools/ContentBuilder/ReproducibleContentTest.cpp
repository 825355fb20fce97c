// Two builds of one content tree write the same data folder, byte for byte,
// so that a changed file always means a changed source. The second build is
// the one that wrote the test build's own data folder (in the sanitizer
// build, the normal build's builder: so the two builders agree as well).
#include "Support/Files.h"
#include "Support/RunContentBuilder.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

// Every file of the folder by its path below it.
std::map<std::string, std::string> FilesBelow(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = TestSupport::ReadFileText(entry.path());
    return files;
}

TEST(ReproducibleContentTest, TwoBuildsOfTheSampleContentWriteTheSameBytes)
{
    TestSupport::TempDir folder;
    const TestSupport::ContentBuildResult result =
        TestSupport::RunContentBuilder(TestSupport::SourceDir() / "Content", folder / "data");
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    const std::map<std::string, std::string> fresh = FilesBelow(folder / "data");
    const std::map<std::string, std::string> built = FilesBelow(TestSupport::DataDir());
    ASSERT_FALSE(fresh.empty());
    // The movies, the fonts and the packs are the files most likely to carry
    // a date, a random id or an order left to chance. The data folder may hold
    // more than the builder writes (the log and save of a game run there).
    EXPECT_TRUE(fresh.count("video/cine00_hd.bik"));
    for (const auto& [path, bytes] : fresh) {
        const auto other = built.find(path);
        if (other == built.end())
            ADD_FAILURE() << path << " is written by one build only";
        else
            EXPECT_TRUE(other->second == bytes) << path << " differs between two builds";
    }
}

} // namespace
