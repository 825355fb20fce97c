#pragma once
#include "Video/Movie.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Platform {

// No sound track: the movie opens silent.
constexpr uint32_t MOVIE_NO_SOUND = 0xFFFFFFFF;

// The video service: opens movie files with one of their sound tracks,
// whose sound then plays through the platform's audio output in step with
// the frames.
class VideoSystem {
public:
    virtual ~VideoSystem() = default;
    // Null, with `error` telling why, when the file cannot be played. A
    // track at or beyond the file's tracks opens silent.
    virtual std::unique_ptr<Movie> Open(const char* path, uint32_t soundTrack, std::string& error) = 0;
    // Starts loading what playing needs, beside the caller, so that the first
    // Open does not wait for it; an Open meanwhile waits for the load to end.
    // A load that fails is reported by the Opens.
    virtual void LoadAhead() = 0;
};

// The service every caller uses: FFmpeg unless a test installed another with
// SetVideoSystem (null puts FFmpeg back).
VideoSystem& GetVideoSystem();
void SetVideoSystem(VideoSystem* system);

} // namespace Platform
