#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace TestSupport {

// Runs the body with the log's two outputs (standard output, and standard
// error for the debugger output) captured, and gives back what the log
// wrote.
inline std::string CapturedLog(const std::function<void()>& body)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    body();
    testing::internal::GetCapturedStderr();
    return testing::internal::GetCapturedStdout();
}

} // namespace TestSupport
