#pragma once
#include <cstdint>
#include <span>

using AttachmentId = uint32_t;
constexpr AttachmentId ATTACHMENT_INVALID = 0;

struct AttachmentIdRow {
    AttachmentId m_uId;
    const char* m_pName;
};

namespace Id {

std::span<const AttachmentIdRow> GetAttachmentTable();
// Index in the table, -1 when unknown; the id 0 gives 0.
int GetAttachmentIndex(uint32_t iAttachmentId);
// Plain CRC-32 of the name; reports names not in the table.
AttachmentId GetAttachmentId(const char* pName);
// "Attachments/" + name + ".dr", or null.
const char* GetAttachmentPath(uint32_t iAttachmentId);

} // namespace Id
