#pragma once
#include "MiniGame/Common/MGSprite.h"

#include <cstdint>
#include <memory>

// The obstacle sprites of the race track: a fixed set of sprites per
// obstacle kind, so that several elements of one kind can be on screen at
// once with their own scale and pivot. The pool only holds the sprites; its
// owner initialises and shuts them down.
class SpritePool {
public:
    static constexpr int32_t POOL_SIZE = 5;

    SpritePool() = default;
    ~SpritePool() = default;
    SpritePool(const SpritePool&) = delete;
    SpritePool& operator=(const SpritePool&) = delete;

    // POOL_SIZE default sprites for each of iTypeNb kinds. A count below 1,
    // or a pool already made, is refused (false) after the assert.
    bool Initialize(int32_t iTypeNb);
    // Frees the sprites; the counts fall to 0.
    void Shutdown();
    // The sprite iIndex of kind iType; null (after the assert) outside the
    // pool.
    MGSprite* GetSprite(int32_t iType, int32_t iIndex);
    // One step of the global generator scaled to [0, POOL_SIZE).
    int32_t PickRandomSpriteIndex(int32_t iType);
    int32_t GetTypeNb() const { return m_iTypeNb; }
    int32_t GetPoolSize() const { return m_iPoolSize; }

private:
    std::unique_ptr<std::unique_ptr<MGSprite[]>[]> m_pSprite;
    int32_t m_iTypeNb = 0;
    int32_t m_iPoolSize = 0;
};
