// The slot machine in the mini-game state on the recording renderer with the
// sample data, played through the input layer with the game's generator on
// fixed seeds: the weights, the pull, the reels' stops, the holds, the third
// pull, a win and a loss with their result in the save slot, the skip, the
// rays, and the start from a script action.
#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SaveSlotData.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace MiniGameTest;
using Phase = MiniGameSlotMachine::Phase;

constexpr uint32_t FRAME = 16;
constexpr uint32_t COMMON_SOUND_GROUP = 0x65EC7051;
// A 16 ms frame in the game's seconds.
constexpr fx32 FRAME_FX = (FRAME << FX32_SHIFT) / 1000;
// Seeds of the game's generator on which the test's way of playing wins on
// the third pull and loses, holding reels in both.
constexpr uint64_t WINNING_SEED = 7;
constexpr uint64_t LOSING_SEED = 3;
constexpr int32_t EARLIER_RESULT = 6;

class MiniGameSlotMachineTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        // The boxes' sounds are in the common group, which the game keeps
        // loaded.
        ASSERT_TRUE(SoundManager::Initialize() && SoundManager::LoadGroup(COMMON_SOUND_GROUP)) << log.Text();
        g_oTwGame.m_bPaused = 0;
        states.AddState(std::make_unique<IdleState>(&states, STATE_ID_MAIN));
        states.AddState(std::make_unique<MiniGameState>(&states));
        SlotInt() = EARLIER_RESULT;
    }
    void TearDown() override
    {
        states.ReleaseStates();
        SoundManager::Terminate();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    static int32_t& SlotInt()
    {
        AdventureManager& adventure = *AdventureManager::GetInstance();
        return adventure.GetSaveSlot(adventure.GetSaveSlotIndex())->m_aVarInts[VARINT_CRACKPOT_RESULT];
    }
    MiniGameState& State() { return *static_cast<MiniGameState*>(pStates->GetState(STATE_ID_MINIGAME)); }
    MiniGameSlotMachine& Game() { return *static_cast<MiniGameSlotMachine*>(State().GetMiniGame()); }
    void Step()
    {
        pStates->ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
        world.Frame();
    }
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            Step();
    }
    // A press of the button at the point, seen by the game in that frame.
    void Press(fx32 x, fx32 y)
    {
        world.Frame(x, y, true);
        pStates->ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
        world.Frame(x, y, false);
    }
    void PressSprite(const MGSprite& sprite)
    {
        Press(sprite.GetPosition().x + sprite.GetSize().x / 2, sprite.GetPosition().y + sprite.GetSize().y / 2);
    }
    void ChooseButton(int32_t i)
    {
        world.ClickButton(Game().GetMessageBox(), i);
        Step();
    }
    // From the start to play, with the game's generator on the seed.
    void StartPlaying(uint64_t seed)
    {
        states.GetStateQueue().Push({STATE_ID_MINIGAME, static_cast<uint32_t>(MiniGameSlotMachine::ID), 0});
        states.SetState(STATE_ID_MINIGAME);
        PlayFromTheInstructions(seed);
    }
    void PlayFromTheInstructions(uint64_t seed)
    {
        ASSERT_NE(State().GetMiniGame(), nullptr) << log.Text();
        ASSERT_EQ(Game().GetState(), MiniGame::STATE_INSTRUCTIONS);
        // The reset draws the first symbols and the rays' wait from the seed.
        Game().SeedRandom(seed);
        Game().GetMessageBox().Hide();
        Game().ResetGame(false);
        Run(50);
        ChooseButton(0);
        Run(50);
        ASSERT_EQ(Game().GetState(), MiniGame::STATE_PLAYING);
        ASSERT_EQ(Game().GetPhase(), Phase::FirstPull);
    }
    // A pull, then frames until the reels have stopped.
    void PullAndWait()
    {
        PressSprite(Game().GetLeverUp());
        ASSERT_EQ(Game().GetPhase(), Phase::Spinning);
        while (Game().GetState() == MiniGame::STATE_PLAYING && Game().GetPhase() == Phase::Spinning)
            Step();
    }
    // The test's way of playing: between pulls, hold exactly the reels that
    // show the most common symbol when it shows more than once.
    void HoldMostCommonSymbol()
    {
        std::array<int, MiniGameSlotMachine::SYMBOL_COUNT> counts {};
        for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r)
            ++counts[Game().GetSymbol(r)];
        int32_t best = 0;
        for (int32_t s = 1; s < MiniGameSlotMachine::SYMBOL_COUNT; ++s)
            best = counts[s] > counts[best] ? s : best;
        for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r) {
            if (Game().IsHeld(r) != (counts[best] > 1 && Game().GetSymbol(r) == best))
                PressSprite(Game().GetHeldButton(r));
        }
    }
    // Plays to the end box; the number of pulls.
    int PlayToTheEnd()
    {
        int pulls = 0;
        while (Game().GetState() == MiniGame::STATE_PLAYING && pulls < 4) {
            if (Game().GetPhase() == Phase::BetweenPulls)
                HoldMostCommonSymbol();
            PullAndWait();
            ++pulls;
            Run(2);
        }
        return pulls;
    }
    bool ReelsEqual()
    {
        for (int32_t r = 1; r < MiniGameSlotMachine::REEL_COUNT; ++r) {
            if (Game().GetSymbol(r) != Game().GetSymbol(0))
                return false;
        }
        return true;
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
    FiniteStateManager states;
    // The state machine the steps drive: the test's own or the game's.
    FiniteStateManager* pStates = &states;
};

