#pragma once
#include <gtest/gtest.h>

#include <string>

namespace TestSupport {

// Catches what the log writes while it lives: the text on standard output,
// which Take() returns, and the debugger's copy on standard error, so that
// neither reaches the terminal.
class LogCapture {
public:
    LogCapture()
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
    }
    ~LogCapture() { Take(); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The log text so far; capturing ends.
    std::string Take()
    {
        if (m_bTaken)
            return m_sLog;
        testing::internal::GetCapturedStderr();
        m_sLog = testing::internal::GetCapturedStdout();
        m_bTaken = true;
        return m_sLog;
    }

private:
    std::string m_sLog;
    bool m_bTaken = false;
};

} // namespace TestSupport
