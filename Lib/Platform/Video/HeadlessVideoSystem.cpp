#include "Video/HeadlessVideoSystem.h"

#include "Video/MoviePacing.h"

#include <algorithm>
#include <cstring>

namespace Platform {
namespace {

class HeadlessMovie final : public MoviePacing {
public:
    HeadlessMovie(const MovieInfo& info, VideoRecord& record) : m_record(record) { m_info = info; }

    void DoFrame() override
    {
        m_uPictureFrame = CurrentFrame();
        m_record.decodedFrames.push_back(m_uPictureFrame);
    }

    void CopyToBuffer(uint8_t* buffer, uint32_t pitch, uint32_t x, uint32_t y, uint32_t width,
                      uint32_t height) const override
    {
        if (x >= m_info.width || y >= m_info.height)
            return;
        const uint32_t color = HeadlessVideoSystem::FrameColor(m_uPictureFrame);
        const uint32_t columns = std::min(width, m_info.width - x);
        const uint32_t rows = std::min(height, m_info.height - y);
        for (uint32_t row = 0; row < rows; ++row) {
            for (uint32_t column = 0; column < columns; ++column)
                std::memcpy(buffer + size_t(row) * pitch + size_t(column) * 4, &color, 4);
        }
    }

    void SetVolume(uint32_t track, int32_t volume) override { m_record.volumes.push_back({track, volume}); }

private:
    VideoRecord& m_record;
    uint32_t m_uPictureFrame = 0;
};

} // namespace

std::unique_ptr<Movie> HeadlessVideoSystem::Open(const char* path, uint32_t soundTrack, std::string& error)
{
    m_record.opens.push_back({path, soundTrack});
    const auto found = m_movies.find(path);
    if (found == m_movies.end()) {
        error = "no such movie";
        return nullptr;
    }
    return std::make_unique<HeadlessMovie>(found->second, m_record);
}

uint32_t HeadlessVideoSystem::FrameColor(uint32_t frame)
{
    // Distinct, far-apart colours for neighbouring frames.
    return 0xFF000000 | ((frame * 0x51u) & 0xFF) << 16 | ((frame * 0xA3u + 0x40) & 0xFF) << 8 |
           ((0xFF - frame * 0x37u) & 0xFF);
}

} // namespace Platform
