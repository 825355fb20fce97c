#include "Support/SampleFigure.h"

#include "Support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>

namespace TestSupport {

std::string ReadSampleMesh(const std::string& name)
{
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "Content/Meshes" / (name + ".x");
    return ReadFileText(path);
}

std::string ReadSampleFigure()
{
    return ReadSampleMesh("tavrine");
}

std::string ReadUntexturedSampleFigure()
{
    std::string data = ReadSampleFigure();
    const std::string texture = "TextureFilename { \"Tavrine.DDS\"; }";
    const size_t at = data.find(texture);
    if (at != std::string::npos)
        data.erase(at, texture.size());
    return data;
}

Platform::Vector3 BoneAt(CoreMesh& mesh, const char* animation, double seconds, const char* bone)
{
    const int32_t set = mesh.GetAnimationIdFromName(animation);
    EXPECT_GE(set, 0) << animation;
    mesh.SetTrackAnimation(0, uint32_t(std::max(set, 0)));
    mesh.SetAnimationTrackEnable(0, true);
    mesh.SetAnimationTrackWeight(0, 1.0f);
    mesh.SetAnimationTrackEnable(1, false);
    mesh.SetAnimationTrackPosition(0, seconds);
    mesh.UpdateAnimation(0);
    Platform::Matrix4 matrix {};
    EXPECT_EQ(mesh.GetBoneMatrixFromName(&matrix, bone), Platform::S_OK) << bone;
    return {matrix.m[3][0], matrix.m[3][1], matrix.m[3][2]};
}

} // namespace TestSupport
