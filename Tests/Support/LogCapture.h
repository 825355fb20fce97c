#pragma once
#include <gtest/gtest.h>

#include <string>

namespace TestSupport {

// Captures what the log writes from construction to Take(): its standard
// output copy is returned, its debugger copy (standard error) is dropped.
// Captures cannot nest; take one before starting the next.
class LogCapture {
public:
    LogCapture()
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
    }
    ~LogCapture()
    {
        if (!m_bTaken)
            Take();
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Take()
    {
        if (m_bTaken)
            return {};
        m_bTaken = true;
        testing::internal::GetCapturedStderr();
        return testing::internal::GetCapturedStdout();
    }

private:
    bool m_bTaken = false;
};

} // namespace TestSupport
