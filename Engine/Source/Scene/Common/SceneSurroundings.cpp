#include "Scene/Common/Scene.h"

void Scene::UpdateSurroundings()
{
    m_oSurroundings.m_pWalkMesh = &m_oWalkMesh;
    m_oSurroundings.m_pLocators = m_vLocators.get();
    m_oSurroundings.m_iNumLocators = m_iNumLocators;
    m_oSurroundings.m_ppCharacters = m_apWalkers;
    m_oSurroundings.m_iNumCharacters = m_iNumCharacters;
    m_oSurroundings.m_pSelected = dynamic_cast<const Character*>(GetSelectedCharacter());
    for (int32_t i = 0; i < m_iNumAttachments; ++i)
        m_apCarriables[i] = dynamic_cast<Attachment*>(m_apAttachments[i].get());
    m_oSurroundings.m_ppAttachments = m_apCarriables;
    m_oSurroundings.m_pAttachmentIds = m_aAttachmentIds;
    m_oSurroundings.m_iNumAttachments = m_iNumAttachments;
    m_oSurroundings.m_uStepSoundSet = m_uSoundVariant;
    // Stand-in characters of other kinds take no part in walking.
    for (int32_t i = 0; i < m_iNumCharacters; ++i) {
        Character* walker = dynamic_cast<Character*>(m_apCharacters[i].get());
        m_apWalkers[i] = walker;
        if (walker)
            walker->SetSurroundings(&m_oSurroundings);
    }
}
