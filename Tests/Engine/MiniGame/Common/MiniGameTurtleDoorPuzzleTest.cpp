// The turtle door puzzle started by the script action and played through the
// input layer with the mouse, on the recording renderer with the sample data:
// the fewest moves win, illegal moves change nothing, the clock loses, the
// order of the posts, and the result in the save slot.
#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGameFactory.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/ScopedSoundManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace {

using namespace MiniGameTest;
using Puzzle = MiniGameTurtleDoorPuzzle;

constexpr uint32_t COMMON_SOUND_GROUP = 0x65EC7051;
constexpr int32_t S = Puzzle::Turtle_Small;
constexpr int32_t M = Puzzle::Turtle_Medium;
constexpr int32_t B = Puzzle::Turtle_Big;
constexpr int32_t NONE = Puzzle::Turtle_None;
constexpr int32_t WATER = Puzzle::ZONE_WATER;
constexpr int32_t EARTH = Puzzle::ZONE_EARTH;
constexpr int32_t SKY = Puzzle::ZONE_SKY;

using Board = std::array<std::array<int32_t, 3>, 3>;

struct Move {
    int32_t iTurtle;
    int32_t iZone;
};

class MiniGameTurtleDoorPuzzleTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        // The common group holds the base's won and skip sounds.
        ASSERT_TRUE(SoundManager::LoadGroup(COMMON_SOUND_GROUP)) << log.Text();
        g_oTwGame.m_bPaused = 0;
        g_oTwGame.AddState(std::make_unique<IdleState>(&g_oTwGame, STATE_ID_MAIN));
        g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame, &CreateMiniGame));
        SetScriptStateLink(&link);
    }
    void TearDown() override
    {
        // A game left unfinished keeps its queue entry.
        while (!g_oTwGame.GetStateQueue().IsEmpty())
            g_oTwGame.GetStateQueue().Pop();
        g_oTwGame.ReleaseStates();
        SetScriptStateLink(nullptr);
        world.TearDown();
        NullRendererTest::TearDown();
    }

    // The script's action 30 queues the puzzle; the adventure then hands over.
    void StartFromScript()
    {
        StartFromScriptAction(Puzzle::ID);
        ASSERT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + Puzzle::ID);
        g_oTwGame.SetState(STATE_ID_MINIGAME);
        ASSERT_NE(State().GetMiniGame(), nullptr) << log.Text();
    }
    // Started, past the instructions box, playing.
    void StartPlaying()
    {
        StartFromScript();
        ASSERT_EQ(Game().GetState(), MiniGame::STATE_INSTRUCTIONS);
        Run(50);
        ChooseButton(0);
        Run(50);
        ASSERT_EQ(Game().GetState(), MiniGame::STATE_PLAYING);
    }
    MiniGameState& State() { return *static_cast<MiniGameState*>(g_oTwGame.GetState(STATE_ID_MINIGAME)); }
    Puzzle& Game() { return *static_cast<Puzzle*>(State().GetMiniGame()); }
    // One frame of the main loop on the input already given.
    void Tick()
    {
        g_oTwGame.ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
    }
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            Tick();
            world.Frame();
        }
    }
    void ChooseButton(int32_t i)
    {
        world.ClickButton(Game().GetMessageBox(), i);
        Tick();
        world.Frame();
    }
    // Presses on the turtle, drags it to the point and lets it go there.
    void DragTo(int32_t iTurtle, fx32 x, fx32 y)
    {
        const CoreFxVec from = Game().GetTurtle(iTurtle).GetPosition();
        world.Frame(from.x, from.y, true);
        Tick();
        world.Frame(x, y, true);
        Tick();
        world.Frame(x, y, false);
        Tick();
    }
    // The same onto the middle of a post.
    void DragOnto(int32_t iTurtle, int32_t iZone)
    {
        const MGRectangle& zone = Puzzle::GetDropZone(iZone);
        DragTo(iTurtle, zone.m_fxX + zone.m_fxWidth / 2, zone.m_fxY + zone.m_fxHeight / 2);
    }
    Board CurrentBoard()
    {
        Board board {};
        for (int32_t iZone = 0; iZone < 3; ++iZone)
            for (int32_t iSlot = 0; iSlot < 3; ++iSlot)
                board[iZone][iSlot] = Game().GetSlot(iZone, iSlot);
        return board;
    }
    // Plays the moves; each one must be taken.
    void Play(std::initializer_list<Move> moves)
    {
        for (const Move& move : moves) {
            DragOnto(move.iTurtle, move.iZone);
            ASSERT_EQ(Game().GetPickedTurtle(), NONE);
            const Board board = CurrentBoard();
            const std::array<int32_t, 3>& stack = board[move.iZone];
            const bool bOnTop = std::find(stack.begin(), stack.end(), move.iTurtle) != stack.end() &&
                                Game().CanPickTurtle(move.iTurtle);
            ASSERT_TRUE(bOnTop) << "turtle " << move.iTurtle << " to zone " << move.iZone;
        }
    }

    static constexpr uint32_t FRAME = 16;
    TestSupport::LogCapture log;
    TestSupport::ScopedSoundManager sound;
    MiniGameWorld world;
    TwGameStateLink link {g_oTwGame};
};

