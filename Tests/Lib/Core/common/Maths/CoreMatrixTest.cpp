#include "Maths/CoreFxVec.h"
#include "Maths/CoreMatrix.h"
#include "Maths/CorePlane.h"
#include "Maths/CoreVec4.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

void ExpectVec4Near(const CoreVec4& actual, const CoreVec4& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
    EXPECT_NEAR(actual.w, expected.w, 1e-5f);
}

CoreVec4 Apply(const CoreMatrix& m, const CoreVec4& v)
{
    CoreVec4 out;
    CoreVec4::Transform(&out, &v, &m);
    return out;
}

TEST(CoreMatrixTest, TranslationMovesThePoint)
{
    CoreMatrix translation;
    CoreMatrix::Translation(&translation, 1.0f, 2.0f, 3.0f);
    ExpectVec4Near(Apply(translation, {0, 0, 0, 1}), {1, 2, 3, 1});
    ExpectVec4Near(Apply(translation, {5, 5, 5, 0}), {5, 5, 5, 0});
}

TEST(CoreMatrixTest, ProductAppliesTheRightMatrixFirst)
{
    CoreMatrix translation;
    CoreMatrix scaling;
    CoreMatrix::Translation(&translation, 1.0f, 2.0f, 3.0f);
    CoreMatrix::Scaling(&scaling, 2.0f, 3.0f, 4.0f);
    CoreMatrix product;
    CoreMatrix::Multiply(&product, &translation, &scaling);
    ExpectVec4Near(Apply(product, {1, 1, 1, 1}), {3, 5, 7, 1});

    // The output may be either input.
    CoreMatrix::Multiply(&scaling, &translation, &scaling);
    ExpectVec4Near(Apply(scaling, {1, 1, 1, 1}), {3, 5, 7, 1});
}

TEST(CoreMatrixTest, InverseTimesMatrixIsTheIdentity)
{
    const CoreMatrix m = {{{2, 0, 1, 4}, {1, 3, 0, -2}, {0, 1, 5, 1}, {0.5f, 0, 0, 1}}};
    CoreMatrix inverse;
    CoreMatrix::Inverse(&inverse, &m);
    CoreMatrix product;
    CoreMatrix::Multiply(&product, &inverse, &m);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(product.m[r][c], r == c ? 1.0f : 0.0f, 1e-5f) << r << "," << c;

    CoreMatrix inPlace = m;
    CoreMatrix::Inverse(&inPlace, &inPlace);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_FLOAT_EQ(inPlace.m[r][c], inverse.m[r][c]);
}

TEST(CoreMatrixTest, SingularInverseReportsAndYieldsNonFiniteValues)
{
    CoreMatrix singular;
    CoreMatrix::Scaling(&singular, 1.0f, 0.0f, 1.0f);
    CoreMatrix inverse;
    TestSupport::LogCapture capture;
    CoreMatrix::Inverse(&inverse, &singular);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: det != 0.0f\nmessage:\nWrong determinant"), std::string::npos) << log;
    bool anyNonFinite = false;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            anyNonFinite = anyNonFinite || !std::isfinite(inverse.m[r][c]);
    EXPECT_TRUE(anyNonFinite);
}

TEST(CoreMatrixTest, TranslationToFxRoundsHalvesAwayFromZero)
{
    CoreMatrix m;
    CoreMatrix::Translation(&m, 0.5f / 4096.0f, -0.5f / 4096.0f, 1.25f);
    fx32 x = 0;
    fx32 y = 0;
    fx32 z = 0;
    CoreMatrix::GetTranslationFx(&m, &x, &y, &z);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(z, 5120);

    fx32 onlyZ = 0;
    CoreMatrix::GetTranslationFx(&m, nullptr, nullptr, &onlyZ);
    EXPECT_EQ(onlyZ, 5120);
}

TEST(CoreMatrixTest, TransformCoordRoundsWithoutDividingByW)
{
    CoreMatrix m;
    CoreMatrix::Identity(&m);
    const CoreFxVec unitX = {4096, 0, 0};
    CoreFxVec out;
    CoreTransformCoord(&out, &unitX, &m);
    EXPECT_EQ(out.x, 4096);
    EXPECT_EQ(out.y, 0);
    EXPECT_EQ(out.z, 0);

    CoreMatrix::Scaling(&m, 0.5f, -0.5f, 2.0f);
    m.m[3][3] = 4.0f;
    const CoreFxVec odd = {3, 3, -3};
    CoreTransformCoord(&out, &odd, &m);
    EXPECT_EQ(out.x, 2);
    EXPECT_EQ(out.y, -2);
    EXPECT_EQ(out.z, -6);
}

TEST(CoreMatrixTest, ShadowOfAVerticalLightFlattensOntoTheGround)
{
    const CoreFxVec light = {0, 0, -4096};
    const CorePlane ground = {0, 0, 1, 0};
    CoreMatrix shadow;
    CoreMatrix::Shadow(&shadow, &light, &ground);
    ExpectVec4Near(Apply(shadow, {3, -7, 5, 1}), {-3, 7, 0, -1});
}

TEST(CoreMatrixTest, ShadowProjectsAlongTheLightOntoThePlane)
{
    // The plane z = 2 with a unit normal, lit obliquely.
    const CoreFxVec light = {4096, 2048, -8192};
    const CorePlane plane = {0, 0, 1, -2};
    CoreMatrix shadow;
    CoreMatrix::Shadow(&shadow, &light, &plane);
    const CoreVec4 point = {1, 2, 6, 1};
    CoreVec4 projected = Apply(shadow, point);
    CoreVec4::Scale(&projected, &projected, 1.0f / projected.w);
    // On the plane, and reached from the point along the light (1, 0.5, -2).
    ExpectVec4Near(projected, {3, 3, 2, 1});
}

TEST(CorePlaneTest, TransformMovesThePlaneWithItsPoints)
{
    CoreMatrix move;
    CoreMatrix::Translation(&move, 0.0f, 0.0f, 3.0f);
    CoreMatrix inverse;
    CoreMatrix::Inverse(&inverse, &move);
    CoreMatrix inverseTranspose;
    CoreMatrix::Transpose(&inverseTranspose, &inverse);
    CorePlane plane = {0, 0, -1, 0};
    CorePlane::Transform(&plane, &plane, &inverseTranspose);
    EXPECT_FLOAT_EQ(plane.a, 0.0f);
    EXPECT_FLOAT_EQ(plane.b, 0.0f);
    EXPECT_FLOAT_EQ(plane.c, -1.0f);
    EXPECT_FLOAT_EQ(plane.d, 3.0f);
}

TEST(CoreMatrixTest, NullPointerIsReportedAndLeavesTheOutputAlone)
{
    CoreMatrix out;
    CoreMatrix::Scaling(&out, 7.0f, 7.0f, 7.0f);
    TestSupport::LogCapture capture;
    CoreMatrix::Multiply(&out, nullptr, &out);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: pM1 != NULL\nmessage:\nM1 != NULL"), std::string::npos) << log;
    EXPECT_FLOAT_EQ(out.m[0][0], 7.0f);
}

TEST(CoreVec4Test, AliasedTransformIsReportedButStillRight)
{
    CoreMatrix translation;
    CoreMatrix::Translation(&translation, 1.0f, 0.0f, 0.0f);
    CoreVec4 v = {1, 1, 1, 1};
    TestSupport::LogCapture capture;
    CoreVec4::Transform(&v, &v, &translation);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("message:\npIn != pOut"), std::string::npos) << log;
    ExpectVec4Near(v, {2, 1, 1, 1});
}

} // namespace
