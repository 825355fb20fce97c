#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// An axis-aligned box on the virtual screen: hit areas, collision boxes and
// drop zones, and drawn filled or as an outline.
class MGRectangle {
public:
    // Negative sizes are refused and leave the size as it was.
    void SetSize(fx32 fWidth, fx32 fHeight);
    // Strictly inside: a point on an edge is outside.
    bool IsPointInside(fx32 x, fx32 y) const;
    // Boxes that only touch intersect.
    bool Intersects(const MGRectangle& other) const;
    void Render() const;

    fx32 m_fxX = 0;
    fx32 m_fxY = 0;
    fx32 m_fxWidth = 0;
    fx32 m_fxHeight = 0;
    uint32_t m_uColor = 0;
    fx32 m_fxDepth = 0;
    bool m_bFilled = false;
};
