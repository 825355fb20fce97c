#pragma once
#include "Maths/CoreFxVec.h"

#include <cstdint>

// A horizontal bar: a background, a fill in proportion to the value, and a
// border, drawn without texture.
class MGGauge {
public:
    enum ColorMode : int32_t {
        COLOR_FIRST = 0,
        COLOR_SECOND = 1,
        COLOR_BLEND = 2
    };

    void SetSize(const CoreFxVec2& vSize);
    // A maximum of 0 or below is refused.
    void SetMax(fx32 fMax);
    // Stores the value kept within 0..maximum and returns it.
    fx32 SetValue(fx32 value);
    fx32 GetValue() const { return m_fxValue; }
    fx32 GetMax() const { return m_fMax; }
    // The fill between the second colour (empty) and the first (full).
    uint32_t ComputeFillColor() const;
    // The fill's right edge for the value.
    fx32 ComputeFillEnd() const;
    void Render() const;

    uint32_t m_uBackgroundColor = 0x00000077;
    uint32_t m_uFirstFillColor = 0x00FF00FF;
    uint32_t m_uSecondFillColor = 0xFF0000FF;
    uint32_t m_uBorderColor = 0xFFFFFFFF;
    CoreFxVec m_vPosition {0, 0, 0};
    CoreFxVec2 m_vSize {0x100000, 0xA000};
    fx32 m_fMax = -1;
    fx32 m_fxValue = -1;
    int32_t m_iColorMode = COLOR_FIRST;
    int32_t m_iDirection = 1;
};
