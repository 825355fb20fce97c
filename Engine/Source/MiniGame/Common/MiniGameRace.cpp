#include "MiniGame/Common/MiniGameRace.h"

#include "Error/EngineAssert.h"
#include "MiniGame/Common/SpritePool.h"
#include "System/Clock.h"

#include <algorithm>

namespace {

// The level thresholds as shares of the race length.
constexpr fx32 LEVEL_THRESHOLDS[MiniGameRace::LEVEL_NB] = {0, 0x666, 0xB33};
// The largest random gap before a pattern, per level.
constexpr fx32 PATTERN_DISTANCE_MAX[MiniGameRace::LEVEL_NB] = {0, 0, 0};
// The weight of each pattern difficulty (row) at each level (column).
constexpr fx32 DIFFICULTY_SLICING[MiniGameRace::LEVEL_NB][MiniGameRace::LEVEL_NB] = {
    {0xE66, 0x19A, 0xCD},
    {0x99A, 0x666, 0x19A},
    {0x4CD, 0x666, 0x666},
};
constexpr fx32 SCREEN_HEIGHT = 192 * FX32_ONE;
constexpr fx32 FIRST_DEPTH = -510 * FX32_ONE;
constexpr fx32 NEAREST_DEPTH = -11 * FX32_ONE;

} // namespace

bool MiniGameRace::Initialize(SpritePool* pSpritePool)
{
    ENGINE_ASSERT(NULL == m_pRacePatterns);
    ENGINE_ASSERT(NULL == m_pElements);
    ENGINE_ASSERT(NULL != pSpritePool);
    if (pSpritePool == nullptr || m_pElements != nullptr)
        return false;
    m_iLevelNb = LEVEL_NB;
    m_fPatternHeight = PATTERN_HEIGHT;
    m_fRaceLength = RACE_LENGTH;
    // The race draws its track from a generator of its own, so that the
    // chase's cursor and the sprite picks do not shift the track's choices.
    m_oRandom = RandomGenerator::CopyOfGlobal();
    m_oRandom.Init(Platform::GetClock().WallClockMilliseconds());
    m_pSpritePool = pSpritePool;
    m_iRacePatternsNb = 0;
    m_iRacePatternsMax = m_fRaceLength / m_fPatternHeight + 1;
    m_iElementCapacity = m_iRacePatternsMax * RACE_ELEMENT_MAX;
    for (int32_t iLevel = 0; iLevel < m_iLevelNb; ++iLevel) {
        m_fDifficultyPosition[iLevel] = CoreFx::Mul(LEVEL_THRESHOLDS[iLevel], m_fRaceLength);
        m_fPatternDistanceMax[iLevel] = PATTERN_DISTANCE_MAX[iLevel];
        for (int32_t iDifficulty = 0; iDifficulty < m_iLevelNb; ++iDifficulty)
            m_fDifficultyWeights[iLevel][iDifficulty] = DIFFICULTY_SLICING[iDifficulty][iLevel];
    }
    m_pElements = std::make_unique<RaceElement[]>(static_cast<size_t>(m_iElementCapacity));
    m_pRacePatterns = std::make_unique<RacePatternSlot[]>(static_cast<size_t>(m_iRacePatternsMax));
    ResetPatternSlots();
    return true;
}

void MiniGameRace::FreePatterns()
{
    for (int32_t iLevel = LEVEL_NB - 1; iLevel >= 0; --iLevel) {
        m_pElementsPatterns[iLevel].reset();
        m_iElementsPatternsNb[iLevel] = 0;
    }
    // The slots point into the patterns just freed.
    ResetPatternSlots();
    m_pSpritePool = nullptr;
}

void MiniGameRace::Shutdown()
{
    FreePatterns();
    m_pElements.reset();
    m_pRacePatterns.reset();
    m_iRacePatternsNb = 0;
    m_iRacePatternsMax = 0;
    m_iElementCapacity = 0;
    m_iLevelNb = 0;
}

void MiniGameRace::ResetPatternSlots()
{
    for (int32_t i = 0; m_pElements != nullptr && i < m_iElementCapacity; ++i) {
        m_pElements[i].m_iKind = RACE_ELEMENT_TYPE_NONE;
        m_pElements[i].m_iCopy = -1;
    }
    m_iRacePatternsNb = 0;
    for (int32_t i = 0; m_pRacePatterns != nullptr && i < m_iRacePatternsMax; ++i)
        m_pRacePatterns[i] = {0, nullptr};
}

int32_t MiniGameRace::DrawDifficulty(int32_t iLevel)
{
    const fx32* pWeights = m_fDifficultyWeights[iLevel];
    fx32 fTotal = 0;
    for (int32_t iDifficulty = 0; iDifficulty < m_iLevelNb; ++iDifficulty)
        fTotal += pWeights[iDifficulty];
    fx32 fDraw = static_cast<fx32>(m_oRandom.Below(static_cast<uint32_t>(fTotal)));
    for (int32_t iDifficulty = 0; iDifficulty < m_iLevelNb; ++iDifficulty) {
        if (fDraw < pWeights[iDifficulty])
            return iDifficulty;
        fDraw -= pWeights[iDifficulty];
    }
    return m_iLevelNb;
}

