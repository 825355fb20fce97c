#include "Random/RandomGenerator.h"

#include "Random/CoreRandom.h"

RandomGenerator RandomGenerator::CopyOfGlobal()
{
    return {CoreRandom::s_uX, CoreRandom::s_uMultiplier, CoreRandom::s_uIncrement, CoreRandom::s_uSeed,
            CoreRandom::s_uCount};
}

void RandomGenerator::Init(int64_t seed)
{
    m_uX = static_cast<uint64_t>(seed);
    m_uSeed = static_cast<uint64_t>(seed);
    m_uMultiplier = CoreRandom::MULTIPLIER;
    m_uIncrement = CoreRandom::INCREMENT;
    m_uCount = 0;
}

uint32_t RandomGenerator::Next()
{
    ++m_uCount;
    ++CoreRandom::s_uCount;
    m_uX = m_uX * m_uMultiplier + m_uIncrement;
    return static_cast<uint32_t>(m_uX >> 32);
}

int32_t RandomGenerator::Range(int32_t min, int32_t max)
{
    const uint32_t span = static_cast<uint32_t>(max) - static_cast<uint32_t>(min);
    return static_cast<int32_t>(static_cast<uint32_t>(min) + Below(span));
}

uint32_t RandomGenerator::Below(uint32_t n)
{
    const uint32_t raw = Next();
    return n == 0 ? raw : static_cast<uint32_t>((uint64_t(raw) * n) >> 32);
}
