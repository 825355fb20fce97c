// The wooden sword duel's rules on the recording renderer with the sample
// pack: the player's input through the tap buffer, moving and dashing within
// the bounds, blows, guards and pushes, the opponent's timing and moods, the
// poses shown and the end of the bout.
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Input/Common/InputSystem.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using namespace MiniGameTest;
using Duel = MiniGameWoodenSwordDuel;

constexpr fx32 FOOT_Y = 0xACCCC;

class WoodenSwordDuelTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        ASSERT_TRUE(SoundManager::Initialize()) << log.Text();
        MiniGameFonts::Load();
        MGSprite::ClearPoolCounts();
        InputSystem::EnableGameEvents(true);
        Duel::GetInputBuffer() = {};
        game = std::make_unique<Duel>();
        ASSERT_TRUE(game->Initialize()) << log.Text();
        game->GetRandom().Init(7);
    }
    void TearDown() override
    {
        game->Shutdown();
        game.reset();
        InputSystem::EnableGameEvents(false);
        MGSprite::ShutdownPoolSystem();
        MiniGameFonts::Release();
        SoundManager::Terminate();
        world.TearDown();
        NullRendererTest::TearDown();
        EXPECT_EQ(log.Text().find("ShutdownPoolSystem"), std::string::npos) << log.Text();
    }
    // The two fighters placed, idle, with full lives.
    void Place(fx32 player, fx32 opponent)
    {
        game->GetPlayer() = {300, player, FOOT_Y, Duel::FIGHTER_IDLE, 0, 0};
        game->GetOpponent() = {300, opponent, FOOT_Y, Duel::FIGHTER_IDLE, 0, 0};
    }
    // Frames of the fighters alone, the player asking for the action in each.
    void Fight(int frames, int32_t iPlayerAction = Duel::ACTION_NONE, int32_t iOpponentAction = Duel::ACTION_NONE)
    {
        for (int i = 0; i < frames; ++i) {
            game->GetPlayer().m_iRequestedAction = iPlayerAction;
            game->GetOpponent().m_iRequestedAction = iOpponentAction;
            game->UpdateFighters();
        }
    }
    // A new bout, as Retry makes it.
    void Restart()
    {
        game->GetMessageBox().Hide();
        game->ResetGame(false);
    }
    DuelInput Input(bool back, bool forward) const
    {
        DuelInput input;
        input.m_bBack = back;
        input.m_bForward = forward;
        return input;
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
    std::unique_ptr<Duel> game;
};

