#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// Untextured shapes of the mini-game widgets on the virtual screen, z 0.
namespace MGPrimitives {

// The box (x, y)-(x + width, y + height) as a filled fan of four corners.
void FillBox(fx32 x, fx32 y, fx32 width, fx32 height, uint32_t colour);
// The box's outline: a strip of five points, down the left edge first.
void OutlineBox(fx32 x, fx32 y, fx32 width, fx32 height, uint32_t colour);
// The box's outline: a strip of five points, along the top edge first.
void OutlineBoxClockwise(fx32 x, fx32 y, fx32 width, fx32 height, uint32_t colour);

} // namespace MGPrimitives
