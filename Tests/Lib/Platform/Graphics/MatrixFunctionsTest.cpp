#include "Graphics/MatrixFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

void ExpectMatrixNear(const Platform::Matrix4& actual, const Platform::Matrix4& expected)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(actual.m[r][c], expected.m[r][c], 1e-6f) << "at [" << r << "][" << c << "]";
}

// A point as a row vector: v * M.
void TransformPoint(const Platform::Matrix4& m, const float in[4], float out[4])
{
    for (int c = 0; c < 4; ++c)
        out[c] = in[0] * m.m[0][c] + in[1] * m.m[1][c] + in[2] * m.m[2][c] + in[3] * m.m[3][c];
}

const Platform::Matrix4 A = {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}};
const Platform::Matrix4 B = {{{2, 0, 0, 0}, {0, 3, 0, 0}, {1, 0, 1, 0}, {0, 0, 4, 1}}};

TEST(MatrixFunctionsTest, MultiplyIsRowTimesColumnAndMayOverwriteAnInput)
{
    const Platform::Matrix4 expected = {{{5, 6, 19, 4}, {17, 18, 39, 8}, {29, 30, 59, 12}, {41, 42, 79, 16}}};
    Platform::Matrix4 out;
    EXPECT_EQ(Platform::MatrixMultiply(&out, &A, &B), &out);
    ExpectMatrixNear(out, expected);

    Platform::Matrix4 inPlace = A;
    Platform::MatrixMultiply(&inPlace, &inPlace, &B);
    ExpectMatrixNear(inPlace, expected);
    inPlace = B;
    Platform::MatrixMultiply(&inPlace, &A, &inPlace);
    ExpectMatrixNear(inPlace, expected);
}

TEST(MatrixFunctionsTest, TransposeSwapsRowsAndColumnsInPlace)
{
    Platform::Matrix4 m = A;
    Platform::MatrixTranspose(&m, &m);
    ExpectMatrixNear(m, {{{1, 5, 9, 13}, {2, 6, 10, 14}, {3, 7, 11, 15}, {4, 8, 12, 16}}});
}

TEST(MatrixFunctionsTest, LookAtPutsTheTargetOnTheNegativeZAxis)
{
    const Platform::Vector3 eye = {3, 0, 0};
    const Platform::Vector3 target = {0, 0, 0};
    const Platform::Vector3 up = {0, 0, 1};
    Platform::Matrix4 view;
    Platform::MatrixLookAtRH(&view, &eye, &target, &up);
    ExpectMatrixNear(view, {{{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -3, 1}}});

    const float above[4] = {0, 0, 2, 1};
    float transformed[4];
    TransformPoint(view, above, transformed);
    EXPECT_NEAR(transformed[0], 0.0f, 1e-6f);
    EXPECT_NEAR(transformed[1], 2.0f, 1e-6f);
    EXPECT_NEAR(transformed[2], -3.0f, 1e-6f);
}

TEST(MatrixFunctionsTest, LookAtWithATranslatedEye)
{
    const Platform::Vector3 eye = {1, 2, 8};
    const Platform::Vector3 target = {1, 2, 3};
    const Platform::Vector3 up = {0, 1, 0};
    Platform::Matrix4 view;
    Platform::MatrixLookAtRH(&view, &eye, &target, &up);
    ExpectMatrixNear(view, {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {-1, -2, -8, 1}}});
}

TEST(MatrixFunctionsTest, PerspectiveMapsNearToDepthZeroAndFarToOne)
{
    Platform::Matrix4 projection;
    Platform::MatrixPerspectiveFovRH(&projection, std::numbers::pi_v<float> / 2.0f, 2.0f, 1.0f, 10.0f);
    ExpectMatrixNear(projection,
                     {{{0.5f, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -10.0f / 9.0f, -1}, {0, 0, -10.0f / 9.0f, 0}}});

    const float nearPoint[4] = {0, 0, -1, 1};
    const float farPoint[4] = {0, 0, -10, 1};
    float clip[4];
    TransformPoint(projection, nearPoint, clip);
    EXPECT_NEAR(clip[2] / clip[3], 0.0f, 1e-6f);
    TransformPoint(projection, farPoint, clip);
    EXPECT_NEAR(clip[2] / clip[3], 1.0f, 1e-6f);
}

TEST(MatrixFunctionsTest, OrthoOffCenterMapsTheBoxToClipSpace)
{
    Platform::Matrix4 projection;
    Platform::MatrixOrthoOffCenterRH(&projection, -32.0f, 288.0f, 192.0f, 0.0f, 0.0f, 1.0f);
    ExpectMatrixNear(projection,
                     {{{2.0f / 320.0f, 0, 0, 0}, {0, -1.0f / 96.0f, 0, 0}, {0, 0, -1, 0}, {-0.8f, 1, 0, 1}}});

    const float bottomRight[4] = {288, 192, -1, 1};
    float clip[4];
    TransformPoint(projection, bottomRight, clip);
    EXPECT_NEAR(clip[0], 1.0f, 1e-6f);
    EXPECT_NEAR(clip[1], -1.0f, 1e-6f);
    EXPECT_NEAR(clip[2], 1.0f, 1e-6f);
}

} // namespace
