#include "Maths/CoreFxMtx.h"
#include "Maths/CoreFxVec.h"
#include "Maths/CoreVec4.h"

#include <gtest/gtest.h>

namespace {

void ExpectFxVec(const CoreFxVec& actual, fx32 x, fx32 y, fx32 z)
{
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
    EXPECT_EQ(actual.z, z);
}

TEST(CoreFxVecTest, DotRoundsHalfUp)
{
    EXPECT_EQ(CoreFxVec::Dot({4096, 4096, 4096}, {2048, 2048, 2048}), 6144);
    EXPECT_EQ(CoreFxVec::Dot({1, 0, 0}, {2048, 0, 0}), 1);
    EXPECT_EQ(CoreFxVec::Dot({-1, 0, 0}, {2048, 0, 0}), 0);
    EXPECT_EQ(CoreFxVec::Dot({-1, 0, 0}, {2049, 0, 0}), -1);
}

TEST(CoreFxVecTest, CrossIsRightHandedAndRounded)
{
    CoreFxVec out;
    CoreFxVec::Cross({4096, 0, 0}, {0, 4096, 0}, out);
    ExpectFxVec(out, 0, 0, 4096);
    CoreFxVec::Cross({0, 1, 0}, {0, 0, 2048}, out);
    ExpectFxVec(out, 1, 0, 0);
    CoreFxVec a = {0, 4096, 0};
    CoreFxVec::Cross(a, {4096, 0, 0}, a);
    ExpectFxVec(a, 0, 0, -4096);
}

TEST(CoreFxVecTest, LengthRoundsToNearest)
{
    EXPECT_EQ(CoreFxVec::Length({3 * 4096, 4 * 4096, 0}), 20480);
    EXPECT_EQ(CoreFxVec::Length({1, 0, 0}), 1);
    EXPECT_EQ(CoreFxVec::Length({1, 1, 0}), 1);
    EXPECT_EQ(CoreFxVec::Length({1, 1, 1}), 2);
    EXPECT_EQ(CoreFxVec::Length({0, 0, 0}), 0);
}

TEST(CoreFxVecTest, DistanceTakesDifferencesIn32Bits)
{
    EXPECT_EQ(CoreFxVec::Distance({4096, 4096, 4096}, {4 * 4096, 4096, 5 * 4096}), 20480);
    EXPECT_EQ(CoreFxVec::Distance({INT32_MAX, 0, 0}, {INT32_MIN, 0, 0}), 1);
}

TEST(CoreFxVecTest, NormalizeGoesThroughTheDivideUnit)
{
    CoreFxVec out;
    CoreFxVec::Normalize({0, 0, 8192}, out);
    ExpectFxVec(out, 0, 0, 4096);
    CoreFxVec::Normalize({3 * 4096, 4 * 4096, 0}, out);
    ExpectFxVec(out, 2458, 3277, 0);
    CoreFxVec::Normalize({-4096, 4096, 0}, out);
    ExpectFxVec(out, -2896, 2896, 0);
    CoreFxVec::Normalize({5, -7, 3}, out);
    ExpectFxVec(out, 2221, -3109, 1332);
    // Long vectors keep few bits of 2^56 / sum: the truncation shows.
    CoreFxVec::Normalize({1000 * 4096, 0, 1}, out);
    ExpectFxVec(out, 4095, 0, 0);
}

TEST(CoreFxVecTest, NormalizeInPlaceAndOfTheZeroVector)
{
    CoreFxVec v = {0, 1, 0};
    CoreFxVec::Normalize(v, v);
    ExpectFxVec(v, 0, 4096, 0);
    CoreFxVec zero = {7, 7, 7};
    CoreFxVec::Normalize({0, 0, 0}, zero);
    ExpectFxVec(zero, 0, 0, 0);
}

TEST(CoreFxVecTest, MultAddShiftsTowardMinusInfinity)
{
    CoreFxVec out;
    CoreFxVec::MultAdd(2048, {-1, 1, 4096}, {0, 0, 4096}, out);
    ExpectFxVec(out, -1, 0, 6144);
}

TEST(CoreFxVecTest, FromFxIsAPointInFloats)
{
    CoreVec4 point;
    CoreFxVec::FromFx(point, {6144, -2048, 1});
    EXPECT_FLOAT_EQ(point.x, 1.5f);
    EXPECT_FLOAT_EQ(point.y, -0.5f);
    EXPECT_FLOAT_EQ(point.z, 1.0f / 4096.0f);
    EXPECT_FLOAT_EQ(point.w, 1.0f);
}

TEST(CoreFxMtxTest, RowVectorTimesMatrixWithoutRounding)
{
    // A quarter turn about z for row vectors: rows (c, s, 0), (-s, c, 0), (0, 0, 1).
    const CoreFxMtx33 turn = {{0, 4096, 0, -4096, 0, 0, 0, 0, 4096}};
    CoreFxVec v = {4096, 2048, 4096};
    CoreFxMtx33::MultVec(v, turn, v);
    ExpectFxVec(v, -2048, 4096, 4096);

    const CoreFxMtx33 half = {{2048, 0, 0, 0, 2048, 0, 0, 0, 2048}};
    CoreFxVec out;
    CoreFxMtx33::MultVec({-1, 1, -3}, half, out);
    ExpectFxVec(out, -1, 0, -2);
}

TEST(CoreFxMtxTest, TranslationRowIsAddedAfterTheProduct)
{
    const CoreFxMtx43 m = {{2048, 0, 0, 0, 2048, 0, 0, 0, 2048, 4096, -4096, INT32_MAX}};
    CoreFxVec out;
    CoreFxMtx43::MultVec({-1, 8192, 4096}, m, out);
    ExpectFxVec(out, 4095, 0, INT32_MIN + 2047);
}

} // namespace
