#include "Log/CoreLog.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/StreamCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::ReadFileText;
using TestSupport::StreamCapture;

class CoreLogTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_log.m_pFile)
            std::fclose(m_log.m_pFile);
        m_log.m_pFile = nullptr;
    }

    void OpenFile() { m_log.m_pFile = std::fopen(Path().c_str(), "w+"); }
    std::filesystem::path Path() const { return m_dir / "log.txt"; }

    CoreLog m_log;
    TestSupport::TempDir m_dir;
};

TEST_F(CoreLogTest, TextBeforeTheFileIsOpenGoesToStdoutOnceAndNotToTheFile)
{
    {
        StreamCapture out(stdout);
        StreamCapture error(stderr);
        CorePrint(&m_log, "early %d\n", 1);
        EXPECT_EQ(out.Text(), "early 1\n");
        EXPECT_EQ(error.Text(), ""); // one copy on a terminal
    }
    OpenFile();
    StreamCapture out(stdout);
    CorePrint(&m_log, "late\n");
    EXPECT_EQ(ReadFileText(Path()), "late\n");
}

TEST_F(CoreLogTest, FormattedPercentSignsAreWrittenAsTheyStand)
{
    OpenFile();
    StreamCapture out(stdout);
    StreamCapture error(stderr);
    CorePrint(&m_log, "file %s\n", "100%d_done.dat");
    EXPECT_EQ(out.Text(), "file 100%d_done.dat\n");
    EXPECT_EQ(error.Text(), "");
    EXPECT_EQ(ReadFileText(Path()), "file 100%d_done.dat\n");
}

// A name read from a damaged file reaches no output as raw bytes: control
// bytes and broken UTF-8 are escaped, letters of any language are not.
TEST_F(CoreLogTest, BytesThatAreNoTextAreEscapedEverywhere)
{
    OpenFile();
    StreamCapture error(stderr);
    std::string shown;
    {
        TestSupport::LogCapture capture;
        CorePrint(&m_log, "entry \"%s\" and \"%s\"\n", "ab\x1B]0;owned\x07\x01\x7F", "\xFF\xC3(\xC2\x9B\xED\xA0\x80");
        CorePrint(&m_log, "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80\ttab\n");
        CoreDebugOutput("report \x1B[2J\n");
        shown = capture.Take();
    }
    const std::string logged = "entry \"ab\\x1B]0;owned\\x07\\x01\\x7F\" and "
                               "\"\\xFF\\xC3(\\xC2\\x9B\\xED\\xA0\\x80\"\n"
                               "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80\ttab\n";
    EXPECT_EQ(shown, logged + "report \\x1B[2J\n");
    EXPECT_EQ(ReadFileText(Path()), logged);
    EXPECT_EQ(error.Text(), "");
}

TEST_F(CoreLogTest, DebuggerTextReachesStandardErrorAndTheMainLogFile)
{
    StreamCapture error(stderr);
    CoreDebugOutput("before the file\n");
    g_oCoreLog.m_pFile = std::fopen(Path().c_str(), "w+");
    CoreDebugOutput("report 100%d\n");
    std::fclose(g_oCoreLog.m_pFile);
    g_oCoreLog.m_pFile = nullptr;
    EXPECT_EQ(error.Text(), "before the file\nreport 100%d\n");
    EXPECT_EQ(ReadFileText(Path()), "report 100%d\n");
}

TEST_F(CoreLogTest, TextsAreFlushedInOrderWithoutAddedLineEnds)
{
    OpenFile();
    TestSupport::LogCapture capture;
    CorePrint(&m_log, "one");
    EXPECT_EQ(ReadFileText(Path()), "one");
    CorePrint(&m_log, "two\n");
    CorePrint(&m_log, "three\n");
    EXPECT_EQ(ReadFileText(Path()), "onetwo\nthree\n");
}

TEST_F(CoreLogTest, OverlongTextIsCutTo2047Characters)
{
    OpenFile();
    const std::string longText(5000, 'x');
    TestSupport::LogCapture capture;
    CorePrint(&m_log, "%s", longText.c_str());
    EXPECT_EQ(ReadFileText(Path()), std::string(2047, 'x'));
    EXPECT_EQ(capture.Text(), std::string(2047, 'x'));
}

// The capture takes the terminal's copy of the log and of the debugger text
// only, and a nested capture hands them back to the outer one, not to the
// terminal.
TEST_F(CoreLogTest, ACaptureTakesTheTerminalCopyAndNests)
{
    OpenFile();
    StreamCapture out(stdout);
    StreamCapture error(stderr);
    std::optional<TestSupport::LogCapture> outer(std::in_place);
    CorePrint(&m_log, "a\n");
    {
        TestSupport::LogCapture inner;
        CorePrint(nullptr, "b\n");
        EXPECT_EQ(inner.Take(), "b\n");
        CorePrint(&m_log, "c\n");
        CoreDebugOutput("report\n");
        EXPECT_EQ(inner.Text(), "c\nreport\n");
    }
    CorePrint(&m_log, "d\n");
    EXPECT_EQ(outer->Text(), "a\nd\n");
    outer.reset();
    EXPECT_EQ(GetLogCapture(), nullptr);
    CorePrint(&m_log, "e\n");
    CoreDebugOutput("f\n");
    EXPECT_EQ(out.Text(), "e\n");
    EXPECT_EQ(error.Text(), "f\n");
    EXPECT_EQ(ReadFileText(Path()), "a\nc\nd\ne\n");
}

} // namespace
