#pragma once
#include "Video/VideoSystem.h"

namespace Platform {

// Movies decoded by FFmpeg (FfmpegMovie); FFmpeg's own messages are kept
// quiet, the caller reports what failed.
class FfmpegVideoSystem final : public VideoSystem {
public:
    std::unique_ptr<Movie> Open(const char* path, uint32_t soundTrack, std::string& error) override;
};

} // namespace Platform
