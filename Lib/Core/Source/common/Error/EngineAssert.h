#pragma once
#include "Error/CoreFunctionName.h"
#include "Log/CoreLog.h"

// Prints the assert block (without message) through the main log.
void CoreEngineAssertFailed(const char* file, int line, const char* prettyFunction, const char* condition);
// Prints an assert's message through the main log, ending its line when the
// message does not, so that the next log line starts on a line of its own.
void CoreEngineAssertMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The engine's asserts: when the condition fails they print their block to
// the log every time and execution goes on with the code after the check.
#define ENGINE_ASSERT(condition)                                                          \
    do {                                                                                  \
        if (!(condition))                                                                 \
            CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, #condition); \
    } while (0)

#define ENGINE_ASSERT_MSG(condition, ...)                                                 \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, #condition); \
            CorePrint(&g_oCoreLog, "message:\n");                                         \
            CoreEngineAssertMessage(__VA_ARGS__);                                         \
        }                                                                                 \
    } while (0)
