// The lost key on the sample pack, driven through the mini-game state with
// injected pointer and key input and a fixed seed: levels, drops, lives, the
// timer, the arrow keys, and whole runs won and lost.
#include "MiniGame/Common/MiniGameTheLostKey.h"

#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGameFactory.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace MiniGameTest;
using Game = MiniGameTheLostKey;

constexpr uint32_t FRAME = 16;
constexpr uint64_t SEED = 0x1234;
constexpr uint32_t COMMON_SOUND_GROUP = 0x65EC7051;
// Every level uses the first plate.
constexpr int32_t FIRST_PLATE = 0;

// Every run starts as a scene script starts it: action 30 queues the game on
// the game object's state machine, which then hands over to it.
class TheLostKeyTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        // The game plays its music and its sounds.
        ASSERT_TRUE(SoundManager::Initialize() && SoundManager::LoadGroup(COMMON_SOUND_GROUP)) << log.Text();
        g_oTwGame.m_bPaused = 0;
        g_oTwGame.AddState(std::make_unique<IdleState>(&g_oTwGame, STATE_ID_MAIN));
        g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame, &CreateMiniGame));
        SetScriptStateLink(&link);
        ActionDesc action = ActionDesc::MakeEmpty();
        action.m_iActionType = ID_ACTION_TYPE_START_MINIGAME;
        action.m_iParameterType[0] = ID_PARAMETER_TYPE_INT;
        action.m_oParameter[0] = Game::ID;
        g_oScriptManager.StartAction(action);
        ASSERT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + Game::ID);
        g_oTwGame.SetState(STATE_ID_MINIGAME);
        ASSERT_NE(State().GetMiniGame(), nullptr) << log.Text();
    }
    void TearDown() override
    {
        g_oTwGame.ReleaseStates();
        SetScriptStateLink(nullptr);
        // The next test finds no music playing.
        SoundManager::StopMusic();
        SoundManager::Terminate();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    MiniGameState& State() { return *static_cast<MiniGameState*>(g_oTwGame.GetState(STATE_ID_MINIGAME)); }
    Game& Lost() { return *static_cast<Game*>(State().GetMiniGame()); }
    int32_t Lives() { return Lost().GetMeter().GetValue(); }
    void Update()
    {
        g_oTwGame.ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
    }
    // Frames of the main loop without input.
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            Update();
            world.Frame();
        }
    }
    // One frame with the pointer at (x, y) and the button as given.
    void Input(fx32 x, fx32 y, bool bButton)
    {
        world.Frame(x, y, bButton);
        Update();
    }
    void Key(uint8_t code)
    {
        world.PressKey(code);
        Update();
    }
    void ChooseButton(int32_t i)
    {
        const MGRectangle& rect = Lost().GetMessageBox().GetButton(i).m_oRect;
        world.Click(rect.m_fxX + rect.m_fxWidth / 2, rect.m_fxY + rect.m_fxHeight / 2);
        Run(1);
    }
    // From the instructions box into play, the level installed.
    void Play()
    {
        Lost().SeedRandom(SEED);
        Run(50);
        ChooseButton(0);
        Run(50);
        ASSERT_EQ(Lost().GetPhase(), Game::Phase::Play);
    }
    // Picks the key of the slot up and lets it go a little below the
    // plate's keyhole.
    void DragToPlate(int32_t slot, int32_t plate)
    {
        const CoreFxVec& home = Game::GetSlotHome(slot);
        const CoreFxVec& keyhole = Game::GetKeyholePosition(plate);
        Input(home.x, home.y, true);
        Input(keyhole.x, keyhole.y + 8 * U, true);
        Input(keyhole.x, keyhole.y + 8 * U, false);
    }
    int32_t SlotOf(int32_t design)
    {
        for (int32_t slot = 0; slot < Game::SLOT_COUNT; ++slot) {
            if (Lost().GetSlotDesign(slot) == design)
                return slot;
        }
        return -1;
    }
    int32_t PlateOf(int32_t design)
    {
        for (int32_t plate = 0; plate < Game::PLATE_COUNT; ++plate) {
            if (Lost().GetLock(plate).m_iKeyhole == design)
                return plate;
        }
        return -1;
    }
    // A slot whose key fits no plate.
    int32_t WrongSlot()
    {
        for (int32_t slot = 0; slot < Game::SLOT_COUNT; ++slot) {
            if (Lost().GetSlotDesign(slot) != Game::NO_DESIGN && PlateOf(Lost().GetSlotDesign(slot)) < 0)
                return slot;
        }
        return -1;
    }
    // Every used plate gets its key; then the keys turn, 0.2 s each.
    void SolveLevel()
    {
        for (int32_t plate = 0; plate < Game::PLATE_COUNT; ++plate) {
            if (Lost().GetLock(plate).m_iKeyhole != Game::NO_DESIGN)
                DragToPlate(SlotOf(Lost().GetLock(plate).m_iKeyhole), plate);
        }
        EXPECT_EQ(Lost().GetPhase(), Game::Phase::LevelDone);
        Run(80);
    }

    TestSupport::LogCapture log;
    MiniGameWorld world;
    TwGameStateLink link {g_oTwGame};
};

