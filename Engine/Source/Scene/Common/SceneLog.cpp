#include "Scene/Common/SceneLog.h"

#include "Common/GameLink.h"
#include "Log/CoreLog.h"

#include <cstdarg>
#include <cstdio>

namespace {

void LogLine(const char* level, const char* format, va_list arguments)
{
    char text[2048];
    std::vsnprintf(text, sizeof text, format, arguments);
    CorePrint(&g_oCoreLog, "%s[%s]:", level, GetGameLink().GetClockString());
    CorePrint(&g_oCoreLog, "%s", text);
}

} // namespace

void LogSceneInfo(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    LogLine("INFO", format, arguments);
    va_end(arguments);
}

void LogSceneWarning(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    LogLine("WARN", format, arguments);
    va_end(arguments);
}

void LogSceneError(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    LogLine("ERR ", format, arguments);
    va_end(arguments);
}
