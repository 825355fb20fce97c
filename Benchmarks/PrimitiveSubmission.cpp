// Immediate-mode quad submission through the renderer, on the recording
// device (the renderer's own cost) and on the OpenGL device in a hidden
// off-screen window. Reported as quads per millisecond.
#include "Graphics/GraphicsSystem.h"
#include "Graphics/MatrixFunctions.h"
#include "Graphics/Null/NullGraphicsSystem.h"
#include "Renderer/CoreRenderer.h"
#include "Window/OpenGlAttributes.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

constexpr int32_t FX = 4096;
constexpr int QUADS_PER_FRAME = 500;

// Frames of QUADS_PER_FRAME small blended quads.
void SubmitFrames(benchmark::State& state, CoreRenderer& renderer)
{
    // The 2D screen: x 0..256 to the right, y 0..192 downwards.
    Platform::Matrix4 projection;
    Platform::MatrixOrthoOffCenterRH(&projection, 0.0f, 256.0f, 192.0f, 0.0f, 0.0f, 1.0f);
    renderer.GetDevice()->SetTransform(Platform::D3DTS_PROJECTION, &projection);
    int64_t quads = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        renderer.BeginFrame();
        renderer.ClearFrame();
        for (int i = 0; i < QUADS_PER_FRAME; ++i) {
            const int32_t x = (i % 25) * 10 * FX;
            const int32_t y = (i / 25) * 9 * FX;
            renderer.PrimitiveBegin(Platform::D3DPT_TRIANGLEFAN, 4, nullptr);
            renderer.PrimitiveVertexAdd(x, y, 0, 0xFF8040C0, 0, 0);
            renderer.PrimitiveVertexAdd(x + 8 * FX, y, 0, 0xFF8040C0, FX, 0);
            renderer.PrimitiveVertexAdd(x + 8 * FX, y + 8 * FX, 0, 0xFF8040C0, FX, FX);
            renderer.PrimitiveVertexAdd(x, y + 8 * FX, 0, 0xFF8040C0, 0, FX);
            renderer.PrimitiveEnd();
        }
        renderer.EndFrame();
        quads += QUADS_PER_FRAME;
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["quads_per_ms"] = milliseconds > 0.0 ? double(quads) / milliseconds : 0.0;
}

CoreRendererSettings Settings(SDL_Window* window)
{
    CoreRendererSettings settings;
    settings.m_hWindow = window;
    settings.m_uWidth = 1280;
    settings.m_uHeight = 960;
    settings.m_uPrimitiveBufferSize = 768;
    return settings;
}

void BM_QuadSubmissionNullDevice(benchmark::State& state)
{
    auto control = std::make_shared<Platform::NullGraphicsControl>();
    control->recorder.SetEnabled(false);
    Platform::SetGraphicsSystemFactory(
        [control]() -> Platform::GraphicsSystem* { return new Platform::NullGraphicsSystem(control); });
    CoreRenderer renderer;
    if (!renderer.Initialize(Settings(nullptr))) {
        state.SkipWithError("the renderer did not start");
        Platform::SetGraphicsSystemFactory(nullptr);
        return;
    }
    SubmitFrames(state, renderer);
    renderer.Shutdown();
    Platform::SetGraphicsSystemFactory(nullptr);
}
BENCHMARK(BM_QuadSubmissionNullDevice)->Unit(benchmark::kMillisecond);

void BM_QuadSubmissionOpenGl(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        state.SkipWithError("no video");
        return;
    }
    Platform::PrepareOpenGlWindowAttributes();
    SDL_Window* window = SDL_CreateWindow("benchmark", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 1280, 960,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    {
        CoreRenderer renderer;
        if (window && renderer.Initialize(Settings(window))) {
            renderer.SetRenderState(Platform::D3DRS_ALPHABLENDENABLE, 1);
            SubmitFrames(state, renderer);
            renderer.Shutdown();
        } else {
            state.SkipWithError("no OpenGL device");
        }
    }
    if (window)
        SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_QuadSubmissionOpenGl)->Unit(benchmark::kMillisecond);

} // namespace