TEST_F(WoodenSwordDuelTest, InitializeSetsTheBoutAndTheMirroredPosesUpFromThePack)
{
    EXPECT_EQ(game->GetState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_STREQ(game->GetName(), "Wooden sword duel");
    EXPECT_EQ(game->GetPhase(), Duel::PHASE_READY);
    EXPECT_EQ(game->GetPlayer().m_iLife, 300);
    EXPECT_EQ(game->GetOpponent().m_iLife, 300);
    EXPECT_EQ(game->GetDecisionTimer(), 30);
    EXPECT_EQ(game->GetPlayerGauge().GetValue(), 0);
    EXPECT_EQ(game->GetOpponentGauge().GetValue(), 300);
    EXPECT_EQ(SoundManager::m_iCurrentMusicId, Duel::MUSIC);
    // The light attack's start shows its active pose; the opponent's dashes
    // are the player's swapped, since it faces the other way.
    EXPECT_STREQ(MGSprite::GetRegisteredName(8), "masks_P1_LPunch_Up_A");
    EXPECT_STREQ(MGSprite::GetRegisteredName(19), "masks_P0_LPunch_Up_A");
    EXPECT_STREQ(MGSprite::GetRegisteredName(6), "masks_P1_Dash_Backward");
    EXPECT_STREQ(MGSprite::GetRegisteredName(17), "masks_P0_Dash_Forward");
    for (int32_t iId = Duel::FIRST_OPPONENT_SPRITE; iId <= Duel::LAST_SPRITE; ++iId) {
        EXPECT_TRUE(game->GetSprite(iId).IsInitialized()) << iId;
        EXPECT_FALSE(game->GetSprite(iId).IsVisible()) << iId;
    }
    EXPECT_EQ(game->GetSprite(Duel::BACKGROUND_SPRITE).GetPosition().x, static_cast<fx32>(0xFFFD5556));
}

TEST_F(WoodenSwordDuelTest, InputBecomesOneActionAndASecondTapWithinNineFramesDashes)
{
    struct Case {
        const char* sName;
        DuelInput input;
        int32_t iOpponentState;
        int32_t iAction;
    };
    DuelInput axisRight;
    axisRight.m_bAxis = true;
    axisRight.m_iAxis = -820;
    DuelInput axisLeft = axisRight;
    axisLeft.m_iAxis = 820;
    DuelInput axisDead = axisRight;
    axisDead.m_iAxis = -819;
    DuelInput both = Input(false, false);
    both.m_bLight = both.m_bHeavy = true;
    DuelInput guardDash = Input(true, false);
    guardDash.m_bDashForward = true;
    DuelInput backDash = guardDash;
    DuelInput stepDash = Input(false, true);
    stepDash.m_bDashBack = true;
    stepDash.m_bDashForward = true;
    const Case cases[] = {
        {"back", Input(true, false), Duel::FIGHTER_IDLE, Duel::ACTION_STEP_DOWN},
        {"forward", Input(false, true), Duel::FIGHTER_IDLE, Duel::ACTION_STEP_UP},
        {"back under a blow", Input(true, false), Duel::FIGHTER_HEAVY_RECOVERY, Duel::ACTION_GUARD},
        {"axis to the right", axisRight, Duel::FIGHTER_IDLE, Duel::ACTION_STEP_UP},
        {"axis to the left", axisLeft, Duel::FIGHTER_IDLE, Duel::ACTION_STEP_DOWN},
        {"axis in its dead zone", axisDead, Duel::FIGHTER_IDLE, Duel::ACTION_NONE},
        {"heavy over light", both, Duel::FIGHTER_IDLE, Duel::ACTION_HEAVY},
        {"a dash button does not break a guard", guardDash, Duel::FIGHTER_LIGHT_START, Duel::ACTION_GUARD},
        {"a dash button over a step", backDash, Duel::FIGHTER_IDLE, Duel::ACTION_DASH_UP},
        {"the forward dash button last", stepDash, Duel::FIGHTER_IDLE, Duel::ACTION_DASH_UP},
    };
    for (const Case& c : cases) {
        Duel::GetInputBuffer() = {};
        game->GetPlayer().m_iRequestedAction = Duel::ACTION_NONE;
        game->GetOpponent().m_iState = c.iOpponentState;
        game->HandlePlayerInput(c.input);
        EXPECT_EQ(game->GetPlayer().m_iRequestedAction, c.iAction) << c.sName;
        EXPECT_EQ(Duel::GetInputBuffer().m_iLife, c.iAction != Duel::ACTION_NONE ? 10 : 0) << c.sName;
    }
    game->GetOpponent().m_iState = Duel::FIGHTER_IDLE;

    // Held, a direction only steps; released for 1 to 9 frames, it dashes.
    for (int gap = 0; gap <= 10; ++gap) {
        Duel::GetInputBuffer() = {};
        game->HandlePlayerInput(Input(false, true));
        game->HandlePlayerInput(Input(false, true));
        for (int i = 0; i < gap; ++i)
            game->HandlePlayerInput(Input(false, false));
        game->HandlePlayerInput(Input(false, true));
        const bool bDash = gap >= 1 && gap <= 9;
        EXPECT_EQ(game->GetPlayer().m_iRequestedAction, bDash ? Duel::ACTION_DASH_UP : Duel::ACTION_STEP_UP) << gap;
    }
    Duel::GetInputBuffer() = {Duel::ACTION_STEP_DOWN, 3};
    game->HandlePlayerInput(Input(true, false));
    EXPECT_EQ(game->GetPlayer().m_iRequestedAction, Duel::ACTION_DASH_DOWN);
}

TEST_F(WoodenSwordDuelTest, FightersMoveWithinTheEdgesAndNeverCloserThanSixtyFour)
{
    // Against the left edge, back is taken but does not move.
    Place(32 * U, 192 * U);
    Fight(5, Duel::ACTION_STEP_DOWN);
    EXPECT_EQ(game->GetPlayer().m_fxX, 32 * U);
    EXPECT_EQ(game->GetPlayer().m_iState, Duel::FIGHTER_IDLE);

    // Steps of 1.5 stop 64.0 before the opponent.
    Place(100 * U, 170 * U);
    Fight(3, Duel::ACTION_STEP_UP);
    EXPECT_EQ(game->GetPlayer().m_fxX, 100 * U + 3 * 0x1800);
    Fight(10, Duel::ACTION_STEP_UP);
    EXPECT_EQ(game->GetPlayer().m_fxX, 106 * U);

    // A dash lasts 12 frames at 6.0 a frame, then takes the next action.
    Place(40 * U, 224 * U);
    Fight(1, Duel::ACTION_DASH_UP);
    EXPECT_EQ(game->GetPlayer().m_iState, Duel::FIGHTER_DASH_UP);
    Fight(11);
    EXPECT_EQ(game->GetPlayer().m_fxX, 40 * U + 11 * 6 * U);
    EXPECT_EQ(game->GetPlayer().m_iState, Duel::FIGHTER_DASH_UP);
    Fight(1, Duel::ACTION_GUARD);
    EXPECT_EQ(game->GetPlayer().m_fxX, 112 * U);
    EXPECT_EQ(game->GetPlayer().m_iState, Duel::FIGHTER_GUARD);

    // A dash towards the opponent stops 64.0 before it; the opponent's dash
    // away stops at the right edge.
    Place(40 * U, 170 * U);
    Fight(13, Duel::ACTION_DASH_UP, Duel::ACTION_DASH_UP);
    EXPECT_EQ(game->GetOpponent().m_fxX, 224 * U);
    EXPECT_EQ(game->GetPlayer().m_fxX, 40 * U + 12 * 6 * U);
    // Already closer than 64.0, a fighter cannot dash in at all.
    Place(40 * U, 100 * U);
    Fight(13, Duel::ACTION_DASH_UP);
    EXPECT_EQ(game->GetPlayer().m_fxX, 40 * U);
}

TEST_F(WoodenSwordDuelTest, BlowsCostTheirDamageOncePushEveryActiveFrameAndAreStoppedByAGuard)
{
    struct Case {
        const char* sName;
        int32_t iAction;
        int32_t iDefence;
        int32_t iLife;
        int32_t iDefenderState;
        int32_t iDefenderTimer;
    };
    // The attack taken, its start frames, its active frames (one blow in
    // each), and the first frame of its recovery.
    const Case cases[] = {
        {"light", Duel::ACTION_LIGHT, Duel::ACTION_NONE, 270, Duel::FIGHTER_HIT_STUN, 50 - 3},
        {"heavy", Duel::ACTION_HEAVY, Duel::ACTION_NONE, 200, Duel::FIGHTER_HIT_STUN, 80 - 7},
        {"light on a guard", Duel::ACTION_LIGHT, Duel::ACTION_GUARD, 300, Duel::FIGHTER_GUARD, 10 - 1},
        {"heavy on a guard", Duel::ACTION_HEAVY, Duel::ACTION_GUARD, 300, Duel::FIGHTER_GUARD, 17 - 1},
    };
    for (const Case& c : cases) {
        SoundManager::m_iLastEffectId = -1;
        game->GetOpponent() = {300, 150 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
        game->GetPlayer() = {300, 90 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
        const DuelAttackDesc& attack = *Duel::GetAttackDesc(c.iAction);
        Fight(1, c.iAction, c.iDefence);
        Fight(attack.m_iStartFrames + attack.m_iActiveFrames, Duel::ACTION_NONE, c.iDefence);
        const DuelFighter& defender = game->GetOpponent();
        EXPECT_EQ(defender.m_iLife, c.iLife) << c.sName;
        EXPECT_EQ(defender.m_iState, c.iDefenderState) << c.sName;
        EXPECT_EQ(defender.m_iTimer, c.iDefenderTimer) << c.sName;
        EXPECT_EQ(defender.m_fxX, 150 * U + attack.m_iActiveFrames * 4 * U) << c.sName;
        const int32_t swing = c.iAction == Duel::ACTION_LIGHT ? Duel::SOUND_LIGHT : Duel::SOUND_HEAVY;
        EXPECT_EQ(SoundManager::m_iLastEffectId, c.iLife < 300 ? Duel::SOUND_HIT : swing) << c.sName;
        EXPECT_EQ(game->GetPlayer().m_iState,
                  c.iAction == Duel::ACTION_LIGHT ? Duel::FIGHTER_LIGHT_RECOVERY : Duel::FIGHTER_HEAVY_RECOVERY)
            << c.sName;
        EXPECT_EQ(game->GetOpponentGauge().GetValue(), c.iLife);
    }

    // Out of reach a blow does nothing; a defender at the edge pushes the
    // attacker back instead.
    game->GetOpponent() = {300, 190 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
    game->GetPlayer() = {300, 90 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
    Fight(12, Duel::ACTION_LIGHT);
    EXPECT_EQ(game->GetOpponent().m_iLife, 300);
    game->GetOpponent() = {300, 224 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
    game->GetPlayer() = {300, 160 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
    Fight(6, Duel::ACTION_LIGHT);
    EXPECT_EQ(game->GetOpponent().m_iLife, 270);
    EXPECT_EQ(game->GetPlayer().m_fxX, 148 * U);

    // The opponent's blow pushes the player towards the left edge.
    game->GetOpponent() = {300, 120 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
    game->GetPlayer() = {100, 34 * U, 0, Duel::FIGHTER_IDLE, 0, 0};
    Fight(12, Duel::ACTION_NONE, Duel::ACTION_HEAVY);
    EXPECT_EQ(game->GetPlayer().m_iLife, 0);
    EXPECT_EQ(game->GetPlayer().m_fxX, 32 * U);
    EXPECT_EQ(game->GetOpponent().m_fxX, 120 * U + 6 * 4 * U);
    EXPECT_EQ(game->GetPlayerGauge().GetValue(), 300);
}

TEST_F(WoodenSwordDuelTest, ThePosesShowTheStatesThePlayersUprightTheOpponentsMirrored)
{
    Place(80 * U, 170 * U);
    Fight(1, Duel::ACTION_HEAVY, Duel::ACTION_GUARD);
    int visible = 0;
    for (int32_t iId = Duel::FIRST_OPPONENT_SPRITE; iId <= Duel::LAST_SPRITE; ++iId)
        visible += game->GetSprite(iId).IsVisible();
    EXPECT_EQ(visible, 2);
    const MGSprite& player = game->GetSprite(Duel::FIRST_PLAYER_SPRITE + Duel::FIGHTER_HEAVY_START);
    const MGSprite& opponent = game->GetSprite(Duel::FIRST_OPPONENT_SPRITE + Duel::FIGHTER_GUARD);
    ASSERT_TRUE(player.IsVisible());
    ASSERT_TRUE(opponent.IsVisible());
    EXPECT_EQ(player.GetScale().x, U);
    EXPECT_EQ(opponent.GetScale().x, -U);
    EXPECT_EQ(player.GetPivot().x, player.GetSize().x / 3);
    EXPECT_EQ(opponent.GetPivot().x, -(opponent.GetSize().x / 3));
    EXPECT_EQ(player.GetPivot().y, player.GetSize().y);
    EXPECT_EQ(opponent.GetPosition().x, 170 * U);
    EXPECT_EQ(opponent.GetPosition().y, game->GetOpponent().m_fxY);

    // A state out of the table, or one whose frames ran out, is idle and
    // shows the idle pose.
    for (int32_t iState : {42, -1, int32_t(Duel::FIGHTER_HIT_STUN), int32_t(Duel::FIGHTER_LIGHT_RECOVERY)}) {
        game->GetPlayer().m_iState = iState;
        game->GetPlayer().m_iTimer = 0;
        Fight(1);
        EXPECT_EQ(game->GetPlayer().m_iState, Duel::FIGHTER_IDLE) << iState;
        EXPECT_TRUE(game->GetSprite(Duel::FIRST_PLAYER_SPRITE).IsVisible()) << iState;
    }
}

TEST_F(WoodenSwordDuelTest, TheOpponentFirstDecidesAfterThirtyFramesOrTenWithinReach)
{
    struct Case {
        fx32 fxOpponentX;
        int iFrames;
    };
    for (const Case& c : {Case {192 * U, 30}, Case {150 * U, 10}}) {
        Restart();
        game->GetOpponent().m_fxX = c.fxOpponentX;
        for (int frame = 1; frame <= c.iFrames; ++frame) {
            game->UpdateOpponent();
            const bool bDecided = game->GetOpponent().m_iRequestedAction != Duel::ACTION_NONE;
            EXPECT_EQ(bDecided, frame == c.iFrames) << frame;
            game->UpdateFighters();
        }
        EXPECT_GE(game->GetDecisionTimer(), 30);
        EXPECT_LT(game->GetDecisionTimer(), 120);
    }
}

TEST_F(WoodenSwordDuelTest, AnAttackOfThePlayerMakesTheOpponentGuardAndStrikeBackOrWaitItOut)
{
    std::set<int32_t> modes;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        Restart();
        game->GetRandom().Init(seed);
        Place(100 * U, 200 * U);
        game->GetPlayer().m_iState = Duel::FIGHTER_LIGHT_START;
        game->UpdateOpponent();
        const int32_t mode = game->GetOpponentMode();
        modes.insert(mode);
        game->UpdateOpponent();
        if (mode == 1) {
            // The guard comes at once, whatever the decision timer said.
            EXPECT_EQ(game->GetOpponent().m_iRequestedAction, Duel::ACTION_GUARD) << seed;
            EXPECT_EQ(game->GetOpponentMode(), 1) << seed;
            game->GetOpponent().m_iRequestedAction = Duel::ACTION_NONE;
            game->GetPlayer().m_iState = Duel::FIGHTER_LIGHT_RECOVERY;
            game->UpdateOpponent();
            const int32_t answer = game->GetOpponent().m_iRequestedAction;
            EXPECT_TRUE(answer == Duel::ACTION_NONE || answer == Duel::ACTION_LIGHT || answer == Duel::ACTION_HEAVY);
            EXPECT_EQ(game->GetOpponentMode(), 0) << seed;
        } else {
            EXPECT_EQ(mode, 2) << seed;
            EXPECT_EQ(game->GetOpponent().m_iRequestedAction, Duel::ACTION_NONE) << seed;
            game->GetPlayer().m_iState = Duel::FIGHTER_IDLE;
            game->UpdateOpponent();
            EXPECT_EQ(game->GetOpponentMode(), 0) << seed;
        }
    }
    EXPECT_EQ(modes, (std::set<int32_t> {1, 2}));
}

TEST_F(WoodenSwordDuelTest, TheBoutEndsWhenALifeIsGoneAndADoubleKnockOutIsWon)
{
    struct Case {
        int32_t iPlayerLife;
        int32_t iOpponentLife;
        bool bWon;
    };
    for (const Case& c : {Case {0, 10, false}, Case {10, 0, true}, Case {0, 0, true}}) {
        Restart();
        game->GetMessageBox().Hide();
        game->SetState(MiniGame::STATE_STARTING);
        game->Update(16);
        EXPECT_EQ(game->GetState(), MiniGame::STATE_PLAYING);
        EXPECT_EQ(game->GetPhase(), Duel::PHASE_FIGHTING);
        game->GetPlayer().m_iLife = c.iPlayerLife;
        game->GetOpponent().m_iLife = c.iOpponentLife;
        game->Update(16);
        EXPECT_EQ(game->GetPhase(), Duel::PHASE_OVER);
        EXPECT_EQ(game->GetState(), MiniGame::STATE_PLAYING);
        game->Update(16);
        EXPECT_EQ(game->GetState(), MiniGame::STATE_END_BOX);
        EXPECT_EQ(game->IsWon(), c.bWon) << c.iPlayerLife << " " << c.iOpponentLife;
        game->GetMessageBox().Hide();
    }
}

} // namespace