TEST(SlotMachineWeightsTest, EveryHeldSymbolIsFavouredAndEveryDrawPicksASymbol)
{
    struct Case {
        uint32_t uHeldMask;
        std::array<uint32_t, MiniGameSlotMachine::SYMBOL_COUNT> auShares;
    };
    const Case cases[] = {
        {0, {10, 10, 20, 10, 5, 5, 5, 5}},
        // Two held reels with different symbols raise both.
        {(1u << 0) | (1u << 3), {60, 10, 20, 40, 5, 5, 5, 5}},
        {(1u << 2) | (1u << 7), {10, 10, 70, 10, 5, 5, 5, 10}},
        {0xFF, {60, 50, 70, 40, 10, 10, 10, 10}},
    };
    for (const Case& c : cases) {
        const uint32_t total = MiniGameSlotMachine::TotalWeight(c.uHeldMask);
        std::array<uint32_t, MiniGameSlotMachine::SYMBOL_COUNT> shares {};
        for (uint32_t draw = 0; draw < total; ++draw)
            ++shares[MiniGameSlotMachine::PickSymbol(c.uHeldMask, draw)];
        EXPECT_EQ(shares, c.auShares) << c.uHeldMask;
        // A draw past the total still names a symbol.
        EXPECT_EQ(MiniGameSlotMachine::PickSymbol(c.uHeldMask, total), MiniGameSlotMachine::SYMBOL_COUNT - 1);
        EXPECT_EQ(MiniGameSlotMachine::PickSymbol(c.uHeldMask, UINT32_MAX), MiniGameSlotMachine::SYMBOL_COUNT - 1);
    }
}

TEST_F(MiniGameSlotMachineTest, TheSlotTakesOnlyItsIntegersAndNothingWithoutASlot)
{
    EXPECT_TRUE(MiniGameResult::SetSlotInt(VARINT_CRACKPOT_RESULT, 5));
    EXPECT_EQ(SlotInt(), 5);
    EXPECT_FALSE(MiniGameResult::SetSlotInt(-1, 1));
    EXPECT_FALSE(MiniGameResult::SetSlotInt(VARINT_LAST, 1));
    AdventureManager::DestroySingleton();
    EXPECT_FALSE(MiniGameResult::SetSlotInt(VARINT_CRACKPOT_RESULT, 1));
    AdventureManager::CreateSingleton()->Initialize();
}

