#pragma once
#include <cstdio>

// The log object: every line of diagnostic text goes through one of these.
// Only the entry point opens and closes its file.
class CoreLog {
public:
    virtual ~CoreLog();

    FILE* m_pFile = nullptr;
};

// The one main log, alive for the whole run: it outlives every other static
// object, and once it is gone, texts for it are dropped.
extern CoreLog g_oCoreLog;

// Formats a text (at most 2047 characters; longer texts are cut) and writes
// it to standard output and, while the log's file is open, to the file,
// which is flushed after every text. The text is written unchanged but for
// bytes that are no printable text, escaped (EscapeLogText). The debugger reads standard output
// here; its own stream is the terminal's standard error, where a second copy
// would show every line twice.
void CorePrint(CoreLog* log, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Writes a text, escaped as CorePrint's, to the debugger output (standard
// error) and, while the main log's file is open, to the file: what the
// terminal shows is in the log too.
void CoreDebugOutput(const char* report);

// Takes the terminal's copy of every text of CorePrint and CoreDebugOutput
// while installed, whichever stream it would use: tests read what the log
// said through one, and the terminal stays quiet meanwhile. The log file is
// still written.
class CoreLogCapture {
public:
    virtual ~CoreLogCapture() = default;
    virtual void Write(const char* text) = 0;
};

// Null (the terminal) by default.
CoreLogCapture* GetLogCapture();
void SetLogCapture(CoreLogCapture* capture);
