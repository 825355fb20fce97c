#include "MiniGame/Common/MGGauge.h"

#include "Error/EngineAssert.h"
#include "Maths/CoreFxDivide.h"

#include <initializer_list>

void MGGauge::SetSize(const CoreFxVec2& vSize)
{
    ENGINE_ASSERT(vSize.x >= 0 && vSize.y >= 0);
    if (vSize.x >= 0 && vSize.y >= 0)
        m_vSize = vSize;
}

void MGGauge::SetMax(fx32 fMax)
{
    ENGINE_ASSERT(fMax > 0);
    if (fMax <= 0)
        return;
    m_fMax = fMax;
    SetValue(m_fxValue);
}

fx32 MGGauge::SetValue(fx32 value)
{
    ENGINE_ASSERT(m_fMax > 0);
    if (m_fMax <= 0)
        return m_fxValue;
    m_fxValue = value < 0 ? 0 : (value > m_fMax ? m_fMax : value);
    return m_fxValue;
}

uint32_t MGGauge::ComputeFillColor() const
{
    if (m_fMax <= 0)
        return m_uSecondFillColor | 0xFFu;
    const fx32 ratio = CoreFx::Div(m_fxValue, m_fMax);
    uint32_t colour = 0xFFu;
    for (int shift : {24, 16, 8}) {
        const int32_t first = static_cast<int32_t>((m_uFirstFillColor >> shift) & 0xFFu);
        const int32_t second = static_cast<int32_t>((m_uSecondFillColor >> shift) & 0xFFu);
        const int32_t channel = second + static_cast<int32_t>((static_cast<int64_t>(first - second) * ratio) >> 12);
        colour |= (static_cast<uint32_t>(channel) & 0xFFu) << shift;
    }
    return colour;
}

fx32 MGGauge::ComputeFillEnd() const
{
    if (m_fMax <= 0)
        return m_vPosition.x;
    return m_vPosition.x + CoreFx::Div(CoreFx::Mul(m_fxValue, m_vSize.x), m_fMax);
}
