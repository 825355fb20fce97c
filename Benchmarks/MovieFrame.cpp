// The 1280 x 720 sample movie: FFmpeg's decode of a frame into the movie's
// picture alone, and the movie player's whole step (decode, copy into the
// frame texture and upload) on the OpenGL device in a hidden off-screen
// window. Reported as milliseconds per frame.
#include "App/CoreApp.h"
#include "Renderer/CoreRenderer.h"
#include "Support/OpenGlTestWindow.h"
#include "Support/TestPaths.h"
#include "Video/VideoSystem.h"
#include "VideoPlayback/CoreVideo.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string WideMovie()
{
    return (TestSupport::DataDir() / "video" / "cine99_hd.bik").string();
}

void ReportFrames(benchmark::State& state, int64_t frames, std::chrono::steady_clock::time_point start)
{
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["ms_per_frame"] = frames > 0 ? milliseconds / double(frames) : 0.0;
}

void BM_MovieDecode1280x720(benchmark::State& state)
{
    std::string error;
    std::unique_ptr<Platform::Movie> movie;
    int64_t frames = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!movie || movie->CurrentFrame() > movie->Info().frameCount) {
            movie = Platform::GetVideoSystem().Open(WideMovie().c_str(), Platform::MOVIE_NO_SOUND, error);
            if (!movie) {
                state.SkipWithError("the sample movie did not open");
                return;
            }
        }
        movie->DoFrame();
        movie->NextFrame();
        ++frames;
    }
    ReportFrames(state, frames, start);
}
BENCHMARK(BM_MovieDecode1280x720)->Unit(benchmark::kMillisecond);

void BM_MovieDecodeAndUpload1280x720(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    TestSupport::OpenGlTestWindow window(1280, 720);
    CoreRendererSettings settings;
    settings.m_hWindow = window.Get();
    settings.m_uWidth = 1280;
    settings.m_uHeight = 720;
    settings.m_uPrimitiveBufferSize = 768;
    CoreRenderer renderer;
    if (window.Get() == nullptr || !renderer.Initialize(settings)) {
        state.SkipWithError("no OpenGL device");
        return;
    }
    g_pCoreApp = new CoreApp();
    g_pCoreApp->m_pRenderer = &renderer;
    bool open = false;
    int64_t frames = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!open) {
            open = CoreVideo::Open(WideMovie().c_str(), Platform::MOVIE_NO_SOUND);
            if (!open) {
                state.SkipWithError("the sample movie did not open");
                break;
            }
        }
        open = !CoreVideo::DecodeFrame(true, true);
        ++frames;
    }
    ReportFrames(state, frames, start);
    CoreVideo::Close();
    delete g_pCoreApp;
    g_pCoreApp = nullptr;
    renderer.Shutdown();
}
BENCHMARK(BM_MovieDecodeAndUpload1280x720)->Unit(benchmark::kMillisecond);

} // namespace
