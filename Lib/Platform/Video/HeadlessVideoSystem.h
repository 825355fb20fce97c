#pragma once
#include "Video/VideoSystem.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Platform {

// What a headless video system was asked to do.
struct VideoRecord {
    struct OpenCall {
        std::string path;
        uint32_t soundTrack;
    };
    struct VolumeCall {
        uint32_t track;
        int32_t volume;
    };
    std::vector<OpenCall> opens;
    uint32_t loadsAhead = 0;
    std::vector<VolumeCall> volumes;
    // The frame numbers DoFrame decoded, in order.
    std::vector<uint32_t> decodedFrames;
};

// Movies without files, for tests: each path plays a described movie whose
// frame n is one flat colour (FrameColor), paced like a real movie by the
// platform clock; any other path fails to open. Records every call.
// Movies must not outlive the system.
class HeadlessVideoSystem final : public VideoSystem {
public:
    void AddMovie(const std::string& path, const MovieInfo& info) { m_movies[path] = info; }
    std::unique_ptr<Movie> Open(const char* path, uint32_t soundTrack, std::string& error) override;
    void LoadAhead() override { ++m_record.loadsAhead; }

    // 0xAARRGGBB of frame n, opaque.
    static uint32_t FrameColor(uint32_t frame);

    const VideoRecord& Record() const { return m_record; }
    void ClearRecord() { m_record = VideoRecord(); }

private:
    std::map<std::string, MovieInfo> m_movies;
    VideoRecord m_record;
};

} // namespace Platform
