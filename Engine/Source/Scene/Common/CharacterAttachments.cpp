#include "Common/AttachmentIds.h"
#include "Error/EngineAssert.h"
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
    ENGINE_ASSERT(CHARACTER_MAX_ATTACHMENTS > m_iNumAttachments);
    if (m_iNumAttachments >= CHARACTER_MAX_ATTACHMENTS)
        return false;
    const CharacterSurroundings* scene = m_pSurroundings;
    ENGINE_ASSERT(NULL != scene);
    Attachment* pAttachment = nullptr;
    for (int32_t i = 0; scene && i < scene->m_iNumAttachments && !pAttachment; ++i)
        if (scene->m_pAttachmentIds[i] == uAttachmentId)
            pAttachment = scene->m_ppAttachments[i];
    ENGINE_ASSERT_MSG(pAttachment!=NULL, "Attachment \"%s\" not available\n", AttachmentName(uAttachmentId));
    if (!pAttachment)
        return false;
    ENGINE_ASSERT_MSG(!pAttachment->IsBound(), "Attachment \"%s\" already in use\n", AttachmentName(uAttachmentId));
    if (pAttachment->IsBound())
        return false;
    if (!GetBoneName(iBoneId)) {
        LogSceneWarning("Attachment \"%s\" refused: no bone %d\n", AttachmentName(uAttachmentId), iBoneId);
        return false;
    }
    pAttachment->m_bBound = 1;
    m_aAttachments[m_iNumAttachments++] = {pAttachment, iBoneId};
    return true;
}

bool Character::RemoveAttachment(uint32_t uAttachmentId)
{
    ENGINE_ASSERT(0 != m_iNumAttachments);
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
