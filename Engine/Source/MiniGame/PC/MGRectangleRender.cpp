#include "MiniGame/Common/MGRectangle.h"

#include "MiniGame/PC/MGPrimitives.h"

void MGRectangle::Render() const
{
    if (m_bFilled)
        MGPrimitives::FillBox(m_fxX, m_fxY, m_fxWidth, m_fxHeight, m_uColor);
    else
        MGPrimitives::OutlineBoxClockwise(m_fxX, m_fxY, m_fxWidth, m_fxHeight, m_uColor);
}
