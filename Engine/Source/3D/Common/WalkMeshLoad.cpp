#include "3D/Common/WalkMesh.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/SerialStream.h"

namespace {

constexpr uint32_t TRIANGLE_SIZE = 36;
constexpr uint32_t POINT_SIZE = 12;
constexpr uint32_t EDGE_SIZE = 24;
constexpr uint32_t EDGE_BYTES = 2;

CoreFxVec ReadPoint(SerialStream& stream)
{
    const fx32 x = stream.ReadS32();
    const fx32 y = stream.ReadS32();
    const fx32 z = stream.ReadS32();
    return {x, y, z};
}

// count triangles, after checking that the file holds them.
std::unique_ptr<WalkMeshTriangle[]> ReadTriangles(SerialStream& stream, uint32_t count)
{
    if (!stream.HasRoomFor(count, TRIANGLE_SIZE))
        return nullptr;
    auto triangles = std::make_unique<WalkMeshTriangle[]>(count);
    for (uint32_t index = 0; index < count; ++index) {
        for (CoreFxVec& vertex : triangles[index].m_vVertices)
            vertex = ReadPoint(stream);
    }
    return triangles;
}

std::unique_ptr<uint8_t[]> ReadTable(SerialStream& stream, uint32_t size)
{
    auto table = std::make_unique<uint8_t[]>(size);
    stream.ReadBytes(table.get(), size);
    return table;
}

// Every triangle index of the table names a triangle or none; the first that
// does not is logged with the file's name.
bool CheckIndices(const SerialStream& stream, const uint8_t* table, uint32_t size, int32_t numTriangles,
                  const char* tableName)
{
    for (uint32_t index = 0; index < size; ++index) {
        if (table[index] != INVALID_TRIANGLE && table[index] >= numTriangles) {
            CorePrint(&g_oCoreLog, "WalkMesh::Initialize -- \"%s\": %s entry %u names triangle %u of %d\n",
                      stream.GetFileName(), tableName, index, table[index], numTriangles);
            return false;
        }
    }
    return true;
}

// Routes walk straight from centre to centre, so neighbours whose centres a
// wall edge separates make a mesh that routes badly. Only reported.
void ReportIncorrectTriangles(const WalkMesh& mesh)
{
    for (int32_t triangle = 0; triangle < mesh.m_iNumTriangles; ++triangle) {
        for (int k = 0; k < 3; ++k) {
            const uint8_t neighbour = mesh.m_pAdjacency[3 * triangle + k];
            if (neighbour == INVALID_TRIANGLE)
                continue;
            const CoreFxVec from = mesh.GetBarycenter(triangle);
            const CoreFxVec to = mesh.GetBarycenter(neighbour);
            CoreFxVec direction;
            if (!mesh.IsSegmentCrossingEdge(from, to, direction) || triangle > neighbour)
                continue;
            CorePrint(&g_oCoreLog, "***************************************************\n");
            CorePrint(&g_oCoreLog, "--------------------------------------------\n");
            CorePrint(&g_oCoreLog, "Incorrect triangles : %i %i\n", triangle, neighbour);
            CorePrint(&g_oCoreLog, "v: %f \t %f \t %f\n", CoreFx::ToFloat(from.x), CoreFx::ToFloat(from.y),
                      CoreFx::ToFloat(from.z));
            CorePrint(&g_oCoreLog, "v: %f \t %f \t %f\n", CoreFx::ToFloat(to.x), CoreFx::ToFloat(to.y),
                      CoreFx::ToFloat(to.z));
            CorePrint(&g_oCoreLog, "\n");
            CorePrint(&g_oCoreLog, "***************************************************\n");
        }
    }
}

} // namespace

bool WalkMesh::Load(SerialStream& stream)
{
    const uint32_t numTriangles = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    if (numTriangles == 0) {
        CorePrint(&g_oCoreLog, "WalkMesh::Initialize -- Invalid number of triangles\n");
        return false;
    }
    // Adjacency and routes name triangles in one byte.
    if (numTriangles > static_cast<uint32_t>(MAX_WALK_MESH_TRIANGLES)) {
        CorePrint(&g_oCoreLog, "WalkMesh::Initialize -- \"%s\": %u triangles, at most %d can be routed\n",
                  stream.GetFileName(), numTriangles, MAX_WALK_MESH_TRIANGLES);
        return false;
    }
    m_pTriangles = ReadTriangles(stream, numTriangles);
    if (!m_pTriangles)
        return false;
    m_iNumTriangles = static_cast<int32_t>(numTriangles);

    const uint32_t numBlockers = stream.ReadU32();
    if (!stream.HasRoomFor(numBlockers, sizeof(uint32_t)))
        return false;
    if (numBlockers != 0) {
        m_pBlockers = std::make_unique<WalkMeshBlocker[]>(numBlockers);
        m_iNumBlockers = static_cast<int32_t>(numBlockers);
    }
    ENGINE_ASSERT(m_iNumBlockers<65535);
    for (int32_t index = 0; index < m_iNumBlockers; ++index) {
        WalkMeshBlocker& blocker = m_pBlockers[index];
        const uint32_t count = stream.ReadU32();
        blocker.m_bActive = 0;
        if (!stream.IsGood())
            return false;
        if (count == 0) {
            CorePrint(&g_oCoreLog, "WalkMesh::Initialize -- Invalid number of triangles for blocker\n");
            return false;
        }
        blocker.m_pTriangles = ReadTriangles(stream, count);
        if (!blocker.m_pTriangles)
            return false;
        blocker.m_iNumTriangles = static_cast<int32_t>(count);
    }

    const uint32_t numWayPoints = stream.ReadU32();
    if (!stream.HasRoomFor(numWayPoints, POINT_SIZE))
        return false;
    if (numWayPoints != 0) {
        m_pWayPoints = std::make_unique<CoreFxVec[]>(numWayPoints);
        for (uint32_t index = 0; index < numWayPoints; ++index)
            m_pWayPoints[index] = ReadPoint(stream);
        m_iNumWayPoints = static_cast<int32_t>(numWayPoints);
    }
    ENGINE_ASSERT(m_iNumWayPoints<65535);

    m_pAdjacency = ReadTable(stream, 3 * numTriangles);
    stream.Align4();
    m_pNextHop = ReadTable(stream, numTriangles * numTriangles);
    stream.Align4();

    const uint32_t numEdges = stream.ReadU32();
    if (!stream.HasRoomFor(numEdges, EDGE_SIZE + EDGE_BYTES))
        return false;
    if (numEdges != 0) {
        m_pEdges = std::make_unique<WalkMeshEdge[]>(numEdges);
        for (uint32_t index = 0; index < numEdges; ++index) {
            m_pEdges[index].m_vStart = ReadPoint(stream);
            m_pEdges[index].m_vEnd = ReadPoint(stream);
        }
        m_pEdgeTriangles = ReadTable(stream, EDGE_BYTES * numEdges);
        m_iNumEdges = static_cast<int32_t>(numEdges);
    }
    ENGINE_ASSERT(m_iNumEdges<65535);
    stream.Align4();
    if (!stream.IsGood())
        return false;

    if (!CheckIndices(stream, m_pAdjacency.get(), 3 * numTriangles, m_iNumTriangles, "adjacency") ||
        !CheckIndices(stream, m_pNextHop.get(), numTriangles * numTriangles, m_iNumTriangles, "route"))
        return false;
    ReportIncorrectTriangles(*this);
    return true;
}
