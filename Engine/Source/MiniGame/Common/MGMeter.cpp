#include "MiniGame/Common/MGMeter.h"

#include "Error/EngineAssert.h"

bool MGMeter::Initialize(int32_t lostId, int32_t presentId)
{
    if (m_pSprite)
        Shutdown();
    int32_t ids[FRAME_COUNT];
    fx32 durations[FRAME_COUNT];
    uint32_t next[FRAME_COUNT];
    for (int32_t i = 0; i < FRAME_COUNT; ++i) {
        ids[i] = i % 2 == 0 ? presentId : lostId;
        durations[i] = FRAME_DURATION;
        next[i] = static_cast<uint32_t>(i + 1 < FRAME_COUNT ? i + 1 : i);
    }
    auto pSprites = std::make_unique<MGSprite[]>(UNIT_COUNT);
    for (int32_t i = 0; i < UNIT_COUNT; ++i) {
        if (!pSprites[i].Initialize(ids, FRAME_COUNT, durations, next)) {
            for (int32_t made = i - 1; made >= 0; --made)
                pSprites[made].Shutdown();
            return false;
        }
        pSprites[i].SetAnimating(false);
    }
    m_pSprite = std::move(pSprites);
    m_iSize = UNIT_COUNT;
    m_uValue = UNIT_COUNT;
    return true;
}

void MGMeter::Shutdown()
{
    // A game whose start stopped before its meter shuts down all the same.
    if (!m_pSprite)
        return;
    for (int32_t i = m_iSize - 1; i >= 0; --i)
        m_pSprite[i].Shutdown();
    m_pSprite.reset();
    m_iSize = NOT_INITIALIZED;
    m_uValue = NOT_INITIALIZED;
}

uint8_t MGMeter::Reset()
{
    if (!m_pSprite)
        return m_uValue;
    m_uValue = m_iSize < UNIT_COUNT ? m_iSize : UNIT_COUNT;
    for (int32_t i = 0; i < m_iSize; ++i) {
        m_pSprite[i].SetAnimating(false);
        m_pSprite[i].SetCurrentFrame(i < m_uValue ? 0 : 1);
    }
    return m_uValue;
}

uint8_t MGMeter::Remove()
{
    ENGINE_ASSERT(m_pSprite != NULL);
    if (!m_pSprite)
        return m_uValue;
    if (m_uValue > 0) {
        m_pSprite[m_uValue - 1].SetAnimating(true);
        --m_uValue;
    }
    return m_uValue;
}

void MGMeter::Update(uint32_t dtMs)
{
    ENGINE_ASSERT(m_pSprite != NULL);
    if (!m_pSprite)
        return;
    for (int32_t i = 0; i < m_iSize; ++i) {
        m_pSprite[i].Update(dtMs);
        m_pSprite[i].SetVisible(true);
    }
}

void MGMeter::Render(fx32 x, fx32 y, fx32 z, fx32 spacing) const
{
    ENGINE_ASSERT(m_pSprite != NULL);
    if (!m_pSprite)
        return;
    CoreFxVec2 size;
    const fx32 step = m_pSprite[0].GetScaledSize(size).x + spacing;
    for (int32_t i = m_iSize - 1; i >= 0; --i)
        m_pSprite[i].RenderWithPosition({x + i * step, y, z});
}

void MGMeter::SetScale(const CoreFxVec2& vScale)
{
    ENGINE_ASSERT(vScale.x != 0 && vScale.y != 0 && m_pSprite != NULL);
    if (vScale.x == 0 || vScale.y == 0 || !m_pSprite)
        return;
    m_vScale = vScale;
    for (int32_t i = 0; i < m_iSize; ++i)
        m_pSprite[i].SetScale(vScale);
}

uint8_t MGMeter::GetSize() const
{
    ENGINE_ASSERT(m_iSize != 255);
    return m_iSize;
}

uint8_t MGMeter::GetValue() const
{
    ENGINE_ASSERT(m_iSize != 255);
    return m_uValue;
}

const MGSprite* MGMeter::GetUnit(int32_t i) const
{
    return m_pSprite && i >= 0 && i < m_iSize ? &m_pSprite[i] : nullptr;
}
