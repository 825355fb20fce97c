#include "MiniGame/Common/MiniGameFactory.h"

std::unique_ptr<MiniGame> CreateMiniGame(int32_t, uint32_t)
{
    // The games arrive one by one; until then every id has none.
    return nullptr;
}
