#include "Error/EngineAssert.h"

void CoreEngineAssertFailed(const char* file, int line, const char* prettyFunction, const char* condition)
{
    char function[256];
    CorePrint(&g_oCoreLog, "ASSERT\n");
    CorePrint(&g_oCoreLog, "file:      %s(%d)\n", file, line);
    CorePrint(&g_oCoreLog, "function:  %s\n", CoreQualifiedFunctionName(prettyFunction, function, sizeof function));
    CorePrint(&g_oCoreLog, "condition: %s\n", condition);
}
