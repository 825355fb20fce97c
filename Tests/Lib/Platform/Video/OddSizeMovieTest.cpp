// Movies of sizes that are no multiple of the decoder's block, as cameras and
// screen recorders write them, decoded by FFmpeg.
#include "Support/GuardedAllocations.h"
#include "Support/TestPaths.h"
#include "Video/FfmpegMovie.h"
#include "Video/VideoSystem.h"

#include "ContentBuilder/MovieEncoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr uint32_t ODD_SHOT_COLOR = 0x3060A0;

struct OddSize {
    uint32_t width;
    uint32_t height;
};

std::vector<OddSize> OddSizes()
{
    std::vector<OddSize> sizes;
    for (uint32_t width = 315; width <= 321; ++width) {
        for (uint32_t height = 175; height <= 181; ++height)
            sizes.push_back({width, height});
    }
    return sizes;
}

std::string OddMoviePath(const TestSupport::TempDir& folder, const OddSize& size)
{
    return (folder / (std::to_string(size.width) + "x" + std::to_string(size.height) + ".bik")).string();
}

bool ColorNear(uint32_t actual, uint32_t expected)
{
    for (int shift : {16, 8, 0}) {
        if (std::abs(int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > 16)
            return false;
    }
    return true;
}

// Plays every movie to its end and copies the whole picture out; the number
// of movies whose last picture does not show the white square where it was
// painted, on the shot's colour.
int PlayEveryOddMovie(const TestSupport::TempDir& folder)
{
    int wrong = 0;
    for (const OddSize& size : OddSizes()) {
        std::string error;
        const auto movie =
            Platform::FfmpegMovie::Open(OddMoviePath(folder, size).c_str(), Platform::MOVIE_NO_SOUND, error);
        if (!movie) {
            ++wrong;
            continue;
        }
        std::vector<uint32_t> picture(size_t(size.width) * size.height);
        while (movie->CurrentFrame() <= movie->Info().frameCount) {
            movie->DoFrame();
            movie->CopyToBuffer(reinterpret_cast<uint8_t*>(picture.data()), size.width * 4, 0, 0, size.width,
                                size.height);
            movie->NextFrame();
        }
        // The last frame has the square at the right edge, its side an
        // eighth of the height, its top a sixteenth down.
        const uint32_t side = size.height / 8;
        const uint32_t middleRow = size.height / 16 + side / 2;
        const uint32_t squareMiddle = picture[size_t(middleRow) * size.width + size.width - side / 2];
        const uint32_t leftOfSquare = picture[size_t(middleRow) * size.width + size.width / 2];
        // The encoder's last chroma sample of an odd side is off, and the
        // scaler blends it into its neighbours: a few pixels in.
        const uint32_t nearLastPixel = picture[size_t(size.height - 4) * size.width + size.width - 4];
        if (!ColorNear(squareMiddle, 0xFFFFFF) || !ColorNear(leftOfSquare, ODD_SHOT_COLOR) ||
            !ColorNear(nearLastPixel, ODD_SHOT_COLOR))
            ++wrong;
    }
    return wrong;
}

// The scaler writes whole blocks of pixels: a picture buffer of exactly
// width x height pixels is written past at its end. The movies are played
// with every large block ending at a guard page, in a child process that the
// first such write kills.
TEST(OddSizeMovieTest, EverySizeFrom315x175To321x181PlaysWithinItsPictureAndCopiesOutWhole)
{
    TestSupport::TempDir folder;
    for (const OddSize& size : OddSizes()) {
        MovieDescription description;
        description.width = size.width;
        description.height = size.height;
        description.frameCount = 3;
        description.shots = {{0, ODD_SHOT_COLOR}};
        description.codec = MovieDescription::Codec::MotionJpeg;
        EncodeMovie(description, OddMoviePath(folder, size));
    }
    EXPECT_EXIT(
        {
            TestSupport::GuardedAllocations guarded;
            std::exit(PlayEveryOddMovie(folder));
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
