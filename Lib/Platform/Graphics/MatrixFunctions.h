#pragma once
#include "Graphics/Matrix4.h"

// Matrix builders of the graphics device, in its row-vector convention
// (v' = v * M, translation in the fourth row), right-handed, with a depth
// range of 0..1. Each returns pOut; pOut may be one of the inputs.
namespace Platform {

// pM1 * pM2: a point goes through pM1 first, then pM2.
Matrix4* MatrixMultiply(Matrix4* pOut, const Matrix4* pM1, const Matrix4* pM2);

Matrix4* MatrixTranspose(Matrix4* pOut, const Matrix4* pM);

// The view from pEye looking at pAt, pUp giving the upward direction; the
// camera looks down its negative z axis.
Matrix4* MatrixLookAtRH(Matrix4* pOut, const Vector3* pEye, const Vector3* pAt, const Vector3* pUp);

// fovY: the vertical field of view in radians; aspect: width over height.
// View-space z = -zNear maps to depth 0 and z = -zFar to depth 1.
Matrix4* MatrixPerspectiveFovRH(Matrix4* pOut, float fovY, float aspect, float zNear, float zFar);

// x from left to right and y from bottom to top map to -1..1; view-space
// z = -zNear maps to depth 0 and z = -zFar to depth 1.
Matrix4* MatrixOrthoOffCenterRH(Matrix4* pOut, float left, float right, float bottom, float top, float zNear,
                                float zFar);

} // namespace Platform
