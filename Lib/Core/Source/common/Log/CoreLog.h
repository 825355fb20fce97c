#pragma once
#include <cstdio>

// The log object: every line of diagnostic text goes through one of these.
// Only the entry point opens and closes its file.
class CoreLog {
public:
    virtual ~CoreLog();

    FILE* m_pFile = nullptr;
};

// The one main log, alive for the whole run.
extern CoreLog g_oCoreLog;

// Formats a text (at most 2047 characters; longer texts are cut) and writes
// it unchanged to standard output, to the debugger output and, while the log's
// file is open, to the file, which is flushed after every text.
void CorePrint(CoreLog* log, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Takes the terminal's copy of every logged text while installed, whichever
// streams the terminal copy would use: tests read what the log said through
// one, and the terminal stays quiet meanwhile. The log file is still written.
class CoreLogCapture {
public:
    virtual ~CoreLogCapture() = default;
    virtual void Write(const char* text) = 0;
};

// Null (the terminal) by default.
CoreLogCapture* GetLogCapture();
void SetLogCapture(CoreLogCapture* capture);
