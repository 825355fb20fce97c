#pragma once
#include "Graphics/Matrix4.h"

namespace Platform {

// A rotation quaternion; it turns column vectors by the usual rule
// v' = q v q*.
struct Quaternion {
    float x, y, z, w;
};

// Spherical interpolation along the shorter arc; t in 0..1.
Quaternion QuaternionSlerp(const Quaternion& a, const Quaternion& b, float t);
Quaternion QuaternionNormalize(const Quaternion& q);
float QuaternionDot(const Quaternion& a, const Quaternion& b);

// The row-vector matrix (v' = v * M) that scales, then turns by the
// quaternion, then translates.
void MatrixFromScaleRotationTranslation(Matrix4* pOut, const Vector3& scale, const Quaternion& rotation,
                                        const Vector3& translation);

} // namespace Platform
