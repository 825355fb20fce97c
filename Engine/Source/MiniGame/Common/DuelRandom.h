#pragma once
#include "Random/CoreRandom.h"

#include <cstdint>

// A mini-game's own copy of the game's random generator: it starts as the
// global one stands and then draws on its own, so the game's draws do not
// move the global sequence.
class DuelRandom {
public:
    void CopyGlobal()
    {
        m_uX = CoreRandom::s_uX;
        m_uMultiplier = CoreRandom::s_uMultiplier;
        m_uIncrement = CoreRandom::s_uIncrement;
        m_uSeed = CoreRandom::s_uSeed;
        m_uCount = CoreRandom::s_uCount;
    }
    void Init(uint64_t seed)
    {
        m_uX = seed;
        m_uSeed = seed;
        m_uMultiplier = CoreRandom::MULTIPLIER;
        m_uIncrement = CoreRandom::INCREMENT;
        m_uCount = 0;
    }
    // The raw draw: the high half of the next state.
    uint32_t Next()
    {
        ++m_uCount;
        m_uX = m_uX * m_uMultiplier + m_uIncrement;
        return static_cast<uint32_t>(m_uX >> 32);
    }
    // A whole number in [min, max); for max equal to min the raw draw is
    // added to min.
    int64_t GetRange(int32_t min, int32_t max)
    {
        const uint32_t raw = Next();
        if (max == min)
            return int64_t {min} + raw;
        const uint64_t span = static_cast<uint32_t>(max - min);
        return int64_t {min} + static_cast<int64_t>((uint64_t {raw} * span) >> 32);
    }
    uint64_t GetSeed() const { return m_uSeed; }

private:
    uint64_t m_uX = 0;
    uint64_t m_uMultiplier = CoreRandom::MULTIPLIER;
    uint64_t m_uIncrement = CoreRandom::INCREMENT;
    uint64_t m_uSeed = 0;
    uint32_t m_uCount = 0;
};
