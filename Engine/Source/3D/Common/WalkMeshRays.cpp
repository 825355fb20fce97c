#include "3D/Common/WalkMesh.h"

#include "3D/Common/WalkMeshArithmetic.h"
#include "Maths/CoreFxDivide.h"

#include <algorithm>

namespace {

constexpr fx32 NO_HIT = -FX32_ONE;

void DivideBy(CoreFxVec& v, fx32 divisor)
{
    v = {CoreFx::Div(v.x, divisor), CoreFx::Div(v.y, divisor), CoreFx::Div(v.z, divisor)};
}

bool BoundsHold(const WalkMeshTriangle& triangle, const CoreFxVec& point)
{
    const CoreFxVec* v = triangle.m_vVertices;
    return point.x >= std::min({v[0].x, v[1].x, v[2].x}) && point.x <= std::max({v[0].x, v[1].x, v[2].x}) &&
           point.y >= std::min({v[0].y, v[1].y, v[2].y}) && point.y <= std::max({v[0].y, v[1].y, v[2].y});
}

// The hit with the smallest positive ray parameter, ties to the lowest
// index; a straight drop only tries the triangles whose x, y bounds hold the
// origin.
bool NearestHit(const WalkMesh& mesh, const WalkMeshRay& ray, bool bBoundsFilter, CoreFxVec& out)
{
    bool found = false;
    fx32 best = 0;
    for (int32_t index = 0; index < mesh.m_iNumTriangles; ++index) {
        if (bBoundsFilter && !BoundsHold(mesh.m_pTriangles[index], ray.m_vOrigin))
            continue;
        const fx32 t = mesh.IntersectRayTriangle(index, ray);
        if (t > 0 && (!found || t < best)) {
            found = true;
            best = t;
        }
    }
    if (found)
        CoreFxVec::MultAdd(best, ray.m_vDirection, ray.m_vOrigin, out);
    return found;
}

} // namespace

fx32 WalkMesh::IntersectRayTriangle(int32_t iTriangle, const WalkMeshRay& ray) const
{
    if (iTriangle < 0 || iTriangle >= m_iNumTriangles)
        return NO_HIT;
    const CoreFxVec* v = m_pTriangles[iTriangle].m_vVertices;
    const CoreFxVec e1 = WalkMeshArithmetic::Difference(v[1], v[0]);
    const CoreFxVec e2 = WalkMeshArithmetic::Difference(v[2], v[0]);
    CoreFxVec p;
    CoreFxVec::Cross(ray.m_vDirection, e2, p);
    // Both p and q are scaled down by |p| so that the dot products below stay
    // within fx32. A ray along e2 (or without direction) has no p at all and
    // cannot hit the triangle's face.
    const fx32 length = CoreFxVec::Length(p);
    if (length == 0)
        return NO_HIT;
    DivideBy(p, length);
    const fx32 determinant = CoreFxVec::Dot(e1, p);
    if (determinant == 0)
        return NO_HIT;
    const CoreFxVec s = WalkMeshArithmetic::Difference(ray.m_vOrigin, v[0]);
    const fx32 u = CoreFx::Div(CoreFxVec::Dot(s, p), determinant);
    if (u < 0 || u > FX32_ONE)
        return NO_HIT;
    CoreFxVec q;
    CoreFxVec::Cross(s, e1, q);
    DivideBy(q, length);
    const fx32 w = CoreFx::Div(CoreFxVec::Dot(ray.m_vDirection, q), determinant);
    if (w < 0 || int64_t {u} + w > FX32_ONE)
        return NO_HIT;
    return CoreFx::Div(CoreFxVec::Dot(e2, q), determinant);
}

bool WalkMesh::ProjectDown(const CoreFxVec& point, CoreFxVec& out) const
{
    return NearestHit(*this, {point, {0, 0, -FX32_ONE}}, true, out);
}

bool WalkMesh::RayCast(const WalkMeshRay& ray, CoreFxVec& out) const
{
    return NearestHit(*this, ray, false, out);
}
