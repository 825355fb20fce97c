#include "MiniGame/Common/MGGauge.h"

#include "Error/EngineAssert.h"
#include "MiniGame/PC/MGPrimitives.h"

void MGGauge::Render() const
{
    ENGINE_ASSERT(m_fMax > 0);
    if (m_fMax <= 0)
        return;
    uint32_t fill = m_uSecondFillColor;
    if (m_iColorMode == COLOR_FIRST)
        fill = m_uFirstFillColor;
    else if (m_iColorMode == COLOR_BLEND)
        fill = ComputeFillColor();
    const fx32 x = m_vPosition.x;
    const fx32 y = m_vPosition.y;
    MGPrimitives::FillBox(x, y, m_vSize.x, m_vSize.y, m_uBackgroundColor);
    MGPrimitives::FillBox(x, y, ComputeFillEnd() - x, m_vSize.y, fill);
    MGPrimitives::OutlineBox(x, y, m_vSize.x, m_vSize.y, m_uBorderColor);
}
