#pragma once
#include <cstdio>

// The log object: every piece of diagnostic text goes through one of these.
// Only the entry point opens and closes its file.
class CoreLog {
public:
    virtual ~CoreLog();

    FILE* m_pFile = nullptr;
};

// The one main log, alive for the whole run.
extern CoreLog g_oCoreLog;

// Formats a piece (at most 2047 characters; longer pieces are cut) and writes
// it unchanged to standard output and, while the log's file is open, to the
// file, which is flushed after every piece. The debugger reads standard
// output here; its own stream is the terminal's standard error, where a second
// copy would show every line twice.
void CorePrint(CoreLog* log, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Writes text to the debugger output (standard error) and, while the main
// log's file is open, to the file: what the terminal shows is in the log too.
void CoreDebugOutput(const char* text);