const Board START = {{{B, NONE, NONE}, {M, NONE, NONE}, {S, NONE, NONE}}};
// The sky's stack in the fewest moves, then the three turtles carried over
// to the water and to the earth in seven moves each.
constexpr Move SKY_STACK[] = {{S, EARTH}, {B, SKY}, {S, WATER}, {M, SKY}, {S, SKY}};
constexpr Move SKY_TO_WATER[] = {{S, WATER}, {M, EARTH}, {S, EARTH}, {B, WATER}, {S, SKY}, {M, WATER}, {S, WATER}};
constexpr Move WATER_TO_EARTH[] = {{S, EARTH}, {M, SKY}, {S, SKY}, {B, EARTH}, {S, WATER}, {M, EARTH}, {S, EARTH}};

TEST_F(MiniGameTurtleDoorPuzzleTest,
       TheFewestMovesLightSkyWaterAndEarthEvenInTheClocksLastFrameAndTheWinComesBackThroughTheSlot)
{
    StartPlaying();
    EXPECT_EQ(CurrentBoard(), START);
    EXPECT_GT(Game().GetTimeLeft(), Puzzle::PLAY_TIME - 60 * MiniGameSeconds(FRAME));
    const auto playAll = [&](const auto& moves) {
        for (const Move& move : moves)
            Play({move});
    };
    playAll(SKY_STACK);
    EXPECT_EQ(Game().GetProgress(), 1);
    EXPECT_TRUE(Game().GetSymbol(SKY).IsVisible());
    EXPECT_EQ(SoundManager::m_iLastEffectId, Puzzle::SOUND_SMALL);
    playAll(SKY_TO_WATER);
    EXPECT_EQ(Game().GetProgress(), 2);
    EXPECT_TRUE(Game().GetSymbol(WATER).IsVisible());
    EXPECT_FALSE(Game().GetSymbol(EARTH).IsVisible());
    for (size_t i = 0; i + 1 < std::size(WATER_TO_EARTH); ++i)
        Play({WATER_TO_EARTH[i]});
    // The last drop falls in the clock's last frame: the win holds, and only
    // the won box is shown.
    const MGRectangle& earth = Puzzle::GetDropZone(EARTH);
    const CoreFxVec small = Game().GetTurtle(S).GetPosition();
    world.Frame(small.x, small.y, true);
    Tick();
    world.Frame(earth.m_fxX + 5 * U, 120 * U, true);
    Tick();
    Game().SetTimeLeft(MiniGameSeconds(FRAME));
    world.Frame(earth.m_fxX + 5 * U, 120 * U, false);
    Tick();
    EXPECT_LE(Game().GetTimeLeft(), 0);
    EXPECT_EQ(Game().GetProgress(), 3);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_TRUE(Game().IsWon());
    EXPECT_STREQ(Game().GetMessageBox().GetText(), "Well done, you have won!");
    EXPECT_EQ(Game().GetGauge().GetValue(), Game().GetGauge().GetMax());
    Run(50);
    ChooseButton(0);
    Run(50);

    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(g_oTwGame.GetStateQueue().IsEmpty());
    RestoreCurrentSaveSlot();
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_FALSE(g_VarManager.GetBool(VARBOOL_C_CHEAT_MINIGAME));
    // Every sprite was given back, and nothing was asserted on the way.
    EXPECT_EQ(log.Text().find("MGSprite::ShutdownPoolSystem"), std::string::npos) << log.Text();
    EXPECT_EQ(log.Text().find("ASSERT"), std::string::npos) << log.Text();
}

