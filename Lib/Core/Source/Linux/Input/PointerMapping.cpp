#include "Input/PointerMapping.h"

bool ClientToPointer(int32_t clientX, int32_t clientY, int32_t clientWidth, int32_t clientHeight, int32_t& pointerX,
                     int32_t& pointerY)
{
    if (clientWidth <= 0 || clientHeight <= 0)
        return false;
    if (clientX < 0 || clientX >= clientWidth || clientY < 0 || clientY >= clientHeight)
        return false;
    const int64_t areaWidth = static_cast<int64_t>(clientHeight) * 4 / 3;
    const int64_t margin = (clientWidth - areaWidth) / 2;
    pointerX = static_cast<int32_t>((clientX - margin) * 4096 / areaWidth);
    pointerY = static_cast<int32_t>(static_cast<int64_t>(clientY) * 4096 / clientHeight);
    return true;
}