TEST_F(TheLostKeyTest, EveryLevelHangsTenDifferentKeysAndGivesEachUsedPlateADifferentKeyThatHangs)
{
    struct Case {
        int32_t iLevel;
        std::set<int32_t> plates;
    };
    const Case cases[] = {{0, {0, 2, 4}}, {1, {0, 1, 3, 4}}, {2, {0, 1, 2, 3, 4}}};
    for (const Case& c : cases) {
        for (uint64_t seed = 0; seed < 200; ++seed) {
            Lost().SeedRandom(seed * 7919);
            ASSERT_TRUE(Lost().InstallLevel(c.iLevel));
            std::set<int32_t> designs;
            for (int32_t slot = 0; slot < Game::SLOT_COUNT; ++slot) {
                const int32_t design = Lost().GetSlotDesign(slot);
                ASSERT_GE(design, 0);
                ASSERT_LT(design, Game::DESIGN_COUNT);
                designs.insert(design);
                EXPECT_EQ(Lost().GetKey(design).GetPosition().x, Game::GetSlotHome(slot).x);
            }
            EXPECT_EQ(designs.size(), size_t {Game::SLOT_COUNT});
            std::set<int32_t> plates;
            std::set<int32_t> keyholes;
            for (int32_t plate = 0; plate < Game::PLATE_COUNT; ++plate) {
                const int32_t design = Lost().GetLock(plate).m_iKeyhole;
                if (design == Game::NO_DESIGN)
                    continue;
                plates.insert(plate);
                keyholes.insert(design);
                EXPECT_GE(SlotOf(design), 0) << "plate " << plate << " seed " << seed;
                EXPECT_EQ(Lost().GetKeyhole(design).GetPosition().y, Game::GetKeyholePosition(plate).y);
            }
            EXPECT_EQ(plates, c.plates);
            EXPECT_EQ(keyholes.size(), c.plates.size());
            // The bar is full at the start of the level.
            EXPECT_EQ(Lost().GetLevelTimer(), 20 * U);
            EXPECT_EQ(Lost().GetGauge().GetMax(), 20 * U);
            EXPECT_EQ(Lost().GetGauge().GetValue(), 20 * U);
        }
    }
}

