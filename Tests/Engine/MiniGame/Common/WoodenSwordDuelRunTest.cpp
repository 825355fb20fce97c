// Whole bouts of the wooden sword duel, started by a script's action and
// played with the keyboard on a fixed random seed, through the mini-game
// state: one is won and one lost, and the save slot tells which.
#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGameFactory.h"
#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace MiniGameTest;
using Duel = MiniGameWoodenSwordDuel;

constexpr uint32_t FRAME = 16;
constexpr int MAX_BOUT_FRAMES = 20000;
constexpr uint8_t KEYS[] = {Platform::KEY_LEFT, Platform::KEY_RIGHT, Platform::KEY_LEFTCONTROL, Platform::KEY_LEFTALT};

// The keys a player holds in a frame, from what the fighters do.
using Player = std::function<uint8_t(const DuelFighter& player, const DuelFighter& opponent)>;

class WoodenSwordDuelRunTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        ASSERT_TRUE(SoundManager::Initialize()) << log.Text();
        g_oTwGame.m_bPaused = 0;
        Duel::GetInputBuffer() = {};
        g_oTwGame.AddState(std::make_unique<IdleState>(&g_oTwGame, STATE_ID_MAIN));
        g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame));
        SetScriptStateLink(&link);
    }
    void TearDown() override
    {
        g_oTwGame.ReleaseStates();
        SetScriptStateLink(nullptr);
        SoundManager::Terminate();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    // The script's action 30 queues the duel; the adventure hands over.
    Duel& StartFromScript(uint64_t seed)
    {
        StartFromScriptAction(MINIGAME_WOODEN_SWORD_DUEL);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + MINIGAME_WOODEN_SWORD_DUEL);
        g_oTwGame.SetState(STATE_ID_MINIGAME);
        auto& state = *static_cast<MiniGameState*>(g_oTwGame.GetState(STATE_ID_MINIGAME));
        Duel* pDuel = static_cast<Duel*>(state.GetMiniGame());
        EXPECT_NE(pDuel, nullptr) << log.Text();
        pDuel->GetRandom().Init(seed);
        return *pDuel;
    }
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            g_oTwGame.ManageStates(FRAME);
            Effect::UpdateAll(FRAME);
            world.Frame();
        }
    }
    void ChooseButton(Duel& duel, int32_t i)
    {
        Run(50);
        world.ClickButton(duel.GetMessageBox(), i);
        Run(50);
    }
    // Plays the bout out with the player's keys; false when it did not end.
    bool PlayBout(Duel& duel, const Player& player)
    {
        for (int frame = 0; frame < MAX_BOUT_FRAMES && duel.GetState() == MiniGame::STATE_PLAYING; ++frame) {
            const uint8_t held = player(duel.GetPlayer(), duel.GetOpponent());
            for (uint8_t key : KEYS)
                world.HoldKey(key, key == held);
            Run(1);
        }
        for (uint8_t key : KEYS)
            world.HoldKey(key, false);
        return duel.GetState() == MiniGame::STATE_END_BOX;
    }
    bool SlotSaysWon()
    {
        RestoreCurrentSaveSlot();
        return g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME);
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
    TwGameStateLink link {g_oTwGame};
};

bool IsAttacking(const DuelFighter& fighter)
{
    return fighter.m_iState >= Duel::FIGHTER_LIGHT_START && fighter.m_iState <= Duel::FIGHTER_HEAVY_RECOVERY;
}

TEST_F(WoodenSwordDuelRunTest, AScriptedBoutIsWonAndTheSlotSaysSo)
{
    Duel& duel = StartFromScript(11);
    ChooseButton(duel, 0);
    ASSERT_EQ(duel.GetState(), MiniGame::STATE_PLAYING);
    // Parry what comes, close in, and strike within reach.
    const Player fencer = [](const DuelFighter& self, const DuelFighter& other) -> uint8_t {
        const fx32 gap = other.m_fxX - self.m_fxX - 32 * U;
        if (IsAttacking(other) && gap < 80 * U)
            return Platform::KEY_LEFT;
        return gap < 66 * U ? Platform::KEY_LEFTCONTROL : Platform::KEY_RIGHT;
    };
    ASSERT_TRUE(PlayBout(duel, fencer));
    EXPECT_TRUE(duel.IsWon());
    EXPECT_EQ(duel.GetOpponent().m_iLife, 0);
    EXPECT_GT(duel.GetPlayer().m_iLife, 0);
    ChooseButton(duel, 0);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(SlotSaysWon());
    EXPECT_EQ(log.Text().find("MGSprite::ShutdownPoolSystem"), std::string::npos) << log.Text();
}

TEST_F(WoodenSwordDuelRunTest, AnIdleBoutIsLostAndQuitAndTheSlotSaysSo)
{
    Duel& duel = StartFromScript(5);
    ChooseButton(duel, 0);
    // A player who never moves: the opponent comes in and strikes.
    const Player statue = [](const DuelFighter&, const DuelFighter&) -> uint8_t { return 0; };
    ASSERT_TRUE(PlayBout(duel, statue));
    EXPECT_FALSE(duel.IsWon());
    EXPECT_EQ(duel.GetPlayer().m_iLife, 0);
    ChooseButton(duel, 0);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_FALSE(SlotSaysWon());
}

} // namespace
