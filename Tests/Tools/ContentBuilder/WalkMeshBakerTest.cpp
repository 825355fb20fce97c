// The walk-mesh baker: what it refuses, and the neighbours, walls and routes
// it computes for grown floors.
#include "ContentBuilder/ContentError.h"
#include "ContentBuilder/WalkMeshBaker.h"
#include "Support/WalkMeshSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using TestSupport::WALK_CELL_SIZE;

constexpr fx32 ONE = FX32_ONE;

std::string BakeError(const WalkMeshSource& source)
{
    WalkMesh mesh;
    try {
        BakeWalkMesh(source, "Scenes/test.json", mesh);
    } catch (const ContentError& error) {
        return error.what();
    }
    return "";
}

std::vector<WalkMeshTriangle> Shifted(std::vector<WalkMeshTriangle> triangles, fx32 dx, fx32 dy)
{
    for (WalkMeshTriangle& triangle : triangles)
        for (CoreFxVec& vertex : triangle.m_vVertices) {
            vertex.x += dx;
            vertex.y += dy;
        }
    return triangles;
}

std::vector<WalkMeshTriangle> Joined(std::vector<WalkMeshTriangle> a, const std::vector<WalkMeshTriangle>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A cell of size w x h at (x, y), as two triangles.
std::vector<WalkMeshTriangle> Cell(fx32 x, fx32 y, fx32 w, fx32 h)
{
    const CoreFxVec a = {x, y, 0}, b = {x + w, y, 0}, c = {x + w, y + h, 0}, d = {x, y + h, 0};
    return {{{a, b, c}}, {{a, c, d}}};
}

TEST(WalkMeshBakerTest, FloorsThatCannotRouteAreRefusedWithTheirFault)
{
    const std::vector<WalkMeshTriangle> strip = TestSupport::StripFloor(2);
    std::vector<WalkMeshTriangle> clockwise = strip;
    std::swap(clockwise[1].m_vVertices[1], clockwise[1].m_vVertices[2]);
    std::vector<WalkMeshTriangle> flat = strip;
    flat[2].m_vVertices[2] = flat[2].m_vVertices[1];
    const fx32 half = WALK_CELL_SIZE / 2;
    // Two half-height cells beside a whole one: a vertex in the middle of
    // its edge.
    const std::vector<WalkMeshTriangle> cut =
        Joined(Cell(0, 0, WALK_CELL_SIZE, WALK_CELL_SIZE),
               Joined(Cell(WALK_CELL_SIZE, 0, WALK_CELL_SIZE, half), Cell(WALK_CELL_SIZE, half, WALK_CELL_SIZE, half)));
    // Two slivers joined by a short edge, leaning apart: the walk between
    // their centres leaves through the first one's long side.
    const fx32 u = 16 * ONE;
    const std::vector<WalkMeshTriangle> slivers = {{{{0, 0, 0}, {u, 0, 0}, {10 * u, u, 0}}},
                                                   {{{u, 0, 0}, {0, 0, 0}, {-9 * u, -5 * u, 0}}}};
    std::vector<WalkMeshTriangle> blockerClockwise = {strip[0]};
    std::swap(blockerClockwise[0].m_vVertices[0], blockerClockwise[0].m_vVertices[1]);
    struct Case {
        const char* name;
        WalkMeshSource source;
        const char* error;
    };
    const Case cases[] = {
        {"no floor", {}, "the floor has 0 triangles; it needs 1 to 255"},
        {"too many triangles", {std::vector<WalkMeshTriangle>(256, strip[0]), {}, {}}, "the floor has 256 triangles"},
        {"clockwise", {clockwise, {}, {}}, "floor triangle 1 is wound clockwise seen from above"},
        {"without area", {flat, {}, {}}, "floor triangle 2 has no area"},
        {"twice the same triangle", {Joined(strip, {strip[3]}), {}, {}}, "triangles 3 and 4 both run from"},
        {"apart",
         {Joined(strip, Shifted(strip, 3 * WALK_CELL_SIZE, 0)), {}, {}},
         "triangle 4 is not connected to triangle 0 by shared edges"},
        {"a vertex on an edge", {cut, {}, {}}, "without sharing its vertices"},
        {"centres walk through a wall",
         {slivers, {}, {}},
         "the walk from the centre of triangle 0 to the centre of triangle 1 crosses a wall edge"},
        {"an empty blocker", {strip, {{}}, {}}, "blocker 0 has no triangles"},
        {"a clockwise blocker", {strip, {blockerClockwise}, {}}, "blocker 0 triangle 0 is wound clockwise"},
    };
    for (const Case& c : cases) {
        const std::string error = BakeError(c.source);
        EXPECT_EQ(error.rfind("Scenes/test.json: walk mesh: ", 0), 0u) << c.name << ": " << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
    }
    EXPECT_EQ(BakeError({strip, {{strip[0]}}, {{ONE, ONE, 0}}}), "");
}

double CentreDistance(const WalkMesh& mesh, int32_t a, int32_t b)
{
    const CoreFxVec p = mesh.GetBarycenter(a);
    const CoreFxVec q = mesh.GetBarycenter(b);
    return std::sqrt(std::pow(double(p.x) - q.x, 2) + std::pow(double(p.y) - q.y, 2) + std::pow(double(p.z) - q.z, 2));
}

bool OnFloor(const WalkMesh& mesh, double x, double y)
{
    const CoreFxVec point = {fx32(std::lround(x)), fx32(std::lround(y)), 0};
    return WalkMesh::FindTriangle(point, mesh.m_pTriangles.get(), mesh.m_iNumTriangles, nullptr, nullptr);
}

TEST(WalkMeshBakerTest, GrownFloorsGetSharedEdgesWallsAndShortestRoutes)
{
    const struct {
        int32_t count;
        uint32_t seed;
    } floors[] = {{200, 11}, {255, 12}, {255, 13}};
    for (const auto [count, seed] : floors) {
        {
            WalkMesh mesh;
            BakeWalkMesh({TestSupport::GrownFloor(count, seed), {}, {}}, "grown", mesh);
            const int32_t n = mesh.m_iNumTriangles;
            ASSERT_EQ(n, count);
            std::vector<double> shortest(size_t(n) * n, INFINITY);
            int32_t shared = 0;
            for (int32_t t = 0; t < n; ++t) {
                shortest[size_t(t) * n + t] = 0.0;
                for (int k = 0; k < 3; ++k) {
                    const uint8_t neighbour = mesh.m_pAdjacency[3 * t + k];
                    if (neighbour == INVALID_TRIANGLE)
                        continue;
                    ++shared;
                    const uint8_t* back = &mesh.m_pAdjacency[3 * neighbour];
                    EXPECT_TRUE(back[0] == t || back[1] == t || back[2] == t) << t << " " << int(neighbour);
                    shortest[size_t(t) * n + neighbour] = CentreDistance(mesh, t, neighbour);
                }
            }
            EXPECT_EQ(shared + mesh.m_iNumEdges, 3 * n);
            // The floor lies on each wall's left, 1/16 unit away; nothing on its right.
            for (int32_t index = 0; index < mesh.m_iNumEdges; ++index) {
                const WalkMeshEdge& edge = mesh.m_pEdges[index];
                const double dx = double(edge.m_vEnd.x) - edge.m_vStart.x;
                const double dy = double(edge.m_vEnd.y) - edge.m_vStart.y;
                const double scale = ONE / 16.0 / std::hypot(dx, dy);
                const double mx = (double(edge.m_vStart.x) + edge.m_vEnd.x) / 2;
                const double my = (double(edge.m_vStart.y) + edge.m_vEnd.y) / 2;
                EXPECT_TRUE(OnFloor(mesh, mx - dy * scale, my + dx * scale)) << index;
                EXPECT_FALSE(OnFloor(mesh, mx + dy * scale, my - dx * scale)) << index;
            }
            for (int32_t via = 0; via < n; ++via)
                for (int32_t from = 0; from < n; ++from)
                    for (int32_t to = 0; to < n; ++to)
                        shortest[size_t(from) * n + to] =
                            std::min(shortest[size_t(from) * n + to],
                                     shortest[size_t(from) * n + via] + shortest[size_t(via) * n + to]);
            // Following the table from any triangle reaches any other over
            // neighbours, along a shortest route.
            for (int32_t destination = 0; destination < n; ++destination) {
                const uint8_t* nextHop = &mesh.m_pNextHop[size_t(destination) * n];
                EXPECT_EQ(nextHop[destination], destination);
                for (int32_t start = 0; start < n; ++start) {
                    double length = 0.0;
                    int32_t current = start;
                    for (int32_t steps = 0; current != destination && steps < n; ++steps) {
                        const uint8_t next = nextHop[current];
                        const uint8_t* around = &mesh.m_pAdjacency[3 * current];
                        ASSERT_TRUE(next == around[0] || next == around[1] || next == around[2]);
                        length += CentreDistance(mesh, current, next);
                        current = next;
                    }
                    ASSERT_EQ(current, destination);
                    EXPECT_NEAR(length, shortest[size_t(start) * n + destination], 1e-6 * (1.0 + length));
                }
            }
        }
    }
}

TEST(WalkMeshBakerTest, DescriptionsAreReadInWorldUnits)
{
    const nlohmann::json description = nlohmann::json::parse(R"({
        "vertices": [[0, 0, 0], [1.5, 0, 0.25], [1.5, 2, 0], [0, 2, -0.25]],
        "triangles": [[0, 1, 2], [0, 2, 3]],
        "blockers": [[[0, 1, 2]]],
        "waypoints": [[0.5, 1, 0]]
    })");
    const WalkMeshSource source = ReadWalkMeshSource(description, "Scenes/test.json");
    ASSERT_EQ(source.triangles.size(), 2u);
    EXPECT_EQ(source.triangles[0].m_vVertices[1].x, 6144);
    EXPECT_EQ(source.triangles[0].m_vVertices[1].z, 1024);
    EXPECT_EQ(source.triangles[1].m_vVertices[2].z, -1024);
    ASSERT_EQ(source.blockers.size(), 1u);
    EXPECT_EQ(source.blockers[0][0].m_vVertices[2].y, 8192);
    ASSERT_EQ(source.wayPoints.size(), 1u);
    EXPECT_EQ(source.wayPoints[0].x, 2048);
    EXPECT_EQ(BakeError(source), "");
}

