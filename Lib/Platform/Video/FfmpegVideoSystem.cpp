#include "Video/FfmpegVideoSystem.h"

#include "Video/FfmpegLibrary.h"
#include "Video/FfmpegMovie.h"

namespace Platform {

FfmpegVideoSystem::~FfmpegVideoSystem()
{
    if (m_loader.joinable())
        m_loader.join();
}

void FfmpegVideoSystem::LoadAhead()
{
    if (m_loader.joinable())
        return;
    m_loader = std::thread([] {
        std::string error;
        LoadFfmpeg(error);
    });
}

std::unique_ptr<Movie> FfmpegVideoSystem::Open(const char* path, uint32_t soundTrack, std::string& error)
{
    return FfmpegMovie::Open(path, soundTrack, error);
}

} // namespace Platform
