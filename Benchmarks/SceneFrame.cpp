// The sample living room: one frame of the scene's update and draw
// submission on the recording device (the renderer's and the scene's own
// cost), the same whole frame through the OpenGL device in a hidden window
// up to the present (what the driver adds), and the scene's load and
// preparation from the data folder. The heroine is a stand-in character, so
// that the characters' depth bands are drawn. Reported as milliseconds per
// frame and per load.
#include "Managers/Common/ResourceManager.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Scene.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "System/ProcessHeap.h"
#include "Support/OpenGlTestWindow.h"
#include "Support/ScopedNullGraphics.h"
#include "Support/TestPaths.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>

namespace {

constexpr SceneId LIVING_ROOM = 9;

constexpr uint32_t WIDTH = 1280;
constexpr uint32_t HEIGHT = 960;

// The renderer on the recording device (or on OpenGL in the window), the
// common pack and the fakes of the game around the scene, with the log held
// back.
class SampleWorld {
public:
    explicit SampleWorld(SDL_Window* openGlWindow = nullptr)
    {
        TestSupport::EnsureMainHeap();
        // As the game's start-up does: the driver's large blocks are kept.
        Platform::KeepLargeBlocksInProcessHeap();
        if (!openGlWindow) {
            m_graphics.emplace();
            m_graphics->Recorder().SetEnabled(false);
        }
        CoreRendererSettings settings;
        settings.m_hWindow = openGlWindow;
        settings.m_uWidth = WIDTH;
        settings.m_uHeight = HEIGHT;
        settings.m_uPrimitiveBufferSize = 768;
        m_bReady = m_renderer.Initialize(settings);
        ResourceManager::CreateSingleton();
        m_bReady = m_bReady && ResourceManager::GetInstance()->LoadCommonPackages();
    }
    ~SampleWorld()
    {
        ResourceManager::GetInstance()->UnloadAll();
        ResourceManager::DestroySingleton();
        m_renderer.Shutdown();
    }

    // The living room loaded with its actor set and prepared; null when it
    // cannot be.
    std::unique_ptr<Scene> LoadLivingRoom()
    {
        auto scene = std::make_unique<Scene>();
        if (!scene->Initialize(LIVING_ROOM))
            return nullptr;
        scene->LoadActorSet("default");
        scene->Prepare();
        return scene;
    }

    TestSupport::LogCapture m_log;
    TestSupport::ScopedWorkingDirectory m_data {TestSupport::DataDir()};
    std::optional<TestSupport::ScopedNullGraphics> m_graphics;
    TestSupport::FakeSceneServices m_services;
    TestSupport::FakeSceneCast m_cast;
    CoreRenderer m_renderer;
    bool m_bReady = false;
};

// Frames of the living room with every hotspot highlighted, as many as the
// benchmark asks for, reported per frame.
void RunLivingRoomFrames(benchmark::State& state, SampleWorld& world)
{
    std::unique_ptr<Scene> scene = world.m_bReady ? world.LoadLivingRoom() : nullptr;
    if (!scene) {
        state.SkipWithError("the living room did not load");
        return;
    }
    scene->SetActiveCharacter(scene->m_aCharacterIds[0]);
    Scene::s_bHighlightAll = true;
    int64_t frames = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        scene->Update(16);
        world.m_renderer.BeginFrame();
        world.m_renderer.ClearFrame();
        scene->Render(world.m_renderer);
        world.m_renderer.EndFrame();
        ++frames;
        world.m_log.Take();
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["ms_per_frame"] = frames > 0 ? milliseconds / double(frames) : 0.0;
    Scene::s_bHighlightAll = false;
    scene->Shutdown();
}

void BM_SampleSceneFrameNullDevice(benchmark::State& state)
{
    SampleWorld world;
    RunLivingRoomFrames(state, world);
}
BENCHMARK(BM_SampleSceneFrameNullDevice);

// Needs SDL_VIDEODRIVER=offscreen (or a display) for the hidden window.
void BM_SampleSceneFrameOpenGl(benchmark::State& state)
{
    TestSupport::OpenGlTestWindow window(WIDTH, HEIGHT);
    if (!window.Get()) {
        state.SkipWithError("no window for OpenGL");
        return;
    }
    SampleWorld world(window.Get());
    RunLivingRoomFrames(state, world);
}
BENCHMARK(BM_SampleSceneFrameOpenGl)->Unit(benchmark::kMillisecond);

void BM_SampleSceneLoadAndPrepare(benchmark::State& state)
{
    SampleWorld world;
    if (!world.m_bReady) {
        state.SkipWithError("the common pack did not load");
        return;
    }
    double milliseconds = 0.0;
    int64_t loads = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<Scene> scene = world.LoadLivingRoom();
        milliseconds += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        if (!scene) {
            state.SkipWithError("the living room did not load");
            break;
        }
        scene->Shutdown();
        scene.reset();
        world.m_log.Take();
        ++loads;
        state.ResumeTiming();
    }
    state.counters["ms_per_load"] = loads > 0 ? milliseconds / double(loads) : 0.0;
}
BENCHMARK(BM_SampleSceneLoadAndPrepare)->Unit(benchmark::kMillisecond);

} // namespace
