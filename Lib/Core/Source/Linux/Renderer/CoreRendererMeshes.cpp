#include "Error/EngineAssert.h"
#include "Graphics/MatrixFunctions.h"
#include "Mesh/CoreMesh.h"
#include "Renderer/CoreMaterial.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTexture.h"

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

bool CoreRenderer::RenderMesh(CoreMeshHandle hMesh, const CoreMatrix& world, const CoreMaterial* pMaterialOverride)
{
    ENGINE_ASSERT(hMesh != NULL);
    ENGINE_ASSERT(m_pID3DDevice != NULL);
    if (hMesh == nullptr || m_pID3DDevice == nullptr || hMesh->m_pMeshContainer == nullptr)
        return true;
    const CoreMesh& mesh = *hMesh;
    Matrix4 worldMatrix;
    CoreMatrix::TransposeToD3D(&worldMatrix, &world);

    if (mesh.m_pSkinInfo == nullptr) {
        m_pID3DDevice->SetTransform(D3DTS_WORLD, &worldMatrix);
        for (uint32_t i = 0; i < mesh.m_pMeshContainer->NumMaterials; ++i) {
            SetMeshMaterial(mesh, i, pMaterialOverride);
            mesh.m_pMesh->DrawSubset(m_pID3DDevice, i);
        }
        return true;
    }

    Mesh* pBlendedMesh = mesh.m_pMeshContainer->MeshData.pMesh;
    const BoneCombination* pCombinations = mesh.m_pBoneCombinationBuffer->GetBufferPointer();
    uint32_t iLastAttribId = UNUSED_BONE_ID;
    for (uint32_t i = 0; i < mesh.m_iNumBoneCombinations; ++i) {
        const BoneCombination& combination = pCombinations[i];
        uint32_t iLastSlot = 0;
        for (uint32_t j = 0; j < mesh.m_iMaxFaceInfluences; ++j) {
            if (combination.BoneId[j] != UNUSED_BONE_ID)
                iLastSlot = j;
        }
        if (m_oCaps.maxVertexBlendMatrices < iLastSlot + 1)
            continue;
        for (uint32_t j = 0; j <= iLastSlot; ++j) {
            const uint32_t iBone = combination.BoneId[j];
            if (iBone == UNUSED_BONE_ID)
                continue;
            Matrix4 matrix;
            MatrixMultiply(&matrix, &mesh.m_pBoneOffsetMatrices[iBone], mesh.m_ppBoneMatrixPtrs[iBone]);
            MatrixMultiply(&matrix, &matrix, &worldMatrix);
            m_pID3DDevice->SetTransform(D3DTS_WORLDMATRIX(j), &matrix);
        }
        uint32_t iPreviousBlend = 0;
        m_pID3DDevice->GetRenderState(D3DRS_VERTEXBLEND, &iPreviousBlend);
        m_pID3DDevice->SetRenderState(D3DRS_VERTEXBLEND, iLastSlot);
        if (combination.AttribId != iLastAttribId) {
            SetMeshMaterial(mesh, combination.AttribId, pMaterialOverride);
            iLastAttribId = combination.AttribId;
        }
        pBlendedMesh->DrawSubset(m_pID3DDevice, i);
        m_pID3DDevice->SetRenderState(D3DRS_VERTEXBLEND, iPreviousBlend);
    }
    return true;
}
