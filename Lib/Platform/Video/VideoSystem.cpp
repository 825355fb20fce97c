#include "Video/VideoSystem.h"

#include "Video/FfmpegVideoSystem.h"

namespace Platform {
namespace {

VideoSystem* s_pInstalledSystem = nullptr;

} // namespace

VideoSystem& GetVideoSystem()
{
    static FfmpegVideoSystem s_ffmpeg;
    return s_pInstalledSystem ? *s_pInstalledSystem : s_ffmpeg;
}

void SetVideoSystem(VideoSystem* system)
{
    s_pInstalledSystem = system;
}

} // namespace Platform
