#include "Scene/Common/CharacterBody.h"

#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "Log/CoreLog.h"
#include "Managers/Common/PackageResource.h"
#include "Managers/Common/ResourceManager.h"
#include "Mesh/CoreMeshAnimationManager.h"
#include "Renderer/CoreRenderer.h"

CharacterBody::~CharacterBody()
{
    if (m_oDataPack.m_bBound)
        DkDataPackBinding::UnbindPack(m_oDataPack);
    if (m_pPackage && ResourceManager::GetInstance())
        ResourceManager::GetInstance()->UnloadPackage(m_pPackage);
}

bool CharacterBody::Load(const char* pPath)
{
    ResourceManager* manager = ResourceManager::GetInstance();
    m_pPackage = manager && pPath ? manager->LoadPackage(pPath) : nullptr;
    if (!m_pPackage || !DkDataPackBinding::BindPack(m_oDataPack, m_pPackage->Buffer(), m_pPackage->Size(), pPath)) {
        CorePrint(&g_oCoreLog, "Error loading actor\n");
        return false;
    }
    // A pack without exactly one mesh leaves the character without a body.
    if (m_oDataPack.GetResourceCount(DATAPACK_XMESH) != 1 || !g_pMeshManager) {
        CorePrint(&g_oCoreLog, "Error loading actor\n");
        return false;
    }
    m_hMesh = g_pMeshManager->GetMeshByName(m_oDataPack.EntryName(0));
    if (!m_hMesh) {
        CorePrint(&g_oCoreLog, "Error loading actor\n");
        return false;
    }
    return true;
}

int32_t CharacterBody::FindSet(const char* pName, float& period) const
{
    period = 0.0f;
    if (!m_hMesh || !pName)
        return -1;
    const int32_t set = CoreMeshAnimationManager::GetAnimationIdFromName(m_hMesh, pName);
    if (set < 0)
        return -1;
    CoreMeshAnimationManager::SetTrackAnimation(m_hMesh, 0, static_cast<uint32_t>(set));
    period = static_cast<float>(CoreMeshAnimationManager::GetTrackAnimationPeriod(m_hMesh, 0));
    return set;
}

void CharacterBody::Pose(const CharacterAnimations& animations) const
{
    // A figure without animations stands at rest: it has no tracks to set.
    if (!m_hMesh || !CoreMeshAnimationManager::HasAnimation(m_hMesh))
        return;
    for (uint32_t t = 0; t < 2; ++t) {
        const CharacterAnimations::Track& track = animations.GetTrack(static_cast<int32_t>(t));
        const int32_t set = track.m_iEntry >= 0 ? animations.GetEntry(track.m_iEntry).m_iSet : -1;
        // A one-shot that has ended is off but keeps its last pose.
        const bool shown = set >= 0 && (track.m_bOn || t == 0);
        CoreMeshAnimationManager::SetAnimationTrackEnable(m_hMesh, t, shown);
        if (!shown)
            continue;
        CoreMeshAnimationManager::SetTrackAnimation(m_hMesh, t, static_cast<uint32_t>(set));
        CoreMeshAnimationManager::SetTrackPosition(m_hMesh, t, track.m_fPosition);
        CoreMeshAnimationManager::SetAnimationTrackWeight(m_hMesh, t, track.m_bOn || t == 0 ? track.m_fWeight : 0.0f);
    }
    CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 0);
}

bool CharacterBody::GetBoneMatrix(const char* pBoneName, CoreMatrix& out) const
{
    if (!m_hMesh || !pBoneName || !CoreMeshAnimationManager::HasAnimation(m_hMesh))
        return false;
    CoreMatrix::Identity(&out);
    CoreMeshAnimationManager::GetBoneTransformationFromName(m_hMesh, &out, pBoneName);
    return true;
}

void CharacterBody::Render(CoreRenderer& renderer, const CoreMatrix& world, const CoreMaterial* pMaterial,
                           const CoreMatrix* pProjection) const
{
    if (m_hMesh)
        renderer.RenderMesh(m_hMesh, world, pMaterial, pProjection);
}
