#include "Log/CoreLog.h"

#include "System/Debugger.h"

#include <cstdarg>

CoreLog g_oCoreLog;

namespace {

// Static so that logging works before the heaps exist and while a heap
// reports its own corruption.
char s_printBuffer[2048];

} // namespace

CoreLog::~CoreLog()
{
    m_pFile = nullptr;
}

void CorePrint(CoreLog* log, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(s_printBuffer, sizeof s_printBuffer, format, arguments);
    va_end(arguments);

    std::fputs(s_printBuffer, stdout);
    if (log && log->m_pFile) {
        std::fputs(s_printBuffer, log->m_pFile);
        std::fflush(log->m_pFile);
    }
}

void CoreDebugOutput(const char* text)
{
    // The debugger copy goes to another stream: what the log printed before
    // must reach the terminal first, so that lines stay whole and in order.
    std::fflush(stdout);
    Platform::DebugOutput(text);
    if (g_oCoreLog.m_pFile) {
        std::fputs(text, g_oCoreLog.m_pFile);
        std::fflush(g_oCoreLog.m_pFile);
    }
}
