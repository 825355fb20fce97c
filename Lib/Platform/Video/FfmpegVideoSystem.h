#pragma once
#include "Video/VideoSystem.h"

#include <thread>

namespace Platform {

// Movies decoded by FFmpeg (FfmpegMovie); FFmpeg's own messages are kept
// quiet, the caller reports what failed.
class FfmpegVideoSystem final : public VideoSystem {
public:
    ~FfmpegVideoSystem() override;
    std::unique_ptr<Movie> Open(const char* path, uint32_t soundTrack, std::string& error) override;
    // Loads FFmpeg on a thread of its own.
    void LoadAhead() override;

private:
    std::thread m_loader;
};

} // namespace Platform
