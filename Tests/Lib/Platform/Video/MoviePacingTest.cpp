// Frames fall due by the movie's own clock, read from the platform clock.
#include "Support/ScopedService.h"
#include "System/FakeClock.h"
#include "Video/HeadlessVideoSystem.h"

#include <gtest/gtest.h>

namespace {

class MoviePacingTest : public testing::Test {
protected:
    std::unique_ptr<Platform::Movie> OpenMovie(uint32_t rate, uint32_t divisor)
    {
        Platform::MovieInfo info;
        info.width = 64;
        info.height = 32;
        info.frameCount = 10;
        info.frameRate = rate;
        info.frameRateDivisor = divisor;
        m_videos.AddMovie("movie.bik", info);
        std::string error;
        return m_videos.Open("movie.bik", 0, error);
    }

    Platform::FakeClock m_clock;
    TestSupport::ScopedService<Platform::Clock> m_useClock {Platform::SetClock, m_clock};
    Platform::HeadlessVideoSystem m_videos;
};

TEST_F(MoviePacingTest, EachFrameFallsDueAtItsPlaceInTheMoviesTime)
{
    // 30000 / 1001 frames a second: frame 2 is due after 33.367 ms.
    const auto movie = OpenMovie(30000, 1001);
    m_clock.AdvanceMilliseconds(500); // time before the first wait does not count
    EXPECT_FALSE(movie->Wait()) << "the first frame is due at once";
    movie->DoFrame();
    movie->NextFrame();
    EXPECT_TRUE(movie->Wait());
    m_clock.AdvanceMilliseconds(33.36);
    EXPECT_TRUE(movie->Wait());
    m_clock.AdvanceMilliseconds(0.01);
    EXPECT_FALSE(movie->Wait());
    EXPECT_FALSE(movie->ShouldSkip());
    m_clock.AdvanceMilliseconds(33.37);
    EXPECT_TRUE(movie->ShouldSkip()) << "frame 3 is due too: frame 2 can be dropped";
}

TEST_F(MoviePacingTest, AMovieWithoutAFrameRateHasEveryFrameDue)
{
    const auto movie = OpenMovie(0, 1);
    movie->NextFrame();
    EXPECT_FALSE(movie->Wait());
    EXPECT_TRUE(movie->ShouldSkip());
}

TEST_F(MoviePacingTest, HeadlessMoviesRecordWhatTheyWereAskedAndPaintEachFrameFlat)
{
    const auto movie = OpenMovie(25, 1);
    std::string error;
    EXPECT_EQ(m_videos.Open("other.bik", 3, error), nullptr);
    EXPECT_FALSE(error.empty());
    movie->NextFrame();
    movie->DoFrame();
    movie->SetVolume(0, 16384);
    uint32_t pixels[2] = {};
    movie->CopyToBuffer(reinterpret_cast<uint8_t*>(pixels), 8, 63, 31, 5, 5);
    EXPECT_EQ(pixels[0], Platform::HeadlessVideoSystem::FrameColor(2));
    EXPECT_EQ(pixels[1], 0u) << "clipped at the picture's edge";
    EXPECT_NE(Platform::HeadlessVideoSystem::FrameColor(2), Platform::HeadlessVideoSystem::FrameColor(3));

    const Platform::VideoRecord& record = m_videos.Record();
    ASSERT_EQ(record.opens.size(), 2u);
    EXPECT_EQ(record.opens[1].path, "other.bik");
    EXPECT_EQ(record.opens[1].soundTrack, 3u);
    ASSERT_EQ(record.volumes.size(), 1u);
    EXPECT_EQ(record.volumes[0].volume, 16384);
    EXPECT_EQ(record.decodedFrames, std::vector<uint32_t> {2});
}

} // namespace
