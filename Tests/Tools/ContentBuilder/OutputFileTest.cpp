#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/OutputFile.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

namespace {

// A game running from the data folder maps its packages: rebuilding the
// content must leave the file it holds as it was, not cut it under it.
TEST(OutputFileTest, ARebuiltFileLeavesTheOldOneWholeToWhoeverHoldsIt)
{
    TestSupport::TempDir folder;
    const std::filesystem::path path = folder / "common.dr";
    WriteOutputFile(path, {1, 2, 3, 4});
    const int held = open(path.c_str(), O_RDONLY);
    ASSERT_GE(held, 0);

    WriteOutputFile(path, {9});
    uint8_t old[8] = {};
    EXPECT_EQ(pread(held, old, sizeof old, 0), 4);
    EXPECT_EQ(old[3], 4u);
    close(held);
    EXPECT_EQ(TestSupport::ReadFileBytes(path), std::vector<uint8_t>({9}));
    EXPECT_FALSE(std::filesystem::exists(folder / "common.dr.part"));

    std::filesystem::create_directories(folder / "taken");
    EXPECT_THROW(WriteOutputFile(folder / "taken", {1}), ContentError);
    EXPECT_FALSE(std::filesystem::exists(folder / "taken.part"));
}

} // namespace
