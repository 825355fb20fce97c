// The splash sequence on the recording renderer with the sample logos: the
// two logos on black in about 11.4 s without input, one click skipping one
// logo, a pause ending it, the pause box stopping its clock, and the refusals
// of a variant without logos and of fades that found no effect slot.
#include "App/CoreApp.h"
#include "Effects/Common/Effect.h"
#include "Effects/Common/EffectList.h"
#include "Effects/Common/ScreenColorEffect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Input/Common/InputSystem.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "MiniGame/Common/SplashScreenSequence.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace MiniGameTest;

constexpr uint32_t FRAME = 16;
constexpr int32_t KOVIL = 5;
constexpr int32_t DRAVIK = 1;

class SplashScreenSequenceTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        g_oTwGame.m_bPaused = 0;
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer;
        // What follows the splash at start-up: the save-file check.
        states.AddState(std::make_unique<IdleState>(&states, STATE_ID_CARD_CHECK));
        states.AddState(std::make_unique<MiniGameState>(&states));
    }
    void TearDown() override
    {
        states.ReleaseStates();
        g_pCoreApp->m_pRenderer = nullptr;
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
        g_oTwGame.m_bPaused = 0;
        world.TearDown();
        NullRendererTest::TearDown();
    }
    // The start-up queue: the splash with its variant, then the check.
    void Start(uint32_t uVariant = 1)
    {
        states.GetStateQueue().Push({STATE_ID_MINIGAME, 0, uVariant});
        states.GetStateQueue().Push({STATE_ID_CARD_CHECK, 0, 0});
        states.SetState(STATE_ID_MINIGAME);
    }
    SplashScreenSequence* Splash()
    {
        auto* pState = static_cast<MiniGameState*>(states.GetState(STATE_ID_MINIGAME));
        return dynamic_cast<SplashScreenSequence*>(pState->GetMiniGame());
    }
    bool InSplash() { return states.GetCurrentState()->GetId() == STATE_ID_MINIGAME; }
    void Step(bool bClick = false)
    {
        if (bClick)
            world.Frame(128 * U, 96 * U, true);
        states.ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
        world.Frame(128 * U, 96 * U, false);
    }
    // Frames until the save-file check is current.
    int RunToEnd(int limit = 2000)
    {
        int frames = 0;
        while (InSplash() && frames < limit) {
            Step();
            ++frames;
        }
        return frames;
    }
    TestSupport::LogCapture log;
    MiniGameWorld world;
    FiniteStateManager states;
};

TEST_F(SplashScreenSequenceTest, WithoutInputKovilThenDravikShowOnBlackForAboutElevenPointFourSeconds)
{
    Start();
    ASSERT_NE(Splash(), nullptr) << log.Text();
    auto* pState = static_cast<MiniGameState*>(states.GetState(STATE_ID_MINIGAME));
    EXPECT_FALSE(pState->GetEffect(MiniGame::EFFECT_OPENING_FADE).IsRunning());
    std::vector<int32_t> shown;
    int frames = 0;
    while (InSplash() && frames < 2000) {
        Step();
        ++frames;
        if (Splash() == nullptr)
            continue;
        if (shown.empty() || shown.back() != Splash()->GetLogoId())
            shown.push_back(Splash()->GetLogoId());
        EXPECT_EQ(Splash()->GetLogoColor(), 0x000000FFu);
        EXPECT_EQ(m_renderer.GetClearColor(), 0xFF000000u);
    }
    ASSERT_FALSE(InSplash());
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_CARD_CHECK);
    ASSERT_EQ(shown, (std::vector<int32_t>({KOVIL, DRAVIK})));
    EXPECT_STREQ(MGSprite::GetRegisteredName(KOVIL), "masks_kovil_logo");
    EXPECT_STREQ(MGSprite::GetRegisteredName(DRAVIK), "masks_dravik_logo");
    // Two holds of 5 s and two fade-outs of 0.7 s; a 16 ms frame counts
    // 65/4096 s, so each wait takes up to a few frames more.
    EXPECT_GE(frames * FRAME, 11400u);
    EXPECT_LE(frames * FRAME, 11400u + 16 * FRAME);
    EXPECT_EQ(log.Text().find("ASSERT"), std::string::npos) << log.Text();
}

