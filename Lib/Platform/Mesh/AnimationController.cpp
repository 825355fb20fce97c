#include "Mesh/AnimationController.h"

#include <cstring>

namespace Platform {
namespace {

void AddScaled(Vector3& sum, const Vector3& v, float fWeight)
{
    sum.x += v.x * fWeight;
    sum.y += v.y * fWeight;
    sum.z += v.z * fWeight;
}

} // namespace

AnimationController::AnimationController(uint32_t iMaxNumTracks)
    : m_vTracks(iMaxNumTracks, Track {{1.0f, 1.0f, 0.0, false}, NO_SET})
{
}

AnimationController::~AnimationController()
{
    for (AnimationSet* pSet : m_vSets)
        pSet->Release();
}

MeshResult AnimationController::RegisterAnimationSet(AnimationSet* pSet)
{
    if (pSet == nullptr)
        return E_INVALIDARG;
    pSet->AddRef();
    m_vSets.push_back(pSet);
    m_vChannelOutputs.emplace_back();
    MapChannels(uint32_t(m_vSets.size() - 1));
    return S_OK;
}

MeshResult AnimationController::RegisterAnimationOutput(const char* pName, Matrix4* pMatrix)
{
    if (pName == nullptr || pMatrix == nullptr)
        return E_INVALIDARG;
    m_vOutputs.push_back({pName, pMatrix});
    for (uint32_t iSet = 0; iSet < m_vSets.size(); ++iSet)
        MapChannels(iSet);
    return S_OK;
}

int32_t AnimationController::FindOutput(const char* pName) const
{
    for (size_t i = 0; i < m_vOutputs.size(); ++i) {
        if (m_vOutputs[i].name == pName)
            return int32_t(i);
    }
    return -1;
}

void AnimationController::MapChannels(uint32_t iSet)
{
    const AnimationSet* pSet = m_vSets[iSet];
    std::vector<int32_t>& outputs = m_vChannelOutputs[iSet];
    outputs.resize(pSet->GetNumAnimations());
    for (uint32_t i = 0; i < pSet->GetNumAnimations(); ++i)
        outputs[i] = FindOutput(pSet->GetAnimationName(i));
}

MeshResult AnimationController::GetAnimationSet(uint32_t iIndex, AnimationSet** ppSet) const
{
    if (ppSet == nullptr)
        return E_INVALIDARG;
    *ppSet = nullptr;
    if (iIndex >= m_vSets.size())
        return E_INVALIDARG;
    m_vSets[iIndex]->AddRef();
    *ppSet = m_vSets[iIndex];
    return S_OK;
}

MeshResult AnimationController::GetAnimationSetByName(const char* pName, AnimationSet** ppSet) const
{
    if (ppSet == nullptr)
        return E_INVALIDARG;
    *ppSet = nullptr;
    if (pName == nullptr)
        return E_INVALIDARG;
    for (AnimationSet* pSet : m_vSets) {
        if (std::strcmp(pSet->GetName(), pName) == 0) {
            pSet->AddRef();
            *ppSet = pSet;
            return S_OK;
        }
    }
    return D3DERR_NOTFOUND;
}

MeshResult AnimationController::SetTrackAnimationSet(uint32_t iTrack, AnimationSet* pSet)
{
    if (iTrack >= m_vTracks.size())
        return E_INVALIDARG;
    if (pSet == nullptr) {
        m_vTracks[iTrack].iSet = NO_SET;
        return S_OK;
    }
    for (uint32_t iSet = 0; iSet < m_vSets.size(); ++iSet) {
        if (m_vSets[iSet] == pSet) {
            m_vTracks[iTrack].iSet = iSet;
            return S_OK;
        }
    }
    return E_INVALIDARG;
}

MeshResult AnimationController::GetTrackAnimationSet(uint32_t iTrack, AnimationSet** ppSet) const
{
    if (ppSet == nullptr)
        return E_INVALIDARG;
    *ppSet = nullptr;
    if (iTrack >= m_vTracks.size())
        return E_INVALIDARG;
    if (m_vTracks[iTrack].iSet == NO_SET)
        return D3DERR_NOTFOUND;
    return GetAnimationSet(m_vTracks[iTrack].iSet, ppSet);
}

MeshResult AnimationController::SetTrackEnable(uint32_t iTrack, bool bEnable)
{
    if (iTrack >= m_vTracks.size())
        return E_INVALIDARG;
    m_vTracks[iTrack].desc.Enable = bEnable;
    return S_OK;
}

MeshResult AnimationController::SetTrackWeight(uint32_t iTrack, float fWeight)
{
    if (iTrack >= m_vTracks.size())
        return E_INVALIDARG;
    m_vTracks[iTrack].desc.Weight = fWeight;
    return S_OK;
}

MeshResult AnimationController::SetTrackSpeed(uint32_t iTrack, float fSpeed)
{
    if (iTrack >= m_vTracks.size())
        return E_INVALIDARG;
    m_vTracks[iTrack].desc.Speed = fSpeed;
    return S_OK;
}

MeshResult AnimationController::SetTrackPosition(uint32_t iTrack, double position)
{
    if (iTrack >= m_vTracks.size())
        return E_INVALIDARG;
    m_vTracks[iTrack].desc.Position = position;
    return S_OK;
}

MeshResult AnimationController::GetTrackDesc(uint32_t iTrack, TrackDesc* pDesc) const
{
    if (iTrack >= m_vTracks.size() || pDesc == nullptr)
        return E_INVALIDARG;
    *pDesc = m_vTracks[iTrack].desc;
    return S_OK;
}

MeshResult AnimationController::AdvanceTime(double elapsed)
{
    m_time += elapsed;
    for (Track& track : m_vTracks) {
        if (track.desc.Enable && track.iSet != NO_SET)
            track.desc.Position += elapsed * track.desc.Speed;
    }
    MixOutputs();
    return S_OK;
}

void AnimationController::MixOutputs()
{
    m_vMixes.assign(m_vOutputs.size(), OutputMix {});
    for (const Track& track : m_vTracks) {
        if (!track.desc.Enable || track.iSet == NO_SET || !(track.desc.Weight > 0.0f))
            continue;
        const AnimationSet* pSet = m_vSets[track.iSet];
        const double periodic = pSet->GetPeriodicPosition(track.desc.Position);
        const std::vector<int32_t>& outputs = m_vChannelOutputs[track.iSet];
        for (uint32_t i = 0; i < outputs.size(); ++i) {
            if (outputs[i] < 0)
                continue;
            Vector3 scale;
            Quaternion rotation;
            Vector3 translation;
            pSet->GetSRT(periodic, i, &scale, &rotation, &translation);
            OutputMix& mix = m_vMixes[size_t(outputs[i])];
            const float fWeight = track.desc.Weight;
            // Rotations are summed on the same side of the sphere as the
            // first one, so that q and -q do not cancel.
            if (mix.fWeight == 0.0f)
                mix.firstRotation = rotation;
            else if (QuaternionDot(mix.firstRotation, rotation) < 0.0f)
                rotation = {-rotation.x, -rotation.y, -rotation.z, -rotation.w};
            AddScaled(mix.scale, scale, fWeight);
            AddScaled(mix.translation, translation, fWeight);
            mix.rotation.x += rotation.x * fWeight;
            mix.rotation.y += rotation.y * fWeight;
            mix.rotation.z += rotation.z * fWeight;
            mix.rotation.w += rotation.w * fWeight;
            mix.fWeight += fWeight;
        }
    }
    for (size_t i = 0; i < m_vOutputs.size(); ++i) {
        const OutputMix& mix = m_vMixes[i];
        if (mix.fWeight <= 0.0f)
            continue;
        const float fInverse = 1.0f / mix.fWeight;
        const Vector3 scale = {mix.scale.x * fInverse, mix.scale.y * fInverse, mix.scale.z * fInverse};
        const Vector3 translation = {mix.translation.x * fInverse, mix.translation.y * fInverse,
                                     mix.translation.z * fInverse};
        MatrixFromScaleRotationTranslation(m_vOutputs[i].pMatrix, scale, QuaternionNormalize(mix.rotation),
                                           translation);
    }
}

} // namespace Platform
