#include "PC/CommandLine.h"

#include <string>

bool CommandLineHasAutoTest(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line.find("-autotest") != std::string::npos;
}