TEST_F(TheLostKeyTest, ALevelPastTheTableIsRefusedWithTheAssertAndChangesNothing)
{
    Lost().SeedRandom(SEED);
    ASSERT_TRUE(Lost().InstallLevel(1));
    int32_t before[Game::SLOT_COUNT];
    for (int32_t slot = 0; slot < Game::SLOT_COUNT; ++slot)
        before[slot] = Lost().GetSlotDesign(slot);
    for (int32_t level : {3, 7, -1}) {
        log.Take();
        EXPECT_FALSE(Lost().InstallLevel(level));
        for (int32_t slot = 0; slot < Game::SLOT_COUNT; ++slot)
            EXPECT_EQ(Lost().GetSlotDesign(slot), before[slot]);
        if (level >= MG_THELOSTKEY_LEVEL_COUNT) {
            EXPECT_TRUE(log.Contains("iLevel < MG_THELOSTKEY_LEVEL_COUNT")) << log.Text();
            EXPECT_TRUE(log.Contains("Invalid Level " + std::to_string(level) + "!")) << log.Text();
        }
    }
}

TEST_F(TheLostKeyTest, DropsOutsideOnAWrongPlateAndOnATurningPlate)
{
    Play();
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_PLAYING);
    ASSERT_EQ(Lost().GetPhase(), Game::Phase::Play);
    const int32_t plate = FIRST_PLATE;
    const int32_t wrong = WrongSlot();
    ASSERT_GE(wrong, 0);
    const int32_t wrongDesign = Lost().GetSlotDesign(wrong);

    // Picked up, the key follows the pointer above everything.
    const CoreFxVec& home = Game::GetSlotHome(wrong);
    Input(home.x, home.y, true);
    EXPECT_EQ(Lost().GetCarriedSlot(), wrong);
    Input(128 * U, 20 * U, true);
    EXPECT_NEAR(Lost().GetKey(wrongDesign).GetPosition().x, 128 * U, U);
    EXPECT_EQ(Lost().GetKey(wrongDesign).GetPosition().z, -U);
    // Let go over no plate: back home, no life lost.
    Input(128 * U, 20 * U, false);
    EXPECT_EQ(Lost().GetCarriedSlot(), Game::NO_SLOT);
    EXPECT_EQ(Lost().GetKey(wrongDesign).GetPosition().x, home.x);
    EXPECT_EQ(Lost().GetKey(wrongDesign).GetPosition().y, home.y);
    EXPECT_EQ(Lives(), 3);

    // The wrong key on a plate costs a life and goes home.
    DragToPlate(wrong, plate);
    EXPECT_EQ(Lives(), 2);
    EXPECT_EQ(Lost().GetSlotDesign(wrong), wrongDesign);
    EXPECT_EQ(Lost().GetKey(wrongDesign).GetPosition().y, home.y);
    EXPECT_FALSE(Lost().GetLock(plate).m_bTurning);

    // The right key turns in the lock and leaves its slot.
    const int32_t right = SlotOf(Lost().GetLock(plate).m_iKeyhole);
    DragToPlate(right, plate);
    EXPECT_TRUE(Lost().GetLock(plate).m_bTurning);
    EXPECT_EQ(Lost().GetSlotDesign(right), Game::NO_DESIGN);
    EXPECT_EQ(Lives(), 2);

    // A turning plate takes no further key: no life lost, the key goes home.
    DragToPlate(wrong, plate);
    EXPECT_EQ(Lives(), 2);
    EXPECT_EQ(Lost().GetSlotDesign(wrong), wrongDesign);
    EXPECT_EQ(Lost().GetKey(wrongDesign).GetPosition().y, home.y);
    // The board: door, spider, three lives, three plates with their
    // keyholes and one turning key, nine hanging keys, the bar's three
    // parts and the cursor.
    const size_t before = m_graphics.Recorder().Named("DrawPrimitiveUP").size();
    log.Take();
    ASSERT_TRUE(m_renderer.BeginFrame());
    Lost().Render();
    m_renderer.EndFrame();
    EXPECT_EQ(m_graphics.Recorder().Named("DrawPrimitiveUP").size() - before, 25u);
    EXPECT_FALSE(log.Contains("ASSERT")) << log.Text();
}

