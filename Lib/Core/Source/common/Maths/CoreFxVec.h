#pragma once
#include "Maths/Fx32.h"

struct CoreVec4;

// Two fx32 numbers: sizes, scales and pivots of the 2D widgets.
struct CoreFxVec2 {
    fx32 x;
    fx32 y;
};

// Three fx32 numbers: a point or a direction.
struct CoreFxVec {
    fx32 x;
    fx32 y;
    fx32 z;

    // (a.x*b.x + a.y*b.y + a.z*b.z + 2048) >> 12, summed in 64 bits.
    static fx32 Dot(const CoreFxVec& a, const CoreFxVec& b);
    // a x b, each component a 64-bit difference of products + 2048 >> 12.
    // out may be a or b.
    static void Cross(const CoreFxVec& a, const CoreFxVec& b, CoreFxVec& out);
    // The length rounded to nearest: (Sqrt64(4 * sum of squares) + 1) >> 1.
    static fx32 Length(const CoreFxVec& v);
    // Length(b - a), the differences taken in 32 bits.
    static fx32 Distance(const CoreFxVec& a, const CoreFxVec& b);
    // v / |v| through the divide unit; a zero vector gives the zero vector.
    // out may be v.
    static void Normalize(const CoreFxVec& v, CoreFxVec& out);
    // out = a + ((v * s) >> 12) per component, the shift without rounding.
    // out may be v or a.
    static void MultAdd(fx32 s, const CoreFxVec& v, const CoreFxVec& a, CoreFxVec& out);
    // The float point (x / 4096, y / 4096, z / 4096, 1).
    static void FromFx(CoreVec4& out, const CoreFxVec& v);
};
