// The sample movies of the data folder, decoded by FFmpeg.
#include "Sound/SoundOutput.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"
#include "Video/FfmpegMovie.h"
#include "Video/VideoSystem.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

namespace {

std::string SamplePath(const char* name)
{
    return (TestSupport::DataDir() / "video" / name).string();
}

uint32_t CentrePixel(const Platform::Movie& movie)
{
    const Platform::MovieInfo& info = movie.Info();
    uint32_t pixel = 0;
    movie.CopyToBuffer(reinterpret_cast<uint8_t*>(&pixel), 4, info.width / 2, info.height * 3 / 4, 1, 1);
    return pixel;
}

testing::AssertionResult ColorNear(uint32_t actual, uint32_t expected)
{
    for (int shift : {16, 8, 0}) {
        const int difference = int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF);
        if (std::abs(difference) > 12)
            return testing::AssertionFailure() << std::hex << "0x" << actual << ", expected 0x" << expected;
    }
    return testing::AssertionSuccess();
}

TEST(FfmpegMovieTest, TheIntroMovieTellsItsSizeFramesRateAndVoiceTracks)
{
    std::string error;
    const auto movie =
        Platform::FfmpegMovie::Open(SamplePath("cine00_hd.bik").c_str(), Platform::MOVIE_NO_SOUND, error);
    ASSERT_NE(movie, nullptr) << error;
    const Platform::MovieInfo& info = movie->Info();
    EXPECT_EQ(info.width, 320u);
    EXPECT_EQ(info.height, 180u);
    EXPECT_EQ(info.frameCount, 75u);
    EXPECT_EQ(info.frameRate / info.frameRateDivisor, 25u);
    EXPECT_EQ(info.soundTrackCount, 5u);
    EXPECT_EQ(info.announcedFrameCount, 75u);
    EXPECT_EQ(movie->CurrentFrame(), 1u);
}

// Its header still announces the whole length.
TEST(FfmpegMovieTest, AMovieCutInHalfAnnouncesMoreFramesThanItHolds)
{
    const std::vector<uint8_t> whole = TestSupport::ReadFileBytes(SamplePath("cine00_sd.bik"));
    TestSupport::TempDir folder;
    folder.WriteFile("half.bik", std::string(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() / 2)));
    std::string error;
    const auto movie =
        Platform::FfmpegMovie::Open((folder / "half.bik").string().c_str(), Platform::MOVIE_NO_SOUND, error);
    ASSERT_NE(movie, nullptr) << error;
    EXPECT_GT(movie->Info().frameCount, 10u);
    EXPECT_LT(movie->Info().frameCount, 65u);
    EXPECT_EQ(movie->Info().announcedFrameCount, 75u);
}

TEST(FfmpegMovieTest, EveryShotDecodesToItsColourAndTheLastFrameIsKeptAfterTheEnd)
{
    std::string error;
    const auto movie =
        Platform::FfmpegMovie::Open(SamplePath("cine00_sd.bik").c_str(), Platform::MOVIE_NO_SOUND, error);
    ASSERT_NE(movie, nullptr) << error;
    // 1-based frames of the three one-second shots.
    const struct {
        uint32_t frame;
        uint32_t color;
    } shots[] = {{1, 0xC03020}, {25, 0xC03020}, {26, 0x2040C0}, {51, 0x20A040}, {75, 0x20A040}};
    for (const auto& shot : shots) {
        while (movie->CurrentFrame() < shot.frame)
            movie->NextFrame();
        movie->DoFrame();
        EXPECT_TRUE(ColorNear(CentrePixel(*movie), shot.color)) << "frame " << shot.frame;
        EXPECT_EQ(CentrePixel(*movie) >> 24, 0xFFu) << "opaque";
    }
    movie->NextFrame();
    EXPECT_EQ(movie->CurrentFrame(), 76u);
    movie->NextFrame();
    EXPECT_EQ(movie->CurrentFrame(), 76u) << "the count stops past the last frame";
    movie->DoFrame();
    EXPECT_TRUE(ColorNear(CentrePixel(*movie), 0x20A040));
}

