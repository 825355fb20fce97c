#include "Graphics/MatrixFunctions.h"

#include <cmath>

namespace Platform {

namespace {

Vector3 Subtract(const Vector3& a, const Vector3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(const Vector3& a, const Vector3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// A zero vector stays zero rather than turning into NaNs.
Vector3 Normalize(const Vector3& v)
{
    const float length = std::sqrt(Dot(v, v));
    if (length == 0.0f)
        return v;
    return {v.x / length, v.y / length, v.z / length};
}

} // namespace

Matrix4* MatrixMultiply(Matrix4* pOut, const Matrix4* pM1, const Matrix4* pM2)
{
    Matrix4 result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.m[r][c] = pM1->m[r][0] * pM2->m[0][c] + pM1->m[r][1] * pM2->m[1][c] + pM1->m[r][2] * pM2->m[2][c] +
                             pM1->m[r][3] * pM2->m[3][c];
    *pOut = result;
    return pOut;
}

Matrix4* MatrixTranspose(Matrix4* pOut, const Matrix4* pM)
{
    Matrix4 result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.m[r][c] = pM->m[c][r];
    *pOut = result;
    return pOut;
}

Matrix4* MatrixLookAtRH(Matrix4* pOut, const Vector3* pEye, const Vector3* pAt, const Vector3* pUp)
{
    const Vector3 zAxis = Normalize(Subtract(*pEye, *pAt));
    const Vector3 xAxis = Normalize(Cross(*pUp, zAxis));
    const Vector3 yAxis = Cross(zAxis, xAxis);
    *pOut = {{
        {xAxis.x, yAxis.x, zAxis.x, 0.0f},
        {xAxis.y, yAxis.y, zAxis.y, 0.0f},
        {xAxis.z, yAxis.z, zAxis.z, 0.0f},
        {-Dot(xAxis, *pEye), -Dot(yAxis, *pEye), -Dot(zAxis, *pEye), 1.0f},
    }};
    return pOut;
}

Matrix4* MatrixPerspectiveFovRH(Matrix4* pOut, float fovY, float aspect, float zNear, float zFar)
{
    const float yScale = 1.0f / std::tan(fovY / 2.0f);
    const float xScale = yScale / aspect;
    const float depthRange = zNear - zFar;
    *pOut = {{
        {xScale, 0.0f, 0.0f, 0.0f},
        {0.0f, yScale, 0.0f, 0.0f},
        {0.0f, 0.0f, zFar / depthRange, -1.0f},
        {0.0f, 0.0f, zNear * zFar / depthRange, 0.0f},
    }};
    return pOut;
}

Matrix4* MatrixOrthoOffCenterRH(Matrix4* pOut, float left, float right, float bottom, float top, float zNear,
                                float zFar)
{
    *pOut = {{
        {2.0f / (right - left), 0.0f, 0.0f, 0.0f},
        {0.0f, 2.0f / (top - bottom), 0.0f, 0.0f},
        {0.0f, 0.0f, 1.0f / (zNear - zFar), 0.0f},
        {(left + right) / (left - right), (top + bottom) / (bottom - top), zNear / (zNear - zFar), 1.0f},
    }};
    return pOut;
}

} // namespace Platform
