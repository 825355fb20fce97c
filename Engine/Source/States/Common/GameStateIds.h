#pragma once
#include <cstdint>

// The game states by id: the slot of the state manager that holds each.
constexpr uint16_t STATE_ID_NONE = 0x7FFF;
constexpr uint16_t STATE_ID_MAIN = 1;
constexpr uint16_t STATE_ID_MINIGAME = 2;
constexpr uint16_t STATE_ID_MOVIE = 3;
constexpr uint16_t STATE_ID_DISPATCH = 4;
constexpr uint16_t STATE_ID_CARD_CHECK = 5;
