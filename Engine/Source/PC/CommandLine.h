#pragma once

// Whether "-autotest" appears anywhere in the arguments after the program
// name, taken as one line (so also inside a longer word).
bool CommandLineHasAutoTest(int argc, const char* const* argv);
