#include "Mesh/VertexBlending.h"

#include <cmath>

namespace Platform {
namespace {

void AddTransformed(const Vector3& point, const Vector3& normal, const Matrix4& m, float weight, Vector3& outPoint,
                    Vector3& outNormal)
{
    outPoint.x += weight * (point.x * m.m[0][0] + point.y * m.m[1][0] + point.z * m.m[2][0] + m.m[3][0]);
    outPoint.y += weight * (point.x * m.m[0][1] + point.y * m.m[1][1] + point.z * m.m[2][1] + m.m[3][1]);
    outPoint.z += weight * (point.x * m.m[0][2] + point.y * m.m[1][2] + point.z * m.m[2][2] + m.m[3][2]);
    outNormal.x += weight * (normal.x * m.m[0][0] + normal.y * m.m[1][0] + normal.z * m.m[2][0]);
    outNormal.y += weight * (normal.x * m.m[0][1] + normal.y * m.m[1][1] + normal.z * m.m[2][1]);
    outNormal.z += weight * (normal.x * m.m[0][2] + normal.y * m.m[1][2] + normal.z * m.m[2][2]);
}

} // namespace

void BlendVertices(const Mesh& mesh, uint32_t iFirstVertex, uint32_t iVertexCount, const Matrix4* pMatrices,
                   uint32_t iBlendState, MeshVertex* pOut)
{
    const MeshVertex* pVertices = mesh.GetVertices() + iFirstVertex;
    const uint32_t iStride = mesh.GetWeightsPerVertex();
    const float* pWeights = mesh.GetWeights() + size_t(iFirstVertex) * iStride;
    for (uint32_t i = 0; i < iVertexCount; ++i, pWeights += iStride) {
        const MeshVertex& in = pVertices[i];
        MeshVertex& out = pOut[i];
        out.position = {0.0f, 0.0f, 0.0f};
        out.normal = {0.0f, 0.0f, 0.0f};
        out.u = in.u;
        out.v = in.v;
        float fRemaining = 1.0f;
        for (uint32_t j = 0; j < iBlendState; ++j) {
            const float fWeight = j < iStride ? pWeights[j] : 0.0f;
            fRemaining -= fWeight;
            if (fWeight != 0.0f)
                AddTransformed(in.position, in.normal, pMatrices[j], fWeight, out.position, out.normal);
        }
        if (fRemaining != 0.0f)
            AddTransformed(in.position, in.normal, pMatrices[iBlendState], fRemaining, out.position, out.normal);
        const float fLength =
            std::sqrt(out.normal.x * out.normal.x + out.normal.y * out.normal.y + out.normal.z * out.normal.z);
        if (fLength > 0.0f) {
            out.normal.x /= fLength;
            out.normal.y /= fLength;
            out.normal.z /= fLength;
        }
    }
}

} // namespace Platform