TEST_F(SplashScreenSequenceTest, OneClickSkipsOneLogoEvenDuringItsFadeIn)
{
    Start();
    ASSERT_NE(Splash(), nullptr) << log.Text();
    Step();
    ASSERT_EQ(Splash()->GetStep(), 3);
    ASSERT_TRUE(g_oEffectList.Get(Splash()->GetFadeInSlot())->IsRunning());
    // The click during the fade-in ends the first hold at once.
    Step(true);
    EXPECT_EQ(Splash()->GetStep(), 7);
    // The second logo holds until its own click.
    int frames = 0;
    while (Splash()->GetStep() != 4 && frames < 100) {
        Step();
        ++frames;
    }
    ASSERT_EQ(Splash()->GetStep(), 4);
    EXPECT_FALSE(Splash()->IsSkipRequested());
    for (int i = 0; i < 60; ++i)
        Step();
    EXPECT_EQ(Splash()->GetStep(), 4);
    Step(true);
    EXPECT_EQ(Splash()->GetStep(), 9);
    EXPECT_LE(RunToEnd(), static_cast<int>(0xB33 * 1000 / FX32_ONE / FRAME) + 3);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_CARD_CHECK);
}

TEST_F(SplashScreenSequenceTest, APauseOfTheGameEndsTheSequence)
{
    Start();
    ASSERT_NE(Splash(), nullptr) << log.Text();
    for (int i = 0; i < 30; ++i)
        Step();
    g_oTwGame.m_bPaused = 1;
    Step();
    g_oTwGame.m_bPaused = 0;
    Step();
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_CARD_CHECK);
}

TEST_F(SplashScreenSequenceTest, TheClockStopsUnderThePauseBoxAndResetGameIsRefused)
{
    MiniGameFonts::Load();
    MGSprite::ClearPoolCounts();
    SplashScreenSequence splash(2);
    ASSERT_TRUE(splash.Initialize()) << log.Text();
    // The first update shows the first logo and starts its hold.
    EXPECT_FALSE(splash.Update(FRAME));
    EXPECT_FALSE(splash.Update(FRAME));
    EXPECT_EQ(splash.GetStepTime(), MiniGameSeconds(FRAME));
    splash.SetState(MiniGame::STATE_PAUSE_BOX);
    for (int i = 0; i < 400; ++i)
        EXPECT_FALSE(splash.Update(FRAME));
    EXPECT_EQ(splash.GetStep(), 3);
    EXPECT_EQ(splash.GetStepTime(), MiniGameSeconds(FRAME));
    log.Take();
    splash.ResetGame(false);
    EXPECT_NE(log.Text().find("SplashScreenSequence::ResetGame"), std::string::npos) << log.Text();
    splash.Shutdown();
    EXPECT_EQ(g_oEffectList.Get(splash.GetFadeOutSlot()), nullptr);
    MGSprite::ShutdownPoolSystem();
    MiniGameFonts::Release();
}

TEST_F(SplashScreenSequenceTest, AVariantWithoutLogosIsRefusedAndTheGameGoesOn)
{
    for (uint32_t variant : {3u, 7u}) {
        log.Take();
        Start(variant);
        EXPECT_EQ(Splash(), nullptr);
        Step();
        Step();
        EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_CARD_CHECK);
        EXPECT_NE(log.Text().find("SplashScreenSequence::Initialize -- Unknown variant " + std::to_string(variant)),
                  std::string::npos)
            << log.Text();
        states.ReleaseStates();
        while (!states.GetStateQueue().IsEmpty())
            states.GetStateQueue().Pop();
        states.AddState(std::make_unique<IdleState>(&states, STATE_ID_CARD_CHECK));
        states.AddState(std::make_unique<MiniGameState>(&states));
    }
}

TEST_F(SplashScreenSequenceTest, FadesThatFoundNoEffectSlotDoNotHoldTheSequenceForEver)
{
    // The effect list is full before the splash starts.
    std::vector<std::unique_ptr<ScreenColorEffect>> fillers;
    while (true) {
        fillers.push_back(std::make_unique<ScreenColorEffect>());
        if (g_oEffectList.Add(fillers.back().get()) == -1)
            break;
    }
    Start();
    ASSERT_NE(Splash(), nullptr) << log.Text();
    EXPECT_EQ(Splash()->GetFadeOutSlot(), -1);
    const int frames = RunToEnd();
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_CARD_CHECK);
    EXPECT_LE(frames * FRAME, 10000u + 16 * FRAME);
    for (auto& filler : fillers)
        g_oEffectList.Remove(filler.get());
}

} // namespace
