#pragma once
#include <cstdint>

namespace Platform {

// The debugger side of the process: the debugger output stream (standard
// error here), whether a debugger is attached, a breakpoint trap, and ending
// the process at once.
void DebugOutput(const char* text);
bool IsDebuggerAttached();
void DebugBreak();
[[noreturn]] void TerminateProcess(int exitCode);

// The thread identity printed in error reports: the pseudo-handle that names
// "the current thread", and the kernel's thread id.
constexpr uint32_t CurrentThreadPseudoHandle = 0xFFFFFFFEu;
uint32_t CurrentThreadId();

} // namespace Platform
