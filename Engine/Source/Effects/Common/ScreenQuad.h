#pragma once
#include <cstdint>

// Draws one untextured quad in the colour (0xRRGGBBAA) over the whole window
// in the 2D screen projection, side margins of a wide window included.
// Nothing without a renderer.
void DrawScreenQuad(uint32_t uColour);
