#pragma once
#include "Graphics/Matrix4.h"
#include "Maths/Fx32.h"

struct CoreFxVec;
struct CorePlane;

// A single-precision 4 x 4 matrix applied to column vectors (v' = M * v),
// stored row by row: m[r][c]. A translation lives in the last column and
// M1 * M2 applies M2 first. This is the transpose of the graphics device's
// Platform::Matrix4 for the same transform; every hand-over transposes.
//
// Every routine asserts its pointer arguments and does nothing when one is
// null. Outputs may alias inputs unless noted.
struct CoreMatrix {
    float m[4][4];

    static void Identity(CoreMatrix* pOut);
    static void Scaling(CoreMatrix* pOut, float sx, float sy, float sz);
    static void Translation(CoreMatrix* pOut, float tx, float ty, float tz);
    static void Transpose(CoreMatrix* pOut, const CoreMatrix* pM);
    // pM1 * pM2: applies pM2 first.
    static void Multiply(CoreMatrix* pOut, const CoreMatrix* pM1, const CoreMatrix* pM2);
    // The inverse by cofactors; a zero determinant is asserted ("Wrong
    // determinant") and gives non-finite values.
    static void Inverse(CoreMatrix* pOut, const CoreMatrix* pM);
    // The planar projection along the light direction (an fx32 vector, w 0)
    // onto the plane; exact for a plane with a unit normal.
    static void Shadow(CoreMatrix* pOut, const CoreFxVec* pLight, const CorePlane* pPlane);
    // The translation column as fx32, rounded half away from zero; each
    // output is optional.
    static void GetTranslationFx(const CoreMatrix* pM, fx32* pX, fx32* pY, fx32* pZ);

    // Hand-overs to and from the graphics device's row-vector matrices.
    static void TransposeToD3D(Platform::Matrix4* pOut, const CoreMatrix* pM);
    static void TransposeFromD3D(CoreMatrix* pOut, const Platform::Matrix4* pM);

    // The device's right-handed builders, transposed into column-vector form.
    // The 2D screen: x from left / 4096 to right / 4096, y from 0 (top) to
    // 192 (bottom), depth 0..1.
    static void OrthoOffCenterRH_DX(CoreMatrix* pOut, fx32 left, fx32 right);
    // Vertical field of view 2 * asin(sinHalfFov / 4096); the other values
    // are fx32.
    static void PerspectiveFovRH_DX(CoreMatrix* pOut, fx32 sinHalfFov, fx32 aspect, fx32 zNear, fx32 zFar);
    static void LookAtRH_DX(CoreMatrix* pOut, const CoreFxVec* pCamPos, const CoreFxVec* pCamTarget,
                            const CoreFxVec* pCamUp);
};

// The fx32 point pM * (v / 4096, 1), each of x, y, z times 4096 rounded half
// away from zero; no division by w.
void CoreTransformCoord(CoreFxVec* pOut, const CoreFxVec* pV, const CoreMatrix* pM);
