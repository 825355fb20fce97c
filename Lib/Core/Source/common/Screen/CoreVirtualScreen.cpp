#include "Screen/CoreVirtualScreen.h"

fx32 CoreVisibleScreenWidth(uint32_t width, uint32_t height)
{
    if (height == 0)
        return VIRTUAL_SCREEN_WIDTH;
    const uint64_t visible = static_cast<uint64_t>(width) * static_cast<uint64_t>(VIRTUAL_SCREEN_HEIGHT) / height;
    return visible > static_cast<uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<fx32>(visible);
}
