// The games that seed a generator of their own take the seed from the
// platform clock's processor time, so that on a test's fake clock every run
// deals the same bout, reels and keys.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"
#include "MiniGame/Common/MiniGameTheLostKey.h"
#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "System/FakeClock.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int64_t TICKS = 0x5EED;

class MiniGameSeedTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        ASSERT_TRUE(SoundManager::Initialize()) << log.Text();
        MiniGameFonts::Load();
        MGSprite::ClearPoolCounts();
        clock.SetProcessorTicks(TICKS);
        Platform::SetClock(&clock);
    }
    void TearDown() override
    {
        Platform::SetClock(nullptr);
        MGSprite::ShutdownPoolSystem();
        MiniGameFonts::Release();
        SoundManager::StopMusic();
        SoundManager::Terminate();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    TestSupport::LogCapture log;
    MiniGameTest::MiniGameWorld world;
    Platform::FakeClock clock;
};

TEST_F(MiniGameSeedTest, TheDuelTheSlotMachineAndTheLostKeyDealFromTheClocksProcessorTime)
{
    MiniGameWoodenSwordDuel duel;
    ASSERT_TRUE(duel.Initialize()) << log.Text();
    EXPECT_EQ(duel.GetRandom().m_uSeed, uint64_t(TICKS));
    duel.Shutdown();

    // The reels and the rays' first wait, as the reset draws them from the
    // ticks.
    MiniGameSlotMachine machine;
    ASSERT_TRUE(machine.Initialize()) << log.Text();
    const auto dealt = [&machine]() {
        std::array<int32_t, MiniGameSlotMachine::REEL_COUNT + 1> deal {machine.GetRaysTimer()};
        for (int32_t reel = 0; reel < MiniGameSlotMachine::REEL_COUNT; ++reel)
            deal[reel + 1] = machine.GetSymbol(reel);
        return deal;
    };
    const auto started = dealt();
    machine.SeedRandom(TICKS);
    machine.ResetGame(false);
    EXPECT_EQ(started, dealt());
    machine.Shutdown();

    // The keys hung for the first level.
    MiniGameTheLostKey lost;
    ASSERT_TRUE(lost.Initialize()) << log.Text();
    const auto hung = [&lost]() {
        std::array<int32_t, MiniGameTheLostKey::SLOT_COUNT> designs {};
        EXPECT_TRUE(lost.InstallLevel(0));
        for (int32_t slot = 0; slot < MiniGameTheLostKey::SLOT_COUNT; ++slot)
            designs[slot] = lost.GetSlotDesign(slot);
        return designs;
    };
    const auto first = hung();
    lost.SeedRandom(TICKS);
    EXPECT_EQ(first, hung());
    lost.Shutdown();
}

} // namespace
