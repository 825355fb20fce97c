#include "Error/CoreError.h"

#include "Log/CoreLog.h"
#include "System/MessageBoxes.h"

#include <cstdarg>
#include <cstdio>

CoreErrorReportFn g_pfnCoreErrorReport = CoreErrorReport;

int CoreErrorDispatch(const char* condition, const char* file, int line, const char* prettyFunction, const char* format,
                      ...)
{
    char message[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, 1023, format, arguments);
    va_end(arguments);

    if (!g_pfnCoreErrorReport)
        return CoreError_NoReporter;
    char function[256];
    return g_pfnCoreErrorReport(CoreErrorKind_Assert, condition, file, line,
                                CoreQualifiedFunctionName(prettyFunction, function, sizeof function), message);
}

int CoreErrorReport(int kind, const char* condition, const char* file, int line, const char* function,
                    const char* message)
{
    const char* typeName = "ASSERT";
    const unsigned threadHandle = Platform::CurrentThreadPseudoHandle;
    const unsigned threadId = Platform::CurrentThreadId();

    char block[2040];
    std::snprintf(block, sizeof block,
                  "################ ERROR %d ################\n[TYPE]:         %s (%d)\n[DESCRIPTION]:  %s\n"
                  "[EXPRESSION]:   %s\n[LOCATION]:\n%s(%d) : in function <%s>\n\n[THREAD HANDLE:%08x ID:%08x]\n\n",
                  0, typeName, kind, message, condition, file, line, function, threadHandle, threadId);
    // The debugger output stream is standard error on this platform, so one
    // write reaches both; the log file keeps a copy.
    CoreDebugOutput(block);

    const bool debuggerAttached = Platform::IsDebuggerAttached();
    const char* question = debuggerAttached ? "IGNORE THE ASSERT? ALWAYS? OR BREAK THE PROGRAM?    \n\n"
                                            : "IGNORE THE ASSERT? ALWAYS? OR TO EXIT THE APPLICATION?    \n\n";
    char boxText[2040];
    std::snprintf(boxText, sizeof boxText,
                  "[DESCRIPTION]\n%s\n\n[EXPRESSION]\n%s\n\n[LOCATION]\n%s(%d)\n\n[FUNCTION]\n%s\n\n"
                  "[THREAD HANDLE:%08x ID:%08x]\n\n\n%s",
                  message, condition, file, line, function, threadHandle, threadId, question);

    switch (Platform::GetMessageBoxes().ShowAssert(boxText)) {
    case Platform::AssertAnswer::Ignore: return CoreError_Ignore;
    case Platform::AssertAnswer::Break:
        if (debuggerAttached)
            return CoreError_Break;
        Platform::TerminateProcess(1);
    default: return CoreError_IgnoreAlways;
    }
}

void CoreTrace(const char* format, ...)
{
    char text[4096];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, 4095, format, arguments);
    va_end(arguments);
    CoreDebugOutput(text);
}
