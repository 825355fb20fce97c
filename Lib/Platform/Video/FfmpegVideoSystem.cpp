#include "Video/FfmpegVideoSystem.h"

#include "Video/FfmpegMovie.h"

extern "C" {
#include <libavutil/log.h>
}

namespace Platform {

FfmpegVideoSystem::FfmpegVideoSystem()
{
    av_log_set_level(AV_LOG_QUIET);
}

std::unique_ptr<Movie> FfmpegVideoSystem::Open(const char* path, uint32_t soundTrack, std::string& error)
{
    return FfmpegMovie::Open(path, soundTrack, error);
}

} // namespace Platform
