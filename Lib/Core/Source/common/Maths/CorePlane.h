#pragma once

struct CoreMatrix;

// The plane a*x + b*y + c*z + d*w = 0.
struct CorePlane {
    float a;
    float b;
    float c;
    float d;

    // pOut = pMInvTrans * plane, where pMInvTrans is the inverse transpose of
    // the point transform that moves the plane; pOut may be pPlane.
    static void Transform(CorePlane* pOut, const CorePlane* pPlane, const CoreMatrix* pMInvTrans);
};
