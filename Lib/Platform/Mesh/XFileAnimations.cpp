#include "Mesh/XFileAnimations.h"

#include <assimp/anim.h>
#include <assimp/scene.h>

#include <algorithm>
#include <utility>

namespace Platform {
namespace {

constexpr uint32_t TRACK_COUNT = 2;
// Ticks per second of a file that does not give its own.
constexpr double DEFAULT_TICKS_PER_SECOND = 4800.0;

// Interpolation looks keys up by time: a file's keys out of order are put
// in order.
template <typename Key>
void SortByTime(std::vector<Key>& keys)
{
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.time < b.time; });
}

std::vector<VectorKey> ReadKeys(const aiVectorKey* pKeys, unsigned int iCount, const Vector3& fallback)
{
    std::vector<VectorKey> keys;
    for (unsigned int i = 0; i < iCount; ++i)
        keys.push_back({pKeys[i].mTime, {pKeys[i].mValue.x, pKeys[i].mValue.y, pKeys[i].mValue.z}});
    if (keys.empty())
        keys.push_back({0.0, fallback});
    SortByTime(keys);
    return keys;
}

// A file's rotation keys hold the conjugate of the turn (its matrix keys
// show the turn itself); the importer conjugates them back and hands over
// the turn for column vectors, which is how the frames turn here too.
std::vector<QuaternionKey> ReadKeys(const aiQuatKey* pKeys, unsigned int iCount)
{
    std::vector<QuaternionKey> keys;
    for (unsigned int i = 0; i < iCount; ++i) {
        const aiQuaternion& q = pKeys[i].mValue;
        keys.push_back({pKeys[i].mTime, QuaternionNormalize({q.x, q.y, q.z, q.w})});
    }
    if (keys.empty())
        keys.push_back({0.0, {0.0f, 0.0f, 0.0f, 1.0f}});
    SortByTime(keys);
    return keys;
}

AnimationSet* BuildSet(const aiAnimation& animation)
{
    std::vector<AnimationChannel> channels;
    for (unsigned int c = 0; c < animation.mNumChannels; ++c) {
        const aiNodeAnim& source = *animation.mChannels[c];
        AnimationChannel channel;
        channel.frameName = source.mNodeName.C_Str();
        channel.scaleKeys = ReadKeys(source.mScalingKeys, source.mNumScalingKeys, {1.0f, 1.0f, 1.0f});
        channel.rotationKeys = ReadKeys(source.mRotationKeys, source.mNumRotationKeys);
        channel.positionKeys = ReadKeys(source.mPositionKeys, source.mNumPositionKeys, {0.0f, 0.0f, 0.0f});
        channels.push_back(std::move(channel));
    }
    const double ticksPerSecond =
        animation.mTicksPerSecond > 0.0 ? animation.mTicksPerSecond : DEFAULT_TICKS_PER_SECOND;
    return new AnimationSet(animation.mName.C_Str(), ticksPerSecond, std::move(channels));
}

void RegisterFrames(AnimationController& controller, MeshFrame* pFrame)
{
    for (; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
        if (pFrame->Name != nullptr)
            controller.RegisterAnimationOutput(pFrame->Name, &pFrame->TransformationMatrix);
        RegisterFrames(controller, pFrame->pFrameFirstChild);
    }
}

} // namespace

AnimationController* BuildXFileAnimationController(const aiScene& scene, MeshFrame* pRoot)
{
    if (scene.mNumAnimations == 0)
        return nullptr;
    AnimationController* pController = new AnimationController(TRACK_COUNT);
    RegisterFrames(*pController, pRoot);
    for (unsigned int a = 0; a < scene.mNumAnimations; ++a) {
        AnimationSet* pSet = BuildSet(*scene.mAnimations[a]);
        pController->RegisterAnimationSet(pSet);
        pSet->Release();
    }
    AnimationSet* pFirst = nullptr;
    pController->GetAnimationSet(0, &pFirst);
    pController->SetTrackAnimationSet(0, pFirst);
    pController->SetTrackEnable(0, true);
    pFirst->Release();
    return pController;
}

} // namespace Platform
