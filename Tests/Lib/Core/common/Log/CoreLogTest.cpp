#include "Log/CoreLog.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

class CoreLogTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_log.m_pFile)
            std::fclose(m_log.m_pFile);
        m_log.m_pFile = nullptr;
    }

    CoreLog m_log;
    TestSupport::TempDir m_dir;
};

TEST_F(CoreLogTest, PieceBeforeTheFileIsOpenGoesToStdoutOnceAndNotToTheFile)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    CorePrint(&m_log, "early %d\n", 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "early 1\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), ""); // one copy on a terminal

    const auto path = m_dir / "log.txt";
    m_log.m_pFile = std::fopen(path.c_str(), "w+");
    testing::internal::CaptureStdout();
    CorePrint(&m_log, "late\n");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(ReadAll(path), "late\n");
}

TEST_F(CoreLogTest, FormattedPercentSignsAreWrittenAsTheyStand)
{
    const auto path = m_dir / "log.txt";
    m_log.m_pFile = std::fopen(path.c_str(), "w+");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    CorePrint(&m_log, "file %s\n", "100%d_done.dat");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "file 100%d_done.dat\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ReadAll(path), "file 100%d_done.dat\n");
}

TEST_F(CoreLogTest, DebuggerTextReachesStandardErrorAndTheMainLogFile)
{
    const auto path = m_dir / "log.txt";
    testing::internal::CaptureStderr();
    CoreDebugOutput("before the file\n");
    g_oCoreLog.m_pFile = std::fopen(path.c_str(), "w+");
    CoreDebugOutput("report 100%d\n");
    std::fclose(g_oCoreLog.m_pFile);
    g_oCoreLog.m_pFile = nullptr;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "before the file\nreport 100%d\n");
    EXPECT_EQ(ReadAll(path), "report 100%d\n");
}

TEST_F(CoreLogTest, PiecesAreFlushedInOrderWithoutAddedLineEnds)
{
    const auto path = m_dir / "log.txt";
    m_log.m_pFile = std::fopen(path.c_str(), "w+");
    testing::internal::CaptureStdout();
    CorePrint(&m_log, "one");
    EXPECT_EQ(ReadAll(path), "one");
    CorePrint(&m_log, "two\n");
    CorePrint(&m_log, "three\n");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(ReadAll(path), "onetwo\nthree\n");
}

TEST_F(CoreLogTest, OverlongPieceIsCutTo2047Characters)
{
    const auto path = m_dir / "log.txt";
    m_log.m_pFile = std::fopen(path.c_str(), "w+");
    const std::string longText(5000, 'x');
    testing::internal::CaptureStdout();
    CorePrint(&m_log, "%s", longText.c_str());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(ReadAll(path), std::string(2047, 'x'));
}

} // namespace
