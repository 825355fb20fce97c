#include "Error/EngineAssert.h"
#include "Graphics/MatrixFunctions.h"
#include "Mesh/CoreMesh.h"

using namespace Platform;

namespace {

// Releases an animation set reference when it goes out of scope.
class SetReference {
public:
    ~SetReference()
    {
        if (m_pSet != nullptr)
            m_pSet->Release();
    }
    AnimationSet** Out() { return &m_pSet; }
    AnimationSet* Get() const { return m_pSet; }

private:
    AnimationSet* m_pSet = nullptr;
};

} // namespace

bool CoreMesh::CheckTrack(uint32_t iTrackIdx) const
{
    ENGINE_ASSERT(m_pAnimationCtrl != NULL);
    if (m_pAnimationCtrl == nullptr)
        return false;
    ENGINE_ASSERT(iTrackIdx < m_pAnimationCtrl->GetMaxNumTracks());
    return iTrackIdx < m_pAnimationCtrl->GetMaxNumTracks();
}

void CoreMesh::UpdateFrameMatrices(MeshFrame* pFrame, const Matrix4* pParentMatrix)
{
    CoreMeshFrame* pCoreFrame = static_cast<CoreMeshFrame*>(pFrame);
    MatrixMultiply(&pCoreFrame->CombinedTransformationMatrix, &pFrame->TransformationMatrix, pParentMatrix);
    if (pFrame->pFrameSibling != nullptr)
        UpdateFrameMatrices(pFrame->pFrameSibling, pParentMatrix);
    if (pFrame->pFrameFirstChild != nullptr)
        UpdateFrameMatrices(pFrame->pFrameFirstChild, &pCoreFrame->CombinedTransformationMatrix);
}

MeshResult CoreMesh::UpdateAnimation(uint32_t iElapsedMs)
{
    if (m_pAnimationCtrl == nullptr)
        return S_OK;
    const MeshResult hr = m_pAnimationCtrl->AdvanceTime(iElapsedMs / 1000.0);
    if (SUCCEEDED(hr) && m_pRoot != nullptr)
        UpdateFrameMatrices(m_pRoot, &IDENTITY_MATRIX);
    return hr;
}

int32_t CoreMesh::GetAnimationIdFromName(const char* pName)
{
    ENGINE_ASSERT(m_pAnimationCtrl != NULL);
    if (m_pAnimationCtrl == nullptr)
        return -1;
    SetReference named;
    const MeshResult hr = m_pAnimationCtrl->GetAnimationSetByName(pName, named.Out());
    ENGINE_ASSERT(hr == S_OK);
    if (named.Get() != nullptr) {
        for (uint32_t i = 0; i < m_pAnimationCtrl->GetNumAnimationSets(); ++i) {
            SetReference indexed;
            m_pAnimationCtrl->GetAnimationSet(i, indexed.Out());
            if (indexed.Get() == named.Get())
                return int32_t(i);
        }
    }
    ENGINE_ASSERT(false);
    return -1;
}

MeshResult CoreMesh::SetAnimationTrackEnable(uint32_t iTrackIdx, bool bEnable)
{
    if (!CheckTrack(iTrackIdx))
        return E_INVALIDARG;
    return m_pAnimationCtrl->SetTrackEnable(iTrackIdx, bEnable);
}

MeshResult CoreMesh::SetAnimationTrackWeight(uint32_t iTrackIdx, float fWeight)
{
    if (!CheckTrack(iTrackIdx))
        return E_INVALIDARG;
    return m_pAnimationCtrl->SetTrackWeight(iTrackIdx, fWeight);
}

MeshResult CoreMesh::SetAnimationTrackPosition(uint32_t iTrackIdx, double position)
{
    if (!CheckTrack(iTrackIdx))
        return E_INVALIDARG;
    return m_pAnimationCtrl->SetTrackPosition(iTrackIdx, position);
}

MeshResult CoreMesh::SetTrackAnimation(uint32_t iTrackIdx, uint32_t iAnimationIdx)
{
    if (!CheckTrack(iTrackIdx))
        return E_INVALIDARG;
    ENGINE_ASSERT(iAnimationIdx < m_pAnimationCtrl->GetNumAnimationSets());
    SetReference set;
    MeshResult hr = m_pAnimationCtrl->GetAnimationSet(iAnimationIdx, set.Out());
    if (SUCCEEDED(hr)) {
        hr = m_pAnimationCtrl->SetTrackAnimationSet(iTrackIdx, set.Get());
        m_pAnimationCtrl->SetTrackPosition(iTrackIdx, 0.0);
    }
    return hr;
}

MeshResult CoreMesh::GetAnimationTrackPeriodicPosition(uint32_t iTrackIdx, double* pPosition)
{
    ENGINE_ASSERT(NULL != pPosition);
    if (pPosition == nullptr)
        return E_INVALIDARG;
    *pPosition = -1.0;
    if (!CheckTrack(iTrackIdx))
        return E_INVALIDARG;
    TrackDesc desc {};
    MeshResult hr = m_pAnimationCtrl->GetTrackDesc(iTrackIdx, &desc);
    if (FAILED(hr))
        return hr;
    SetReference set;
    hr = m_pAnimationCtrl->GetTrackAnimationSet(iTrackIdx, set.Out());
    const AnimationSet* pAnimationSet = set.Get();
    ENGINE_ASSERT(NULL != pAnimationSet);
    if (FAILED(hr))
        return hr;
    *pPosition = pAnimationSet->GetPeriodicPosition(desc.Position);
    return S_OK;
}

MeshResult CoreMesh::GetAnimationTrackPeriod(uint32_t iTrackIdx, double* pPeriod)
{
    ENGINE_ASSERT(NULL != pPeriod);
    if (pPeriod == nullptr)
        return E_INVALIDARG;
    *pPeriod = -1.0;
    if (!CheckTrack(iTrackIdx))
        return E_INVALIDARG;
    SetReference set;
    const MeshResult hr = m_pAnimationCtrl->GetTrackAnimationSet(iTrackIdx, set.Out());
    if (FAILED(hr))
        return hr;
    *pPeriod = set.Get()->GetPeriod();
    return S_OK;
}

MeshResult CoreMesh::GetBoneMatrixFromName(Matrix4* pOut, const char* pName)
{
    ENGINE_ASSERT(m_pSkinInfo != NULL);
    ENGINE_ASSERT(pOut != NULL);
    if (pOut == nullptr)
        return E_INVALIDARG;
    MeshFrame* pFrame = FrameFind(m_pRoot, pName);
    if (pFrame == nullptr)
        return D3DERR_NOTFOUND;
    *pOut = static_cast<CoreMeshFrame*>(pFrame)->CombinedTransformationMatrix;
    return S_OK;
}
