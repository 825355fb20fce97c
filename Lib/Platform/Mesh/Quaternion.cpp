#include "Mesh/Quaternion.h"

#include <cmath>

namespace Platform {

float QuaternionDot(const Quaternion& a, const Quaternion& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

Quaternion QuaternionNormalize(const Quaternion& q)
{
    const float fLength = std::sqrt(QuaternionDot(q, q));
    if (fLength == 0.0f)
        return {0.0f, 0.0f, 0.0f, 1.0f};
    return {q.x / fLength, q.y / fLength, q.z / fLength, q.w / fLength};
}

Quaternion QuaternionSlerp(const Quaternion& a, const Quaternion& b, float t)
{
    float fCos = QuaternionDot(a, b);
    Quaternion end = b;
    if (fCos < 0.0f) {
        fCos = -fCos;
        end = {-b.x, -b.y, -b.z, -b.w};
    }
    float fFrom = 1.0f - t;
    float fTo = t;
    // Nearly equal rotations: the straight line is exact enough and avoids
    // dividing by a vanishing sine.
    if (fCos < 0.9999f) {
        const float fAngle = std::acos(fCos);
        const float fSin = std::sin(fAngle);
        fFrom = std::sin((1.0f - t) * fAngle) / fSin;
        fTo = std::sin(t * fAngle) / fSin;
    }
    return QuaternionNormalize(
        {fFrom * a.x + fTo * end.x, fFrom * a.y + fTo * end.y, fFrom * a.z + fTo * end.z, fFrom * a.w + fTo * end.w});
}

void MatrixFromScaleRotationTranslation(Matrix4* pOut, const Vector3& scale, const Quaternion& rotation,
                                        const Vector3& translation)
{
    const Quaternion& q = rotation;
    // Row r of the row-vector matrix is column r of the column-vector one.
    const float rows[3][3] = {
        {1.0f - 2.0f * (q.y * q.y + q.z * q.z), 2.0f * (q.x * q.y + q.z * q.w), 2.0f * (q.x * q.z - q.y * q.w)},
        {2.0f * (q.x * q.y - q.z * q.w), 1.0f - 2.0f * (q.x * q.x + q.z * q.z), 2.0f * (q.y * q.z + q.x * q.w)},
        {2.0f * (q.x * q.z + q.y * q.w), 2.0f * (q.y * q.z - q.x * q.w), 1.0f - 2.0f * (q.x * q.x + q.y * q.y)},
    };
    const float scales[3] = {scale.x, scale.y, scale.z};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            pOut->m[r][c] = scales[r] * rows[r][c];
        pOut->m[r][3] = 0.0f;
    }
    pOut->m[3][0] = translation.x;
    pOut->m[3][1] = translation.y;
    pOut->m[3][2] = translation.z;
    pOut->m[3][3] = 1.0f;
}

} // namespace Platform
