#include "MiniGame/Common/SpritePool.h"

#include "Error/EngineAssert.h"
#include "Random/CoreRandom.h"

bool SpritePool::Initialize(int32_t iTypeNb)
{
    const int32_t iPoolSize = POOL_SIZE;
    ENGINE_ASSERT(iTypeNb > 0 && iPoolSize > 0);
    ENGINE_ASSERT(NULL == m_pSprite);
    // A negative count would size the arrays from garbage, and making the
    // pool again would drop sprites that still hold texture counts.
    if (iTypeNb <= 0 || m_pSprite != nullptr)
        return false;
    m_pSprite = std::make_unique<std::unique_ptr<MGSprite[]>[]>(static_cast<size_t>(iTypeNb));
    for (int32_t iType = 0; iType < iTypeNb; ++iType)
        m_pSprite[iType] = std::make_unique<MGSprite[]>(iPoolSize);
    m_iTypeNb = iTypeNb;
    m_iPoolSize = iPoolSize;
    return true;
}

void SpritePool::Shutdown()
{
    ENGINE_ASSERT(NULL != m_pSprite);
    m_pSprite.reset();
    m_iTypeNb = 0;
    m_iPoolSize = 0;
}

MGSprite* SpritePool::GetSprite(int32_t iType, int32_t iIndex)
{
    ENGINE_ASSERT(iType >= 0 && iType < m_iTypeNb);
    ENGINE_ASSERT(iIndex >= 0 && iIndex < m_iPoolSize);
    if (iType < 0 || iType >= m_iTypeNb || iIndex < 0 || iIndex >= m_iPoolSize)
        return nullptr;
    return &m_pSprite[iType][iIndex];
}

int32_t SpritePool::PickRandomSpriteIndex(int32_t iType)
{
    ENGINE_ASSERT(iType >= 0 && iType < m_iTypeNb);
    ENGINE_ASSERT(NULL != m_pSprite);
    return static_cast<int32_t>((uint64_t(CoreRandom::Next()) * static_cast<uint32_t>(m_iPoolSize)) >> 32);
}
