#include "System/Debugger.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

namespace Platform {

void DebugOutput(const char* text)
{
    std::fputs(text, stderr);
}

bool IsDebuggerAttached()
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return false;
    char line[256];
    int tracerPid = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "TracerPid:", 10) == 0) {
            tracerPid = std::atoi(line + 10);
            break;
        }
    }
    std::fclose(status);
    return tracerPid != 0;
}

void DebugBreak()
{
    std::raise(SIGTRAP);
}

void TerminateProcess(int exitCode)
{
    std::fflush(nullptr);
    _exit(exitCode);
}

uint32_t CurrentThreadId()
{
    return static_cast<uint32_t>(syscall(SYS_gettid));
}

} // namespace Platform
