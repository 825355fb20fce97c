#include "Mesh/MeshHierarchy.h"
#include "Mesh/XFileMatrix.h"
#include "Mesh/XFileAnimations.h"
#include "Mesh/XFileMeshBuilder.h"
#include "Mesh/XFileTextCheck.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cstring>
#include <vector>

namespace Platform {
namespace {

// The file's own coordinates, winding and texture coordinates, polygons cut
// into triangles, the importer's copies of shared vertices joined, and
// normals made for meshes that have none.
constexpr unsigned int IMPORT_FLAGS = aiProcess_ConvertToLeftHanded | aiProcess_Triangulate |
                                      aiProcess_JoinIdenticalVertices | aiProcess_GenSmoothNormals;

// The root the importer adds above several top-level frames.
constexpr const char* IMPORTER_ROOT = "$dummy_root";

class HierarchyBuilder {
public:
    HierarchyBuilder(const aiScene& scene, uint32_t iOptions, AllocateHierarchy& alloc)
        : m_scene(scene), m_iOptions(iOptions), m_alloc(alloc)
    {
    }

    // Builds the frames of the nodes and their subtrees as a sibling chain;
    // every frame made is linked before the next step, so that a failure
    // leaves a chain that FrameDestroy frees.
    MeshResult BuildChain(const std::vector<const aiNode*>& nodes, MeshFrame** ppFirst)
    {
        MeshFrame** ppLink = ppFirst;
        for (const aiNode* pNode : nodes) {
            const char* pName = pNode->mName.length > 0 ? pNode->mName.C_Str() : nullptr;
            MeshFrame* pFrame = nullptr;
            MeshResult result = m_alloc.CreateFrame(pName, &pFrame);
            if (FAILED(result) || pFrame == nullptr)
                return FAILED(result) ? result : E_FAIL;
            *ppLink = pFrame;
            ppLink = &pFrame->pFrameSibling;
            pFrame->TransformationMatrix = RowVectorMatrix(pNode->mTransformation);

            result = BuildContainer(*pNode, pFrame);
            if (FAILED(result))
                return result;
            std::vector<const aiNode*> children(pNode->mChildren, pNode->mChildren + pNode->mNumChildren);
            result = BuildChain(children, &pFrame->pFrameFirstChild);
            if (FAILED(result))
                return result;
        }
        return S_OK;
    }

private:
    MeshResult BuildContainer(const aiNode& node, MeshFrame* pFrame)
    {
        XFileFrameMesh frameMesh;
        if (node.mNumMeshes == 0 || !frameMesh.Build(m_scene, node, m_iOptions))
            return S_OK;
        const MeshContainerData data = {D3DXMESHTYPE_MESH, frameMesh.GetMesh()};
        const std::vector<MeshMaterial>& materials = frameMesh.Materials();
        MeshContainer* pContainer = nullptr;
        const MeshResult result = m_alloc.CreateMeshContainer(
            frameMesh.Name(), &data, materials.empty() ? nullptr : materials.data(), nullptr,
            uint32_t(materials.size()), frameMesh.Adjacency().data(), frameMesh.GetSkin(), &pContainer);
        pFrame->pMeshContainer = pContainer;
        return result;
    }

    const aiScene& m_scene;
    uint32_t m_iOptions;
    AllocateHierarchy& m_alloc;
};

} // namespace

MeshResult LoadMeshHierarchyFromXInMemory(const void* pData, uint32_t iSize, uint32_t iOptions,
                                          AllocateHierarchy* pAlloc, MeshFrame** ppFrameHierarchy,
                                          AnimationController** ppAnimController)
{
    if (ppFrameHierarchy != nullptr)
        *ppFrameHierarchy = nullptr;
    if (ppAnimController != nullptr)
        *ppAnimController = nullptr;
    if (pData == nullptr || iSize == 0 || pAlloc == nullptr || ppFrameHierarchy == nullptr)
        return E_INVALIDARG;

    if (!IsSafeXFileText(static_cast<const char*>(pData), iSize))
        return D3DXERR_INVALIDDATA;
    Assimp::Importer importer;
    const aiScene* pScene = importer.ReadFileFromMemory(pData, iSize, IMPORT_FLAGS, "x");
    if (pScene == nullptr || pScene->mRootNode == nullptr)
        return D3DXERR_INVALIDDATA;

    const aiNode* pRoot = pScene->mRootNode;
    std::vector<const aiNode*> topFrames = {pRoot};
    if (std::strcmp(pRoot->mName.C_Str(), IMPORTER_ROOT) == 0 && pRoot->mNumMeshes == 0)
        topFrames.assign(pRoot->mChildren, pRoot->mChildren + pRoot->mNumChildren);

    MeshFrame* pHierarchy = nullptr;
    HierarchyBuilder builder(*pScene, iOptions, *pAlloc);
    const MeshResult result = builder.BuildChain(topFrames, &pHierarchy);
    if (FAILED(result)) {
        FrameDestroy(pHierarchy, pAlloc);
        return result;
    }
    *ppFrameHierarchy = pHierarchy;
    AnimationController* pController = BuildXFileAnimationController(*pScene, pHierarchy);
    if (ppAnimController != nullptr)
        *ppAnimController = pController;
    else if (pController != nullptr)
        pController->Release();
    return S_OK;
}

} // namespace Platform
