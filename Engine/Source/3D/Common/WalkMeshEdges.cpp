#include "3D/Common/WalkMesh.h"

#include "3D/Common/WalkMeshArithmetic.h"

bool SegmentsIntersect2D(const CoreFxVec& p1, const CoreFxVec& p2, const CoreFxVec& q1, const CoreFxVec& q2)
{
    using WalkMeshArithmetic::CrossProducts;
    const CoreFxVec dp = WalkMeshArithmetic::Difference(p2, p1);
    const CoreFxVec dq = WalkMeshArithmetic::Difference(q2, q1);
    const CoreFxVec e = WalkMeshArithmetic::Difference(q1, p1);
    const int64_t denominator = CrossProducts(dq.x, dp.y, dp.x, dq.y);
    const int64_t alongWalk = CrossProducts(e.y, dp.x, e.x, dp.y);
    const int64_t alongEdge = CrossProducts(e.y, dq.x, e.x, dq.y);
    // Only a positive denominator can hold both ratios, so a walk is caught
    // going from the edge's left to its right and never the other way.
    return alongWalk >= 0 && alongWalk <= denominator && alongEdge >= 0 && alongEdge <= denominator;
}

bool WalkMesh::IsSegmentCrossingEdge(const CoreFxVec& a, const CoreFxVec& b, CoreFxVec& direction) const
{
    if (m_pEdges == nullptr)
        return false;
    for (int32_t index = 0; index < m_iNumEdges; ++index) {
        const WalkMeshEdge& edge = m_pEdges[index];
        if (SegmentsIntersect2D(edge.m_vStart, edge.m_vEnd, a, b)) {
            CoreFxVec::Normalize(WalkMeshArithmetic::Difference(edge.m_vEnd, edge.m_vStart), direction);
            return true;
        }
    }
    return false;
}
