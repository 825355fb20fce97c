#include "Common/AttachmentIds.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/SceneLog.h"

namespace {

const char* AttachmentName(uint32_t uAttachmentId)
{
    const int index = Id::GetAttachmentIndex(uAttachmentId);
    const auto table = Id::GetAttachmentTable();
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index].m_pName : "?";
}

} // namespace

bool Character::AddAttachment(int32_t iBoneId, uint32_t uAttachmentId)
{
    if (m_iNumAttachments >= CHARACTER_MAX_ATTACHMENTS) {
        LogSceneWarning("Character(%.16s) carries %d attachments: \"%s\" refused\n", m_sName, CHARACTER_MAX_ATTACHMENTS,
                        AttachmentName(uAttachmentId));
        return false;
    }
    Attachment* attachment = nullptr;
    if (m_pSurroundings)
        for (int32_t i = 0; i < m_pSurroundings->m_iNumAttachments && !attachment; ++i)
            if (m_pSurroundings->m_pAttachmentIds[i] == uAttachmentId)
                attachment = m_pSurroundings->m_ppAttachments[i];
    if (!attachment || !GetBoneName(iBoneId)) {
        LogSceneWarning("Attachment \"%s\" not available\n", AttachmentName(uAttachmentId));
        return false;
    }
    if (attachment->IsBound()) {
        LogSceneWarning("Attachment \"%s\" already in use\n", AttachmentName(uAttachmentId));
        return false;
    }
    attachment->m_bBound = 1;
    m_aAttachments[m_iNumAttachments++] = {attachment, iBoneId};
    return true;
}

bool Character::RemoveAttachment(uint32_t uAttachmentId)
{
    for (int32_t i = 0; i < m_iNumAttachments; ++i) {
        Attachment* attachment = m_aAttachments[i].m_pAttachment;
        for (int32_t s = 0; m_pSurroundings && s < m_pSurroundings->m_iNumAttachments; ++s) {
            if (m_pSurroundings->m_ppAttachments[s] != attachment ||
                m_pSurroundings->m_pAttachmentIds[s] != uAttachmentId)
                continue;
            attachment->m_bBound = 0;
            for (int32_t j = i + 1; j < m_iNumAttachments; ++j)
                m_aAttachments[j - 1] = m_aAttachments[j];
            --m_iNumAttachments;
            return true;
        }
    }
    LogSceneWarning("Character(%.16s) does not carry \"%s\"\n", m_sName, AttachmentName(uAttachmentId));
    return false;
}
