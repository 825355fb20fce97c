#include "Graphics/MatrixFunctions.h"
#include "Mesh/BoneCombinationTable.h"
#include "Mesh/CoreMesh.h"
#include "Mesh/VertexBlending.h"

using namespace Platform;

namespace {

// The highest vertex-blend state: three weights, four matrices.
constexpr uint32_t MAX_BLEND_SLOTS = 4;

} // namespace

uint32_t CoreMesh::LastBoneSlot(uint32_t iCombination) const
{
    const BoneCombination& combination = m_pBoneCombinationBuffer->GetBufferPointer()[iCombination];
    uint32_t iLastSlot = 0;
    for (uint32_t j = 0; j < m_iMaxFaceInfluences; ++j) {
        if (combination.BoneId[j] != UNUSED_BONE_ID)
            iLastSlot = j;
    }
    return iLastSlot;
}

void CoreMesh::SkinCombination(uint32_t iCombination, const Matrix4& world, MeshVertex* pOut) const
{
    const BoneCombination& combination = m_pBoneCombinationBuffer->GetBufferPointer()[iCombination];
    const uint32_t iLastSlot = LastBoneSlot(iCombination);
    if (iLastSlot >= MAX_BLEND_SLOTS)
        return;
    // A place between used ones that holds no bone carries no weight.
    Matrix4 matrices[MAX_BLEND_SLOTS] = {IDENTITY_MATRIX, IDENTITY_MATRIX, IDENTITY_MATRIX, IDENTITY_MATRIX};
    for (uint32_t j = 0; j <= iLastSlot; ++j) {
        const uint32_t iBone = combination.BoneId[j];
        if (iBone == UNUSED_BONE_ID)
            continue;
        MatrixMultiply(&matrices[j], &m_pBoneOffsetMatrices[iBone], m_ppBoneMatrixPtrs[iBone]);
        MatrixMultiply(&matrices[j], &matrices[j], &world);
    }
    const Mesh& blended = *m_pMeshContainer->MeshData.pMesh;
    BlendVertices(blended, combination.VertexStart, combination.VertexCount, matrices, iLastSlot,
                  pOut + combination.VertexStart);
}
