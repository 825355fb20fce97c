// Skinning of the sample figure per frame on the processor: the animation
// advance with the walk of its frames, then the bone matrices and the
// blending of every bone combination's vertices.
#include "Mesh/CoreMesh.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace Platform;

// The figure without its texture name: no texture manager runs here.
std::string SampleFigure()
{
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "Content/Meshes/tavrine.x";
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string data = text.str();
    const std::string texture = "TextureFilename { \"Tavrine.DDS\"; }";
    const size_t at = data.find(texture);
    if (at != std::string::npos)
        data.erase(at, texture.size());
    return data;
}

void BlendFrame(const CoreMesh& mesh, std::vector<MeshVertex>& out)
{
    for (uint32_t i = 0; i < mesh.m_iNumBoneCombinations; ++i)
        mesh.SkinCombination(i, IDENTITY_MATRIX, out.data());
}

void BM_SkinSampleFigure(benchmark::State& state)
{
    const std::string data = SampleFigure();
    CoreMesh mesh;
    if (!mesh.Initialize(nullptr, data.data(), uint32_t(data.size()))) {
        state.SkipWithError("the sample figure did not load");
        return;
    }
    mesh.m_pAnimationCtrl->SetTrackAnimationSet(0, nullptr);
    AnimationSet* pWalk = nullptr;
    mesh.m_pAnimationCtrl->GetAnimationSetByName("g_walk_l", &pWalk);
    mesh.m_pAnimationCtrl->SetTrackAnimationSet(0, pWalk);
    pWalk->Release();
    mesh.m_pAnimationCtrl->SetTrackEnable(0, true);
    mesh.m_pAnimationCtrl->SetTrackWeight(0, 1.0f);

    std::vector<MeshVertex> out(mesh.m_pMeshContainer->MeshData.pMesh->GetNumVertices());
    for (auto _ : state) {
        mesh.UpdateAnimation(16);
        BlendFrame(mesh, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(out.size()));
    state.counters["vertices"] = double(out.size());
    mesh.Shutdown();
}
BENCHMARK(BM_SkinSampleFigure);

} // namespace
