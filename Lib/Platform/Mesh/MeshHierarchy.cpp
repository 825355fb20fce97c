#include "Mesh/MeshHierarchy.h"

#include <cstring>

namespace Platform {

MeshFrame* FrameFind(const MeshFrame* pFrameRoot, const char* pName)
{
    for (const MeshFrame* pFrame = pFrameRoot; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
        if (pName != nullptr && pFrame->Name != nullptr && std::strcmp(pFrame->Name, pName) == 0)
            return const_cast<MeshFrame*>(pFrame);
        if (MeshFrame* pFound = FrameFind(pFrame->pFrameFirstChild, pName))
            return pFound;
    }
    return nullptr;
}

MeshResult FrameDestroy(MeshFrame* pFrameRoot, AllocateHierarchy* pAlloc)
{
    if (pAlloc == nullptr)
        return E_INVALIDARG;
    MeshResult result = S_OK;
    MeshFrame* pFrame = pFrameRoot;
    while (pFrame != nullptr) {
        MeshFrame* pNext = pFrame->pFrameSibling;
        if (pFrame->pFrameFirstChild != nullptr) {
            const MeshResult childResult = FrameDestroy(pFrame->pFrameFirstChild, pAlloc);
            if (FAILED(childResult))
                result = childResult;
        }
        MeshContainer* pContainer = pFrame->pMeshContainer;
        while (pContainer != nullptr) {
            MeshContainer* pNextContainer = pContainer->pNextMeshContainer;
            const MeshResult containerResult = pAlloc->DestroyMeshContainer(pContainer);
            if (FAILED(containerResult))
                result = containerResult;
            pContainer = pNextContainer;
        }
        const MeshResult frameResult = pAlloc->DestroyFrame(pFrame);
        if (FAILED(frameResult))
            result = frameResult;
        pFrame = pNext;
    }
    return result;
}

} // namespace Platform
