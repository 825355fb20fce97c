// Point, height, ray and crossing queries of the walk mesh on hand-made
// triangles.
#include "3D/Common/WalkMesh.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr fx32 ONE = FX32_ONE;

// A mesh that owns a copy of the triangles.
void Fill(WalkMesh& mesh, const std::vector<WalkMeshTriangle>& triangles)
{
    mesh.Release();
    mesh.m_pTriangles = std::make_unique<WalkMeshTriangle[]>(triangles.size());
    std::copy(triangles.begin(), triangles.end(), mesh.m_pTriangles.get());
    mesh.m_iNumTriangles = static_cast<int32_t>(triangles.size());
}

// A triangle far from the origin, so that it contains none of the points
// tried here.
WalkMeshTriangle Elsewhere(int32_t index)
{
    const fx32 x = (100 + 10 * index) * ONE;
    return {{{x, 0, 0}, {x + ONE, 0, 0}, {x, ONE, 0}}};
}

TEST(WalkMeshGeometryTest, PointsAreFoundInTheFirstTriangleThatHoldsThem)
{
    std::vector<WalkMeshTriangle> triangles;
    for (int32_t index = 0; index < 8; ++index)
        triangles.push_back(Elsewhere(index));
    // Triangles 3 and 7 share the edge from (0, 0) to (1, 1); 7 is higher.
    triangles[3] = {{{0, 0, 0}, {ONE, 0, 0}, {ONE, ONE, 0}}};
    triangles[7] = {{{0, 0, ONE}, {ONE, ONE, ONE}, {0, ONE, ONE}}};
    struct Case {
        CoreFxVec point;
        bool found;
        int32_t index;
        fx32 height;
    };
    const Case cases[] = {
        {{ONE / 2, ONE / 2, 0}, true, 3, 0},       // on the shared edge: the lower index
        {{ONE / 4, 3 * ONE / 4, 0}, true, 7, ONE}, // only in 7
        {{ONE, 0, 0}, true, 3, 0},                 // a corner
        {{2 * ONE, 2 * ONE, 0}, false, -5, -5},    // outside every triangle
        {{-1, ONE / 2, 0}, false, -5, -5},         // just left of triangle 7
    };
    for (const Case& c : cases) {
        int32_t index = -5;
        fx32 height = -5;
        EXPECT_EQ(WalkMesh::FindTriangle(c.point, triangles.data(), 8, &height, &index), c.found) << c.point.x;
        EXPECT_EQ(index, c.index) << c.point.x;
        EXPECT_EQ(height, c.height) << c.point.x;
    }
    EXPECT_FALSE(WalkMesh::FindTriangle({0, 0, 0}, triangles.data(), 0, nullptr, nullptr));
}

TEST(WalkMeshGeometryTest, HeightFollowsTheTrianglesPlane)
{
    const WalkMeshTriangle slope[] = {{{{0, 0, 0}, {ONE, 0, 0}, {0, ONE, ONE}}}};
    fx32 height = 0;
    ASSERT_TRUE(WalkMesh::FindTriangle({1024, 1024, 0}, slope, 1, &height, nullptr));
    EXPECT_EQ(height, 1024);
    ASSERT_TRUE(WalkMesh::FindTriangle({0, ONE, 0}, slope, 1, &height, nullptr));
    EXPECT_EQ(height, ONE);
}

TEST(WalkMeshGeometryTest, TrianglesWithoutAreaNeverDivideByZero)
{
    // Collinear corners, and a triangle too small for the fx32 products.
    const WalkMeshTriangle line[] = {{{{0, 0, 0}, {ONE, 0, 2 * ONE}, {2 * ONE, 0, 4 * ONE}}}};
    const WalkMeshTriangle speck[] = {{{{0, 0, 3}, {1, 0, 6}, {0, 1, 9}}}};
    fx32 onLine = 0;
    fx32 onSpeck = 0;
    WalkMesh mesh;
    Fill(mesh, {{{{0, 0, 0}, {ONE, 0, 0}, {2 * ONE, 0, 0}}}});
    CoreFxVec direction = {ONE, 2 * ONE, 0};
    TestSupport::LogCapture capture;
    const bool foundOnLine = WalkMesh::FindTriangle({ONE, 0, 0}, line, 1, &onLine, nullptr);
    const bool foundOnSpeck = WalkMesh::FindTriangle({0, 0, 0}, speck, 1, &onSpeck, nullptr);
    const bool projected = mesh.ProjectOnTrianglePlane(0, direction);
    EXPECT_EQ(capture.Take(), "");
    EXPECT_TRUE(foundOnLine);
    EXPECT_TRUE(foundOnSpeck);
    EXPECT_TRUE(projected);
    EXPECT_EQ(onLine, 2 * ONE);
    EXPECT_EQ(onSpeck, 6);
    EXPECT_EQ(direction.x, ONE);
    EXPECT_EQ(direction.y, 2 * ONE);
}

