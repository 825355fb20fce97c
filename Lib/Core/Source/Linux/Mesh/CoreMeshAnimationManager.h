#pragma once
#include "Maths/CoreMatrix.h"
#include "Mesh/CoreMeshManager.h"

#include <cstdint>

// What game code asks of a mesh's animation, by mesh handle. Every call
// reports a null handle and then does nothing (false, -1 or -1.0).
class CoreMeshAnimationManager {
public:
    // Whether the mesh is skinned and has animation sets to pose it by; a
    // plain mesh stands at rest and has no bones to ask for.
    static bool HasAnimation(CoreMeshHandle hMeshHandle);
    // True when the controller took the time (also without a controller).
    static bool UpdateAnimation(CoreMeshHandle hMeshHandle, uint32_t iElapsedMs);
    // The index of the animation set of that name, -1 when there is none.
    static int32_t GetAnimationIdFromName(CoreMeshHandle hMeshHandle, const char* pName);
    static bool SetAnimationTrackEnable(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, bool bEnable);
    static bool SetAnimationTrackWeight(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, float fWeight);
    static bool SetTrackPosition(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, double position);
    // Seconds into the track's set, folded into its period; -1.0 when it
    // cannot be read.
    static double GetTrackAnimationPosition(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx);
    static double GetTrackAnimationPeriod(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx);
    // Puts the set on the track and rewinds the track.
    static bool SetTrackAnimation(CoreMeshHandle hMeshHandle, uint32_t iTrackIdx, uint32_t iAnimationIdx);
    // The model-space matrix of the frame of that name; the output is left
    // as it is when there is no such frame.
    static void GetBoneTransformationFromName(CoreMeshHandle hMeshHandle, CoreMatrix* pOut, const char* pName);
};
