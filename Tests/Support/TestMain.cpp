// The entry point of every test program: the framework's own lines reach the
// terminal, the program's other output only when a test fails.
#include "Support/QuietTestOutput.h"

#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    testing::InitGoogleMock(&argc, argv);
    TestSupport::QuietTestOutput::Install();
    return RUN_ALL_TESTS();
}
