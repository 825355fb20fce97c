#include "Mesh/CoreMesh.h"

#include "Error/EngineAssert.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"

#include <new>

using namespace Platform;

CoreMesh::~CoreMesh()
{
    ENGINE_ASSERT(m_pMesh == NULL);
    ENGINE_ASSERT(m_pMeshContainer == NULL);
    ENGINE_ASSERT(m_pTextureHandles == NULL);
    ENGINE_ASSERT(m_pRoot == NULL);
    ENGINE_ASSERT(m_pBoneCombinationBuffer == NULL);
    ENGINE_ASSERT(m_ppBoneMatrixPtrs == NULL);
    ENGINE_ASSERT(m_pBoneOffsetMatrices == NULL);
    ENGINE_ASSERT(m_pSkinInfo == NULL);
    ENGINE_ASSERT(m_pAnimationCtrl == NULL);
}

MeshFrame* CoreMesh::FindFrameWithMesh(MeshFrame* pFrame)
{
    if (pFrame == nullptr)
        return nullptr;
    if (pFrame->pMeshContainer != nullptr && pFrame->pMeshContainer->MeshData.pMesh != nullptr)
        return pFrame;
    if (MeshFrame* pFound = FindFrameWithMesh(pFrame->pFrameSibling))
        return pFound;
    return FindFrameWithMesh(pFrame->pFrameFirstChild);
}

bool CoreMesh::Initialize(CoreRenderer* pRenderer, const void* pData, uint32_t iDataSize)
{
    ENGINE_ASSERT(pData != NULL);
    ENGINE_ASSERT(iDataSize != 0);
    if (pData == nullptr || iDataSize == 0)
        return false;

    AllocMeshHierarchy alloc;
    if (FAILED(
            LoadMeshHierarchyFromXInMemory(pData, iDataSize, D3DXMESH_SYSTEMMEM, &alloc, &m_pRoot, &m_pAnimationCtrl)))
        return false;

    // A file without any mesh has nothing to draw.
    MeshFrame* pFrame = FindFrameWithMesh(m_pRoot);
    if (pFrame == nullptr) {
        Release();
        return false;
    }
    m_pMeshContainer = pFrame->pMeshContainer;
    m_pMesh = m_pMeshContainer->MeshData.pMesh;

    if (m_pMeshContainer->pSkinInfo != nullptr) {
        m_pSkinInfo = m_pMeshContainer->pSkinInfo;
        m_pSkinInfo->AddRef();
        m_iNumBones = m_pSkinInfo->GetNumBones();
        m_pBoneOffsetMatrices = new (std::nothrow) Matrix4[m_iNumBones];
        ENGINE_ASSERT(m_pBoneOffsetMatrices != NULL);
        if (m_pBoneOffsetMatrices == nullptr) {
            Release();
            return false;
        }
        for (uint32_t i = 0; i < m_iNumBones; ++i)
            m_pBoneOffsetMatrices[i] = *m_pSkinInfo->GetBoneOffsetMatrix(i);
        // Drawing reads the bone combinations and every bone's matrix: a mesh
        // without them, or with a bone that names no frame, is not kept.
        if (FAILED(GenerateSkinnedMesh(pRenderer, m_pMesh)) || FAILED(SetupBoneMatrixPointers(m_pRoot))) {
            Release();
            return false;
        }
        if (m_pAnimationCtrl != nullptr) {
            for (uint32_t iTrack = 0; iTrack < m_pAnimationCtrl->GetMaxNumTracks(); ++iTrack) {
                m_pAnimationCtrl->SetTrackSpeed(iTrack, 1.0f);
                m_pAnimationCtrl->SetTrackWeight(iTrack, 0.0f);
            }
        }
    }

    if (!SetupTextures(pRenderer)) {
        Release();
        return false;
    }
    return true;
}

MeshResult CoreMesh::GenerateSkinnedMesh(CoreRenderer* pRenderer, Mesh* pSourceMesh)
{
    DeviceCaps caps {};
    if (pRenderer != nullptr && pRenderer->GetDevice() != nullptr)
        pRenderer->GetDevice()->GetDeviceCaps(&caps);

    Mesh* pBlended = nullptr;
    MeshResult hr = m_pSkinInfo->ConvertToBlendedMesh(pSourceMesh, D3DXMESH_MANAGED | D3DXMESHOPT_VERTEXCACHE,
                                                      &m_iMaxFaceInfluences, &m_iNumBoneCombinations,
                                                      &m_pBoneCombinationBuffer, &pBlended);
    if (FAILED(hr))
        return hr;
    // The container's reference to the source mesh is now m_pMesh's.
    m_pMeshContainer->MeshData.pMesh = pBlended;

    const BoneCombination* pCombinations = m_pBoneCombinationBuffer->GetBufferPointer();
    bool bSoftware = false;
    for (uint32_t i = 0; i < m_iNumBoneCombinations; ++i) {
        uint32_t iUsed = 0;
        for (uint32_t j = 0; j < m_iMaxFaceInfluences; ++j) {
            if (pCombinations[i].BoneId[j] != UNUSED_BONE_ID)
                ++iUsed;
        }
        if (iUsed > caps.maxVertexBlendMatrices)
            bSoftware = true;
    }
    if (bSoftware) {
        Mesh* pClone = nullptr;
        hr = pBlended->CloneMeshFVF(pBlended->GetOptions() | D3DXMESH_SOFTWAREPROCESSING, pBlended->GetFVF(), &pClone);
        if (SUCCEEDED(hr)) {
            pBlended->Release();
            m_pMeshContainer->MeshData.pMesh = pClone;
        }
    }
    return hr;
}

