#pragma once
#include <cstddef>
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

    // Writes the file whole through a temporary file beside it ("<path>.tmp"),
    // flushed to the disk and renamed over the old file, so that a failure or
    // a crash at any point leaves the old file as it was. A link is kept: the
    // file it leads to is the one replaced (or made, when missing), beside
    // which the temporary file is made; links that lead round in a loop are
    // refused. False, with a log line naming the file and the step, when any
    // step fails; the temporary file is then removed.
    static bool ReplaceWhole(const char* path, const void* bytes, size_t size);
};
