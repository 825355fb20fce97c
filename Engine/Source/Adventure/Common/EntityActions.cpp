#include "Adventure/Common/Entity.h"

#include "Scene/Common/Sprite.h"

namespace {

uint8_t LowByte(int32_t iValue)
{
    return static_cast<uint8_t>(iValue & 0xFF);
}

} // namespace

void Entity::StartAction()
{
    const int32_t* pValues = m_oCurrentAction.m_oParameter;
    switch (m_oCurrentAction.m_iActionType) {
    case ID_ACTION_TYPE_PAUSE_ANIMATION:
        m_bAnimationPaused = LowByte(pValues[0]);
        if (Sprite* sprite = GetShownSprite()) {
            sprite->m_bVisible = m_bVisible;
            sprite->m_bAnimating = !m_bAnimationPaused;
        }
        FinishAction();
        break;
    case ID_ACTION_TYPE_SET_VISIBLE:
        DoSetVisible(LowByte(pValues[0]));
        FinishAction();
        break;
    case ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION: {
        const int32_t index = GetSpriteIndex(pValues[0]);
        if (index != -1)
            SetCurrentSprite(index);
        if (IsSpriteAnimationDone())
            FinishAction();
        else
            m_bDone = 0;
        break;
    }
    case ID_ACTION_TYPE_SET_COLOR:
        for (int32_t i = 0; i < m_iNumSprite; ++i)
            if (m_apSprites[i])
                m_apSprites[i]->m_iColour = static_cast<uint32_t>(pValues[0]);
        FinishAction();
        break;
    case ID_ACTION_TYPE_SET_ALPHA: {
        const uint8_t alpha = LowByte(pValues[0]);
        for (int32_t i = 0; i < m_iNumSprite; ++i)
            if (m_apSprites[i])
                m_apSprites[i]->m_iColour = (m_apSprites[i]->m_iColour & 0xFFFFFF00u) | alpha;
        m_uColourA = (m_uColourA & 0xFFFFFF00u) | alpha;
        FinishAction();
        break;
    }
    case ID_ACTION_TYPE_FADE_SPRITES: {
        SetVisible(1);
        const bool fadeIn = pValues[1] == 1;
        const uint32_t milliseconds = static_cast<uint32_t>(pValues[0]);
        for (int32_t i = 0; i < m_iNumSprite; ++i) {
            Sprite* sprite = m_apSprites[i];
            if (!sprite)
                continue;
            // A fade without duration has nothing to divide by: it ends at
            // once on its last alpha.
            if (milliseconds == 0) {
                sprite->m_bFading = 0;
                sprite->m_iColour = (sprite->m_iColour & 0xFFFFFF00u) | (fadeIn ? 0xFFu : 0u);
            } else {
                sprite->StartFade(fadeIn, milliseconds);
            }
        }
        FinishAction();
        break;
    }
    default: Scriptable::StartAction(); break;
    }
}

void Entity::UpdateAction(uint32_t dt)
{
    if (m_oCurrentAction.m_iActionType != ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION) {
        Scriptable::UpdateAction(dt);
        return;
    }
    if (IsSpriteAnimationDone())
        FinishAction();
}

bool Entity::IsSpriteAnimationDone() const
{
    const Sprite* sprite = GetCurrentSprite();
    return sprite == nullptr || sprite->IsAnimationDone();
}