TEST_F(TheLostKeyTest, AKeyStillCarriedAfterThePauseGoesHomeAndIsNotSwappedForAnother)
{
    Play();
    const CoreFxVec& first = Game::GetSlotHome(0);
    const CoreFxVec& second = Game::GetSlotHome(1);
    const int32_t design = Lost().GetSlotDesign(0);
    Input(first.x, first.y, true);
    Input(128 * U, 20 * U, true);
    // The button comes up while the pause box is shown.
    Key(Platform::KEY_ESCAPE);
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_PAUSE_BOX);
    Input(128 * U, 20 * U, false);
    Run(50);
    ChooseButton(0);
    Run(50);
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_PLAYING);
    ASSERT_EQ(Lost().GetCarriedSlot(), 0);

    // A press on another key keeps the carried one, which its release drops.
    Input(second.x, second.y, true);
    EXPECT_EQ(Lost().GetCarriedSlot(), 0);
    Input(second.x, second.y, false);
    EXPECT_EQ(Lost().GetCarriedSlot(), Game::NO_SLOT);
    EXPECT_EQ(Lost().GetKey(design).GetPosition().x, first.x);
    EXPECT_EQ(Lost().GetKey(design).GetPosition().y, first.y);
}

TEST_F(TheLostKeyTest, TheThirdWrongKeyLosesAtTheNextFrameWithTimeLeftAndQuitWritesTheLoss)
{
    MiniGameResult::SetSlotBool(VARBOOL_C_WIN_MINIGAME, true);
    Play();
    const int32_t plate = FIRST_PLATE;
    const int32_t wrong = WrongSlot();
    for (int i = 0; i < 3; ++i)
        DragToPlate(wrong, plate);
    EXPECT_EQ(Lives(), 0);
    EXPECT_EQ(Lost().GetPhase(), Game::Phase::LevelDone);
    EXPECT_EQ(Lost().GetState(), MiniGame::STATE_PLAYING);
    EXPECT_GT(Lost().GetLevelTimer(), 10 * U);
    Run(1);
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_FALSE(Lost().IsWon());

    Run(50);
    ChooseButton(0);
    Run(50);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_FALSE(log.Contains("MGSprite::ShutdownPoolSystem")) << log.Text();
}

TEST_F(TheLostKeyTest, TheTimeRunsOutWithTheBarEmptyAndRetryStartsAtLevelZeroWithThreeLives)
{
    Play();
    DragToPlate(WrongSlot(), FIRST_PLATE);
    ASSERT_EQ(Lives(), 2);
    EXPECT_LT(Lost().GetGauge().GetValue(), 20 * U);
    EXPECT_GT(Lost().GetGauge().GetValue(), 19 * U);
    // The frames the timer has left, then two more.
    const int framesLeft = Lost().GetLevelTimer() / MiniGameSeconds(FRAME);
    Run(framesLeft - 1);
    EXPECT_EQ(Lost().GetState(), MiniGame::STATE_PLAYING);
    EXPECT_GT(Lost().GetGauge().GetValue(), 0);
    Run(2);
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_EQ(Lost().GetGauge().GetValue(), 0);

    Run(50);
    ChooseButton(1);
    Run(50);
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_EQ(Lost().GetLevel(), 0);
    EXPECT_EQ(Lives(), 3);
    EXPECT_EQ(Lost().GetPhase(), Game::Phase::InstallLevel);
    EXPECT_FALSE(Lost().GetCursor().IsVisible());
}

