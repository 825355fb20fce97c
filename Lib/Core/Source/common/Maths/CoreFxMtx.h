#pragma once
#include "Maths/CoreFxVec.h"

// fx32 matrices for row vectors (out = v * M), stored row by row. The
// products are summed in 64 bits and shifted right by 12 without rounding.
// out may be the input vector.
struct CoreFxMtx33 {
    fx32 m[9];

    // out.x = (x*m0 + y*m3 + z*m6) >> 12, and so on for y and z.
    static void MultVec(const CoreFxVec& v, const CoreFxMtx33& m, CoreFxVec& out);
};

// A 3 x 3 matrix followed by a translation row (m9, m10, m11).
struct CoreFxMtx43 {
    fx32 m[12];

    // As CoreFxMtx33::MultVec, then the translation added in 32 bits.
    static void MultVec(const CoreFxVec& v, const CoreFxMtx43& m, CoreFxVec& out);
};
