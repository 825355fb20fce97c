#include "Error/EngineAssert.h"
#include "Mesh/CoreMesh.h"

#include <cctype>
#include <cstring>
#include <new>

using namespace Platform;

namespace {

// The colour of a material the file does not give: magenta, easy to spot.
const ColorValue DEFAULT_MATERIAL_COLOR = {1.0f, 0.0f, 1.0f, 1.0f};

} // namespace

char* CoreMesh::AllocMeshHierarchy::CopyName(const char* pName)
{
    if (pName == nullptr)
        return nullptr;
    const size_t iLength = std::strlen(pName);
    char* pCopy = new (std::nothrow) char[iLength + 1];
    if (pCopy != nullptr)
        std::memcpy(pCopy, pName, iLength + 1);
    return pCopy;
}

char* CoreMesh::AllocMeshHierarchy::CopyTextureName(const char* pName)
{
    if (pName == nullptr)
        return nullptr;
    const char* pDot = std::strrchr(pName, '.');
    const size_t iLength = pDot != nullptr ? size_t(pDot - pName) : std::strlen(pName);
    char* pCopy = new (std::nothrow) char[iLength + 1];
    if (pCopy == nullptr)
        return nullptr;
    for (size_t i = 0; i < iLength; ++i)
        pCopy[i] = char(std::tolower(static_cast<unsigned char>(pName[i])));
    pCopy[iLength] = '\0';
    return pCopy;
}

MeshResult CoreMesh::AllocMeshHierarchy::CreateFrame(const char* pName, MeshFrame** ppNewFrame)
{
    *ppNewFrame = nullptr;
    CoreMeshFrame* pFrame = new (std::nothrow) CoreMeshFrame {};
    if (pFrame == nullptr)
        return E_OUTOFMEMORY;
    pFrame->Name = CopyName(pName);
    pFrame->TransformationMatrix = IDENTITY_MATRIX;
    pFrame->CombinedTransformationMatrix = IDENTITY_MATRIX;
    *ppNewFrame = pFrame;
    return S_OK;
}

MeshResult CoreMesh::AllocMeshHierarchy::CreateMeshContainer(const char* pName, const MeshContainerData* pMeshData,
                                                             const MeshMaterial* pMaterials, const void*,
                                                             uint32_t numMaterials, const uint32_t* pAdjacency,
                                                             SkinInfo* pSkinInfo, MeshContainer** ppNewMeshContainer)
{
    MeshContainer* pMeshContainer = new (std::nothrow) MeshContainer {};
    *ppNewMeshContainer = pMeshContainer;
    if (pMeshContainer == nullptr)
        return E_OUTOFMEMORY;
    pMeshContainer->Name = CopyName(pName != nullptr ? pName : "<no name>");
    if (pMeshData->Type != D3DXMESHTYPE_MESH)
        return S_OK;

    Mesh* pMesh = pMeshData->pMesh;
    pMeshContainer->NumMaterials = numMaterials > 1 ? numMaterials : 1;
    pMeshContainer->pMaterials = new (std::nothrow) MeshMaterial[pMeshContainer->NumMaterials]();
    if (pMeshContainer->pMaterials == nullptr) {
        pMeshContainer->NumMaterials = 0;
        return E_OUTOFMEMORY;
    }
    if (numMaterials > 0) {
        for (uint32_t i = 0; i < numMaterials; ++i) {
            pMeshContainer->pMaterials[i].MatD3D = pMaterials[i].MatD3D;
            pMeshContainer->pMaterials[i].pTextureFilename = CopyTextureName(pMaterials[i].pTextureFilename);
        }
    } else {
        Material& material = pMeshContainer->pMaterials[0].MatD3D;
        material.diffuse = DEFAULT_MATERIAL_COLOR;
        material.ambient = DEFAULT_MATERIAL_COLOR;
        material.specular = DEFAULT_MATERIAL_COLOR;
        material.emissive = {0.0f, 0.0f, 0.0f, 1.0f};
        material.power = 1.0f;
    }

    const uint32_t iWords = 3 * pMesh->GetNumFaces();
    pMeshContainer->pAdjacency = new (std::nothrow) uint32_t[iWords];
    if (pMeshContainer->pAdjacency == nullptr) {
        ENGINE_ASSERT(pMeshContainer->pAdjacency != NULL);
        return E_OUTOFMEMORY;
    }
    std::memcpy(pMeshContainer->pAdjacency, pAdjacency, iWords * sizeof(uint32_t));

    pMesh->AddRef();
    pMeshContainer->MeshData = {D3DXMESHTYPE_MESH, pMesh};
    if (pSkinInfo != nullptr) {
        pSkinInfo->AddRef();
        pMeshContainer->pSkinInfo = pSkinInfo;
    }
    return S_OK;
}

MeshResult CoreMesh::AllocMeshHierarchy::DestroyFrame(MeshFrame* pFrameToFree)
{
    delete[] pFrameToFree->Name;
    delete static_cast<CoreMeshFrame*>(pFrameToFree);
    return S_OK;
}

MeshResult CoreMesh::AllocMeshHierarchy::DestroyMeshContainer(MeshContainer* pMeshContainerToFree)
{
    MeshContainer* pContainer = pMeshContainerToFree;
    if (pContainer->pSkinInfo != nullptr)
        pContainer->pSkinInfo->Release();
    if (pContainer->MeshData.pMesh != nullptr)
        pContainer->MeshData.pMesh->Release();
    delete[] pContainer->pAdjacency;
    for (uint32_t i = 0; i < pContainer->NumMaterials; ++i)
        delete[] pContainer->pMaterials[i].pTextureFilename;
    delete[] pContainer->pMaterials;
    delete[] pContainer->Name;
    delete pContainer;
    return S_OK;
}