TEST_F(TheLostKeyTest, TheArrowKeysMoveTheCursorOverKeysAndACarriedKeyOverPlatesFromAnyFocus)
{
    Play();
    // Down from slot 0 is slot 5, right from there slot 7 (the lower row's
    // second place from the left).
    Key(Platform::KEY_DOWN);
    EXPECT_EQ(Lost().GetFocus(), 5);
    Key(Platform::KEY_RIGHT);
    EXPECT_EQ(Lost().GetFocus(), 7);
    EXPECT_EQ(Lost().GetCursor().GetPosition().x, Game::GetSlotHome(7).x);

    // A key carried while the focus names slot 7, which has no keyhole: the
    // search starts from the key, and lands on a used plate.
    const CoreFxVec& home = Game::GetSlotHome(7);
    Input(home.x, home.y, true);
    ASSERT_EQ(Lost().GetCarriedSlot(), 7);
    Key(Platform::KEY_UP);
    const int32_t plate = Lost().GetFocus();
    ASSERT_GE(plate, 0);
    ASSERT_LT(plate, Game::PLATE_COUNT);
    EXPECT_NE(Lost().GetLock(plate).m_iKeyhole, Game::NO_DESIGN);
    const CoreFxVec& carried = Lost().GetKey(Lost().GetSlotDesign(7)).GetPosition();
    EXPECT_EQ(carried.x, Game::GetKeyholePosition(plate).x - 12 * U);
    EXPECT_EQ(carried.y, Game::GetKeyholePosition(plate).y + 26 * U);
    // Left and right step between used plates only.
    Key(Platform::KEY_RIGHT);
    const int32_t next = Lost().GetFocus();
    EXPECT_NE(Lost().GetLock(next).m_iKeyhole, Game::NO_DESIGN);
    EXPECT_GE(Game::GetKeyholePosition(next).x, Game::GetKeyholePosition(plate).x);
}

TEST_F(TheLostKeyTest, AKeyCarriedFromALowerSlotFindsThePlateJustAboveIt)
{
    Play();
    // Level 0 uses the middle plate; the focus names slot 5 after a down.
    const int32_t plate = 2;
    ASSERT_NE(Lost().GetLock(plate).m_iKeyhole, Game::NO_DESIGN);
    Key(Platform::KEY_DOWN);
    ASSERT_EQ(Lost().GetFocus(), 5);
    const CoreFxVec& home = Game::GetSlotHome(5);
    const CoreFxVec& keyhole = Game::GetKeyholePosition(plate);
    const int32_t design = Lost().GetSlotDesign(5);
    Input(home.x, home.y, true);
    ASSERT_EQ(Lost().GetCarriedSlot(), 5);
    // Held a little below the keyhole: the key hangs nearer the viewer than
    // the door, which must not bend the way up away from the plate.
    Input(keyhole.x, keyhole.y + 10 * U, true);
    Key(Platform::KEY_UP);
    EXPECT_EQ(Lost().GetFocus(), plate);
    EXPECT_EQ(Lost().GetKey(design).GetPosition().x, keyhole.x - 12 * U);
    EXPECT_EQ(Lost().GetKey(design).GetPosition().y, keyhole.y + 26 * U);
}

TEST_F(TheLostKeyTest, ThreeLevelsSolvedWinTheGameAndTheWinComesBackThroughTheSlot)
{
    Play();
    for (int32_t level = 0; level < MG_THELOSTKEY_LEVEL_COUNT; ++level) {
        ASSERT_EQ(Lost().GetLevel(), level);
        ASSERT_EQ(Lost().GetPhase(), Game::Phase::Play);
        SolveLevel();
    }
    ASSERT_EQ(Lost().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_TRUE(Lost().IsWon());
    EXPECT_EQ(Lives(), 3);
    Run(50);
    ChooseButton(0);
    Run(50);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);

    // The adventure's entry restores the slot: the scripts read the win.
    AdventureManager& adventure = *AdventureManager::GetInstance();
    adventure.RestoreGameState(adventure.GetSaveSlot(adventure.GetSaveSlotIndex()));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_FALSE(g_VarManager.GetBool(VARBOOL_C_CHEAT_MINIGAME));
    EXPECT_FALSE(log.Contains("ASSERT")) << log.Text();
    EXPECT_FALSE(log.Contains("MGSprite::ShutdownPoolSystem")) << log.Text();
}

} // namespace
