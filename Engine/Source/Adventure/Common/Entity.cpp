#include "Adventure/Common/Entity.h"

#include "Common/SceneIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/Region.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneServices.h"
#include "Scene/Common/SerialStream.h"
#include "Scene/Common/Sprite.h"

#include <cstring>
#include <utility>

namespace {

uint32_t ReadColour(SerialStream& stream)
{
    uint32_t colour = 0;
    for (int i = 0; i < 4; ++i)
        colour = colour << 8 | stream.ReadU8();
    return colour;
}

} // namespace

bool Entity::ReadCount(SerialStream& stream, int32_t& iCount, int32_t iMax, const char* pWhat)
{
    if (!stream.IsGood())
        return false;
    // The arrays have fixed room: a larger (or negative) count is refused
    // rather than read past them.
    if (iCount < 0 || iCount > iMax) {
        CorePrint(&g_oCoreLog, "Entity::Initialize -- \"%s\" in \"%s\" refused: %d %s\n", m_sName, stream.GetFileName(),
                  iCount, pWhat);
        iCount = 0;
        return false;
    }
    return true;
}

bool Entity::Initialize(SerialStream& stream)
{
    stream.ReadBytes(m_sName, SCENE_OBJECT_NAME_SIZE);

    m_iNumTwEventType = stream.ReadS32();
    ENGINE_ASSERT_MSG(m_iNumTwEventType<=s_MaxTwEventTypes, "no more than x interactive events per entity");
    if (!ReadCount(stream, m_iNumTwEventType, s_MaxTwEventTypes, "event types"))
        return false;
    for (int32_t i = 0; i < m_iNumTwEventType; ++i)
        m_aEventTypes[i] = static_cast<TwEventType>(stream.ReadS32());
    m_uEventWord = stream.ReadU32();

    m_iNumLookDialog = stream.ReadS32();
    ENGINE_ASSERT_MSG(m_iNumLookDialog<=s_MaxLookDialogs, "no more than x look dialogs per entity");
    if (!ReadCount(stream, m_iNumLookDialog, s_MaxLookDialogs, "look dialogs"))
        return false;
    for (int32_t i = 0; i < m_iNumLookDialog; ++i) {
        m_aLookDialogs[i].m_iWord0 = stream.ReadS32();
        m_aLookDialogs[i].m_iWord1 = stream.ReadS32();
    }

    m_iNumSprite = stream.ReadS32();
    ENGINE_ASSERT_MSG(m_iNumSprite<=s_MaxObject, "no more than x sprites per entity");
    if (!ReadCount(stream, m_iNumSprite, s_MaxObject, "sprites"))
        return false;
    for (int32_t i = 0; i < m_iNumSprite; ++i)
        m_aSpriteIds[i] = stream.ReadS32();

    m_iNumRegion = stream.ReadS32();
    ENGINE_ASSERT_MSG(m_iNumRegion<=1, "sprites or region but not both");
    if (!ReadCount(stream, m_iNumRegion, 1, "regions"))
        return false;
    if (m_iNumRegion != 0)
        m_iRegionId = stream.ReadS32();

    m_uCaptionTextId = stream.ReadU32();
    m_iCaptionFont = stream.ReadS32();
    m_iSaveSlotNumber = stream.ReadS32();
    m_iCaptionAlignment = stream.ReadS32();
    m_uColourA = ReadColour(stream);
    m_uColourB = ReadColour(stream);
    if (!stream.IsGood())
        return false;

    ApplyEventTypes();
    return true;
}

void Entity::ApplyEventTypes()
{
    // The verbs list Look first: a last Activate before the last Look swaps
    // with it.
    int32_t lastActivate = -1;
    int32_t lastLook = -1;
    for (int32_t i = 0; i < m_iNumTwEventType; ++i) {
        if (m_aEventTypes[i] == TwEventType_Activate)
            lastActivate = i;
        else if (m_aEventTypes[i] == TwEventType_Look)
            lastLook = i;
    }
    if (lastActivate >= 0 && lastLook >= 0 && lastActivate < lastLook)
        std::swap(m_aEventTypes[lastActivate], m_aEventTypes[lastLook]);

    if (m_iNumTwEventType != 0)
        return;
    // A region without verbs still fires Touch in an adventure scene.
    const bool menuScene = m_pScene != nullptr && IsMenuScene(m_pScene->m_iId);
    if (m_iNumRegion == 0 || menuScene)
        m_bInteractive = 0;
}

