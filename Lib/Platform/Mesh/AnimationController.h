#pragma once
#include "Graphics/Matrix4.h"
#include "Mesh/AnimationSet.h"
#include "Mesh/MeshResult.h"
#include "Mesh/RefCounted.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

// The state of one track of a controller.
struct TrackDesc {
    float Weight;
    float Speed;
    double Position; // seconds
    bool Enable;
};

// Plays animation sets on tracks and mixes them into the matrices of the
// frames they move (the outputs, found by frame name). Each enabled track
// that holds a set moves its position by the elapsed time times its speed;
// then every output that an enabled track with a positive weight animates
// gets the weighted mean of those tracks' scales, rotations and
// translations. Outputs that no such track animates keep their matrices.
class AnimationController : public RefCounted {
public:
    explicit AnimationController(uint32_t iMaxNumTracks);

    // The set is referenced. Sets keep the order they were registered in.
    MeshResult RegisterAnimationSet(AnimationSet* pSet);
    // The matrix must outlive the controller's use of it.
    MeshResult RegisterAnimationOutput(const char* pName, Matrix4* pMatrix);

    uint32_t GetMaxNumTracks() const { return uint32_t(m_vTracks.size()); }
    uint32_t GetNumAnimationSets() const { return uint32_t(m_vSets.size()); }

    // The set comes back referenced: the caller releases it.
    MeshResult GetAnimationSet(uint32_t iIndex, AnimationSet** ppSet) const;
    MeshResult GetAnimationSetByName(const char* pName, AnimationSet** ppSet) const;

    // The set must be one of the controller's; null takes the track's set
    // away.
    MeshResult SetTrackAnimationSet(uint32_t iTrack, AnimationSet* pSet);
    // Referenced like GetAnimationSet; D3DERR_NOTFOUND (and null) when the
    // track holds none.
    MeshResult GetTrackAnimationSet(uint32_t iTrack, AnimationSet** ppSet) const;
    MeshResult SetTrackEnable(uint32_t iTrack, bool bEnable);
    MeshResult SetTrackWeight(uint32_t iTrack, float fWeight);
    MeshResult SetTrackSpeed(uint32_t iTrack, float fSpeed);
    MeshResult SetTrackPosition(uint32_t iTrack, double position);
    MeshResult GetTrackDesc(uint32_t iTrack, TrackDesc* pDesc) const;

    // Advances the time and the tracks by the elapsed seconds and writes the
    // mix into the outputs.
    MeshResult AdvanceTime(double elapsed);
    double GetTime() const { return m_time; }

private:
    struct Track {
        TrackDesc desc;
        uint32_t iSet; // index into m_vSets, or NO_SET
    };
    struct Output {
        std::string name;
        Matrix4* pMatrix;
    };
    // The weighted sums of one output while the tracks are mixed.
    struct OutputMix {
        Vector3 scale;
        Quaternion rotation;
        Vector3 translation;
        float fWeight;
        Quaternion firstRotation;
    };
    static constexpr uint32_t NO_SET = 0xFFFFFFFFu;

    ~AnimationController() override;

    int32_t FindOutput(const char* pName) const;
    void MapChannels(uint32_t iSet);
    void MixOutputs();

    std::vector<Track> m_vTracks;
    std::vector<AnimationSet*> m_vSets;
    // For each set, the output of each of its animations (-1 for none).
    std::vector<std::vector<int32_t>> m_vChannelOutputs;
    std::vector<Output> m_vOutputs;
    // Kept from frame to frame so that mixing allocates nothing.
    std::vector<OutputMix> m_vMixes;
    double m_time = 0.0;
};

} // namespace Platform
