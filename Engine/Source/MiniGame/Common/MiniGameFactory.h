#pragma once
#include "MiniGame/Common/MiniGame.h"

#include <cstdint>
#include <memory>

// Mini-game ids: the splash sequence, the credits and the six games.
constexpr int32_t MINIGAME_SPLASH = 0;
constexpr int32_t MINIGAME_CREDITS = 1;
constexpr int32_t MINIGAME_WOODEN_SWORD_DUEL = 2;
constexpr int32_t MINIGAME_LAST = 7;
constexpr int32_t MINIGAME_NONE = 9;

// Makes the mini-game of the id (the splash sequence from its start step);
// null for an id whose game this build does not hold.
using MiniGameFactory = std::unique_ptr<MiniGame> (*)(int32_t iId, uint32_t uStartStep);
std::unique_ptr<MiniGame> CreateMiniGame(int32_t iId, uint32_t uStartStep);
