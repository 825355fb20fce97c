#include "Bytes/LittleEndian.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "MiniGame/Common/MiniGameRace.h"
#include "MiniGame/Common/SpritePool.h"

#include <cstdio>

namespace {

constexpr size_t FILE_HEADER_SIZE = 4;
constexpr size_t PATTERN_HEADER_SIZE = 18;
constexpr size_t PATTERN_WIDTH = 1;
constexpr size_t PATTERN_HEIGHT_FIELD = 5;
constexpr size_t PATTERN_ELEMENT_NB = 17;
constexpr size_t ELEMENT_SIZE = 10;
constexpr fx32 SCREEN_WIDTH = 256 * FX32_ONE;

} // namespace

bool MiniGameRace::RefusePatterns(const char* sFileName, const char* sReason)
{
    CorePrint(&g_oCoreLog, "MiniGameRace::InitializePatterns -- %s refused: %s\n", sFileName, sReason);
    return false;
}

// Every count is checked against the fixed arrays, the pool and the bytes
// left before anything is stored, and a difficulty without patterns is
// refused: the track draws from each difficulty's patterns.
bool MiniGameRace::InitializePatterns(const CoreResource& oResource, const char* sFileName)
{
    for (int32_t iLevel = LEVEL_NB - 1; iLevel >= 0; --iLevel) {
        m_pElementsPatterns[iLevel].reset();
        m_iElementsPatternsNb[iLevel] = 0;
    }
    ResetPatternSlots();
    ENGINE_ASSERT(NULL != m_pSpritePool);
    if (m_pSpritePool == nullptr)
        return RefusePatterns(sFileName, "the race has no sprite pool");
    const uint8_t* pFile = oResource.m_pBuffer;
    const size_t size = pFile != nullptr ? oResource.m_uSize : 0;
    if (size < FILE_HEADER_SIZE)
        return RefusePatterns(sFileName, "too short for its pattern counts");
    char sReason[128];
    const int32_t iPatternNb = pFile[0];
    int32_t iDeclared = 0;
    for (int32_t iLevel = 0; iLevel < LEVEL_NB; ++iLevel) {
        const int32_t iCount = pFile[1 + iLevel];
        if (iCount == 0) {
            std::snprintf(sReason, sizeof sReason, "difficulty %d has no patterns", static_cast<int>(iLevel));
            return RefusePatterns(sFileName, sReason);
        }
        iDeclared += iCount;
    }
    if (iDeclared != iPatternNb) {
        std::snprintf(sReason, sizeof sReason, "%d patterns, but its difficulties count %d",
                      static_cast<int>(iPatternNb), static_cast<int>(iDeclared));
        return RefusePatterns(sFileName, sReason);
    }

    std::unique_ptr<RacePattern[]> apPatterns[LEVEL_NB];
    int32_t aiFilled[LEVEL_NB] = {};
    for (int32_t iLevel = 0; iLevel < LEVEL_NB; ++iLevel)
        apPatterns[iLevel] = std::make_unique<RacePattern[]>(pFile[1 + iLevel]);
    size_t offset = FILE_HEADER_SIZE;
    for (int32_t iPattern = 0; iPattern < iPatternNb; ++iPattern) {
        const auto refuse = [&](const char* sWhat) {
            std::snprintf(sReason, sizeof sReason, "pattern %d %s", static_cast<int>(iPattern), sWhat);
            return RefusePatterns(sFileName, sReason);
        };
        if (size - offset < PATTERN_HEADER_SIZE)
            return refuse("is cut short");
        const uint8_t* pHeader = pFile + offset;
        const int32_t iDifficulty = pHeader[0];
        if (iDifficulty >= LEVEL_NB)
            return refuse("has no difficulty 0..2");
        if (aiFilled[iDifficulty] >= pFile[1 + iDifficulty])
            return refuse("is one more than its difficulty counts");
        if (static_cast<fx32>(ReadWord(pHeader, PATTERN_HEIGHT_FIELD)) != m_fPatternHeight)
            return refuse("is not 480.0 tall");
        const uint32_t uElementNb = pHeader[PATTERN_ELEMENT_NB];
        if (uElementNb > RACE_ELEMENT_MAX)
            return refuse("has more than 86 elements");
        offset += PATTERN_HEADER_SIZE;
        if ((size - offset) / ELEMENT_SIZE < uElementNb)
            return refuse("is cut short");
        // Patterns of any width are centred on the 256-wide screen.
        const fx32 fShift = CoreFx::WrapSub(static_cast<fx32>(ReadWord(pHeader, PATTERN_WIDTH)), SCREEN_WIDTH) / 2;
        RacePattern& pattern = apPatterns[iDifficulty][aiFilled[iDifficulty]++];
        pattern.m_uElementNb = uElementNb;
        for (uint32_t i = 0; i < uElementNb; ++i, offset += ELEMENT_SIZE) {
            const uint8_t* pElement = pFile + offset;
            if (pElement[0] >= m_pSpritePool->GetTypeNb())
                return refuse("has an element of no obstacle kind");
            if (pElement[1] >= ORIENTATION_NB)
                return refuse("has an element of no orientation");
            pattern.m_eTypes[i] = pElement[0];
            pattern.m_aiOrientations[i] = pElement[1];
            pattern.m_aPositions[i] = {CoreFx::WrapSub(static_cast<fx32>(ReadWord(pElement, 2)), fShift),
                                       CoreFx::WrapSub(m_fPatternHeight, static_cast<fx32>(ReadWord(pElement, 6)))};
        }
    }
    for (int32_t iLevel = 0; iLevel < LEVEL_NB; ++iLevel) {
        m_pElementsPatterns[iLevel] = std::move(apPatterns[iLevel]);
        m_iElementsPatternsNb[iLevel] = aiFilled[iLevel];
    }
    return true;
}
