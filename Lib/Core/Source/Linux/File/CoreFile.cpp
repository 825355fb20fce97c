#include "File/CoreFile.h"

#include "Log/CoreLog.h"
#include "System/DataFile.h"
#include "System/FileWriter.h"

#include <filesystem>
#include <string>

namespace {

void ReportFileError(const char* path, const char* failure)
{
    CorePrint(&g_oCoreLog, "\n--CoreFile_ERROR : File : %s", path);
    CorePrint(&g_oCoreLog, "%s", failure);
}

// Links followed before a chain is taken for a loop, as many as the system
// follows.
constexpr int MAX_LINKS = 40;

// The file at the end of a chain of links, so that a replace keeps the links
// and writes that file in its own folder, even when it is missing (removed
// while the game ran): the place a user who made the link expects the save.
// The path itself when it is no link. Empty, with a log line, when the links
// lead round in a loop.
std::string LinkTarget(const std::string& path)
{
    std::filesystem::path current = path;
    for (int link = 0; link < MAX_LINKS; ++link) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error))
            return current.string();
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) {
            ReportFileError(current.c_str(), " - Could not read link\n");
            return {};
        }
        // A relative link leads from its own folder; an absolute one replaces
        // the whole path.
        current = current.parent_path() / next;
    }
    ReportFileError(path.c_str(), " - Could not replace File: its links lead round in a loop\n");
    return {};
}

} // namespace

bool CoreFile::Open(FILE** ppFile, const char* path, bool create, bool readWrite)
{
    const char* mode = create ? "wb" : (readWrite ? "rb+" : "rb");
    *ppFile = Platform::OpenDataFile(path, mode);
    if (*ppFile)
        return true;
    ReportOpenError(path, create);
    return false;
}

void CoreFile::ReportOpenError(const char* path, bool create)
{
    ReportFileError(path, create ? " - Could not create file\n" : " - Could not open file\n");
}

int CoreFile::ReportReadError(const char* path)
{
    ReportFileError(path, " - Could not read File\n");
    return 0;
}

bool CoreFile::ReplaceWhole(const char* path, const void* bytes, size_t size)
{
    Platform::FileWriter& writer = Platform::GetFileWriter();
    const std::string target = LinkTarget(Platform::ResolveDataPath(path));
    if (target.empty())
        return false;
    const std::string temporary = target + ".tmp";

    FILE* file = writer.Create(temporary);
    if (!file) {
        ReportFileError(temporary.c_str(), " - Could not create file\n");
        return false;
    }
    const bool written = writer.Write(file, bytes, size) == size;
    const bool flushed = written && writer.Flush(file);
    const bool closed = writer.Close(file);
    if (!written || !flushed || !closed) {
        ReportFileError(temporary.c_str(), " - Could not write File\n");
        writer.Remove(temporary);
        return false;
    }
    if (!writer.Rename(temporary, target)) {
        ReportFileError(path, " - Could not replace File\n");
        writer.Remove(temporary);
        return false;
    }
    return true;
}
