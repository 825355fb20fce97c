#include "Mesh/CoreMeshAnimationManager.h"

#include "Error/EngineAssert.h"
#include "Mesh/CoreMesh.h"

using namespace Platform;

namespace {

CoreMesh* ResolveHandle(CoreMeshHandle hMeshHandle)
{
    ENGINE_ASSERT(hMeshHandle != NULL);
    return hMeshHandle != NULL ? CoreMeshManager::GetMeshFromHandle(hMeshHandle) : nullptr;
}

} // namespace

bool CoreMeshAnimationManager::UpdateAnimation(CoreMeshHandle hMeshHandle, uint32_t iElapsedMs)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr && SUCCEEDED(pMesh->UpdateAnimation(iElapsedMs));
}

int32_t CoreMeshAnimationManager::GetAnimationIdFromName(CoreMeshHandle hMeshHandle, const char* pName)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr ? pMesh->GetAnimationIdFromName(pName) : -1;
}

bool CoreMeshAnimationManager::SetAnimationTrackEnable(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, bool bEnable)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr && SUCCEEDED(pMesh->SetAnimationTrackEnable(iTrackIdx, bEnable));
}

bool CoreMeshAnimationManager::SetAnimationTrackWeight(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, float fWeight)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr && SUCCEEDED(pMesh->SetAnimationTrackWeight(iTrackIdx, fWeight));
}

bool CoreMeshAnimationManager::SetTrackPosition(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, double position)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr && SUCCEEDED(pMesh->SetAnimationTrackPosition(iTrackIdx, position));
}

double CoreMeshAnimationManager::GetTrackAnimationPosition(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    double position = -1.0;
    if (pMesh != nullptr) {
        const MeshResult hr = pMesh->GetAnimationTrackPeriodicPosition(iTrackIdx, &position);
        ENGINE_ASSERT(S_OK == hr);
    }
    return position;
}

double CoreMeshAnimationManager::GetTrackAnimationPeriod(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    double period = -1.0;
    if (pMesh != nullptr) {
        const MeshResult hr = pMesh->GetAnimationTrackPeriod(iTrackIdx, &period);
        ENGINE_ASSERT(S_OK == hr);
    }
    return period;
}

bool CoreMeshAnimationManager::HasAnimation(CoreMeshHandle hMeshHandle)
{
    const CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr && pMesh->HasAnimationBones();
}

bool CoreMeshAnimationManager::SetTrackAnimation(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, uint32_t iAnimationIdx)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    return pMesh != nullptr && SUCCEEDED(pMesh->SetTrackAnimation(iTrackIdx, iAnimationIdx));
}

void CoreMeshAnimationManager::GetBoneTransformationFromName(CoreMeshHandle hMeshHandle, CoreMatrix* pOut,
                                                             const char* pName)
{
    CoreMesh* pMesh = ResolveHandle(hMeshHandle);
    if (pMesh == nullptr)
        return;
    ENGINE_ASSERT(pMesh->HasAnimationBones());
    Matrix4 matrix;
    const MeshResult hr = pMesh->GetBoneMatrixFromName(&matrix, pName);
    ENGINE_ASSERT(SUCCEEDED(hr));
    if (SUCCEEDED(hr))
        CoreMatrix::TransposeFromD3D(pOut, &matrix);
}