TEST(FfmpegMovieTest, ACopyIsClippedToThePicture)
{
    std::string error;
    const auto movie =
        Platform::FfmpegMovie::Open(SamplePath("cine00_sd.bik").c_str(), Platform::MOVIE_NO_SOUND, error);
    ASSERT_NE(movie, nullptr) << error;
    movie->DoFrame();
    // A 64-pixel-wide buffer over the last 32 columns: the rest stays as it was.
    std::vector<uint32_t> buffer(64 * 4, 0x12345678);
    movie->CopyToBuffer(reinterpret_cast<uint8_t*>(buffer.data()), 64 * 4, 160 - 32, 90 - 2, 64, 4);
    EXPECT_TRUE(ColorNear(buffer[0], 0xC03020));
    EXPECT_TRUE(ColorNear(buffer[64 + 31], 0xC03020));
    EXPECT_EQ(buffer[32], 0x12345678u);
    EXPECT_EQ(buffer[2 * 64], 0x12345678u) << "rows past the picture are left alone";
    movie->CopyToBuffer(reinterpret_cast<uint8_t*>(buffer.data()), 64 * 4, 160, 0, 4, 4); // wholly outside
}

TEST(FfmpegMovieTest, FilesThatAreNotMoviesAreRefusedWithAReason)
{
    TestSupport::TempDir folder;
    folder.WriteFile("empty.bik", "");
    folder.WriteFile("text.bik", "not a movie at all, only some words");
    for (const std::string& path :
         {(folder / "missing.bik").string(), (folder / "empty.bik").string(), (folder / "text.bik").string()}) {
        std::string error;
        EXPECT_EQ(Platform::GetVideoSystem().Open(path.c_str(), 0, error), nullptr) << path;
        EXPECT_FALSE(error.empty()) << path;
    }
}

// Every truncation point and damaged byte either refuses the file or plays it
// to its last frame: nothing reads outside what was decoded (the sanitizer
// build checks).
TEST(FfmpegMovieTest, DamagedMoviesAreRefusedOrPlayToTheirEnd)
{
    const std::vector<uint8_t> original = TestSupport::ReadFileBytes(SamplePath("cine99_sd.bik"));
    ASSERT_GT(original.size(), 4096u);
    TestSupport::TempDir folder;
    const std::string path = (folder / "damaged.bik").string();
    std::vector<std::vector<uint8_t>> damaged;
    for (size_t size : {size_t(16), size_t(200), size_t(1000), original.size() / 3, original.size() - 100})
        damaged.emplace_back(original.begin(), original.begin() + std::ptrdiff_t(size));
    for (size_t offset = 64; offset < original.size(); offset += original.size() / 7) {
        std::vector<uint8_t> bytes = original;
        for (size_t i = offset; i < std::min(bytes.size(), offset + 64); ++i)
            bytes[i] ^= 0xA5;
        damaged.push_back(std::move(bytes));
    }
    for (const std::vector<uint8_t>& bytes : damaged) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        std::string error;
        const auto movie = Platform::GetVideoSystem().Open(path.c_str(), 0, error);
        if (!movie) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        const Platform::MovieInfo& info = movie->Info();
        std::vector<uint8_t> picture(size_t(info.width) * info.height * 4);
        while (movie->CurrentFrame() <= info.frameCount) {
            movie->DoFrame();
            movie->CopyToBuffer(picture.data(), info.width * 4, 0, 0, info.width, info.height);
            movie->NextFrame();
        }
    }
}

