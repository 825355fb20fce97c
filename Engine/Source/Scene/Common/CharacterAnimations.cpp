#include "Scene/Common/CharacterAnimations.h"

#include "Error/EngineAssert.h"

bool CharacterAnimations::AddAnimation(int32_t iId, int32_t iSet, float fPeriod, uint32_t uType)
{
    ENGINE_ASSERT(m_iNumAnimations < MAX_ANIMATIONS);
    if (m_iNumAnimations >= MAX_ANIMATIONS)
        return false;
    const int32_t index = m_iNumAnimations++;
    m_aEntries[index] = {iId, iSet, fPeriod};
    if (uType != ANIMATION_TYPE_STANDARD && uType < NUM_ANIMATION_TYPES)
        m_aiSlots[uType] = index;
    return true;
}

int32_t CharacterAnimations::FindAnimation(int32_t iId) const
{
    for (int32_t i = 0; i < m_iNumAnimations; ++i)
        if (m_aEntries[i].m_iId == iId)
            return i;
    return -1;
}

bool CharacterAnimations::ChangeAnimationType(int32_t iId, uint32_t iTypeId)
{
    ENGINE_ASSERT(iTypeId != ANIMATION_TYPE_STANDARD);
    const int32_t index = FindAnimation(iId);
    if (index < 0 || iTypeId == ANIMATION_TYPE_STANDARD || iTypeId >= NUM_ANIMATION_TYPES)
        return false;
    m_aiSlots[iTypeId] = index;
    return true;
}

bool CharacterAnimations::IsLocomotion(int32_t iIndex) const
{
    return iIndex >= 0 && (iIndex == m_aiSlots[ANIMATION_TYPE_WALK] || iIndex == m_aiSlots[ANIMATION_TYPE_RUN] ||
                           iIndex == m_aiSlots[ANIMATION_TYPE_IDLE]);
}

void CharacterAnimations::SetCurrentAnimationFromIndex(int32_t iNewAnimation, bool bLoop, bool bMoving)
{
    ENGINE_ASSERT(iNewAnimation >= 0 && iNewAnimation < MAX_ANIMATIONS);
    if (iNewAnimation < 0 || iNewAnimation >= m_iNumAnimations)
        return;
    m_bLoop = bLoop ? 1 : 0;
    m_bMoving = bMoving ? 1 : 0;
    m_bBlend = IsLocomotion(iNewAnimation) && IsLocomotion(m_iCurrent);
    if (m_aEntries[iNewAnimation].m_iSet < 0) {
        m_bDone = 1;
        return;
    }
    if (iNewAnimation == m_iCurrent)
        return;

    Track& current = m_aTracks[0];
    Track& previous = m_aTracks[1];
    previous.m_bOn = false;
    const float position = current.m_fPosition;
    m_iPrevious = m_iCurrent;
    m_iCurrent = iNewAnimation;
    current = {iNewAnimation, 0.0f, 1.0f, true};
    if (m_iPrevious < 0) {
        m_bDone = 0;
        return;
    }
    m_uFadeClock = 0;
    previous = {m_iPrevious, position, 1.0f, true};
    current.m_fWeight = 0.0f;
    if (m_bWaitFirst) {
        current.m_bOn = false;
        m_bWaitFirst = 0;
        m_bWaiting = 1;
    } else if (!m_bBlend) {
        previous.m_bOn = false;
        current.m_fWeight = 1.0f;
        m_bTransformHandedOver = 1;
        m_iPrevious = -1;
    }
    m_bDone = 0;
}

void CharacterAnimations::Update(uint32_t dtMs)
{
    const float dt = static_cast<float>(dtMs) / 1000.0f;
    Track& current = m_aTracks[0];
    Track& previous = m_aTracks[1];
    if (m_iCurrent >= 0 && current.m_bOn) {
        const float period = m_aEntries[m_iCurrent].m_fPeriod;
        if (current.m_fPosition + dt >= period) {
            m_bDone = 1;
            // A finished one-shot keeps its last pose.
            if (!m_bLoop)
                current.m_bOn = false;
        }
    }
    if (m_iPrevious >= 0) {
        if (m_bWaiting) {
            if (previous.m_fPosition + dt >= m_aEntries[m_iPrevious].m_fPeriod) {
                m_iPrevious = -1;
                previous.m_bOn = false;
                previous.m_fWeight = 0.0f;
                current.m_bOn = true;
                current.m_fWeight = 1.0f;
                m_bWaiting = 0;
            }
        } else {
            m_uFadeClock = m_uFadeClock + dtMs > ANIMATION_FADE_MS ? ANIMATION_FADE_MS : m_uFadeClock + dtMs;
            const float w = static_cast<float>(m_uFadeClock) / static_cast<float>(ANIMATION_FADE_MS);
            current.m_fWeight = w;
            previous.m_fWeight = 1.0f - w;
            if (m_uFadeClock == ANIMATION_FADE_MS) {
                previous.m_bOn = false;
                m_iPrevious = -1;
            }
        }
    }
    for (Track& track : m_aTracks) {
        if (!track.m_bOn || track.m_iEntry < 0)
            continue;
        const float period = m_aEntries[track.m_iEntry].m_fPeriod;
        track.m_fPosition += dt;
        if (&track == &current && !m_bLoop && track.m_fPosition > period)
            track.m_fPosition = period;
        else if (period > 0.0f)
            while (track.m_fPosition >= period)
                track.m_fPosition -= period;
    }
}

bool CharacterAnimations::IsAnimationDone(bool bShown) const
{
    return !(bShown && !m_bDone && (!m_bLoop || m_bWaiting));
}
