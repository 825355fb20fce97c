#include "Mesh/AnimationSet.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Platform {
namespace {

// The index of the last key at or before the time (0 before the first) and
// the share of the way to the next one.
template <typename Key>
size_t FindKey(const std::vector<Key>& keys, double ticks, float& fShare)
{
    fShare = 0.0f;
    const auto next =
        std::upper_bound(keys.begin(), keys.end(), ticks, [](double time, const Key& key) { return time < key.time; });
    if (next == keys.begin())
        return 0;
    const size_t iKey = size_t(next - keys.begin()) - 1;
    if (next != keys.end() && next->time > keys[iKey].time)
        fShare = float((ticks - keys[iKey].time) / (next->time - keys[iKey].time));
    return iKey;
}

Vector3 Interpolate(const std::vector<VectorKey>& keys, double ticks)
{
    float fShare;
    const size_t i = FindKey(keys, ticks, fShare);
    const Vector3& a = keys[i].value;
    if (fShare == 0.0f)
        return a;
    const Vector3& b = keys[i + 1].value;
    return {a.x + (b.x - a.x) * fShare, a.y + (b.y - a.y) * fShare, a.z + (b.z - a.z) * fShare};
}

Quaternion Interpolate(const std::vector<QuaternionKey>& keys, double ticks)
{
    float fShare;
    const size_t i = FindKey(keys, ticks, fShare);
    if (fShare == 0.0f)
        return keys[i].value;
    return QuaternionSlerp(keys[i].value, keys[i + 1].value, fShare);
}

} // namespace

AnimationSet::AnimationSet(std::string name, double ticksPerSecond, std::vector<AnimationChannel> channels)
    : m_name(std::move(name)), m_ticksPerSecond(ticksPerSecond), m_period(0.0), m_vChannels(std::move(channels))
{
    double lastTick = 0.0;
    for (const AnimationChannel& channel : m_vChannels) {
        lastTick = std::max({lastTick, channel.scaleKeys.back().time, channel.rotationKeys.back().time,
                             channel.positionKeys.back().time});
    }
    m_period = lastTick / m_ticksPerSecond;
}

double AnimationSet::GetPeriodicPosition(double position) const
{
    if (m_period <= 0.0)
        return 0.0;
    double folded = std::fmod(position, m_period);
    if (folded < 0.0)
        folded += m_period;
    return folded < m_period ? folded : 0.0;
}

const char* AnimationSet::GetAnimationName(uint32_t iAnimation) const
{
    return iAnimation < m_vChannels.size() ? m_vChannels[iAnimation].frameName.c_str() : nullptr;
}

MeshResult AnimationSet::GetSRT(double periodicPosition, uint32_t iAnimation, Vector3* pScale, Quaternion* pRotation,
                                Vector3* pTranslation) const
{
    if (iAnimation >= m_vChannels.size() || pScale == nullptr || pRotation == nullptr || pTranslation == nullptr)
        return E_INVALIDARG;
    const AnimationChannel& channel = m_vChannels[iAnimation];
    const double ticks = periodicPosition * m_ticksPerSecond;
    *pScale = Interpolate(channel.scaleKeys, ticks);
    *pRotation = Interpolate(channel.rotationKeys, ticks);
    *pTranslation = Interpolate(channel.positionKeys, ticks);
    return S_OK;
}

} // namespace Platform
