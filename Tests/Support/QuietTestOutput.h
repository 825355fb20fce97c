#pragma once
#include <gtest/gtest.h>

#include <memory>

namespace TestSupport {

// Keeps everything but the test framework's own lines off the terminal. While
// the tests run, standard output and standard error (of the program and of the
// processes it starts) go to a scratch file; the framework's printer is given
// the terminal back for each of its lines. A failing test's own output is
// shown after its failures, and a crash shows what was held back.
class QuietTestOutput : public testing::EmptyTestEventListener {
public:
    explicit QuietTestOutput(testing::TestEventListener* printer);
    ~QuietTestOutput() override;
    QuietTestOutput(const QuietTestOutput&) = delete;
    QuietTestOutput& operator=(const QuietTestOutput&) = delete;

    // Replaces the framework's default printer with a quiet one wrapping it.
    static void Install();

    void OnTestProgramStart(const testing::UnitTest& unitTest) override;
    void OnTestIterationStart(const testing::UnitTest& unitTest, int iteration) override;
    void OnEnvironmentsSetUpStart(const testing::UnitTest& unitTest) override;
    void OnEnvironmentsSetUpEnd(const testing::UnitTest& unitTest) override;
    void OnTestSuiteStart(const testing::TestSuite& testSuite) override;
#ifndef GTEST_REMOVE_LEGACY_TEST_CASEAPI_
    void OnTestCaseStart(const testing::TestCase& testCase) override;
    void OnTestCaseEnd(const testing::TestCase& testCase) override;
#endif
    void OnTestDisabled(const testing::TestInfo& testInfo) override;
    void OnTestStart(const testing::TestInfo& testInfo) override;
    void OnTestPartResult(const testing::TestPartResult& result) override;
    void OnTestEnd(const testing::TestInfo& testInfo) override;
    void OnTestSuiteEnd(const testing::TestSuite& testSuite) override;
    void OnEnvironmentsTearDownStart(const testing::UnitTest& unitTest) override;
    void OnEnvironmentsTearDownEnd(const testing::UnitTest& unitTest) override;
    void OnTestIterationEnd(const testing::UnitTest& unitTest, int iteration) override;
    void OnTestProgramEnd(const testing::UnitTest& unitTest) override;

private:
    // Standard output and error to the scratch file, or back to the terminal.
    void Hold();
    void Release();
    // Writes what was held back since the last test ended to the terminal.
    void ShowHeld(const char* title);
    // Forgets what was held back.
    void DropHeld();

    template <typename Print>
    void Printed(Print print)
    {
        Release();
        print();
        Hold();
    }

    std::unique_ptr<testing::TestEventListener> m_printer;
    bool m_bHolding = false;
};

} // namespace TestSupport
