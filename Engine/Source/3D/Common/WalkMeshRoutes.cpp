#include "3D/Common/WalkMesh.h"

#include "Error/EngineAssert.h"

int32_t WalkMesh::ComputePathChunk(const CoreFxVec& a, const CoreFxVec& b, CoreFxVec* pWalkPath,
                                   int32_t iMaxPoints) const
{
    ENGINE_ASSERT(pWalkPath != NULL);
    int32_t start = 0;
    int32_t end = 0;
    if (pWalkPath == nullptr || !FindTriangle(a, m_pTriangles.get(), m_iNumTriangles, nullptr, &start) ||
        !FindTriangle(b, m_pTriangles.get(), m_iNumTriangles, nullptr, &end) || m_pNextHop == nullptr)
        return 0;
    const uint8_t* nextHop = m_pNextHop.get() + static_cast<size_t>(end) * m_iNumTriangles;
    // The table is followed once to measure the route before anything is
    // written. An unreachable end (INVALID_TRIANGLE), and a damaged table (a
    // dead end part-way, an index beyond the mesh or a chain that comes back
    // on itself), give no route instead of an endless walk; so does a route
    // longer than the caller's room.
    int32_t numTriangles = 1;
    for (int32_t current = start; current != end; ++numTriangles) {
        current = nextHop[current];
        if (current >= m_iNumTriangles || numTriangles >= m_iNumTriangles)
            return 0;
    }
    const int32_t numPoints = start == end ? 2 : numTriangles + 2;
    if (numPoints > iMaxPoints)
        return 0;
    int32_t count = 0;
    pWalkPath[count++] = a;
    if (start != end) {
        for (int32_t current = start;; current = nextHop[current]) {
            pWalkPath[count++] = GetBarycenter(current);
            if (current == end)
                break;
        }
    }
    pWalkPath[count] = b;
    return count;
}

void WalkMesh::ActivateBlocker(int32_t iBlockerId)
{
    if (iBlockerId == -1)
        return;
    ENGINE_ASSERT_MSG(iBlockerId>=0 && iBlockerId<m_iNumBlockers, "invalid Blocker Id");
    if (iBlockerId >= 0 && iBlockerId < m_iNumBlockers)
        m_pBlockers[iBlockerId].m_bActive = 1;
}

void WalkMesh::DisactivateBlocker(int32_t iBlockerId)
{
    if (iBlockerId == -1)
        return;
    ENGINE_ASSERT_MSG(iBlockerId>=0 && iBlockerId<m_iNumBlockers, "invalid Blocker Id");
    if (iBlockerId >= 0 && iBlockerId < m_iNumBlockers)
        m_pBlockers[iBlockerId].m_bActive = 0;
}

bool WalkMesh::IsInActiveBlocker(const CoreFxVec& point) const
{
    for (int32_t index = 0; index < m_iNumBlockers; ++index) {
        const WalkMeshBlocker& blocker = m_pBlockers[index];
        if (blocker.m_bActive == 1 &&
            FindTriangle(point, blocker.m_pTriangles.get(), blocker.m_iNumTriangles, nullptr, nullptr))
            return true;
    }
    return false;
}
