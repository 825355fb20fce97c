#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace TestSupport {

// Everything the body writes to the log while it runs. The log's copy for
// the debugger (standard error) is taken too, so that nothing reaches the
// terminal.
inline std::string CapturedLog(const std::function<void()>& body)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    body();
    testing::internal::GetCapturedStderr();
    return testing::internal::GetCapturedStdout();
}

} // namespace TestSupport
