#pragma once
#include <cstdint>

namespace Platform {

// What the graphics calls answer: 0 for success, a negative code otherwise.
enum GraphicsResult : int32_t {
    D3D_OK = 0,
    D3DERR_INVALIDCALL = -1,
    D3DERR_NOTAVAILABLE = -2,
    D3DERR_OUTOFVIDEOMEMORY = -3,
    D3DERR_DEVICELOST = -4,
    D3DERR_DEVICENOTRESET = -5,
    D3DERR_DRIVERINTERNALERROR = -6,
};

constexpr bool Succeeded(GraphicsResult result)
{
    return result >= 0;
}

constexpr bool Failed(GraphicsResult result)
{
    return result < 0;
}

} // namespace Platform
