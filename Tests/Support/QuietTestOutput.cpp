#include "Support/QuietTestOutput.h"

#include "Support/Files.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

// Present in sanitizer builds only: where their reports are written.
extern "C" void __sanitizer_set_report_fd(void* fd) __attribute__((weak));

namespace TestSupport {
namespace {

// Process-wide because a crash handler needs them.
int s_iScratch = -1;
int s_iTerminalOut = -1;
int s_iTerminalError = -1;

constexpr int CRASH_SIGNALS[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
struct sigaction s_previous[sizeof CRASH_SIGNALS / sizeof CRASH_SIGNALS[0]];

void WriteAll(int descriptor, const char* text, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(descriptor, text, size);
        if (written <= 0)
            return;
        text += written;
        size -= size_t(written);
    }
}

// Shows what was held back, then lets the handler that was there before
// (the default one, or a sanitizer's) deal with the signal: a fault repeats
// when the handler returns, and abort raises again.
void OnCrash(int signal)
{
    static const char TITLE[] = "\n--- output held back before the crash ---\n";
    WriteAll(s_iTerminalError, TITLE, sizeof TITLE - 1);
    char buffer[4096];
    off_t offset = 0;
    for (ssize_t count; (count = pread(s_iScratch, buffer, sizeof buffer, offset)) > 0; offset += count)
        WriteAll(s_iTerminalError, buffer, size_t(count));
    for (size_t i = 0; i < sizeof CRASH_SIGNALS / sizeof CRASH_SIGNALS[0]; ++i)
        sigaction(CRASH_SIGNALS[i], &s_previous[i], nullptr);
    if (signal == SIGABRT)
        raise(signal);
}

} // namespace

QuietTestOutput::QuietTestOutput(testing::TestEventListener* printer) : m_printer(printer)
{
    FILE* scratch = std::tmpfile();
    s_iScratch = scratch ? dup(fileno(scratch)) : -1;
    if (scratch)
        std::fclose(scratch);
    // Line by line, as on a terminal, so that a crash loses no finished line
    // in the stream's buffer.
    std::fflush(stdout);
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    s_iTerminalOut = dup(STDOUT_FILENO);
    s_iTerminalError = dup(STDERR_FILENO);
    if (__sanitizer_set_report_fd)
        __sanitizer_set_report_fd(reinterpret_cast<void*>(intptr_t(s_iTerminalError)));
    struct sigaction action = {};
    action.sa_handler = OnCrash;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < sizeof CRASH_SIGNALS / sizeof CRASH_SIGNALS[0]; ++i)
        sigaction(CRASH_SIGNALS[i], &action, &s_previous[i]);
}

QuietTestOutput::~QuietTestOutput()
{
    Release();
    for (size_t i = 0; i < sizeof CRASH_SIGNALS / sizeof CRASH_SIGNALS[0]; ++i)
        sigaction(CRASH_SIGNALS[i], &s_previous[i], nullptr);
}

void QuietTestOutput::Install()
{
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
    if (printer)
        listeners.Append(new QuietTestOutput(printer));
}

void QuietTestOutput::Hold()
{
    if (m_bHolding || s_iScratch < 0)
        return;
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(s_iScratch, STDOUT_FILENO);
    dup2(s_iScratch, STDERR_FILENO);
    m_bHolding = true;
}

void QuietTestOutput::Release()
{
    if (!m_bHolding)
        return;
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(s_iTerminalOut, STDOUT_FILENO);
    dup2(s_iTerminalError, STDERR_FILENO);
    m_bHolding = false;
}

void QuietTestOutput::ShowHeld(const char* title)
{
    const std::string held = ReadDescriptor(s_iScratch);
    if (held.empty())
        return;
    const std::string text = std::string("--- output of ") + title + " ---\n" + held +
                             (held.back() == '\n' ? "" : "\n") + "--- end of output ---\n";
    std::fflush(stdout);
    WriteAll(STDOUT_FILENO, text.data(), text.size());
}

void QuietTestOutput::DropHeld()
{
    // The descriptors of standard output and error share the scratch file's
    // offset, so rewinding it rewinds theirs.
    if (ftruncate(s_iScratch, 0) == 0)
        lseek(s_iScratch, 0, SEEK_SET);
}

void QuietTestOutput::OnTestProgramStart(const testing::UnitTest& unitTest)
{
    m_printer->OnTestProgramStart(unitTest);
    Hold();
}

void QuietTestOutput::OnTestIterationStart(const testing::UnitTest& unitTest, int iteration)
{
    Printed([&] { m_printer->OnTestIterationStart(unitTest, iteration); });
}

void QuietTestOutput::OnEnvironmentsSetUpStart(const testing::UnitTest& unitTest)
{
    Printed([&] { m_printer->OnEnvironmentsSetUpStart(unitTest); });
}

void QuietTestOutput::OnEnvironmentsSetUpEnd(const testing::UnitTest& unitTest)
{
    Printed([&] { m_printer->OnEnvironmentsSetUpEnd(unitTest); });
}

void QuietTestOutput::OnTestSuiteStart(const testing::TestSuite& testSuite)
{
    Printed([&] { m_printer->OnTestSuiteStart(testSuite); });
}

#ifndef GTEST_REMOVE_LEGACY_TEST_CASEAPI_
void QuietTestOutput::OnTestCaseStart(const testing::TestCase& testCase)
{
    Printed([&] { m_printer->OnTestCaseStart(testCase); });
}

void QuietTestOutput::OnTestCaseEnd(const testing::TestCase& testCase)
{
    Printed([&] { m_printer->OnTestCaseEnd(testCase); });
}
#endif

void QuietTestOutput::OnTestDisabled(const testing::TestInfo& testInfo)
{
    Printed([&] { m_printer->OnTestDisabled(testInfo); });
}

void QuietTestOutput::OnTestStart(const testing::TestInfo& testInfo)
{
    Printed([&] { m_printer->OnTestStart(testInfo); });
}

void QuietTestOutput::OnTestPartResult(const testing::TestPartResult& result)
{
    Printed([&] { m_printer->OnTestPartResult(result); });
}

void QuietTestOutput::OnTestEnd(const testing::TestInfo& testInfo)
{
    Printed([&] {
        if (testInfo.result()->Failed())
            ShowHeld((std::string(testInfo.test_suite_name()) + "." + testInfo.name()).c_str());
        DropHeld();
        m_printer->OnTestEnd(testInfo);
    });
}

void QuietTestOutput::OnTestSuiteEnd(const testing::TestSuite& testSuite)
{
    Printed([&] { m_printer->OnTestSuiteEnd(testSuite); });
}

void QuietTestOutput::OnEnvironmentsTearDownStart(const testing::UnitTest& unitTest)
{
    Printed([&] { m_printer->OnEnvironmentsTearDownStart(unitTest); });
}

void QuietTestOutput::OnEnvironmentsTearDownEnd(const testing::UnitTest& unitTest)
{
    Printed([&] { m_printer->OnEnvironmentsTearDownEnd(unitTest); });
}

void QuietTestOutput::OnTestIterationEnd(const testing::UnitTest& unitTest, int iteration)
{
    Printed([&] { m_printer->OnTestIterationEnd(unitTest, iteration); });
}

void QuietTestOutput::OnTestProgramEnd(const testing::UnitTest& unitTest)
{
    Release();
    if (unitTest.Failed())
        ShowHeld("the tests' set-up and tear-down");
    m_printer->OnTestProgramEnd(unitTest);
}

} // namespace TestSupport
