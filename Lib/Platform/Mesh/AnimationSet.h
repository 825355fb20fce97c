#pragma once
#include "Graphics/Matrix4.h"
#include "Mesh/MeshResult.h"
#include "Mesh/Quaternion.h"
#include "Mesh/RefCounted.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

struct VectorKey {
    double time; // ticks
    Vector3 value;
};

struct QuaternionKey {
    double time; // ticks
    Quaternion value;
};

// The keys that move one frame, found by the frame's name. Each list holds
// at least one key, in ascending time.
struct AnimationChannel {
    std::string frameName;
    std::vector<VectorKey> scaleKeys;
    std::vector<QuaternionKey> rotationKeys;
    std::vector<VectorKey> positionKeys;
};

// A named, looping set of key-framed frame animations. Positions are in
// seconds; keys are in ticks.
class AnimationSet : public RefCounted {
public:
    AnimationSet(std::string name, double ticksPerSecond, std::vector<AnimationChannel> channels);

    const char* GetName() const { return m_name.c_str(); }
    // The time of the last key, in seconds.
    double GetPeriod() const { return m_period; }
    // The position folded into [0, period): the set loops. 0 for an empty set.
    double GetPeriodicPosition(double position) const;

    uint32_t GetNumAnimations() const { return uint32_t(m_vChannels.size()); }
    // The name of the frame that animation moves; null out of range.
    const char* GetAnimationName(uint32_t iAnimation) const;
    // Scale, rotation and translation of that animation at a periodic
    // position: linear between position and scale keys, spherical between
    // rotation keys, held before the first and after the last key.
    MeshResult GetSRT(double periodicPosition, uint32_t iAnimation, Vector3* pScale, Quaternion* pRotation,
                      Vector3* pTranslation) const;

private:
    ~AnimationSet() override = default;

    std::string m_name;
    double m_ticksPerSecond;
    double m_period;
    std::vector<AnimationChannel> m_vChannels;
};

} // namespace Platform
