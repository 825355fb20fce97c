// The wooden sword duel drawn on the real OpenGL device from its sample
// pack: the player stands upright with the sword to the right, the opponent
// mirrored with the sword to the left, and the gauges show what is left of
// each life.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

using namespace MiniGameTest;
using Duel = MiniGameWoodenSwordDuel;

struct Pixel {
    int r, g, b;
};

// The picture is 640 x 480: two and a half pixels a unit.
Pixel At(const Platform::RgbaImage& image, double x, double y)
{
    const uint8_t* p =
        &image.pixels[(static_cast<uint32_t>(y * 2.5) * image.width + static_cast<uint32_t>(x * 2.5)) * 4];
    return {p[0], p[1], p[2]};
}

void ExpectNear(const Pixel& pixel, uint32_t rgb, const char* what)
{
    EXPECT_NEAR(pixel.r, int(rgb >> 16), 24) << what;
    EXPECT_NEAR(pixel.g, int((rgb >> 8) & 0xFF), 24) << what;
    EXPECT_NEAR(pixel.b, int(rgb & 0xFF), 24) << what;
}

class WoodenSwordDuelPixelTest : public MiniGamePictureTest {
protected:
    WoodenSwordDuelPixelTest() : MiniGamePictureTest(false) { }
    void SetUp() override
    {
        MiniGamePictureTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(SoundManager::Initialize()) << m_log.Text();
    }
    void TearDown() override
    {
        SoundManager::Terminate();
        MiniGamePictureTest::TearDown();
    }
};

TEST_F(WoodenSwordDuelPixelTest, ThePlayerFacesRightTheMirroredOpponentLeftAndTheGaugesShowTheLives)
{
    Duel duel;
    ASSERT_TRUE(duel.Initialize()) << m_log.Text();
    duel.GetMessageBox().Hide();
    duel.GetOpponent().m_iLife = 150;
    duel.UpdateFighters();
    const Platform::RgbaImage picture = Draw(duel);

    // Idle, each foot on the ground a third of the pose's width from its
    // back edge: the shirts, then the blades halfway to their tips.
    constexpr uint32_t BLUE_SHIRT = 0x3070C0;
    constexpr uint32_t RED_SHIRT = 0xC03A30;
    constexpr uint32_t BLADE = 0xC08850;
    ExpectNear(At(picture, 63.9, 149.8), BLUE_SHIRT, "the player's shirt");
    ExpectNear(At(picture, 192.1, 149.8), RED_SHIRT, "the opponent's shirt");
    ExpectNear(At(picture, 76.3, 143.6), BLADE, "the player's blade, in front");
    ExpectNear(At(picture, 179.7, 143.6), BLADE, "the opponent's blade, in front");
    EXPECT_GT(At(picture, 204.3, 143.6).g, 0xB0) << "no blade behind the opponent";

    // The player's gauge is whole (nothing lost), the opponent's half.
    constexpr uint32_t LIFE = 0xFF8C18;
    ExpectNear(At(picture, 60, 27), LIFE, "the player's life");
    ExpectNear(At(picture, 115, 27), LIFE, "the player's life");
    ExpectNear(At(picture, 150.7, 27), LIFE, "the opponent's life left");
    ExpectNear(At(picture, 187.6, 27), 0xFFFFFF, "the opponent's life lost");
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/MiniGame/Common/WoodenSwordDuel", 8));
    duel.Shutdown();
    EXPECT_EQ(m_log.Text().find("ASSERT"), std::string::npos) << m_log.Text();
}

} // namespace
