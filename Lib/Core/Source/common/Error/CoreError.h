#pragma once
#include "Error/CoreFunctionName.h"
#include "System/Debugger.h"

// What a report tells the failing site to do.
enum CoreErrorResult {
    CoreError_NoReporter = -1,
    CoreError_Break = 0,
    CoreError_Ignore = 1,
    CoreError_IgnoreAlways = 2,
};

// The only kind of report the system makes.
constexpr int CoreErrorKind_Assert = 1;

using CoreErrorReportFn = int (*)(int kind, const char* condition, const char* file, int line, const char* function,
                                  const char* message);

// The report routine the dispatcher calls; CoreErrorReport unless replaced.
extern CoreErrorReportFn g_pfnCoreErrorReport;

// Formats the message (at most 1022 characters) and hands the failure to the
// report routine; returns its answer, or CoreError_NoReporter without one.
int CoreErrorDispatch(const char* condition, const char* file, int line, const char* prettyFunction, const char* format,
                      ...) __attribute__((format(printf, 5, 6)));

// Writes the framed report to the debugger output (standard error) and the
// log file, then asks the user in the "ASSERT" box. "BREAK" without a debugger ends the
// process with exit code 1.
int CoreErrorReport(int kind, const char* condition, const char* file, int line, const char* function,
                    const char* message);

// A print to the debugger output and the log file, not to standard output
// (at most 4094 characters): the memory system's own prints and the whole-file
// loader's errors.
void CoreTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The core's asserts: each site has its own silence flag, set by "Always".
#define CORE_ASSERT(condition, ...)                                                                   \
    do {                                                                                              \
        static bool s_bCoreAssertSilenced = false;                                                    \
        if (!(condition) && !s_bCoreAssertSilenced) {                                                 \
            const int coreAssertResult =                                                              \
                CoreErrorDispatch(#condition, __FILE__, __LINE__, CORE_PRETTY_FUNCTION, __VA_ARGS__); \
            if (coreAssertResult == CoreError_Break)                                                  \
                Platform::DebugBreak();                                                               \
            else if (coreAssertResult == CoreError_IgnoreAlways)                                      \
                s_bCoreAssertSilenced = true;                                                         \
        }                                                                                             \
    } while (0)
