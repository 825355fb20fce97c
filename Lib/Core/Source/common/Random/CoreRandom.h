#pragma once
#include <cstdint>

// The game's one pseudo-random generator: a 64-bit linear congruential
// generator seeded once at start-up; a draw is the high half of the new state.
// Its fields are open so that code may draw by hand, as the helpers do.
class CoreRandom {
public:
    static constexpr uint64_t MULTIPLIER = 0x5D588B656C078965ULL;
    static constexpr uint64_t INCREMENT = 2531011ULL;

    static void Init(uint64_t seed);

    // Advances the state and returns the draw's raw value.
    static uint32_t Next();
    // A whole number in [min, max); when max equals min the range counts as
    // 2^32 and the raw value is added to min.
    static int32_t Range(int32_t min, int32_t max);
    // A 20.12 fraction in [0, 4096).
    static int32_t Fraction();

    static uint64_t s_uX;
    static uint64_t s_uMultiplier;
    static uint64_t s_uIncrement;
    static uint64_t s_uSeed;
    static uint32_t s_uCount;
};