int32_t MiniGameRace::GenerateRacePatterns()
{
    if (m_pRacePatterns == nullptr || m_iLevelNb == 0)
        return 0;
    int32_t iLevel = 0;
    int32_t iPatternIdx = 0;
    fx32 fAccumulated = 0;
    m_pRacePatterns[0].m_fxOffset = m_fDifficultyPosition[0];
    do {
        ENGINE_ASSERT(iPatternIdx < m_iRacePatternsMax);
        if (iPatternIdx >= m_iRacePatternsMax)
            break;
        const int32_t iPatternLevel = DrawDifficulty(iLevel);
        ENGINE_ASSERT(iPatternLevel < m_iLevelNb);
        // Without patterns of the drawn difficulty (none were read) there is
        // nothing to place; a draw in an empty range would pick garbage.
        if (iPatternLevel >= m_iLevelNb || m_iElementsPatternsNb[iPatternLevel] <= 0)
            break;
        RacePatternSlot& slot = m_pRacePatterns[iPatternIdx];
        const uint32_t uPattern = m_oRandom.Below(static_cast<uint32_t>(m_iElementsPatternsNb[iPatternLevel]));
        slot.m_pPattern = &m_pElementsPatterns[iPatternLevel][uPattern];
        if (m_fPatternDistanceMax[iLevel] > 0)
            slot.m_fxOffset += static_cast<fx32>(m_oRandom.Below(static_cast<uint32_t>(m_fPatternDistanceMax[iLevel])));
        fAccumulated += slot.m_fxOffset + m_fPatternHeight;
        if (iLevel < m_iLevelNb - 1 && fAccumulated >= m_fDifficultyPosition[iLevel + 1])
            ++iLevel;
        ++iPatternIdx;
        if (iPatternIdx < m_iRacePatternsMax)
            m_pRacePatterns[iPatternIdx].m_fxOffset = 0;
    } while (m_fPatternDistanceMax[iLevel] + m_fPatternHeight + fAccumulated < m_fRaceLength);
    m_iRacePatternsNb = iPatternIdx;
    return iPatternIdx;
}

void MiniGameRace::ResetElements()
{
    ENGINE_ASSERT(m_iRacePatternsNb <= m_iRacePatternsMax);
    ENGINE_ASSERT(NULL != m_pSpritePool);
    if (m_pSpritePool == nullptr || m_pElements == nullptr || m_pRacePatterns == nullptr)
        return;
    fx32 fTop = 0;
    int32_t iElement = 0;
    const int32_t iSlotNb = std::min(m_iRacePatternsNb, m_iRacePatternsMax);
    for (int32_t iPattern = 0; iPattern < iSlotNb; ++iPattern) {
        const RacePatternSlot& slot = m_pRacePatterns[iPattern];
        if (slot.m_pPattern == nullptr)
            continue;
        fTop = CoreFx::WrapSub(fTop, slot.m_fxOffset);
        const RacePattern& pattern = *slot.m_pPattern;
        for (uint32_t i = 0; i < pattern.m_uElementNb && iElement < m_iElementCapacity; ++i, ++iElement) {
            const int32_t iKind = pattern.m_eTypes[i];
            m_pElements[iElement] = {pattern.m_aPositions[i].x, CoreFx::WrapSub(fTop, pattern.m_aPositions[i].y), iKind,
                                     m_pSpritePool->PickRandomSpriteIndex(iKind), pattern.m_aiOrientations[i]};
        }
        fTop = CoreFx::WrapSub(fTop, m_fPatternHeight);
    }
}

int32_t MiniGameRace::GetLevelFromRacePosition(fx32 fPosition) const
{
    int32_t iFound = 0;
    for (int32_t iLevel = 0; iLevel < m_iLevelNb; ++iLevel) {
        if (m_fDifficultyPosition[iLevel] <= fPosition)
            iFound = iLevel;
    }
    return iFound;
}

void MiniGameRace::Render()
{
    ENGINE_ASSERT(NULL != m_pSpritePool);
    if (m_pSpritePool == nullptr || m_pElements == nullptr)
        return;
    fx32 fDepth = FIRST_DEPTH;
    for (int32_t i = 0; i < m_iElementCapacity; ++i) {
        const RaceElement& element = m_pElements[i];
        if (element.m_iKind == RACE_ELEMENT_TYPE_NONE)
            continue;
        MGSprite* pSprite = m_pSpritePool->GetSprite(element.m_iKind, element.m_iCopy);
        if (pSprite == nullptr || !pSprite->IsInitialized())
            continue;
        const fx32 fTop = CoreFx::WrapSub(element.m_fxY, pSprite->GetPivot().y);
        if (CoreFx::WrapAdd(fTop, pSprite->GetSize().y) <= 0 || fTop >= SCREEN_HEIGHT)
            continue;
        // The sign is set, not toggled: a sprite shared by elements of both
        // orientations must not flip with every element drawn.
        CoreFxVec2 scale = pSprite->GetScale();
        const fx32 fMagnitude = scale.x < 0 ? -scale.x : scale.x;
        scale.x = element.m_iOrientation == 1 ? -fMagnitude : fMagnitude;
        pSprite->SetScale(scale);
        pSprite->SetPivotCentered();
        pSprite->RenderWithPosition({element.m_fxX, element.m_fxY, fDepth});
        fDepth = std::min(fDepth + FX32_ONE, NEAREST_DEPTH);
    }
}

const RacePattern* MiniGameRace::GetPatterns(int32_t iDifficulty) const
{
    return iDifficulty >= 0 && iDifficulty < LEVEL_NB ? m_pElementsPatterns[iDifficulty].get() : nullptr;
}

int32_t MiniGameRace::GetPatternNb(int32_t iDifficulty) const
{
    return iDifficulty >= 0 && iDifficulty < LEVEL_NB ? m_iElementsPatternsNb[iDifficulty] : 0;
}

fx32 MiniGameRace::GetDifficultyPosition(int32_t iLevel) const
{
    return iLevel >= 0 && iLevel < m_iLevelNb ? m_fDifficultyPosition[iLevel] : 0;
}
