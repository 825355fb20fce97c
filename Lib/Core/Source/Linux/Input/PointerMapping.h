#pragma once
#include <cstdint>

// Turns a pointer in window client coordinates into 4096ths of the window's
// centred 4:3 picture area (x of its width from its left edge, y of the
// window height). False, leaving the outs untouched, when the pointer lies
// outside the client area or the area is empty. Over the side margins of a
// wide window x is negative or above 4096.
bool ClientToPointer(int32_t clientX, int32_t clientY, int32_t clientWidth, int32_t clientHeight, int32_t& pointerX,
                     int32_t& pointerY);
