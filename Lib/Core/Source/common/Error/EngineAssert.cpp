#include "Error/EngineAssert.h"

#include <cstdarg>
#include <cstring>

void CoreEngineAssertFailed(const char* file, int line, const char* prettyFunction, const char* condition)
{
    char function[256];
    CorePrint(&g_oCoreLog, "ASSERT\n");
    CorePrint(&g_oCoreLog, "file:      %s(%d)\n", file, line);
    CorePrint(&g_oCoreLog, "function:  %s\n", CoreQualifiedFunctionName(prettyFunction, function, sizeof function));
    CorePrint(&g_oCoreLog, "condition: %s\n", condition);
}

void CoreEngineAssertMessage(const char* format, ...)
{
    char message[2048];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    const size_t length = std::strlen(message);
    CorePrint(&g_oCoreLog, length > 0 && message[length - 1] == '\n' ? "%s" : "%s\n", message);
}
