// The slot machine drawn on the real OpenGL device from its sample pack: each
// reel shows its symbol's picture, a pull brings the lever down and turns the
// reels that are not held into spinning stripes until each one stops.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Input/Common/InputSystem.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace MiniGameTest;

constexpr uint32_t FRAME = 16;
constexpr int TOLERANCE = 20;

struct Colour {
    int r, g, b;
};

// The colour at the centre of each symbol's picture; the circle and the
// square are hollow and show the machine's body there.
constexpr Colour SYMBOL_CENTRES[MiniGameSlotMachine::SYMBOL_COUNT] = {
    {0xD0, 0x28, 0x28}, {0xE0, 0xC0, 0x40}, {0x2E, 0x8A, 0x4A}, {0xF0, 0xF0, 0xE8},
    {0xE0, 0x60, 0x10}, {0x8A, 0x4A, 0x18}, {0x8A, 0x4A, 0x18}, {0xE0, 0xC0, 0x20},
};
// The stripes of a spinning reel.
constexpr Colour STRIPES[] = {
    {0xE8, 0xA0, 0xA0}, {0xF0, 0xE0, 0xB0}, {0xA0, 0xD0, 0xA8}, {0xA0, 0xB8, 0xE8}, {0xE8, 0xE0, 0xA0},
};
constexpr Colour LEVER_STICK = {0xA0, 0xA0, 0xA8};
// Reel centres and a point of the lowered lever's stick, in virtual units.
constexpr fx32 REEL_X[] = {0x5A7FF, 0x7E4CC, 0xA2199, 0xC6199};
constexpr fx32 REEL_Y = 0x35E66;
constexpr fx32 LEVER_DOWN_X = 0xF666;
constexpr fx32 LEVER_DOWN_Y = 0x93999;

bool Near(const Platform::RgbaImage& image, fx32 x, fx32 y, const Colour& colour)
{
    // The 640 x 480 picture has 2.5 pixels to a virtual unit.
    const uint32_t px = static_cast<uint32_t>(x * 5 / 2 / FX32_ONE);
    const uint32_t py = static_cast<uint32_t>(y * 5 / 2 / FX32_ONE);
    const uint8_t* p = &image.pixels[(py * image.width + px) * 4];
    return std::abs(p[0] - colour.r) <= TOLERANCE && std::abs(p[1] - colour.g) <= TOLERANCE &&
           std::abs(p[2] - colour.b) <= TOLERANCE;
}

bool IsStripe(const Platform::RgbaImage& image, fx32 x, fx32 y)
{
    for (const Colour& stripe : STRIPES) {
        if (Near(image, x, y, stripe))
            return true;
    }
    return false;
}

class SlotMachinePixelTest : public MiniGamePictureTest {
protected:
    SlotMachinePixelTest() : MiniGamePictureTest(true) { }
    void SetUp() override
    {
        MiniGamePictureTest::SetUp();
        if (HasFatalFailure())
            return;
        InputSystem::EnableGameEvents(true);
    }
    void TearDown() override
    {
        InputSystem::EnableGameEvents(false);
        MiniGamePictureTest::TearDown();
    }
};

TEST_F(SlotMachinePixelTest, ReelsShowTheirSymbolsAndSpinAfterAPullUntilEachStops)
{
    ASSERT_TRUE(SoundManager::Initialize()) << m_log.Text();
    MiniGameSlotMachine game;
    ASSERT_TRUE(game.Initialize()) << m_log.Text();
    game.SeedRandom(5);
    game.GetMessageBox().Hide();
    game.ResetGame(false);
    game.SetState(MiniGame::STATE_STARTING);
    game.Update(FRAME);
    ASSERT_EQ(game.GetState(), MiniGame::STATE_PLAYING);

    Platform::RgbaImage picture = Draw(game);
    for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r)
        EXPECT_TRUE(Near(picture, REEL_X[r], REEL_Y, SYMBOL_CENTRES[game.GetSymbol(r)])) << r;
    EXPECT_FALSE(Near(picture, LEVER_DOWN_X, LEVER_DOWN_Y, LEVER_STICK));

    const MGSprite& lever = game.GetLeverUp();
    m_world.Frame(lever.GetPosition().x + lever.GetSize().x / 2, lever.GetPosition().y + lever.GetSize().y / 2, true);
    game.Update(FRAME);
    m_world.Frame();
    ASSERT_EQ(game.GetPhase(), MiniGameSlotMachine::Phase::Spinning);
    picture = Draw(game);
    EXPECT_TRUE(Near(picture, LEVER_DOWN_X, LEVER_DOWN_Y, LEVER_STICK));
    for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r)
        EXPECT_TRUE(IsStripe(picture, REEL_X[r], REEL_Y)) << r;

    // Between the first reel's stop and the second's.
    while (game.GetSpinTimer() >= 2 * MiniGameSlotMachine::REEL_STOP_STEP + 0x100)
        game.Update(FRAME);
    picture = Draw(game);
    EXPECT_TRUE(Near(picture, REEL_X[0], REEL_Y, SYMBOL_CENTRES[game.GetSymbol(0)]));
    EXPECT_TRUE(IsStripe(picture, REEL_X[3], REEL_Y));
    game.Shutdown();
    SoundManager::Terminate();
    EXPECT_EQ(m_log.Text().find("ASSERT"), std::string::npos) << m_log.Text();
}

} // namespace
