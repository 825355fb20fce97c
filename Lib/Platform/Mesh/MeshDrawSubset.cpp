#include "Graphics/GraphicsDevice.h"
#include "Graphics/GraphicsFormats.h"
#include "Graphics/RenderStates.h"
#include "Mesh/Mesh.h"

namespace Platform {

MeshResult Mesh::DrawSubset(GraphicsDevice* pDevice, uint32_t iAttribId) const
{
    if (pDevice == nullptr)
        return E_INVALIDARG;
    const AttributeRange* pRange = FindAttributeRange(iAttribId);
    return pRange != nullptr ? DrawFaces(pDevice, *pRange, m_vVertices.data()) : S_OK;
}

MeshResult Mesh::DrawFaces(GraphicsDevice* pDevice, const AttributeRange& faces, const MeshVertex* pVertices) const
{
    if (pDevice == nullptr || pVertices == nullptr)
        return E_INVALIDARG;
    if (faces.FaceCount == 0)
        return S_OK;
    pDevice->SetFVF(MESH_FVF_VERTEX);
    const GraphicsResult result = pDevice->DrawIndexedPrimitiveUP(
        D3DPT_TRIANGLELIST, faces.VertexStart, faces.VertexCount, faces.FaceCount,
        m_vIndices.data() + 3 * size_t(faces.FaceStart), D3DFMT_INDEX32, pVertices, sizeof(MeshVertex));
    return Succeeded(result) ? S_OK : E_FAIL;
}

} // namespace Platform
