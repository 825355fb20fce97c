// Routes over the precomputed next-hop table, blockers, and random routes
// over grown floors.
#include "3D/Common/WalkMesh.h"
#include "Support/WalkMeshSamples.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using TestSupport::WALK_CELL_SIZE;

constexpr fx32 ONE = FX32_ONE;
constexpr fx32 UNTOUCHED = 0x7E7E7E7E;

// A point in cell x of a strip, at fractions of the cell.
CoreFxVec InCell(int32_t x, double across, double up)
{
    return {fx32(WALK_CELL_SIZE * (x + across)), fx32(WALK_CELL_SIZE * up), 0};
}

std::vector<CoreFxVec> EmptyPath(size_t size)
{
    return std::vector<CoreFxVec>(size, {UNTOUCHED, UNTOUCHED, UNTOUCHED});
}

bool Untouched(const std::vector<CoreFxVec>& path)
{
    for (const CoreFxVec& point : path)
        if (point.x != UNTOUCHED || point.y != UNTOUCHED || point.z != UNTOUCHED)
            return false;
    return true;
}

bool Same(const CoreFxVec& a, const CoreFxVec& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

class WalkMeshRouteTest : public testing::Test {
protected:
    void SetUp() override
    {
        WalkMeshSource source;
        source.triangles = TestSupport::StripFloor(4);
        // Over the third cell.
        source.blockers = {{source.triangles[4], source.triangles[5]}};
        ASSERT_TRUE(TestSupport::BakeAndLoad(source, m_mesh));
    }

    uint8_t& NextHop(int32_t destination, int32_t current)
    {
        return m_mesh.m_pNextHop[destination * m_mesh.m_iNumTriangles + current];
    }

    WalkMesh m_mesh;
};

TEST_F(WalkMeshRouteTest, RoutesRunThroughTheCentresOfTheirTriangles)
{
    // Triangle 0 is the first cell's lower right, 1 its upper left.
    const CoreFxVec a = InCell(0, 0.75, 0.25);
    const CoreFxVec b = InCell(0, 0.25, 0.75);
    std::vector<CoreFxVec> path = EmptyPath(8);
    ASSERT_EQ(m_mesh.ComputePathChunk(a, InCell(0, 0.8, 0.1), path.data(), 8), 1);
    EXPECT_TRUE(Same(path[0], a));
    EXPECT_TRUE(Same(path[1], InCell(0, 0.8, 0.1)));
    EXPECT_EQ(path[2].x, UNTOUCHED);

    ASSERT_EQ(NextHop(1, 0), 1);
    ASSERT_EQ(m_mesh.ComputePathChunk(a, b, path.data(), 8), 3);
    EXPECT_TRUE(Same(path[0], a));
    EXPECT_TRUE(Same(path[1], m_mesh.GetBarycenter(0)));
    EXPECT_TRUE(Same(path[2], m_mesh.GetBarycenter(1)));
    EXPECT_TRUE(Same(path[3], b));
}

TEST_F(WalkMeshRouteTest, NoRouteLeavesThePathUntouched)
{
    const CoreFxVec a = InCell(0, 0.75, 0.25);
    const CoreFxVec b = InCell(3, 0.5, 0.25);
    struct Case {
        const char* name;
        CoreFxVec from;
        CoreFxVec to;
        int32_t room;
    };
    const Case cases[] = {
        {"start off the floor", InCell(-1, 0.5, 0.5), b, 64},
        {"end off the floor", a, InCell(0, 0.5, 1.5), 64},
        {"too long for the room", a, b, 8},
    };
    for (const Case& c : cases) {
        std::vector<CoreFxVec> path = EmptyPath(64);
        EXPECT_EQ(m_mesh.ComputePathChunk(c.from, c.to, path.data(), c.room), 0) << c.name;
        EXPECT_TRUE(Untouched(path)) << c.name;
    }
    // Seven triangles: the start's, two in each cell between, and the end's.
    std::vector<CoreFxVec> path = EmptyPath(9);
    EXPECT_EQ(m_mesh.ComputePathChunk(a, b, path.data(), 9), 8);
}

TEST_F(WalkMeshRouteTest, DamagedRouteTablesGiveNoRouteInsteadOfAnEndlessWalk)
{
    const CoreFxVec a = InCell(0, 0.75, 0.25);
    const CoreFxVec b = InCell(3, 0.5, 0.25);
    int32_t start = 0;
    int32_t end = 0;
    ASSERT_TRUE(WalkMesh::FindTriangle(a, m_mesh.m_pTriangles.get(), m_mesh.m_iNumTriangles, nullptr, &start));
    ASSERT_TRUE(WalkMesh::FindTriangle(b, m_mesh.m_pTriangles.get(), m_mesh.m_iNumTriangles, nullptr, &end));
    const int32_t next = NextHop(end, start);
    struct Case {
        const char* name;
        int32_t current;
        uint8_t hop;
    };
    const Case cases[] = {
        {"unreachable", start, INVALID_TRIANGLE},
        {"a dead end part-way", next, INVALID_TRIANGLE},
        {"beyond the mesh", next, 200},
        {"a loop back to the start", next, static_cast<uint8_t>(start)},
    };
    for (const Case& c : cases) {
        const uint8_t kept = NextHop(end, c.current);
        NextHop(end, c.current) = c.hop;
        std::vector<CoreFxVec> path = EmptyPath(300);
        EXPECT_EQ(m_mesh.ComputePathChunk(a, b, path.data(), 300), 0) << c.name;
        EXPECT_TRUE(Untouched(path)) << c.name;
        NextHop(end, c.current) = kept;
    }
}

TEST(WalkMeshLongRouteTest, RoutesLongerThanAWalkPathAreRefused)
{
    WalkMesh mesh;
    ASSERT_TRUE(TestSupport::BakeAndLoad({TestSupport::StripFloor(40), {}, {}}, mesh));
    std::vector<CoreFxVec> path = EmptyPath(MAX_WALK_PATH_POINTS);
    EXPECT_EQ(mesh.ComputePathChunk(InCell(0, 0.5, 0.5), InCell(39, 0.5, 0.5), path.data(), MAX_WALK_PATH_POINTS), 0);
    EXPECT_TRUE(Untouched(path));
    const int32_t segments =
        mesh.ComputePathChunk(InCell(0, 0.5, 0.5), InCell(20, 0.5, 0.5), path.data(), MAX_WALK_PATH_POINTS);
    EXPECT_GT(segments, 30);
    EXPECT_LT(segments, MAX_WALK_PATH_POINTS);
}

TEST_F(WalkMeshRouteTest, BlockersAreSwitchedByIdAndReportUnknownIds)
{
    const CoreFxVec inside = InCell(2, 0.5, 0.5);
    EXPECT_FALSE(m_mesh.IsInActiveBlocker(inside));
    TestSupport::LogCapture quiet;
    m_mesh.ActivateBlocker(-1);
    EXPECT_EQ(quiet.Take(), "");
    EXPECT_FALSE(m_mesh.IsInActiveBlocker(inside));

    m_mesh.ActivateBlocker(0);
    m_mesh.ActivateBlocker(0);
    EXPECT_TRUE(m_mesh.IsInActiveBlocker(inside));
    EXPECT_FALSE(m_mesh.IsInActiveBlocker(InCell(1, 0.5, 0.5)));
    const struct {
        int32_t id;
        bool activate;
        const char* function;
    } unknown[] = {{1, true, "WalkMesh::ActivateBlocker"}, {-2, false, "WalkMesh::DisactivateBlocker"}};
    for (const auto& c : unknown) {
        TestSupport::LogCapture capture;
        c.activate ? m_mesh.ActivateBlocker(c.id) : m_mesh.DisactivateBlocker(c.id);
        const std::string log = capture.Take();
        EXPECT_NE(log.find(std::string("function:  ") + c.function + "\n"), std::string::npos) << log;
        EXPECT_NE(log.find("condition: iBlockerId>=0 && iBlockerId<m_iNumBlockers\nmessage:\ninvalid Blocker Id"),
                  std::string::npos)
            << log;
    }
    EXPECT_TRUE(m_mesh.IsInActiveBlocker(inside));
    m_mesh.DisactivateBlocker(0);
    EXPECT_FALSE(m_mesh.IsInActiveBlocker(inside));
}

TEST_F(WalkMeshRouteTest, AnActiveBlockerStopsAWalkAlongTheRouteAtItsEdge)
{
    m_mesh.ActivateBlocker(0);
    const CoreFxVec a = InCell(0, 0.5, 0.4);
    const CoreFxVec b = InCell(3, 0.5, 0.6);
    std::vector<CoreFxVec> path = EmptyPath(MAX_WALK_PATH_POINTS);
    const int32_t segments = m_mesh.ComputePathChunk(a, b, path.data(), MAX_WALK_PATH_POINTS);
    ASSERT_GT(segments, 0);
    EXPECT_TRUE(Same(path[segments], b));
    // Walk the route in steps of 1/16 unit; a step into an active blocker is
    // not taken, and the walk ends there.
    CoreFxVec position = a;
    bool stopped = false;
    for (int32_t segment = 0; segment < segments && !stopped; ++segment) {
        const CoreFxVec& from = path[segment];
        const CoreFxVec& to = path[segment + 1];
        const int32_t steps = std::max(1, CoreFxVec::Distance(from, to) / (ONE / 16));
        for (int32_t step = 1; step <= steps && !stopped; ++step) {
            const CoreFxVec next = {fx32(from.x + int64_t(to.x - from.x) * step / steps),
                                    fx32(from.y + int64_t(to.y - from.y) * step / steps), 0};
            stopped = m_mesh.IsInActiveBlocker(next);
            if (!stopped)
                position = next;
        }
    }
    EXPECT_TRUE(stopped);
    EXPECT_LT(position.x, 2 * WALK_CELL_SIZE);
    EXPECT_GT(position.x, 2 * WALK_CELL_SIZE - ONE / 8);
}

// Every route from a point of a floor to another is a polyline from the one
// to the other that never leaves the floor; a point off the floor gets none.
TEST(WalkMeshRoutePropertyTest, RandomRoutesOnGrownFloorsStayOnTheFloor)
{
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        WalkMesh mesh;
        WalkMeshSource source;
        source.triangles = TestSupport::GrownFloor(200, seed);
        TestSupport::LogCapture capture;
        const bool loaded = TestSupport::BakeAndLoad(source, mesh);
        EXPECT_EQ(capture.Take(), "");
        ASSERT_TRUE(loaded);
        const int32_t room = mesh.m_iNumTriangles + 2;
        fx32 low = INT32_MAX;
        fx32 high = INT32_MIN;
        for (const WalkMeshTriangle& triangle : source.triangles)
            for (const CoreFxVec& vertex : triangle.m_vVertices) {
                low = std::min({low, vertex.x, vertex.y});
                high = std::max({high, vertex.x, vertex.y});
            }
        std::mt19937 random(seed);
        std::uniform_int_distribution<fx32> coordinate(low - WALK_CELL_SIZE, high + WALK_CELL_SIZE);
        std::uniform_int_distribution<size_t> anyTriangle(0, source.triangles.size() - 1);
        std::uniform_real_distribution<double> share(0.0, 1.0);
        // Most points fall in a random triangle, the others anywhere around
        // the floor.
        const auto randomPoint = [&]() -> CoreFxVec {
            if (share(random) < 0.2)
                return {coordinate(random), coordinate(random), 0};
            const CoreFxVec* v = source.triangles[anyTriangle(random)].m_vVertices;
            double u = share(random);
            double w = share(random);
            if (u + w > 1.0) {
                u = 1.0 - u;
                w = 1.0 - w;
            }
            return {fx32(v[0].x + u * (v[1].x - v[0].x) + w * (v[2].x - v[0].x)),
                    fx32(v[0].y + u * (v[1].y - v[0].y) + w * (v[2].y - v[0].y)), 0};
        };
        int32_t routes = 0;
        for (int32_t attempt = 0; attempt < 1000; ++attempt) {
            const CoreFxVec a = randomPoint();
            const CoreFxVec b = randomPoint();
            const auto onFloor = [&mesh](const CoreFxVec& point) {
                return WalkMesh::FindTriangle(point, mesh.m_pTriangles.get(), mesh.m_iNumTriangles, nullptr, nullptr);
            };
            std::vector<CoreFxVec> path = EmptyPath(room + 1);
            const int32_t segments = mesh.ComputePathChunk(a, b, path.data(), room);
            if (!onFloor(a) || !onFloor(b)) {
                EXPECT_EQ(segments, 0);
                EXPECT_TRUE(Untouched(path));
                continue;
            }
            ++routes;
            ASSERT_GE(segments, 1);
            ASSERT_LT(segments, room);
            EXPECT_TRUE(Same(path[0], a));
            EXPECT_TRUE(Same(path[segments], b));
            EXPECT_EQ(path[segments + 1].x, UNTOUCHED);
            for (int32_t segment = 0; segment < segments; ++segment) {
                const CoreFxVec& from = path[segment];
                const CoreFxVec& to = path[segment + 1];
                CoreFxVec wall;
                EXPECT_FALSE(mesh.IsSegmentCrossingEdge(from, to, wall)) << "seed " << seed << " segment " << segment;
                for (int32_t step = 0; step <= 8; ++step) {
                    const CoreFxVec between = {fx32(from.x + int64_t(to.x - from.x) * step / 8),
                                               fx32(from.y + int64_t(to.y - from.y) * step / 8), 0};
                    EXPECT_TRUE(onFloor(between)) << "seed " << seed << " segment " << segment;
                }
            }
        }
        EXPECT_GT(routes, 500) << "seed " << seed;
    }
}

} // namespace
