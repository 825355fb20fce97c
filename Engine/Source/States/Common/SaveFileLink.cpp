#include "States/Common/SaveFileLink.h"

#include "Log/CoreLog.h"

namespace {

NullSaveFileLink s_oNullLink;
SaveFileLink* s_pLink = &s_oNullLink;

} // namespace

bool NullSaveFileLink::IsSaveFileMissing()
{
    CorePrint(&g_oCoreLog, "No save-file manager: the save file is not checked\n");
    return false;
}

SaveFileLink& GetSaveFileLink()
{
    return *s_pLink;
}

void SetSaveFileLink(SaveFileLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
