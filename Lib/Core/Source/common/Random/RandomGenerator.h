#pragma once
#include <cstdint>

// A generator of a mini-game's own: a copy of the global CoreRandom's whole
// record that draws without moving the global state (only the global draw
// count grows with every step, as the core counts all draws).
struct RandomGenerator {
    uint64_t m_uX = 0;
    uint64_t m_uMultiplier = 0;
    uint64_t m_uIncrement = 0;
    uint64_t m_uSeed = 0;
    uint32_t m_uCount = 0;

    // The global generator's record as it stands now.
    static RandomGenerator CopyOfGlobal();

    // The seeding of CoreRandom::Init on this record.
    void Init(int64_t seed);
    // Advances the state and returns the draw's raw value.
    uint32_t Next();
    // A whole number in [min, max); when max equals min the range counts as
    // 2^32 and the raw value is added to min.
    int32_t Range(int32_t min, int32_t max);
    // A draw in [0, n), or the raw value when n is 0.
    uint32_t Below(uint32_t n);
};
