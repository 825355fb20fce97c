#pragma once
#include <cstdio>

// Opening the game's files, with the core's error lines in the log. Paths
// are matched without regard to letter case. Callers read, seek and close
// the stream with the C runtime.
class CoreFile {
public:
    // With create: a new, empty file for writing ("wb"). Otherwise an
    // existing file for reading ("rb"), or for reading and writing ("rb+").
    // Logs the path and the failure when the file cannot be opened.
    static bool Open(FILE** ppFile, const char* path, bool create, bool readWrite);

    // Logs the path and that the file cannot be opened (or created).
    static void ReportOpenError(const char* path, bool create);

    // Logs the path and that a read came up empty; returns 0.
    static int ReportReadError(const char* path);
};
