#include "Mesh/Mesh.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace Platform {

Mesh::Mesh(uint32_t iOptions, std::vector<MeshVertex> vertices, std::vector<uint32_t> indices,
           std::vector<uint32_t> attributes, uint32_t iWeightsPerVertex, std::vector<float> weights)
    : m_iOptions(iOptions), m_vVertices(std::move(vertices)), m_vIndices(std::move(indices)),
      m_vAttributes(std::move(attributes)), m_iWeightsPerVertex(iWeightsPerVertex), m_vWeights(std::move(weights))
{
    SortFacesByAttribute();
    BuildAttributeTable();
}

uint32_t Mesh::GetFVF() const
{
    return MeshFvfPosition(m_iWeightsPerVertex) | MESH_FVF_NORMAL | MESH_FVF_TEX1;
}

void Mesh::SortFacesByAttribute()
{
    if (std::is_sorted(m_vAttributes.begin(), m_vAttributes.end()))
        return;
    std::vector<uint32_t> order(m_vAttributes.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [this](uint32_t a, uint32_t b) { return m_vAttributes[a] < m_vAttributes[b]; });
    std::vector<uint32_t> indices(m_vIndices.size());
    std::vector<uint32_t> attributes(m_vAttributes.size());
    for (size_t i = 0; i < order.size(); ++i) {
        attributes[i] = m_vAttributes[order[i]];
        std::copy_n(&m_vIndices[3 * size_t(order[i])], 3, &indices[3 * i]);
    }
    m_vIndices.swap(indices);
    m_vAttributes.swap(attributes);
}

void Mesh::BuildAttributeTable()
{
    m_vAttributeTable.clear();
    for (uint32_t iFace = 0; iFace < GetNumFaces(); ++iFace) {
        const uint32_t* pFace = &m_vIndices[3 * size_t(iFace)];
        const uint32_t iLow = std::min({pFace[0], pFace[1], pFace[2]});
        const uint32_t iHigh = std::max({pFace[0], pFace[1], pFace[2]});
        if (m_vAttributeTable.empty() || m_vAttributeTable.back().AttribId != m_vAttributes[iFace]) {
            m_vAttributeTable.push_back({m_vAttributes[iFace], iFace, 0, iLow, iHigh + 1 - iLow});
        }
        AttributeRange& range = m_vAttributeTable.back();
        const uint32_t iEnd = std::max(range.VertexStart + range.VertexCount, iHigh + 1);
        range.VertexStart = std::min(range.VertexStart, iLow);
        range.VertexCount = iEnd - range.VertexStart;
        ++range.FaceCount;
    }
}

const AttributeRange* Mesh::FindAttributeRange(uint32_t iAttribId) const
{
    for (const AttributeRange& range : m_vAttributeTable) {
        if (range.AttribId == iAttribId)
            return &range;
    }
    return nullptr;
}

MeshResult Mesh::CloneMeshFVF(uint32_t iOptions, uint32_t iFvf, Mesh** ppCloneMesh) const
{
    if (ppCloneMesh == nullptr || iFvf != GetFVF())
        return E_INVALIDARG;
    *ppCloneMesh = new Mesh(iOptions, m_vVertices, m_vIndices, m_vAttributes, m_iWeightsPerVertex, m_vWeights);
    return S_OK;
}

} // namespace Platform
