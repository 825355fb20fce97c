#include "Error/EngineAssert.h"
#include "Graphics/MatrixFunctions.h"
#include "Mesh/CoreMesh.h"
#include "Renderer/CoreMaterial.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"

#include <algorithm>

using namespace Platform;

void CoreRenderer::CreateMeshManager()
{
    ENGINE_ASSERT(m_pMeshManager == NULL);
    if (m_pMeshManager)
        return;
    // A second renderer gets no mesh manager: the one there is stays with
    // its own renderer.
    m_pMeshManager = CoreMeshManager::CreateSingleton();
    if (m_pMeshManager)
        m_pMeshManager->Initialize(this);
}

void CoreRenderer::DestroyMeshManager()
{
    ENGINE_ASSERT(m_pMeshManager != NULL);
    if (!m_pMeshManager)
        return;
    m_pMeshManager->Shutdown();
    CoreMeshManager::DestroySingleton();
    m_pMeshManager = nullptr;
}

void CoreRenderer::SetMeshMaterial(const CoreMesh& mesh, uint32_t iAttribId, const CoreMaterial* pMaterialOverride)
{
    const MeshContainer* pContainer = mesh.m_pMeshContainer;
    const Material* pMaterial = nullptr;
    CoreTexture* hTexture = nullptr;
    if (pMaterialOverride != nullptr) {
        pMaterial = &pMaterialOverride->m_oMaterial;
        hTexture = pMaterialOverride->m_hTexture;
    } else if (iAttribId < pContainer->NumMaterials) {
        pMaterial = &pContainer->pMaterials[iAttribId].MatD3D;
        hTexture = mesh.m_pTextureHandles[iAttribId];
    }
    if (pMaterial != nullptr)
        m_pID3DDevice->SetMaterial(pMaterial);
    m_pID3DDevice->SetTexture(0, hTexture != nullptr ? hTexture->m_pD3DTexture : nullptr);
}

bool CoreRenderer::RenderMesh(CoreMeshHandle hMesh, const CoreMatrix& world, const CoreMaterial* pMaterialOverride,
                              const CoreMatrix* pProjection)
{
    ENGINE_ASSERT(hMesh != NULL);
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (hMesh == nullptr || m_pID3DDevice == nullptr || hMesh->m_pMeshContainer == nullptr)
        return true;
    const CoreMesh& mesh = *hMesh;
    Matrix4 worldMatrix;
    CoreMatrix::TransposeToD3D(&worldMatrix, &world);
    Matrix4 projection = IDENTITY_MATRIX;
    if (pProjection != nullptr)
        CoreMatrix::TransposeToD3D(&projection, pProjection);

    if (mesh.m_pSkinInfo == nullptr) {
        MatrixMultiply(&worldMatrix, &worldMatrix, &projection);
        m_pID3DDevice->SetTransform(D3DTS_WORLD, &worldMatrix);
        for (uint32_t i = 0; i < mesh.m_pMeshContainer->NumMaterials; ++i) {
            SetMeshMaterial(mesh, i, pMaterialOverride);
            mesh.m_pMesh->DrawSubset(m_pID3DDevice, i);
        }
        return true;
    }
    RenderSkinnedMesh(mesh, worldMatrix, projection, pMaterialOverride);
    return true;
}

bool CoreRenderer::CanBlend(const CoreMesh& mesh, uint32_t iCombination) const
{
    return mesh.LastBoneSlot(iCombination) < m_oCaps.maxVertexBlendMatrices;
}

void CoreRenderer::RenderSkinnedMesh(const CoreMesh& mesh, const Matrix4& world, const Matrix4& projection,
                                     const CoreMaterial* pMaterialOverride)
{
    // The device blends nothing itself: every bone combination is skinned
    // into world space here, into one array, and each run of combinations
    // that share a material is one draw, with the projection as the world
    // matrix, which is put back after. Blending reads no w, so a projection
    // is left to the device. Faces and vertices are kept in combination
    // order, so that a run is one stretch of both.
    const Mesh& blended = *mesh.m_pMeshContainer->MeshData.pMesh;
    const BoneCombination* pCombinations = mesh.m_pBoneCombinationBuffer->GetBufferPointer();
    m_vSkinnedVertices.resize(blended.GetNumVertices());
    Matrix4 previousWorld;
    m_pID3DDevice->GetTransform(D3DTS_WORLD, &previousWorld);
    m_pID3DDevice->SetTransform(D3DTS_WORLD, &projection);
    uint32_t iLastAttribId = UNUSED_BONE_ID;
    uint32_t i = 0;
    while (i < mesh.m_iNumBoneCombinations) {
        const AttributeRange* pFirst = blended.FindAttributeRange(i);
        if (pFirst == nullptr || !CanBlend(mesh, i)) {
            ++i;
            continue;
        }
        AttributeRange run = *pFirst;
        mesh.SkinCombination(i, world, m_vSkinnedVertices.data());
        const uint32_t iAttribId = pCombinations[i].AttribId;
        for (++i; i < mesh.m_iNumBoneCombinations; ++i) {
            const AttributeRange* pNext = blended.FindAttributeRange(i);
            const bool bSameMaterial = pMaterialOverride != nullptr || pCombinations[i].AttribId == iAttribId;
            if (pNext == nullptr || !bSameMaterial || !CanBlend(mesh, i) ||
                pNext->FaceStart != run.FaceStart + run.FaceCount)
                break;
            mesh.SkinCombination(i, world, m_vSkinnedVertices.data());
            const uint32_t iVertexEnd =
                std::max(run.VertexStart + run.VertexCount, pNext->VertexStart + pNext->VertexCount);
            run.VertexStart = std::min(run.VertexStart, pNext->VertexStart);
            run.VertexCount = iVertexEnd - run.VertexStart;
            run.FaceCount += pNext->FaceCount;
        }
        if (iAttribId != iLastAttribId) {
            SetMeshMaterial(mesh, iAttribId, pMaterialOverride);
            iLastAttribId = iAttribId;
        }
        blended.DrawFaces(m_pID3DDevice, run, m_vSkinnedVertices.data());
    }
    m_pID3DDevice->SetTransform(D3DTS_WORLD, &previousWorld);
}
