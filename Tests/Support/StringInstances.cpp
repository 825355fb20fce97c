// The string functions every test program uses, compiled optimised and
// linked ahead of everything else.
//
// The standard library declares no ready-made std::string for C++20, so
// every object file carries its own copy of the string functions it calls,
// and the linker keeps the first copy it meets: the test code's, which is
// compiled without optimisation. The program also offers its copies to the
// shared libraries it loads, so the model importer parsed every model with
// unoptimised strings too: a test that loads every scene took twice as long.
#include <string>

template class std::basic_string<char>;