TEST(WalkMeshGeometryTest, CentresAreIntegerMeansTruncatedTowardZero)
{
    WalkMesh mesh;
    Fill(mesh, {{{{-4, 5, -1}, {0, 0, 0}, {0, 0, 0}}}});
    const CoreFxVec centre = mesh.GetBarycenter(0);
    EXPECT_EQ(centre.x, -1);
    EXPECT_EQ(centre.y, 1);
    EXPECT_EQ(centre.z, 0);
    const CoreFxVec none = mesh.GetBarycenter(1);
    EXPECT_EQ(none.x, 0);
    EXPECT_EQ(none.y, 0);
}

TEST(WalkMeshGeometryTest, DirectionsAreTiltedAlongTheSlope)
{
    WalkMesh mesh;
    // The plane z = x.
    Fill(mesh, {{{{0, 0, 0}, {ONE, 0, ONE}, {0, ONE, 0}}}});
    CoreFxVec direction = {ONE, 0, 0};
    ASSERT_TRUE(mesh.ProjectOnTrianglePlane(0, direction));
    EXPECT_NEAR(direction.x, ONE / 2, 4);
    EXPECT_NEAR(direction.y, 0, 4);
    EXPECT_NEAR(direction.z, ONE / 2, 4);
    CoreFxVec along = {0, ONE, 0};
    ASSERT_TRUE(mesh.ProjectOnTrianglePlane(0, along));
    EXPECT_NEAR(along.y, ONE, 4);
    CoreFxVec untouched = {7, 8, 9};
    EXPECT_FALSE(mesh.ProjectOnTrianglePlane(1, untouched));
    EXPECT_EQ(untouched.x, 7);
}

TEST(WalkMeshGeometryTest, PointsDropOntoTheNearestTriangleBelow)
{
    WalkMesh mesh;
    const WalkMeshTriangle ground = {{{-8 * ONE, -8 * ONE, 0}, {8 * ONE, -8 * ONE, 0}, {0, 8 * ONE, 0}}};
    const WalkMeshTriangle shelf = {{{ONE, ONE, 2 * ONE}, {3 * ONE, ONE, 2 * ONE}, {ONE, 3 * ONE, 2 * ONE}}};
    Fill(mesh, {ground, shelf});
    struct Case {
        CoreFxVec point;
        bool found;
        fx32 z;
    };
    const Case cases[] = {
        {{0, 0, ONE}, true, 0},                               // 1.0 above the ground
        {{0, 0, -ONE}, false, -ONE},                          // below it
        {{0, 0, 0}, false, 0},                                // on it: not strictly below
        {{3 * ONE / 2, 3 * ONE / 2, 5 * ONE}, true, 2 * ONE}, // the shelf is nearer than the ground
        {{3 * ONE / 2, 3 * ONE / 2, ONE}, true, 0},           // under the shelf
        {{20 * ONE, 0, ONE}, false, ONE},                     // beside everything
    };
    for (const Case& c : cases) {
        CoreFxVec out = c.point;
        EXPECT_EQ(mesh.ProjectDown(c.point, out), c.found) << c.point.z;
        EXPECT_EQ(out.x, c.point.x);
        EXPECT_EQ(out.y, c.point.y);
        EXPECT_EQ(out.z, c.z) << c.point.z;
    }
    // A slanted ray hits the shelf's underside too: both faces count.
    CoreFxVec hit = {};
    ASSERT_TRUE(mesh.RayCast({{3 * ONE / 2, 3 * ONE / 2, ONE}, {0, 0, ONE}}, hit));
    EXPECT_EQ(hit.z, 2 * ONE);
    ASSERT_TRUE(mesh.RayCast({{-4 * ONE, 0, 4 * ONE}, {ONE, 0, -ONE}}, hit));
    EXPECT_NEAR(hit.x, 0, 2);
    EXPECT_NEAR(hit.z, 0, 2);
}