bool Entity::ResolveSprites()
{
    if (m_pScene == nullptr)
        return false;
    if (m_iNumSprite > 0) {
        bool found = true;
        for (int32_t i = 0; i < m_iNumSprite; ++i) {
            m_apSprites[i] = m_pScene->GetSpriteById(m_aSpriteIds[i]);
            found = found && m_apSprites[i] != nullptr;
        }
        return found;
    }
    if (m_iNumRegion != 0) {
        m_pRegion = m_pScene->GetRegionById(m_iRegionId);
        return m_pRegion != nullptr;
    }
    return true;
}

int Entity::GetEventTypes(TwEventType* pTypes, int iMax) const
{
    for (int i = 0; i < iMax && i < m_iNumTwEventType; ++i)
        pTypes[i] = m_aEventTypes[i];
    return m_iNumTwEventType;
}

Sprite* Entity::GetCurrentSprite() const
{
    return m_iCurrentSprite >= 0 && m_iCurrentSprite < m_iNumSprite ? m_apSprites[m_iCurrentSprite] : nullptr;
}

Sprite* Entity::GetShownSprite() const
{
    if (m_iCurrentSprite < 0)
        return m_iNumSprite > 0 ? m_apSprites[0] : nullptr;
    return GetCurrentSprite();
}

void Entity::SetVisible(uint8_t bVisible)
{
    m_bVisible = bVisible;
    // Before any sprite is made current the first one shows: hiding the
    // entity must hide it too.
    if (Sprite* sprite = GetShownSprite()) {
        sprite->m_bVisible = bVisible;
        sprite->m_bAnimating = !m_bAnimationPaused;
    }
}

void Entity::DoSetVisible(uint8_t bVisible)
{
    SetVisible(bVisible);
}

void Entity::SetObjectsFlag(uint8_t bFlag)
{
    for (int32_t i = 0; i < m_iNumSprite; ++i)
        if (m_apSprites[i])
            m_apSprites[i]->m_bHighlighted = bFlag;
    if (m_pRegion)
        m_pRegion->m_bHighlighted = bFlag;
}

int32_t Entity::GetSpriteIndex(int32_t iSpriteId) const
{
    const Scene* scene = m_pScene;
    ENGINE_ASSERT(scene);
    if (!scene)
        return -1;
    const Sprite* sprite = scene->GetSpriteById(iSpriteId);
    if (!sprite)
        return -1;
    for (int32_t i = 0; i < m_iNumSprite; ++i)
        if (m_apSprites[i] == sprite)
            return i;
    return -1;
}

void Entity::SetCurrentSprite(int32_t iIndex)
{
    if (iIndex == m_iCurrentSprite || iIndex >= m_iNumSprite)
        return;
    if (Sprite* old = GetShownSprite()) {
        old->m_bVisible = 0;
        old->m_bAnimating = 0;
    }
    if (iIndex < 0)
        return;
    m_iCurrentSprite = iIndex;
    if (Sprite* sprite = GetCurrentSprite()) {
        sprite->m_bVisible = m_bVisible;
        sprite->m_bAnimating = !m_bAnimationPaused;
        sprite->m_iFrameClock = 0;
    }
}

const char* Entity::GetSlotLabel() const
{
    if (m_iSaveSlotNumber == 0)
        return "Slot XX";
    if (m_iSaveSlotNumber >= 1 && m_iSaveSlotNumber <= 3)
        return GetSceneServices().GetSaveSlotLabel(m_iSaveSlotNumber - 1);
    return nullptr;
}
