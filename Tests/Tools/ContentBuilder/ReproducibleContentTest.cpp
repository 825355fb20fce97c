// Two builds of one content tree write the same data folder, byte for byte,
// so that a changed file always means a changed source.
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
    const fs::path content = TestSupport::SourceDir() / "Content";
    for (const char* data : {"first/data", "second/data"}) {
        fs::create_directories(folder / data);
        const TestSupport::ContentBuildResult result = TestSupport::RunContentBuilder(content, folder / data);
        ASSERT_EQ(result.exitCode, 0) << result.errors;
    }
    const std::map<std::string, std::string> first = FilesBelow(folder / "first/data");
    const std::map<std::string, std::string> second = FilesBelow(folder / "second/data");
    ASSERT_FALSE(first.empty());
    // The movies, the fonts and the packs are the files most likely to carry
    // a date, a random id or an order left to chance.
    EXPECT_TRUE(first.count("video/cine00_hd.bik"));
    for (const auto& [path, bytes] : first) {
        const auto other = second.find(path);
        if (other == second.end())
            ADD_FAILURE() << path << " is written by one build only";
        else
            EXPECT_TRUE(other->second == bytes) << path << " differs between two builds";
    }
    EXPECT_EQ(first.size(), second.size());
}

} // namespace
