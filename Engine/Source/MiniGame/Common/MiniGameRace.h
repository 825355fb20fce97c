#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"
#include "Random/RandomGenerator.h"
#include "Resource/CoreResource.h"

#include <cstdint>
#include <memory>

class SpritePool;

constexpr int32_t RACE_ELEMENT_MAX = 86;
constexpr int32_t RACE_ELEMENT_TYPE_NONE = -1;
constexpr int32_t ORIENTATION_NB = 2;

// One obstacle on the track: its centre on the virtual screen (y negative
// while above the screen), its kind (the pool type, RACE_ELEMENT_TYPE_NONE
// for a free slot), which of the kind's pool sprites draws it, and whether it
// is mirrored (orientation 1).
struct RaceElement {
    fx32 m_fxX;
    fx32 m_fxY;
    int32_t m_iKind;
    int32_t m_iCopy;
    int32_t m_iOrientation;
};

// One hand-made stretch of track, 480.0 tall, as read from the race file:
// positions already centred on the 256-wide screen, y measured down from the
// pattern's top.
struct RacePattern {
    uint32_t m_uElementNb;
    int32_t m_eTypes[RACE_ELEMENT_MAX];
    CoreFxVec2 m_aPositions[RACE_ELEMENT_MAX];
    int32_t m_aiOrientations[RACE_ELEMENT_MAX];
};

// A pattern placed on the track, after an extra distance.
struct RacePatternSlot {
    fx32 m_fxOffset;
    const RacePattern* m_pPattern;
};

// The chase's track: hand-made patterns read from the race file, ten of them
// strung one above the other by weighted random choice (easy ones first,
// harder ones as the run goes on) and turned into a flat list of obstacle
// elements above the top of the screen, which the chase moves down. Draws the
// elements that are on screen with sprites of the pool.
class MiniGameRace {
public:
    static constexpr const char* RACE_FILE_NAME = "minigame/MG_TheChase.race";
    static constexpr int32_t LEVEL_NB = 3;
    static constexpr fx32 RACE_LENGTH = 0x1388000;
    static constexpr fx32 PATTERN_HEIGHT = 0x1E0000;
    static constexpr int32_t RACE_PATTERNS_MAX = RACE_LENGTH / PATTERN_HEIGHT + 1;
    static constexpr int32_t ELEMENT_CAPACITY = RACE_PATTERNS_MAX * RACE_ELEMENT_MAX;
    // The chase's speed per race level, units per second.
    static constexpr fx32 RACE_SPEEDS[LEVEL_NB] = {0x50000, 0x5A000, 0x64000};

    MiniGameRace() = default;
    ~MiniGameRace() = default;
    MiniGameRace(const MiniGameRace&) = delete;
    MiniGameRace& operator=(const MiniGameRace&) = delete;

    // The level tables, the element and slot arrays, and a generator of the
    // race's own: the global one's record seeded again with the clock.
    // Refused (false) without a pool.
    bool Initialize(SpritePool* pSpritePool);
    // Reads the patterns from the race file's bytes. A file whose counts or
    // fields do not fit (see the reader) is refused with a log line naming
    // sFileName, and the race holds no patterns.
    bool InitializePatterns(const CoreResource& oResource, const char* sFileName = RACE_FILE_NAME);
    // Frees the patterns and forgets the pool.
    void FreePatterns();
    void Shutdown();

    // Every element free, no slot in use.
    void ResetPatternSlots();
    // Strings patterns into the slots until the race length is covered;
    // returns how many slots are in use.
    int32_t GenerateRacePatterns();
    // Turns the slots into elements: slot 0 just above the screen, each next
    // slot 480.0 higher.
    void ResetElements();
    // The highest level whose start is at or below the position; 0 for none.
    int32_t GetLevelFromRacePosition(fx32 fPosition) const;
    // Draws the elements that overlap the screen, later ones nearer.
    void Render();

    RaceElement* GetElements() { return m_pElements.get(); }
    int32_t GetElementCapacity() const { return m_iElementCapacity; }
    const RacePatternSlot* GetRacePatterns() const { return m_pRacePatterns.get(); }
    int32_t GetRacePatternsNb() const { return m_iRacePatternsNb; }
    int32_t GetRacePatternsMax() const { return m_iRacePatternsMax; }
    // The patterns of one difficulty (0 easy .. 2 hard), and how many.
    const RacePattern* GetPatterns(int32_t iDifficulty) const;
    int32_t GetPatternNb(int32_t iDifficulty) const;
    fx32 GetDifficultyPosition(int32_t iLevel) const;
    // The race's own generator: tests seed it to build a known track.
    RandomGenerator& GetRandom() { return m_oRandom; }

private:
    // Why a race file is refused, logged with its name; the race keeps no
    // patterns.
    bool RefusePatterns(const char* sFileName, const char* sReason);
    int32_t DrawDifficulty(int32_t iLevel);

    std::unique_ptr<RaceElement[]> m_pElements;
    int32_t m_iElementCapacity = 0;
    SpritePool* m_pSpritePool = nullptr;
    RandomGenerator m_oRandom;
    int32_t m_iLevelNb = 0;
    fx32 m_fDifficultyPosition[LEVEL_NB] = {};
    fx32 m_fPatternDistanceMax[LEVEL_NB] = {};
    // Per level, the weight of each pattern difficulty.
    fx32 m_fDifficultyWeights[LEVEL_NB][LEVEL_NB] = {};
    fx32 m_fRaceLength = 0;
    fx32 m_fPatternHeight = 0;
    std::unique_ptr<RacePatternSlot[]> m_pRacePatterns;
    int32_t m_iRacePatternsMax = 0;
    int32_t m_iRacePatternsNb = 0;
    std::unique_ptr<RacePattern[]> m_pElementsPatterns[LEVEL_NB];
    int32_t m_iElementsPatternsNb[LEVEL_NB] = {};
};
