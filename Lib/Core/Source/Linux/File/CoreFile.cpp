#include "File/CoreFile.h"

#include "Log/CoreLog.h"
#include "System/DataFile.h"

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
    CorePrint(&g_oCoreLog, "\n--CoreFile_ERROR : File : %s", path);
    CorePrint(&g_oCoreLog, create ? " - Could not create file\n" : " - Could not open file\n");
}

int CoreFile::ReportReadError(const char* path)
{
    CorePrint(&g_oCoreLog, "\n--CoreFile_ERROR : File : %s", path);
    CorePrint(&g_oCoreLog, " - Could not read File\n");
    return 0;
}
