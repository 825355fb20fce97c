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

// The file a link leads to, so that a replace keeps the link and writes its
// target in the target's folder; the path itself when it is no link or leads
// nowhere.
std::string LinkTarget(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
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
