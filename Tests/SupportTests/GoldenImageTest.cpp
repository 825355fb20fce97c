#include "Support/GoldenImage.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

using TestSupport::GoldenFolders;
using TestSupport::MatchesGoldenImage;

// A 3 x 2 image, every channel of every pixel different.
Platform::RgbaImage Sample()
{
    Platform::RgbaImage image {3, 2, {}};
    for (uint8_t i = 0; i < 24; ++i)
        image.pixels.push_back(uint8_t(10 * i));
    return image;
}

class GoldenImageTest : public testing::Test {
protected:
    GoldenFolders Folders(bool update = false) const { return {m_dir / "Data", m_dir / "Failures", update}; }
    bool Exists(const std::string& file) const { return std::filesystem::exists(m_dir / file); }

    TestSupport::TempDir m_dir;
};

TEST_F(GoldenImageTest, AReferenceIsWrittenOnlyOnPurposeAndThenMatches)
{
    const Platform::RgbaImage image = Sample();
    EXPECT_FALSE(MatchesGoldenImage(image, "Area/picture", 0, Folders()));
    EXPECT_FALSE(Exists("Data/Area/picture.png"));
    EXPECT_TRUE(Exists("Failures/Area/picture.actual.png"));

    EXPECT_TRUE(MatchesGoldenImage(image, "Area/picture", 0, Folders(true)));
    Platform::RgbaImage written;
    ASSERT_TRUE(TestSupport::ReadPng(m_dir / "Data/Area/picture.png", written));
    EXPECT_EQ(written.pixels, image.pixels);
    EXPECT_TRUE(MatchesGoldenImage(image, "Area/picture", 0, Folders()));
}

// Each channel, alpha included, is held to the tolerance on its own; a
// failure names the worst pixel and leaves the actual and difference images.
TEST_F(GoldenImageTest, EveryChannelIsHeldToTheTolerance)
{
    ASSERT_TRUE(MatchesGoldenImage(Sample(), "picture", 0, Folders(true)));
    for (size_t channel = 0; channel < 4; ++channel) {
        SCOPED_TRACE(channel);
        Platform::RgbaImage changed = Sample();
        changed.pixels[4 + channel] += 3;
        EXPECT_TRUE(MatchesGoldenImage(changed, "picture", 3, Folders()));
        const testing::AssertionResult result = MatchesGoldenImage(changed, "picture", 2, Folders());
        EXPECT_FALSE(result);
        EXPECT_NE(std::string(result.message()).find("1 pixels differ"), std::string::npos) << result.message();
        EXPECT_NE(std::string(result.message()).find("at (1, 0)"), std::string::npos) << result.message();
    }
    Platform::RgbaImage difference;
    ASSERT_TRUE(TestSupport::ReadPng(m_dir / "Failures/picture.difference.png", difference));
    EXPECT_EQ(difference.At(0, 0), 0x000000FFu);
    EXPECT_TRUE(Exists("Failures/picture.actual.png"));
    EXPECT_TRUE(MatchesGoldenImage(Sample(), "picture", 0, Folders()));
    EXPECT_FALSE(Exists("Failures/picture.actual.png")) << "a later match clears the failure's images";
    EXPECT_FALSE(Exists("Failures/picture.difference.png"));
}

TEST_F(GoldenImageTest, ADifferentSizeFails)
{
    ASSERT_TRUE(MatchesGoldenImage(Sample(), "picture", 0, Folders(true)));
    Platform::RgbaImage wider {4, 2, std::vector<uint8_t>(32, 0)};
    const testing::AssertionResult result = MatchesGoldenImage(wider, "picture", 255, Folders());
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("4 x 2, the reference 3 x 2"), std::string::npos) << result.message();
}

} // namespace
