#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// A frame's milliseconds as fx32 seconds, as the mini-games count time:
// (ms << 12) / 1000 in unsigned 32-bit arithmetic.
inline fx32 MiniGameSeconds(uint32_t dtMs)
{
    return static_cast<fx32>((dtMs << FX32_SHIFT) / 1000u);
}