TEST_F(MiniGameSlotMachineTest, APullSpendsACoinAndTheReelsStopOneAfterAnother)
{
    StartPlaying(WINNING_SEED);
    EXPECT_EQ(Game().GetCoins(), 3);
    EXPECT_TRUE(Game().GetCursor().IsVisible());

    PressSprite(Game().GetLeverUp());
    EXPECT_EQ(Game().GetPhase(), Phase::Spinning);
    EXPECT_EQ(SoundManager::m_iLastEffectId, MiniGameSlotMachine::SOUND_LEVER);
    EXPECT_EQ(Game().GetCoins(), 2);
    EXPECT_EQ(Game().GetSpinTimer(), MiniGameSlotMachine::SPIN_TIME);
    // The lever's timer runs from the pull's own frame.
    EXPECT_EQ(Game().GetLeverTimer(), MiniGameSlotMachine::LEVER_TIME - FRAME_FX);

    // Each reel's last spinning frame, counted in the game's time from the
    // pull: 2.8, 3.2, 3.6 and 4.0 seconds, to a frame.
    std::array<fx32, MiniGameSlotMachine::REEL_COUNT> stops {};
    fx32 elapsed = 0;
    while (Game().GetPhase() == Phase::Spinning) {
        for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r) {
            if (Game().IsReelSpinning(r))
                stops[r] = elapsed;
        }
        Step();
        elapsed += FRAME_FX;
    }
    const fx32 expected[] = {0x2CCE, 0x3334, 0x399A, 0x4000};
    for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r) {
        EXPECT_LE(stops[r], expected[r]) << r;
        EXPECT_GT(stops[r] + FRAME_FX, expected[r] - FRAME_FX) << r;
    }
    EXPECT_EQ(Game().GetLeverTimer(), 0);
    EXPECT_EQ(Game().GetPhase(), ReelsEqual() ? Phase::Finished : Phase::BetweenPulls);
}

TEST_F(MiniGameSlotMachineTest, HoldsChangeOnlyBetweenPullsAndHeldReelsNeitherSpinNorChange)
{
    StartPlaying(LOSING_SEED);
    // Before the first pull a hold button does nothing.
    PressSprite(Game().GetHeldButton(1));
    EXPECT_FALSE(Game().IsHeld(1));

    PressSprite(Game().GetLeverUp());
    ASSERT_EQ(Game().GetPhase(), Phase::Spinning);
    // Nor while the reels spin.
    PressSprite(Game().GetHeldButton(1));
    EXPECT_FALSE(Game().IsHeld(1));
    while (Game().GetPhase() == Phase::Spinning)
        Step();
    ASSERT_EQ(Game().GetPhase(), Phase::BetweenPulls) << "the seed must not win at once";

    // Between pulls a press toggles it, with its sound.
    PressSprite(Game().GetHeldButton(1));
    EXPECT_TRUE(Game().IsHeld(1));
    PressSprite(Game().GetHeldButton(2));
    EXPECT_EQ(SoundManager::m_iLastEffectId, MiniGameSlotMachine::SOUND_HOLD);
    PressSprite(Game().GetHeldButton(2));
    EXPECT_EQ(SoundManager::m_iLastEffectId, MiniGameSlotMachine::SOUND_FREE);
    EXPECT_FALSE(Game().IsHeld(2));
    const int32_t held = Game().GetSymbol(1);
    EXPECT_EQ(Game().GetHeldMask(), 1u << held);

    PressSprite(Game().GetLeverUp());
    ASSERT_EQ(Game().GetPhase(), Phase::Spinning);
    while (Game().GetPhase() == Phase::Spinning) {
        EXPECT_FALSE(Game().IsReelSpinning(1));
        EXPECT_TRUE(Game().IsReelSpinning(0) || Game().GetSpinTimer() < 3 * MiniGameSlotMachine::REEL_STOP_STEP);
        Step();
    }
    EXPECT_EQ(Game().GetSymbol(1), held);
    EXPECT_TRUE(Game().IsHeld(1));
}

TEST_F(MiniGameSlotMachineTest, AWinWritesItsSymbolIntoTheSlotAndTheRunEndsWon)
{
    StartPlaying(WINNING_SEED);
    EXPECT_STREQ(Game().GetName(), "Slot machine");
    EXPECT_EQ(SoundManager::m_iCurrentMusicId, MiniGameSlotMachine::MUSIC);
    const int pulls = PlayToTheEnd();
    EXPECT_EQ(pulls, 3);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_END_BOX);
    ASSERT_TRUE(ReelsEqual());
    EXPECT_TRUE(Game().IsWon());
    EXPECT_EQ(SlotInt(), Game().GetSymbol(0));
    EXPECT_EQ(Game().GetCoins(), 3 - pulls);

    const int32_t symbol = Game().GetSymbol(0);
    Run(50);
    ChooseButton(0);
    Run(50);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_EQ(SlotInt(), symbol);
    // Every picture was given back before the pool's report.
    EXPECT_EQ(log.Text().find("MGSprite::ShutdownPoolSystem"), std::string::npos) << log.Text();
    EXPECT_EQ(log.Text().find("ASSERT"), std::string::npos) << log.Text();
    EXPECT_EQ(log.Text().find("no sound bound"), std::string::npos) << log.Text();
}

