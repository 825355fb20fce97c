#pragma once

struct CoreMatrix;

// Four floats: a homogeneous point or direction.
struct CoreVec4 {
    float x;
    float y;
    float z;
    float w;

    // pOut = pM * pIn (column vector); pIn and pOut must differ.
    static void Transform(CoreVec4* pOut, const CoreVec4* pIn, const CoreMatrix* pM);
    // All four components times s; pOut may be pIn.
    static void Scale(CoreVec4* pOut, const CoreVec4* pIn, float s);
};
