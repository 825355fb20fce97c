// The walk-mesh block of the 3D scene file, as the content builder bakes it
// and as damaged copies of it.
#include "3D/Common/WalkMesh.h"
#include "Scene/Common/SerialStream.h"
#include "Support/WalkMeshSamples.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using TestSupport::WALK_CELL_SIZE;
using TestSupport::WALK_MESH_FILE_NAME;

constexpr fx32 ONE = FX32_ONE;

// A strip of three cells with a blocker over the middle one and two
// waypoints.
WalkMeshSource SampleSource()
{
    WalkMeshSource source;
    source.triangles = TestSupport::StripFloor(3);
    source.blockers = {{source.triangles[2], source.triangles[3]}};
    source.wayPoints = {{ONE, 2 * ONE, 3 * ONE}, {-ONE, -2 * ONE, -3 * ONE}};
    return source;
}

struct LoadResult {
    bool loaded;
    std::string log;
    size_t position;
};

LoadResult Load(const std::vector<uint8_t>& file, WalkMesh& mesh)
{
    SerialStream stream(file.data(), file.size(), WALK_MESH_FILE_NAME);
    stream.ReadU32();
    TestSupport::LogCapture capture;
    const bool loaded = mesh.Load(stream);
    return {loaded, capture.Take(), stream.GetPosition()};
}

template <typename T>
bool SameItems(const T* a, const T* b, int32_t count)
{
    return (a == nullptr && b == nullptr) || (a && b && std::memcmp(a, b, sizeof(T) * static_cast<size_t>(count)) == 0);
}

void PutU32(std::vector<uint8_t>& file, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[offset + i] = uint8_t(value >> (8 * i));
}

TEST(WalkMeshLoadTest, ABakedBlockReadsBackFieldForField)
{
    WalkMesh baked;
    BakeWalkMesh(SampleSource(), "sample", baked);
    const std::vector<uint8_t> file = TestSupport::WalkMeshBlockFile(baked);
    WalkMesh mesh;
    const LoadResult result = Load(file, mesh);
    ASSERT_TRUE(result.loaded);
    EXPECT_EQ(result.log, "");
    EXPECT_EQ(result.position, file.size());
    EXPECT_EQ(file.size() % 4, 0u);

    const int32_t count = baked.m_iNumTriangles;
    ASSERT_EQ(mesh.m_iNumTriangles, 6);
    EXPECT_TRUE(SameItems(mesh.m_pTriangles.get(), baked.m_pTriangles.get(), count));
    ASSERT_EQ(mesh.m_iNumBlockers, 1);
    EXPECT_EQ(mesh.m_pBlockers[0].m_iNumTriangles, 2);
    EXPECT_EQ(mesh.m_pBlockers[0].m_bActive, 0);
    EXPECT_TRUE(SameItems(mesh.m_pBlockers[0].m_pTriangles.get(), baked.m_pBlockers[0].m_pTriangles.get(), 2));
    ASSERT_EQ(mesh.m_iNumWayPoints, 2);
    EXPECT_EQ(mesh.m_pWayPoints[1].z, -3 * ONE);
    EXPECT_TRUE(SameItems(mesh.m_pAdjacency.get(), baked.m_pAdjacency.get(), 3 * count));
    EXPECT_TRUE(SameItems(mesh.m_pNextHop.get(), baked.m_pNextHop.get(), count * count));
    // The strip's outline: three cells' tops and bottoms and two ends.
    ASSERT_EQ(mesh.m_iNumEdges, 8);
    EXPECT_TRUE(SameItems(mesh.m_pEdges.get(), baked.m_pEdges.get(), 8));
    EXPECT_TRUE(SameItems(mesh.m_pEdgeTriangles.get(), baked.m_pEdgeTriangles.get(), 16));
}