TEST_F(MiniGameSlotMachineTest, AfterTheThirdPullALossKeepsTheEarlierResultAndASkipGivesTheBottle)
{
    StartPlaying(LOSING_SEED);
    EXPECT_EQ(PlayToTheEnd(), 3);
    EXPECT_NE(Game().GetHeldMask(), 0u) << "the round must end with reels held";
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_FALSE(ReelsEqual());
    EXPECT_FALSE(Game().IsWon());
    EXPECT_EQ(Game().GetCoins(), 0);
    EXPECT_EQ(SlotInt(), EARLIER_RESULT);

    // Retry: three coins again, the instructions now offer Skip.
    Run(50);
    ChooseButton(1);
    Run(50);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_EQ(Game().GetCoins(), 3);
    EXPECT_EQ(Game().GetPhase(), Phase::FirstPull);
    EXPECT_FALSE(Game().GetCursor().IsVisible());
    for (int32_t r = 0; r < MiniGameSlotMachine::REEL_COUNT; ++r)
        EXPECT_FALSE(Game().IsHeld(r)) << r;
    Run(50);
    ChooseButton(1);
    Run(200);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_EQ(SlotInt(), MiniGameSlotMachine::SKIPPED_RESULT);
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_CHEAT_MINIGAME));
}

TEST_F(MiniGameSlotMachineTest, TheRaysCrossTheScreenAndThenWaitHidden)
{
    StartPlaying(WINNING_SEED);
    bool crossed = false;
    fx32 lastX = INT32_MIN;
    for (int i = 0; i < 1300 && !crossed; ++i) {
        const fx32 timer = Game().GetRaysTimer();
        const MGSprite& rays = Game().GetRays();
        if (timer < 0) {
            EXPECT_GE(timer, -MiniGameSlotMachine::RAYS_LONGEST_PAUSE);
            EXPECT_FALSE(rays.IsVisible());
            crossed = lastX != INT32_MIN;
        } else {
            ASSERT_LT(timer, MiniGameSlotMachine::RAYS_CROSSING_TIME);
            EXPECT_TRUE(rays.IsVisible());
            // Left to right and upwards, from its start to its end.
            EXPECT_GT(rays.GetPosition().x, lastX);
            EXPECT_GE(rays.GetPosition().x, static_cast<fx32>(0xFFFA3667u));
            EXPECT_LE(rays.GetPosition().x, 0x12A999);
            EXPECT_LE(rays.GetPosition().y, 0x6BCCC);
            lastX = rays.GetPosition().x;
        }
        Step();
    }
    EXPECT_TRUE(crossed);
}

TEST_F(MiniGameSlotMachineTest, TheScriptActionStartsTheGameAndTheAdventureReadsItsSymbol)
{
    g_oTwGame.AddState(std::make_unique<IdleState>(&g_oTwGame, STATE_ID_MAIN));
    g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame));
    TwGameStateLink link(g_oTwGame);
    SetScriptStateLink(&link);
    pStates = &g_oTwGame;
    StartFromScriptAction(MiniGameSlotMachine::ID);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + MiniGameSlotMachine::ID);
    ASSERT_EQ(g_oTwGame.GetStateQueue().GetCount(), 1);
    g_oTwGame.SetState(STATE_ID_MINIGAME);
    PlayFromTheInstructions(WINNING_SEED);
    PlayToTheEnd();
    ASSERT_TRUE(Game().IsWon());
    const int32_t symbol = Game().GetSymbol(0);
    Run(50);
    ChooseButton(0);
    Run(50);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(g_oTwGame.GetStateQueue().IsEmpty());

    // The adventure's entry restores the slot: the scripts read the symbol.
    RestoreCurrentSaveSlot();
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_EQ(g_VarManager.GetInt(VARINT_CRACKPOT_RESULT), symbol);

    g_oTwGame.ReleaseStates();
    SetScriptStateLink(nullptr);
}

} // namespace
