#include "Graphics/GraphicsDevice.h"
#include "Graphics/GraphicsFormats.h"
#include "Graphics/RenderStates.h"
#include "Mesh/Mesh.h"
#include "Mesh/VertexBlending.h"

namespace Platform {
namespace {

// The highest vertex-blend state: three weights, four matrices.
constexpr uint32_t MAX_BLEND_WEIGHTS = 3;

} // namespace

MeshResult Mesh::DrawSubset(GraphicsDevice* pDevice, uint32_t iAttribId)
{
    if (pDevice == nullptr)
        return E_INVALIDARG;
    const AttributeRange* pRange = FindAttributeRange(iAttribId);
    if (pRange == nullptr)
        return S_OK;

    uint32_t iBlendState = 0;
    pDevice->GetRenderState(D3DRS_VERTEXBLEND, &iBlendState);
    if (iBlendState > MAX_BLEND_WEIGHTS)
        iBlendState = 0;

    pDevice->SetFVF(MESH_FVF_VERTEX);
    const uint32_t* pIndices = m_vIndices.data() + 3 * size_t(pRange->FaceStart);
    if (iBlendState == 0) {
        const GraphicsResult result = pDevice->DrawIndexedPrimitiveUP(
            D3DPT_TRIANGLELIST, pRange->VertexStart, pRange->VertexCount, pRange->FaceCount, pIndices, D3DFMT_INDEX32,
            m_vVertices.data(), sizeof(MeshVertex));
        return Succeeded(result) ? S_OK : E_FAIL;
    }

    // The device blends nothing: the vertices are blended into world space
    // here and drawn with an identity world matrix, which is put back after.
    Matrix4 matrices[MAX_BLEND_WEIGHTS + 1];
    for (uint32_t j = 0; j <= iBlendState; ++j)
        pDevice->GetTransform(D3DTS_WORLDMATRIX(j), &matrices[j]);
    m_vBlendedVertices.resize(m_vVertices.size());
    BlendVertices(*this, pRange->VertexStart, pRange->VertexCount, matrices, iBlendState,
                  m_vBlendedVertices.data() + pRange->VertexStart);
    pDevice->SetTransform(D3DTS_WORLD, &IDENTITY_MATRIX);
    const GraphicsResult result =
        pDevice->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, pRange->VertexStart, pRange->VertexCount, pRange->FaceCount,
                                        pIndices, D3DFMT_INDEX32, m_vBlendedVertices.data(), sizeof(MeshVertex));
    pDevice->SetTransform(D3DTS_WORLD, &matrices[0]);
    return Succeeded(result) ? S_OK : E_FAIL;
}

} // namespace Platform
