// One walking heroine on the OpenGL device: her frame's update (walk,
// animation tracks and pose) and the draw of her skinned mesh with its
// shadow, read back so that the frame is really drawn. Reported as
// milliseconds per frame, with the pixels she covered in the last one.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Graphics/RgbaImage.h"
#include "Renderer/CoreCamera.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlTestWindow.h"
#include "Support/SampleFigure.h"
#include "Support/WalkMeshSamples.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr fx32 FX = FX32_ONE;

void BM_WalkingCharacterFrame(benchmark::State& state)
{
    TestSupport::LogCapture log;
    TestSupport::OpenGlTestWindow window(256, 192);
    CoreRenderer renderer;
    CoreRendererSettings settings;
    settings.m_hWindow = window.Get();
    settings.m_uWidth = 256;
    settings.m_uHeight = 192;
    settings.m_uPrimitiveBufferSize = 768;
    if (!window.Get() || !renderer.Initialize(settings)) {
        state.SkipWithError("no OpenGL device");
        return;
    }
    const std::string figure = TestSupport::ReadUntexturedSampleFigure();
    CoreMeshHandle mesh = renderer.GetMeshManager()->CreateMesh("figure", figure.data(), uint32_t(figure.size()));
    WalkMesh floor;
    WalkMeshSource source;
    source.triangles = TestSupport::StripFloor(20);
    if (!mesh || !TestSupport::BakeAndLoad(source, floor)) {
        state.SkipWithError("the figure or the floor did not load");
        renderer.Shutdown();
        return;
    }

    CoreCamera camera;
    const CoreFxVec eye = {640 * FX, -600 * FX, 200 * FX};
    const CoreFxVec target = {640 * FX, 32 * FX, 90 * FX};
    const CoreFxVec up = {0, 0, FX};
    CoreMatrix::LookAtRH_DX(&camera.m_oView, &eye, &target, &up);
    CoreMatrix::PerspectiveFovRH_DX(&camera.m_oProjection, 819, 5461, 10 * FX, 4000 * FX);
    renderer.SetCamera(&camera);
    // Lit as a scene lights its characters, the sun casting her shadow.
    renderer.SetRenderState(Platform::D3DRS_LIGHTING, 1);
    renderer.SetAmbiantColor({80 * FX, 80 * FX, 80 * FX});
    renderer.SetLight({FX, FX, FX}, {FX / 2, FX / 2, -FX}, {0, 0, 0});
    renderer.EnableLight(0);

    Scene scene;
    scene.m_iNumLights = 1;
    scene.m_aLights[0].m_iType = SCENE_LIGHT_DIRECTIONAL;
    scene.m_aLights[0].m_vVector = {FX / 2, FX / 2, -FX};
    const uint32_t tavrine = Id::GetActorId("tavrine");
    const Character* walkers[1] = {};
    CharacterSurroundings surroundings;
    surroundings.m_pWalkMesh = &floor;
    surroundings.m_ppCharacters = walkers;
    // The heroine leaves before the renderer and its meshes.
    {
        auto heroine = std::make_unique<Character>(tavrine);
        auto body = std::make_unique<CharacterBody>();
        body->SetMesh(mesh);
        heroine->SetBody(std::move(body));
        heroine->SetSurroundings(&surroundings);
        heroine->AddAnimation(Id::GetAnimationId(tavrine, "g_walk_l"), ANIMATION_TYPE_WALK);
        heroine->AddAnimation(Id::GetAnimationId(tavrine, "g_idle_l"), ANIMATION_TYPE_IDLE);
        heroine->SetPosition({540 * FX, 32 * FX, 0});
        walkers[0] = heroine.get();
        surroundings.m_iNumCharacters = 1;

        // To and fro in front of the camera, so that every frame shows her.
        const CoreFxVec ends[2] = {{740 * FX, 32 * FX, 0}, {540 * FX, 32 * FX, 0}};
        int32_t leg = 0;
        Platform::RgbaImage image;
        for (auto _ : state) {
            if (!heroine->m_bWalking)
                heroine->MoveToWithPath(ends[leg++ % 2], 0, nullptr);
            heroine->Update(16);
            renderer.BeginFrame();
            renderer.ClearFrame();
            heroine->Render(renderer, scene);
            // Reading the frame back waits for the driver to draw it.
            renderer.GetDevice()->ReadBackBuffer(&image);
            renderer.EndFrame();
        }
        int64_t covered = 0;
        for (uint32_t y = 0; y < image.height; ++y)
            for (uint32_t x = 0; x < image.width; ++x)
                covered += (image.At(x, y) >> 8) != 0 ? 1 : 0;
        state.counters["figure_pixels"] = static_cast<double>(covered);
        if (covered == 0)
            state.SkipWithError("the figure was not drawn");
    }
    renderer.Shutdown();
}

} // namespace

BENCHMARK(BM_WalkingCharacterFrame)->Unit(benchmark::kMillisecond);