TEST_F(MiniGameTurtleDoorPuzzleTest, IllegalMovesAreRefusedAndChangeNothing)
{
    StartPlaying();
    struct Case {
        const char* sWhat;
        int32_t iTurtle;
        fx32 x;
        fx32 y;
    };
    const fx32 skyX = Puzzle::GetDropZone(SKY).m_fxX + 5 * U;
    const Case cases[] = {
        {"the big turtle onto the small one", B, skyX, 150 * U},
        {"the medium turtle onto the small one", M, skyX, 100 * U},
        {"a turtle back onto its own post", S, skyX, 120 * U},
        {"a turtle away from every post", S, 85 * U, 20 * U},
    };
    for (const Case& c : cases) {
        const CoreFxVec place = Game().GetTurtle(c.iTurtle).GetPosition();
        SoundManager::m_iLastEffectId = -1;
        DragTo(c.iTurtle, c.x, c.y);
        EXPECT_EQ(CurrentBoard(), START) << c.sWhat;
        EXPECT_EQ(Game().GetPickedTurtle(), NONE) << c.sWhat;
        // Picked up and put back: it sounded, and lies where its slot says.
        EXPECT_NE(SoundManager::m_iLastEffectId, -1) << c.sWhat;
        EXPECT_EQ(Game().GetTurtle(c.iTurtle).GetPosition().x, place.x) << c.sWhat;
        EXPECT_EQ(Game().GetTurtle(c.iTurtle).GetPosition().y, place.y) << c.sWhat;
    }

    // A turtle under another one cannot be picked: nothing is dragged and
    // nothing sounds, and the drag moves the cursor only.
    Play({{S, EARTH}});
    const Board before = CurrentBoard();
    const CoreFxVec medium = Game().GetTurtle(M).GetPosition();
    SoundManager::m_iLastEffectId = -1;
    world.Frame(medium.x, medium.y + 4 * U, true);
    Tick();
    EXPECT_EQ(Game().GetPickedTurtle(), NONE);
    EXPECT_EQ(SoundManager::m_iLastEffectId, -1);
    world.Frame(42 * U, 120 * U, true);
    Tick();
    world.Frame(42 * U, 120 * U, false);
    Tick();
    EXPECT_EQ(CurrentBoard(), before);
    EXPECT_EQ(Game().GetTurtle(M).GetPosition().y, medium.y);
    EXPECT_EQ(Game().GetState(), MiniGame::STATE_PLAYING);
}

TEST_F(MiniGameTurtleDoorPuzzleTest, StacksLightOnlyInTheirTurn)
{
    StartPlaying();
    // The water's stack is complete in two moves, out of turn: nothing lights.
    Play({{M, WATER}, {S, WATER}});
    EXPECT_EQ(CurrentBoard(), (Board {{{B, M, S}, {NONE, NONE, NONE}, {NONE, NONE, NONE}}}));
    EXPECT_EQ(Game().GetProgress(), 0);
    EXPECT_FALSE(Game().GetSymbol(WATER).IsVisible());

    // Carried to the sky it lights; completed there once more it does not,
    // since the water is next.
    Play({{S, SKY}, {M, EARTH}, {S, EARTH}, {B, SKY}, {S, WATER}, {M, SKY}, {S, SKY}});
    EXPECT_EQ(Game().GetProgress(), 1);
    EXPECT_TRUE(Game().GetSymbol(SKY).IsVisible());
    SoundManager::m_iLastEffectId = -1;
    Play({{S, EARTH}, {S, SKY}});
    EXPECT_EQ(Game().GetProgress(), 1);
    EXPECT_NE(SoundManager::m_iLastEffectId, Puzzle::SOUND_SYMBOL_LIT);
    EXPECT_FALSE(Game().GetSymbol(WATER).IsVisible());
}

