#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// Game logic draws on a virtual screen 256 units wide and 192 high (4:3); the
// back buffer always shows its full height.
constexpr fx32 VIRTUAL_SCREEN_WIDTH = 256 * FX32_ONE;
constexpr fx32 VIRTUAL_SCREEN_HEIGHT = 192 * FX32_ONE;

// The virtual width a back buffer of width x height pixels shows:
// width · 192.0 / height in fx32. The product is formed in 64 bits (in 32 it
// overflows from 5462 pixels wide), a result beyond fx32 is held at its
// largest value, and a height of 0 gives the 4:3 width.
fx32 CoreVisibleScreenWidth(uint32_t width, uint32_t height);
