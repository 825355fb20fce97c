#include "MiniGame/Common/MGRectangle.h"

#include "Error/EngineAssert.h"

void MGRectangle::SetSize(fx32 fWidth, fx32 fHeight)
{
    ENGINE_ASSERT(fWidth >= 0 && fHeight >= 0);
    if (fWidth < 0 || fHeight < 0)
        return;
    m_fxWidth = fWidth;
    m_fxHeight = fHeight;
}

bool MGRectangle::IsPointInside(fx32 x, fx32 y) const
{
    return x > m_fxX && x < m_fxX + m_fxWidth && y > m_fxY && y < m_fxY + m_fxHeight;
}

bool MGRectangle::Intersects(const MGRectangle& other) const
{
    return m_fxX + m_fxWidth >= other.m_fxX && m_fxY + m_fxHeight >= other.m_fxY &&
           m_fxX <= other.m_fxX + other.m_fxWidth && m_fxY <= other.m_fxY + other.m_fxHeight;
}