TEST(WalkMeshLoadTest, EveryTruncationIsRefusedNamingTheFile)
{
    WalkMesh baked;
    BakeWalkMesh(SampleSource(), "sample", baked);
    const std::vector<uint8_t> file = TestSupport::WalkMeshBlockFile(baked);
    for (size_t size = 4; size < file.size(); ++size) {
        const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        WalkMesh mesh;
        const LoadResult result = Load(cut, mesh);
        EXPECT_FALSE(result.loaded) << size;
        EXPECT_NE(result.log.find(WALK_MESH_FILE_NAME), std::string::npos) << size;
        mesh.Release();
        EXPECT_EQ(mesh.m_iNumTriangles, 0);
    }
}

TEST(WalkMeshLoadTest, BadCountsAndIndicesAreRefused)
{
    WalkMesh baked;
    BakeWalkMesh(SampleSource(), "sample", baked);
    const std::vector<uint8_t> good = TestSupport::WalkMeshBlockFile(baked);
    // Offsets in the sample file: the triangle count after the leading word,
    // then 6 triangles, the blocker count and its triangle count.
    const size_t triangleCount = 4;
    const size_t blockerTriangleCount = triangleCount + 4 + 6 * 36 + 4;
    const size_t wayPointCount = blockerTriangleCount + 4 + 2 * 36;
    const size_t adjacency = wayPointCount + 4 + 2 * 12;
    const size_t nextHop = adjacency + 18 + 2;
    struct Case {
        const char* name;
        size_t offset;
        uint32_t value;
        bool word;
        const char* log;
    };
    const Case cases[] = {
        {"no triangles", triangleCount, 0, true, "WalkMesh::Initialize -- Invalid number of triangles\n"},
        {"more than one byte can name", triangleCount, 256, true, "256 triangles, at most 255 can be routed"},
        {"an empty blocker", blockerTriangleCount, 0, true,
         "WalkMesh::Initialize -- Invalid number of triangles for blocker\n"},
        {"a count beyond the file", wayPointCount, 0xFFFFFFFF, true, WALK_MESH_FILE_NAME},
        {"a neighbour beyond the mesh", adjacency + 4, 6, false, "adjacency entry 4 names triangle 6 of 6"},
        {"a route beyond the mesh", nextHop + 7, 200, false, "route entry 7 names triangle 200 of 6"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = good;
        if (c.word)
            PutU32(file, c.offset, c.value);
        else
            file[c.offset] = static_cast<uint8_t>(c.value);
        WalkMesh mesh;
        const LoadResult result = Load(file, mesh);
        EXPECT_FALSE(result.loaded) << c.name;
        EXPECT_NE(result.log.find(c.log), std::string::npos) << c.name << ": " << result.log;
    }
}

TEST(WalkMeshLoadTest, NeighboursThatAWallSeparatesAreReported)
{
    WalkMesh baked;
    BakeWalkMesh({TestSupport::StripFloor(2), {}, {}}, "sample", baked);
    // A wall along the first cell's diagonal, walkable side toward the lower
    // right triangle: the walk from its centre to the upper-left one
    // crosses it, the walk back does not.
    const int32_t numEdges = baked.m_iNumEdges + 1;
    auto edges = std::make_unique<WalkMeshEdge[]>(numEdges);
    std::copy(baked.m_pEdges.get(), baked.m_pEdges.get() + baked.m_iNumEdges, edges.get());
    edges[numEdges - 1] = {{WALK_CELL_SIZE, WALK_CELL_SIZE, 0}, {0, 0, 0}};
    auto edgeTriangles = std::make_unique<uint8_t[]>(2 * numEdges);
    baked.m_pEdges = std::move(edges);
    baked.m_pEdgeTriangles = std::move(edgeTriangles);
    baked.m_iNumEdges = numEdges;
    WalkMesh mesh;
    const LoadResult result = Load(TestSupport::WalkMeshBlockFile(baked), mesh);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.log, "***************************************************\n"
                          "--------------------------------------------\n"
                          "Incorrect triangles : 0 1\n"
                          "v: 42.666504 \t 21.333252 \t 0.000000\n"
                          "v: 21.333252 \t 42.666504 \t 0.000000\n"
                          "\n"
                          "***************************************************\n");
}

} // namespace
