// The splash sequence and the credits drawn on the real OpenGL device from
// the sample packs: the first logo rises out of black, holds (a golden image
// of it) and sinks back into black before the second; the credits show their
// first picture and first section, centred, over black.
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameCredits.h"
#include "MiniGame/Common/SplashScreenSequence.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

using namespace MiniGameTest;

constexpr uint32_t FRAME = 16;
constexpr uint32_t COMMON_SOUND_GROUP = 0x65EC7051;
// A pixel of the first logo's golden bar, and one of the black around it.
constexpr uint32_t BAR_X = 320;
constexpr uint32_t BAR_Y = 327;
constexpr uint32_t MARGIN_X = 40;
constexpr uint32_t MARGIN_Y = 40;

struct Pixel {
    uint8_t r, g, b;
};

Pixel At(const Platform::RgbaImage& image, uint32_t x, uint32_t y)
{
    const uint8_t* p = &image.pixels[(y * image.width + x) * 4];
    return {p[0], p[1], p[2]};
}

class MiniGamePixelTest : public MiniGamePictureTest {
protected:
    MiniGamePixelTest() : MiniGamePictureTest(true, true) { }
    // A frame of the game: the update, the effects, then the picture.
    Platform::RgbaImage Frame(SplashScreenSequence& splash)
    {
        splash.Update(FRAME);
        Effect::UpdateAll(FRAME);
        return Draw(splash);
    }
};

TEST_F(MiniGamePixelTest, TheLogoFadesInFromBlackHoldsAndFadesOut)
{
    SplashScreenSequence splash(1);
    ASSERT_TRUE(splash.Initialize()) << m_log.Text();
    // Rising: black at first, the bar brighter every tenth of a second.
    Platform::RgbaImage picture = Frame(splash);
    EXPECT_LT(At(picture, BAR_X, BAR_Y).r, 16);
    int previous = At(picture, BAR_X, BAR_Y).r;
    for (int step = 0; step < 4; ++step) {
        for (int i = 0; i < 6; ++i)
            picture = Frame(splash);
        EXPECT_GT(At(picture, BAR_X, BAR_Y).r, previous) << step;
        previous = At(picture, BAR_X, BAR_Y).r;
    }
    // Held: the golden bar on black.
    for (int i = 0; i < 20; ++i)
        picture = Frame(splash);
    const Pixel bar = At(picture, BAR_X, BAR_Y);
    EXPECT_GT(bar.r, 200);
    EXPECT_GT(bar.g, 150);
    EXPECT_LT(bar.b, 100);
    const Pixel margin = At(picture, MARGIN_X, MARGIN_Y);
    EXPECT_EQ(margin.r + margin.g + margin.b, 0);
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/MiniGame/Common/SplashLogo", 8));

    // Sinking: after the hold and the 0.7 s fade-out, black again.
    while (splash.GetStep() == 3)
        picture = Frame(splash);
    for (int i = 0; i < 40; ++i)
        picture = Frame(splash);
    EXPECT_LT(At(picture, BAR_X, BAR_Y).r, 40);
    while (splash.GetStep() == 7)
        picture = Frame(splash);
    EXPECT_EQ(splash.GetLogoId(), 1);
    splash.Shutdown();
    EXPECT_EQ(m_log.Text().find("Warning"), std::string::npos) << m_log.Text();
}

TEST_F(MiniGamePixelTest, TheCreditsShowTheirFirstPictureAndSectionCentredOnBlack)
{
    ASSERT_TRUE(SoundManager::Initialize() && SoundManager::LoadGroup(COMMON_SOUND_GROUP)) << m_log.Text();
    MiniGameCredits credits;
    ASSERT_TRUE(credits.Initialize()) << m_log.Text();
    // The four big gaps (192 units) have scrolled by but 40: the first
    // picture's top is at 40, its section's heading 96 units below.
    credits.SetScrollPosition(-152 * U);
    credits.UpdatePictures();
    // The credits make the clear colour black for the frames after theirs.
    m_renderer.SetClearColor(0xFF3C6E96);
    Draw(credits);
    EXPECT_EQ(m_renderer.GetClearColor(), 0xFF000000u);
    const Platform::RgbaImage picture = Draw(credits);
    // The picture: 80 units wide, hanging from its top centre at x 128.
    const Pixel sky = At(picture, 320, 40 * 5 / 2 + 20);
    EXPECT_NEAR(sky.r, 0x80, 8);
    EXPECT_NEAR(sky.g, 0xC0, 8);
    EXPECT_NEAR(sky.b, 0xF0, 8);
    const Pixel left = At(picture, (128 - 40) * 5 / 2 - 4, 40 * 5 / 2 + 20);
    EXPECT_EQ(left.r + left.g + left.b, 0);
    const Pixel above = At(picture, 320, 40 * 5 / 2 - 4);
    EXPECT_EQ(above.r + above.g + above.b, 0);
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/MiniGame/Common/CreditsStart", 8));
    credits.Shutdown();
    SoundManager::Terminate();
    EXPECT_EQ(m_log.Text().find("ASSERT"), std::string::npos) << m_log.Text();
}

} // namespace