MeshResult CoreMesh::SetupBoneMatrixPointers(MeshFrame* pFrame)
{
    if (pFrame->pMeshContainer != nullptr) {
        const MeshResult hr = SetupBoneMatrixPointersOnMesh(pFrame->pMeshContainer);
        if (FAILED(hr))
            return hr;
    }
    if (pFrame->pFrameSibling != nullptr) {
        const MeshResult hr = SetupBoneMatrixPointers(pFrame->pFrameSibling);
        if (FAILED(hr))
            return hr;
    }
    if (pFrame->pFrameFirstChild != nullptr)
        return SetupBoneMatrixPointers(pFrame->pFrameFirstChild);
    return S_OK;
}

MeshResult CoreMesh::SetupBoneMatrixPointersOnMesh(MeshContainer* pContainer)
{
    // Only the drawn container's bones are read, through the mesh's one
    // pointer array.
    if (pContainer->pSkinInfo == nullptr || pContainer != m_pMeshContainer)
        return S_OK;
    ENGINE_ASSERT(m_ppBoneMatrixPtrs == NULL);
    if (m_ppBoneMatrixPtrs != nullptr)
        return E_FAIL;
    const uint32_t iBones = pContainer->pSkinInfo->GetNumBones();
    m_ppBoneMatrixPtrs = new (std::nothrow) Matrix4*[iBones];
    if (m_ppBoneMatrixPtrs == nullptr)
        return E_OUTOFMEMORY;
    for (uint32_t i = 0; i < iBones; ++i) {
        MeshFrame* pFrame = FrameFind(m_pRoot, pContainer->pSkinInfo->GetBoneName(i));
        if (pFrame == nullptr)
            return E_FAIL;
        m_ppBoneMatrixPtrs[i] = &static_cast<CoreMeshFrame*>(pFrame)->CombinedTransformationMatrix;
    }
    return S_OK;
}

bool CoreMesh::SetupTextures(CoreRenderer* pRenderer)
{
    const uint32_t iMaterials = m_pMeshContainer->NumMaterials;
    m_pTextureHandles = new (std::nothrow) CoreTexture*[iMaterials]();
    if (m_pTextureHandles == nullptr)
        return false;
    CoreTextureManager* pTextureManager = pRenderer != nullptr ? pRenderer->GetTextureManager() : nullptr;
    for (uint32_t i = 0; i < iMaterials; ++i) {
        MeshMaterial& material = m_pMeshContainer->pMaterials[i];
        material.MatD3D.ambient = material.MatD3D.diffuse;
        if (material.pTextureFilename != nullptr && material.pTextureFilename[0] != '\0') {
            if (pTextureManager != nullptr)
                m_pTextureHandles[i] = pTextureManager->GetTextureByName(material.pTextureFilename);
            ENGINE_ASSERT(m_pTextureHandles[i]);
        }
    }
    return true;
}

void CoreMesh::Shutdown()
{
    ENGINE_ASSERT(m_pTextureHandles != NULL && m_pMeshContainer != NULL);
    Release();
}

void CoreMesh::Release()
{
    delete[] m_pTextureHandles;
    m_pTextureHandles = nullptr;
    delete[] m_ppBoneMatrixPtrs;
    m_ppBoneMatrixPtrs = nullptr;
    if (m_pBoneCombinationBuffer != nullptr) {
        m_pBoneCombinationBuffer->Release();
        m_pBoneCombinationBuffer = nullptr;
    }
    // A skinned mesh holds the source mesh itself once the container holds
    // the blended one.
    if (m_pMesh != nullptr && m_pMeshContainer != nullptr && m_pMeshContainer->MeshData.pMesh != m_pMesh)
        m_pMesh->Release();
    m_pMesh = nullptr;
    delete[] m_pBoneOffsetMatrices;
    m_pBoneOffsetMatrices = nullptr;
    if (m_pSkinInfo != nullptr) {
        m_pSkinInfo->Release();
        m_pSkinInfo = nullptr;
    }
    m_pMeshContainer = nullptr;
    if (m_pAnimationCtrl != nullptr) {
        m_pAnimationCtrl->Release();
        m_pAnimationCtrl = nullptr;
    }
    if (m_pRoot != nullptr) {
        AllocMeshHierarchy alloc;
        FrameDestroy(m_pRoot, &alloc);
        m_pRoot = nullptr;
    }
    m_iNumBones = 0;
    m_iNumBoneCombinations = 0;
    m_iMaxFaceInfluences = 0;
}
