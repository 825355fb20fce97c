#pragma once
#include "Mesh/MeshHierarchy.h"

#include <cstring>
#include <string>

// A plain allocator that counts what it made and freed, and can be told to
// fail its n-th frame or container.
class CountingHierarchy : public Platform::AllocateHierarchy {
public:
    Platform::MeshResult CreateFrame(const char* pName, Platform::MeshFrame** ppNewFrame) override
    {
        *ppNewFrame = nullptr;
        if (m_iFailFrame-- == 0)
            return Platform::E_OUTOFMEMORY;
        Platform::MeshFrame* pFrame = new Platform::MeshFrame {};
        pFrame->Name = pName != nullptr ? strdup(pName) : nullptr;
        *ppNewFrame = pFrame;
        ++m_iFrames;
        return Platform::S_OK;
    }

    Platform::MeshResult CreateMeshContainer(const char* pName, const Platform::MeshContainerData* pMeshData,
                                             const Platform::MeshMaterial* pMaterials, const void*,
                                             uint32_t numMaterials, const uint32_t* pAdjacency,
                                             Platform::SkinInfo* pSkinInfo,
                                             Platform::MeshContainer** ppNewMeshContainer) override
    {
        *ppNewMeshContainer = nullptr;
        if (m_iFailContainer-- == 0)
            return Platform::E_OUTOFMEMORY;
        Platform::MeshContainer* pContainer = new Platform::MeshContainer {};
        pContainer->Name = pName != nullptr ? strdup(pName) : nullptr;
        pContainer->MeshData = *pMeshData;
        pContainer->MeshData.pMesh->AddRef();
        pContainer->NumMaterials = numMaterials;
        pContainer->pMaterials = new Platform::MeshMaterial[numMaterials];
        for (uint32_t i = 0; i < numMaterials; ++i) {
            pContainer->pMaterials[i] = pMaterials[i];
            if (pMaterials[i].pTextureFilename != nullptr)
                pContainer->pMaterials[i].pTextureFilename = strdup(pMaterials[i].pTextureFilename);
        }
        const uint32_t iWords = 3 * pMeshData->pMesh->GetNumFaces();
        pContainer->pAdjacency = new uint32_t[iWords];
        std::memcpy(pContainer->pAdjacency, pAdjacency, iWords * sizeof(uint32_t));
        if (pSkinInfo != nullptr)
            pSkinInfo->AddRef();
        pContainer->pSkinInfo = pSkinInfo;
        *ppNewMeshContainer = pContainer;
        ++m_iContainers;
        return Platform::S_OK;
    }

    Platform::MeshResult DestroyFrame(Platform::MeshFrame* pFrame) override
    {
        free(pFrame->Name);
        delete pFrame;
        --m_iFrames;
        return Platform::S_OK;
    }

    Platform::MeshResult DestroyMeshContainer(Platform::MeshContainer* pContainer) override
    {
        if (pContainer->pSkinInfo != nullptr)
            pContainer->pSkinInfo->Release();
        pContainer->MeshData.pMesh->Release();
        for (uint32_t i = 0; i < pContainer->NumMaterials; ++i)
            free(pContainer->pMaterials[i].pTextureFilename);
        delete[] pContainer->pMaterials;
        delete[] pContainer->pAdjacency;
        free(pContainer->Name);
        delete pContainer;
        --m_iContainers;
        return Platform::S_OK;
    }

    int m_iFrames = 0;
    int m_iContainers = 0;
    int m_iFailFrame = -1;
    int m_iFailContainer = -1;
};

// Loads an X file given as text; the hierarchy and controller are freed with
// the object.
struct LoadedHierarchy {
    explicit LoadedHierarchy(const std::string& text)
    {
        result = Platform::LoadMeshHierarchyFromXInMemory(text.data(), uint32_t(text.size()),
                                                          Platform::D3DXMESH_SYSTEMMEM, &alloc, &pRoot, &pController);
    }
    ~LoadedHierarchy()
    {
        if (pController != nullptr)
            pController->Release();
        Platform::FrameDestroy(pRoot, &alloc);
    }

    CountingHierarchy alloc;
    Platform::MeshResult result;
    Platform::MeshFrame* pRoot = nullptr;
    Platform::AnimationController* pController = nullptr;
};