// Between two frames the output has a quarter second of sound to play, not
// only what was read with the picture.
TEST(FfmpegMovieTest, SoundIsQueuedAheadOfThePicture)
{
    Platform::SelectSoundOutput(Platform::SoundOutput::Silent);
    std::string error;
    const auto movie = Platform::FfmpegMovie::Open(SamplePath("cine00_sd.bik").c_str(), 0, error);
    ASSERT_NE(movie, nullptr) << error;
    movie->DoFrame();
    // The silent output plays in real time: at most a few of its buffers
    // are gone.
    EXPECT_GT(movie->QueuedSoundBytes(), Platform::FfmpegMovie::SOUND_LEAD_BYTES / 2);
    EXPECT_LT(movie->QueuedSoundBytes(), Platform::FfmpegMovie::SOUND_LEAD_BYTES + 48000u * 4 / 10)
        << "not much more than the lead";
}

// The movie state sets the volume after the first frame has queued its
// lead of sound: that sound, too, plays at the new volume.
TEST(FfmpegMovieTest, ANewVolumeReachesTheSoundAlreadyQueued)
{
    TestSupport::TempDir output;
    const std::string mixFile = (output / "movie.raw").string();
    Platform::SelectSoundOutput(Platform::SoundOutput::File, mixFile.c_str());
    setenv("SDL_DISKAUDIODELAY", "20", 1);
    {
        std::string error;
        const auto movie = Platform::FfmpegMovie::Open(SamplePath("cine00_sd.bik").c_str(), 2, error);
        ASSERT_NE(movie, nullptr) << error;
        movie->DoFrame();
        movie->SetVolume(0, 0);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (movie->QueuedSoundBytes() > 0 && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(movie->QueuedSoundBytes(), 0u);
    }
    unsetenv("SDL_DISKAUDIODELAY");
    Platform::SelectSoundOutput(Platform::SoundOutput::Silent);

    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(mixFile);
    size_t sounding = 0;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
        sounding += int16_t(bytes[i] | bytes[i + 1] << 8) != 0;
    EXPECT_GT(bytes.size(), Platform::FfmpegMovie::SOUND_LEAD_BYTES / 2) << "the lead was played";
    // Only the buffers the device took before the volume was set sound:
    // the lead alone is 12000 frames.
    EXPECT_LT(sounding, 4096u);
}

// The French voice plays track 2 of the intro: a 550 Hz tone reaches the
// audio output written to a file.
TEST(FfmpegMovieTest, TheChosenSoundTrackReachesTheAudioOutput)
{
    TestSupport::TempDir output;
    const std::string mixFile = (output / "movie.raw").string();
    Platform::SelectSoundOutput(Platform::SoundOutput::File, mixFile.c_str());
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    {
        std::string error;
        const auto movie = Platform::FfmpegMovie::Open(SamplePath("cine00_sd.bik").c_str(), 2, error);
        ASSERT_NE(movie, nullptr) << error;
        while (movie->CurrentFrame() <= movie->Info().frameCount) {
            movie->DoFrame();
            movie->NextFrame();
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (movie->QueuedSoundBytes() > 0 && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(movie->QueuedSoundBytes(), 0u);
    }
    unsetenv("SDL_DISKAUDIODELAY");
    Platform::SelectSoundOutput(Platform::SoundOutput::Silent);

    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(mixFile);
    std::vector<int16_t> left;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
        left.push_back(int16_t(bytes[i] | bytes[i + 1] << 8));
    // The output plays silence where the queue ran dry (the file output
    // consumes faster than real time): only the sounding runs count.
    constexpr size_t GAP = 16;
    size_t sounding = 0;
    int crossings = 0;
    int16_t peak = 0;
    size_t zeros = 0;
    for (size_t i = 1; i < left.size(); ++i) {
        zeros = left[i] == 0 ? zeros + 1 : 0;
        if (zeros >= GAP)
            continue;
        ++sounding;
        crossings += (left[i - 1] < 0) != (left[i] < 0);
        peak = std::max<int16_t>(peak, left[i]);
    }
    ASSERT_GT(sounding, 48000u * 2) << "over two seconds of sound";
    const double hertz = crossings / 2.0 / (double(sounding) / 48000.0);
    EXPECT_NEAR(hertz, 550.0, 20.0);
    EXPECT_GT(peak, 4000) << "a quarter of full scale, spread over two channels";
}

} // namespace