TEST(WalkMeshGeometryTest, RaysAlongTheTriangleMissWithoutDividingByZero)
{
    WalkMesh mesh;
    Fill(mesh, {{{{0, 0, 0}, {4 * ONE, 0, 0}, {0, 4 * ONE, 0}}}});
    // Parallel to the plane, along the second edge, and without direction.
    const WalkMeshRay misses[] = {
        {{ONE, ONE, ONE}, {ONE, 0, 0}},
        {{ONE, -ONE, 0}, {0, ONE, 0}},
        {{ONE, ONE, ONE}, {0, 0, 0}},
    };
    for (const WalkMeshRay& ray : misses) {
        TestSupport::LogCapture capture;
        const fx32 t = mesh.IntersectRayTriangle(0, ray);
        EXPECT_EQ(capture.Take(), "");
        EXPECT_EQ(t, -ONE);
    }
    EXPECT_EQ(mesh.IntersectRayTriangle(1, {{ONE, ONE, ONE}, {0, 0, -ONE}}), -ONE);
    EXPECT_EQ(mesh.IntersectRayTriangle(0, {{ONE, ONE, 3 * ONE}, {0, 0, -ONE}}), 3 * ONE);
}

TEST(WalkMeshGeometryTest, CrossingsAreCaughtOnlyFromTheEdgesLeft)
{
    const CoreFxVec start = {-ONE, 0, 0};
    const CoreFxVec end = {ONE, 0, 0};
    struct Case {
        const char* name;
        CoreFxVec from;
        CoreFxVec to;
        bool crossing;
    };
    const Case cases[] = {
        {"left to right", {0, ONE, 0}, {0, -ONE, 0}, true},
        {"right to left", {0, -ONE, 0}, {0, ONE, 0}, false},
        {"ending on the edge", {0, ONE, 0}, {0, 0, 0}, true},
        {"stopping short", {0, ONE, 0}, {0, ONE / 2, 0}, false},
        {"passing the edge's end", {2 * ONE, ONE, 0}, {2 * ONE, -ONE, 0}, false},
        {"parallel", {-ONE, ONE, 0}, {ONE, ONE, 0}, false},
        {"collinear and apart", {2 * ONE, 0, 0}, {3 * ONE, 0, 0}, true},
        {"collinear and backward", {3 * ONE, 0, 0}, {2 * ONE, 0, 0}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SegmentsIntersect2D(start, end, c.from, c.to), c.crossing) << c.name;
}

TEST(WalkMeshGeometryTest, TheFirstWallCrossedGivesItsDirection)
{
    WalkMesh mesh;
    CoreFxVec direction = {5, 5, 5};
    EXPECT_FALSE(mesh.IsSegmentCrossingEdge({0, ONE, 0}, {0, -ONE, 0}, direction));
    mesh.m_pEdges = std::make_unique<WalkMeshEdge[]>(2);
    mesh.m_pEdges[0] = {{-ONE, 4 * ONE, 0}, {ONE, 4 * ONE, 0}};
    mesh.m_pEdges[1] = {{3 * ONE, -ONE, 0}, {-ONE, 3 * ONE, 0}};
    mesh.m_iNumEdges = 2;
    EXPECT_FALSE(mesh.IsSegmentCrossingEdge({0, ONE, 0}, {0, -ONE, 0}, direction));
    EXPECT_EQ(direction.x, 5);
    ASSERT_TRUE(mesh.IsSegmentCrossingEdge({0, 0, 0}, {0, 8 * ONE, 0}, direction));
    EXPECT_EQ(direction.x, -2896);
    EXPECT_EQ(direction.y, 2896);
    EXPECT_EQ(direction.z, 0);
}

TEST(WalkMeshGeometryTest, AnEmptyMeshFindsNothingAndReleasesTwice)
{
    WalkMesh mesh;
    Fill(mesh, {{{{0, 0, 0}, {ONE, 0, 0}, {0, ONE, 0}}}});
    mesh.Release();
    mesh.Release();
    CoreFxVec out = {1, 2, 3};
    CoreFxVec path[4];
    EXPECT_FALSE(mesh.ProjectDown({0, 0, ONE}, out));
    EXPECT_FALSE(mesh.RayCast({{0, 0, ONE}, {0, 0, -ONE}}, out));
    EXPECT_EQ(mesh.ComputePathChunk({0, 0, 0}, {1, 1, 0}, path, 4), 0);
    EXPECT_FALSE(mesh.IsInActiveBlocker({0, 0, 0}));
    EXPECT_EQ(out.z, 3);
}

} // namespace
