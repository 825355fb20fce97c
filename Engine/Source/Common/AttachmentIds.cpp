#include "Common/AttachmentIds.h"

#include "Common/IdSearch.h"
#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"

#include <cstdio>

namespace {

const AttachmentIdRow s_aAttachments[] = {
#include "Common/AttachmentTable.inc"
};

} // namespace

std::span<const AttachmentIdRow> Id::GetAttachmentTable()
{
    return s_aAttachments;
}

int Id::GetAttachmentIndex(uint32_t iAttachmentId)
{
    if (iAttachmentId == ATTACHMENT_INVALID)
        return 0;
    const std::span<const AttachmentIdRow> rows = s_aAttachments;
    const int middle = IdSearch::BisectFinal(rows, iAttachmentId, [](const AttachmentIdRow& row) { return row.m_uId; });
    return rows[middle].m_uId == iAttachmentId ? middle : -1;
}

AttachmentId Id::GetAttachmentId(const char* pName)
{
    const uint32_t iAttachmentId = CoreCrc32::HashString(pName);
    ENGINE_ASSERT(GetAttachmentIndex(iAttachmentId) != -1);
    return iAttachmentId;
}

const char* Id::GetAttachmentPath(uint32_t iAttachmentId)
{
    static char s_aPath[256];
    const int index = GetAttachmentIndex(iAttachmentId);
    if (index < 0 || iAttachmentId == ATTACHMENT_INVALID)
        return nullptr;
    std::snprintf(s_aPath, sizeof s_aPath, "Attachments/%s.dr", s_aAttachments[index].m_pName);
    return s_aPath;
}
