#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

// A named place of a scene that scripts send characters to (a waypoint):
// seven fx32 words in the scene description.
struct Locator {
    CoreFxVec m_vPosition;
    // Kept from the file; nothing reads it.
    int32_t m_iWord3;
    // Radians; the facing a character takes there.
    fx32 m_fOrientation;
    // Kept from the file; nothing reads it.
    int32_t m_iWord5;
    fx32 m_fRadius;
};

constexpr uint32_t LOCATOR_SIZE = 28;
