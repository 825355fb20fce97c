#include "Random/CoreRandom.h"

uint64_t CoreRandom::s_uX = 0;
uint64_t CoreRandom::s_uMultiplier = CoreRandom::MULTIPLIER;
uint64_t CoreRandom::s_uIncrement = CoreRandom::INCREMENT;
uint64_t CoreRandom::s_uSeed = 0;
uint32_t CoreRandom::s_uCount = 0;

void CoreRandom::Init(uint64_t seed)
{
    s_uX = seed;
    s_uSeed = seed;
    s_uMultiplier = MULTIPLIER;
    s_uIncrement = INCREMENT;
    s_uCount = 0;
}

uint32_t CoreRandom::Next()
{
    ++s_uCount;
    s_uX = s_uX * s_uMultiplier + s_uIncrement;
    return static_cast<uint32_t>(s_uX >> 32);
}

int32_t CoreRandom::Range(int32_t min, int32_t max)
{
    const uint32_t raw = Next();
    const uint32_t span = static_cast<uint32_t>(max) - static_cast<uint32_t>(min);
    const uint32_t offset = span == 0 ? raw : static_cast<uint32_t>((uint64_t(raw) * span) >> 32);
    return static_cast<int32_t>(static_cast<uint32_t>(min) + offset);
}

int32_t CoreRandom::Fraction()
{
    return static_cast<int32_t>((uint64_t(Next()) * 4096) >> 32);
}
