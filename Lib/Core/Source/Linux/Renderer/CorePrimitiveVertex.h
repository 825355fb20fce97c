#pragma once
#include <cstdint>

// A vertex of the immediate-mode primitives, in the device's vertex format
// CORE_PRIMITIVE_FVF (position, diffuse colour, one pair of texture
// coordinates): 24 bytes.
struct CorePrimitiveVertex {
    float x;
    float y;
    float z;
    uint32_t colour; // 0xAARRGGBB
    float u;
    float v;
};

static_assert(sizeof(CorePrimitiveVertex) == 24);

constexpr uint32_t CORE_PRIMITIVE_FVF = 0x142;
