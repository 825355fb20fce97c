#include "Log/CoreLog.h"

#include "Log/LogText.h"
#include "System/Debugger.h"

#include <cstdarg>

// Made before and torn down after every static object of default priority,
// so that what they log while they are torn down still has a log.
CoreLog g_oCoreLog __attribute__((init_priority(101)));

namespace {

// Set once the main log is gone: later texts for it are dropped rather than
// written through an object that no longer exists.
bool s_bMainLogGone = false;

// Static so that logging works before the heaps exist and while a heap
// reports its own corruption.
char s_printBuffer[2048];
// A formatted text with every byte escaped still fits.
char s_escapedBuffer[4 * sizeof s_printBuffer];

CoreLogCapture* s_pCapture = nullptr;

} // namespace

CoreLog::~CoreLog()
{
    m_pFile = nullptr;
    if (this == &g_oCoreLog)
        s_bMainLogGone = true;
}

void CorePrint(CoreLog* log, const char* format, ...)
{
    if (s_bMainLogGone && log == &g_oCoreLog)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(s_printBuffer, sizeof s_printBuffer, format, arguments);
    va_end(arguments);

    const char* text = EscapeLogText(s_printBuffer, s_escapedBuffer, sizeof s_escapedBuffer);
    if (s_pCapture)
        s_pCapture->Write(text);
    else
        std::fputs(text, stdout);
    if (log && log->m_pFile) {
        std::fputs(text, log->m_pFile);
        std::fflush(log->m_pFile);
    }
}

void CoreDebugOutput(const char* report)
{
    const char* text = EscapeLogText(report, s_escapedBuffer, sizeof s_escapedBuffer);
    // The debugger copy goes to another stream: what the log printed before
    // must reach the terminal first, so that lines stay whole and in order.
    std::fflush(stdout);
    if (s_pCapture)
        s_pCapture->Write(text);
    else
        Platform::DebugOutput(text);
    if (!s_bMainLogGone && g_oCoreLog.m_pFile) {
        std::fputs(text, g_oCoreLog.m_pFile);
        std::fflush(g_oCoreLog.m_pFile);
    }
}

CoreLogCapture* GetLogCapture()
{
    return s_pCapture;
}

void SetLogCapture(CoreLogCapture* capture)
{
    s_pCapture = capture;
}
