#include "Graphics/MatrixFunctions.h"
#include "Maths/CoreFxVec.h"
#include "Maths/CoreMatrix.h"
#include "Maths/CoreVec4.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CoreVec4 Apply(const CoreMatrix& m, const CoreVec4& v)
{
    CoreVec4 out;
    CoreVec4::Transform(&out, &v, &m);
    return out;
}

TEST(CoreMatrixDeviceTest, TransposeHandOversRoundTrip)
{
    const CoreMatrix m = {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}};
    Platform::Matrix4 device;
    CoreMatrix::TransposeToD3D(&device, &m);
    EXPECT_FLOAT_EQ(device.m[3][0], 4.0f);
    EXPECT_FLOAT_EQ(device.m[0][3], 13.0f);
    CoreMatrix back;
    CoreMatrix::TransposeFromD3D(&back, &device);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_FLOAT_EQ(back.m[r][c], m.m[r][c]);
}

TEST(CoreMatrixDeviceTest, ScreenOrthoMapsTheVirtualCornersToClipSpace)
{
    CoreMatrix projection;
    CoreMatrix::OrthoOffCenterRH_DX(&projection, 0, 256 * 4096);
    const CoreVec4 topLeft = Apply(projection, {0, 0, 0, 1});
    const CoreVec4 bottomRight = Apply(projection, {256, 192, 0, 1});
    EXPECT_FLOAT_EQ(topLeft.x, -1.0f);
    EXPECT_FLOAT_EQ(topLeft.y, 1.0f);
    EXPECT_FLOAT_EQ(bottomRight.x, 1.0f);
    EXPECT_FLOAT_EQ(bottomRight.y, -1.0f);

    // A wider window: margins of 32 units either side.
    CoreMatrix::OrthoOffCenterRH_DX(&projection, -32 * 4096, 288 * 4096);
    EXPECT_FLOAT_EQ(Apply(projection, {-32, 0, 0, 1}).x, -1.0f);
    EXPECT_FLOAT_EQ(Apply(projection, {128, 0, 0, 1}).x, 0.0f);
}

TEST(CoreMatrixDeviceTest, PerspectiveTakesTheSineOfTheHalfAngle)
{
    // sin(45 degrees) in fx32: a 90-degree field of view, aspect 2, depth 1..10.
    CoreMatrix projection;
    CoreMatrix::PerspectiveFovRH_DX(&projection, 2896, 2 * 4096, 4096, 10 * 4096);
    // cot(asin(s)) = sqrt(1 - s^2) / s for the fx32 sine s.
    const double sine = 2896.0 / 4096.0;
    const double yScale = std::sqrt(1.0 - sine * sine) / sine;
    EXPECT_NEAR(projection.m[1][1], yScale, 1e-5);
    EXPECT_NEAR(projection.m[0][0], yScale / 2.0, 1e-5);
    EXPECT_FLOAT_EQ(projection.m[3][2], -1.0f);
    const CoreVec4 nearPoint = Apply(projection, {0, 0, -1, 1});
    const CoreVec4 farPoint = Apply(projection, {0, 0, -10, 1});
    EXPECT_NEAR(nearPoint.z / nearPoint.w, 0.0f, 1e-6f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-6f);
}

TEST(CoreMatrixDeviceTest, LookAtIsTheDeviceViewTransposed)
{
    const CoreFxVec eye = {3 * 4096, 0, 0};
    const CoreFxVec target = {0, 0, 0};
    const CoreFxVec up = {0, 0, 4096};
    CoreMatrix view;
    CoreMatrix::LookAtRH_DX(&view, &eye, &target, &up);
    const CoreVec4 seen = Apply(view, {0, 0, 2, 1});
    EXPECT_NEAR(seen.x, 0.0f, 1e-6f);
    EXPECT_NEAR(seen.y, 2.0f, 1e-6f);
    EXPECT_NEAR(seen.z, -3.0f, 1e-6f);
    EXPECT_FLOAT_EQ(view.m[2][3], -3.0f);
}

} // namespace
