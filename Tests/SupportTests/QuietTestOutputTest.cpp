// Runs this test program again on tests that are disabled in normal runs, and
// reads what reached its terminal.
#include "Log/CoreLog.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const char* const LOGGED = "a line of the log";
const char* const PRINTED = "a line on standard error";

void Chatter()
{
    CorePrint(&g_oCoreLog, "%s\n", LOGGED);
    std::fprintf(stderr, "%s\n", PRINTED);
    std::system("echo a line from a child process");
}

TEST(QuietChild, DISABLED_Passes)
{
    Chatter();
}

TEST(QuietChild, DISABLED_Fails)
{
    Chatter();
    ADD_FAILURE() << "the failure itself";
}

TEST(QuietChild, DISABLED_Crashes)
{
    Chatter();
    std::abort();
}

// Everything the child program wrote to its terminal.
std::string RunChild(const std::string& test)
{
    TestSupport::TempDir dir;
    const std::string command = "/proc/" + std::to_string(getpid()) +
                                "/exe --gtest_also_run_disabled_tests --gtest_filter=QuietChild.DISABLED_" + test +
                                " > '" + (dir / "out").string() + "' 2>&1";
    std::system(command.c_str());
    return TestSupport::ReadFileText(dir / "out");
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(QuietTestOutput, OnlyAFailingOrCrashingTestShowsItsOutput)
{
    const struct {
        const char* test;
        bool shown;
    } CASES[] = {{"Passes", false}, {"Fails", true}, {"Crashes", true}};
    for (const auto& c : CASES) {
        SCOPED_TRACE(c.test);
        const std::string out = RunChild(c.test);
        EXPECT_TRUE(Has(out, "[ RUN      ] QuietChild.DISABLED_")) << out;
        EXPECT_EQ(Has(out, LOGGED), c.shown) << out;
        EXPECT_EQ(Has(out, PRINTED), c.shown) << out;
        EXPECT_EQ(Has(out, "a line from a child process"), c.shown) << out;
        if (std::string(c.test) == "Fails") {
            EXPECT_TRUE(Has(out, "the failure itself")) << out;
        }
        // Lines that are not the framework's own are only the held output.
        if (!c.shown) {
            size_t start = 0;
            for (size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
                EXPECT_TRUE(end == start || out[start] == '[' || out.compare(start, 5, "Note:") == 0)
                    << out.substr(start, end - start);
        }
    }
}

} // namespace
