#include "Mesh/RefCounted.h"

namespace Platform {

uint32_t RefCounted::Release()
{
    const uint32_t iLeft = --m_iRefCount;
    if (iLeft == 0)
        delete this;
    return iLeft;
}

} // namespace Platform
