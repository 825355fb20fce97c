#include "Video/FfmpegVideoSystem.h"

#include "Video/FfmpegMovie.h"

namespace Platform {

std::unique_ptr<Movie> FfmpegVideoSystem::Open(const char* path, uint32_t soundTrack, std::string& error)
{
    return FfmpegMovie::Open(path, soundTrack, error);
}

} // namespace Platform
