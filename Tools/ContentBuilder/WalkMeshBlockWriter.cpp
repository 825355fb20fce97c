#include "WalkMeshBaker.h"

namespace {

void WritePoint(ByteWriter& writer, const CoreFxVec& point)
{
    writer.U32(static_cast<uint32_t>(point.x));
    writer.U32(static_cast<uint32_t>(point.y));
    writer.U32(static_cast<uint32_t>(point.z));
}

void WriteTriangles(ByteWriter& writer, const WalkMeshTriangle* triangles, int32_t count)
{
    writer.U32(static_cast<uint32_t>(count));
    for (int32_t index = 0; index < count; ++index)
        for (const CoreFxVec& vertex : triangles[index].m_vVertices)
            WritePoint(writer, vertex);
}

} // namespace

void WriteWalkMeshBlock(const WalkMesh& mesh, ByteWriter& writer)
{
    const size_t count = static_cast<size_t>(mesh.m_iNumTriangles);
    WriteTriangles(writer, mesh.m_pTriangles.get(), mesh.m_iNumTriangles);
    writer.U32(static_cast<uint32_t>(mesh.m_iNumBlockers));
    for (int32_t index = 0; index < mesh.m_iNumBlockers; ++index)
        WriteTriangles(writer, mesh.m_pBlockers[index].m_pTriangles.get(), mesh.m_pBlockers[index].m_iNumTriangles);
    writer.U32(static_cast<uint32_t>(mesh.m_iNumWayPoints));
    for (int32_t index = 0; index < mesh.m_iNumWayPoints; ++index)
        WritePoint(writer, mesh.m_pWayPoints[index]);
    writer.Bytes(mesh.m_pAdjacency.get(), 3 * count);
    writer.AlignTo(4);
    writer.Bytes(mesh.m_pNextHop.get(), count * count);
    writer.AlignTo(4);
    writer.U32(static_cast<uint32_t>(mesh.m_iNumEdges));
    for (int32_t index = 0; index < mesh.m_iNumEdges; ++index) {
        WritePoint(writer, mesh.m_pEdges[index].m_vStart);
        WritePoint(writer, mesh.m_pEdges[index].m_vEnd);
    }
    writer.Bytes(mesh.m_pEdgeTriangles.get(), 2 * static_cast<size_t>(mesh.m_iNumEdges));
    writer.AlignTo(4);
}