TEST_F(MiniGameTurtleDoorPuzzleTest, WaitingOutTheClockLosesAndRetryResetsTheBoard)
{
    StartPlaying();
    Play({{S, EARTH}, {B, SKY}});
    // A 16 ms frame is 65/4096 s: the clock ends in the frame that takes it
    // to 0 or below.
    const fx32 step = MiniGameSeconds(FRAME);
    const int frames = (Game().GetTimeLeft() + step - 1) / step;
    Run(frames - 1);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_PLAYING);
    EXPECT_GT(Game().GetGauge().GetValue(), 0);
    EXPECT_LE(Game().GetGauge().GetValue(), step);
    Run(1);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_FALSE(Game().IsWon());
    EXPECT_STREQ(Game().GetMessageBox().GetText(), "You have lost. Try again?");

    // Retry: the instructions again, the starting board and a full clock.
    Run(50);
    ChooseButton(1);
    Run(50);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_EQ(CurrentBoard(), START);
    EXPECT_EQ(Game().GetProgress(), 0);
    Run(50);
    ChooseButton(0);
    Run(50);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_PLAYING);
    EXPECT_GT(Game().GetTimeLeft(), Puzzle::PLAY_TIME - 60 * MiniGameSeconds(FRAME));

    // Quit after a loss: the slot says lost.
    Run((Game().GetTimeLeft() + step - 1) / step);
    ASSERT_EQ(Game().GetState(), MiniGame::STATE_END_BOX);
    Run(50);
    ChooseButton(0);
    Run(50);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
}

TEST_F(MiniGameTurtleDoorPuzzleTest, TurtlesStackFromTheFootOfTheirPostOverlappingAQuarter)
{
    StartPlaying();
    // At the start each stands alone on its post: its centre half its height
    // above the foot (181.0).
    const fx32 xs[] = {0x2A000, 0x83199, 0xD3666};
    const int32_t alone[] = {B, M, S};
    for (int32_t iZone = 0; iZone < 3; ++iZone) {
        const MGSprite& turtle = Game().GetTurtle(alone[iZone]);
        EXPECT_EQ(turtle.GetPosition().x, xs[iZone]);
        EXPECT_EQ(turtle.GetPosition().y, 181 * U - turtle.GetSize().y / 2);
        EXPECT_EQ(turtle.GetPosition().z, -14 * U);
        EXPECT_EQ(turtle.GetPivot().x, turtle.GetSize().x / 2);
    }
    Play({{M, WATER}, {S, WATER}});
    fx32 y = 181 * U;
    for (int32_t iTurtle : {B, M, S}) {
        const MGSprite& turtle = Game().GetTurtle(iTurtle);
        y -= turtle.GetSize().y / 2;
        EXPECT_EQ(turtle.GetPosition().x, xs[WATER]);
        EXPECT_EQ(turtle.GetPosition().y, y) << iTurtle;
        y -= turtle.GetSize().y / 4;
    }
    // The cursor shows once the pointer has moved.
    world.Frame(100 * U, 60 * U, false);
    Tick();
    EXPECT_TRUE(Game().GetCursor().IsVisible());
    EXPECT_EQ(Game().GetCursor().GetPosition().x, 100 * U);
}

TEST_F(MiniGameTurtleDoorPuzzleTest, NumbersOfNoTurtleAndMissingPicturesAreRefusedSafely)
{
    StartPlaying();
    for (int32_t iTurtle : {-1, 3, NONE, 5, INT32_MIN})
        EXPECT_FALSE(Game().CanPickTurtle(iTurtle)) << iTurtle;
    for (int32_t iTurtle : {S, M, B})
        EXPECT_TRUE(Game().CanPickTurtle(iTurtle)) << iTurtle;
    EXPECT_EQ(Game().GetSlot(-1, 0), NONE);
    EXPECT_EQ(Game().GetSlot(0, 3), NONE);
    EXPECT_EQ(Puzzle::GetCompletionZone(3), -1);

    // A turtle whose picture is missing cannot be picked up, and the game
    // goes on without asserting.
    const CoreFxVec big = Game().GetTurtle(B).GetPosition();
    const_cast<MGSprite&>(Game().GetTurtle(B)).Shutdown();
    log.Take();
    DragTo(B, big.x, big.y);
    world.Frame(big.x, big.y, true);
    Tick();
    EXPECT_EQ(Game().GetPickedTurtle(), NONE);
    EXPECT_EQ(CurrentBoard(), START);
    EXPECT_EQ(log.Text().find("ASSERT"), std::string::npos) << log.Text();
}

} // namespace