TEST(WalkMeshBakerTest, MalformedDescriptionsNameTheirFault)
{
    struct Case {
        const char* json;
        const char* error;
    };
    const Case cases[] = {
        {R"({"vertices": [[0, 0, 0]]})", "needs \"vertices\" and \"triangles\""},
        {R"({"vertices": [[0, 0]], "triangles": []})", "[0,0] is not a point [x, y, z]"},
        {R"({"vertices": [[0, 0, "up"]], "triangles": []})", "\"up\" is not a number"},
        {R"({"vertices": [[0, 0, 600000]], "triangles": []})", "beyond the range of world coordinates"},
        {R"({"vertices": [[0, 0, 0], [1, 0, 0], [0, 1, 0]], "triangles": [[0, 1, 3]]})",
         "[0,1,3] names a vertex that is not in \"vertices\""},
        {R"({"vertices": [[0, 0, 0], [1, 0, 0], [0, 1, 0]], "triangles": [[0, 1]]})",
         "[0,1] is not a triangle [i, j, k]"},
        {R"({"vertices": [], "triangles": {}})", "\"triangles\" must be a list of triangles"},
        {R"({"vertices": [], "triangles": [], "blockers": 3})", "\"blockers\" must be a list of triangle lists"},
        {R"({"vertices": [], "triangles": [], "waypoints": [1]})", "1 is not a point"},
    };
    for (const Case& c : cases) {
        std::string error;
        try {
            ReadWalkMeshSource(nlohmann::json::parse(c.json), "Scenes/test.json");
        } catch (const ContentError& thrown) {
            error = thrown.what();
        }
        EXPECT_EQ(error.rfind("Scenes/test.json", 0), 0u) << c.json << ": " << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.json << ": " << error;
    }
}

} // namespace
