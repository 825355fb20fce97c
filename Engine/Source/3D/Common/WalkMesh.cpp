#include "3D/Common/WalkMesh.h"

#include "3D/Common/WalkMeshArithmetic.h"
#include "Error/EngineAssert.h"
#include "Maths/CoreFxDivide.h"

void WalkMesh::Release()
{
    m_pTriangles.reset();
    m_iNumTriangles = 0;
    m_pBlockers.reset();
    m_iNumBlockers = 0;
    m_pWayPoints.reset();
    m_iNumWayPoints = 0;
    m_pAdjacency.reset();
    m_pEdgeTriangles.reset();
    m_pNextHop.reset();
    m_pEdges.reset();
    m_iNumEdges = 0;
}

bool WalkMesh::FindTriangle(const CoreFxVec& point, const WalkMeshTriangle* pTriangles, int32_t iNumTriangles,
                            fx32* pHeight, int32_t* pIndex)
{
    if (pTriangles == nullptr || iNumTriangles < 1)
        return false;
    for (int32_t index = 0; index < iNumTriangles; ++index) {
        const CoreFxVec* v = pTriangles[index].m_vVertices;
        bool inside = true;
        for (int k = 1; k <= 3 && inside; ++k) {
            inside = WalkMeshArithmetic::EdgeSide(v[k - 1], v[k % 3], point) >= 0;
        }
        if (!inside)
            continue;
        if (pHeight)
            *pHeight = WalkMeshArithmetic::HeightInTriangle(pTriangles[index], point);
        if (pIndex)
            *pIndex = index;
        return true;
    }
    return false;
}

CoreFxVec WalkMesh::GetBarycenter(int32_t iTriangle) const
{
    ENGINE_ASSERT(iTriangle<INVALID_TRIANGLE);
    if (iTriangle < 0 || iTriangle >= m_iNumTriangles)
        return {0, 0, 0};
    const CoreFxVec* v = m_pTriangles[iTriangle].m_vVertices;
    // Summed in 32 bits, as the centres stored routes were made with.
    return {
        CoreFx::WrapAdd(CoreFx::WrapAdd(v[0].x, v[1].x), v[2].x) / 3,
        CoreFx::WrapAdd(CoreFx::WrapAdd(v[0].y, v[1].y), v[2].y) / 3,
        CoreFx::WrapAdd(CoreFx::WrapAdd(v[0].z, v[1].z), v[2].z) / 3,
    };
}

bool WalkMesh::ProjectOnTrianglePlane(int32_t iTriangle, CoreFxVec& vector) const
{
    if (iTriangle < 0 || iTriangle >= m_iNumTriangles)
        return false;
    const CoreFxVec* v = m_pTriangles[iTriangle].m_vVertices;
    CoreFxVec e1 = WalkMeshArithmetic::Difference(v[1], v[0]);
    CoreFxVec e2 = WalkMeshArithmetic::Difference(v[2], v[0]);
    CoreFxVec::Normalize(e1, e1);
    CoreFxVec::Normalize(e2, e2);
    CoreFxVec normal;
    CoreFxVec::Cross(e1, e2, normal);
    CoreFxVec::Normalize(normal, normal);
    // Without a normal the projection would be the zero vector, and a
    // character walking on such a sliver would stop dead.
    if (normal.x == 0 && normal.y == 0 && normal.z == 0)
        return true;
    CoreFxVec across;
    CoreFxVec::Cross(vector, normal, across);
    CoreFxVec::Cross(normal, across, vector);
    return true;
}

fx32 WalkMeshArithmetic::HeightInTriangle(const WalkMeshTriangle& triangle, const CoreFxVec& point)
{
    using CoreFx::Mul;
    using CoreFx::WrapAdd;
    using CoreFx::WrapSub;
    const CoreFxVec& v0 = triangle.m_vVertices[0];
    const CoreFxVec& v1 = triangle.m_vVertices[1];
    const CoreFxVec& v2 = triangle.m_vVertices[2];
    const fx32 x10 = WrapSub(v1.x, v0.x);
    const fx32 y10 = WrapSub(v1.y, v0.y);
    const fx32 x20 = WrapSub(v2.x, v0.x);
    const fx32 y20 = WrapSub(v2.y, v0.y);
    const fx32 px = WrapSub(point.x, v0.x);
    const fx32 py = WrapSub(point.y, v0.y);
    const fx32 determinant = WrapSub(Mul(x10, y20), Mul(y10, x20));
    if (determinant == 0)
        return static_cast<fx32>((int64_t {v0.z} + v1.z + v2.z) / 3);
    const fx32 u = CoreFx::Div(WrapSub(Mul(px, y20), Mul(py, x20)), determinant);
    const fx32 v = CoreFx::Div(WrapSub(Mul(py, x10), Mul(px, y10)), determinant);
    return WrapAdd(WrapAdd(v0.z, Mul(WrapSub(v2.z, v0.z), v)), Mul(WrapSub(v1.z, v0.z), u));
}
