// The birds attack on the recording renderer with the sample data: its
// planks, drops and falls, and whole runs won and lost from injected keys
// with a fixed random seed.
#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/MiniGameTestKit.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SaveSlotData.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/VarManager.h"
#include "MiniGame/Common/MiniGameBirdsAttack.h"
#include "MiniGame/Common/MiniGameFactory.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "Random/CoreRandom.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using namespace MiniGameTest;
using Game = MiniGameBirdsAttack;
using Kind = Game::PlatformKind;
using DropState = Game::DropState;

constexpr uint32_t FRAME = 16;
constexpr uint64_t SEED = 0x5EED;
// Longer than any test: the bird waits at the right edge.
constexpr fx32 BIRD_HELD = 1000 * FX32_ONE;

class MiniGameBirdsAttackTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        g_oTwGame.m_bPaused = 0;
        CoreRandom::Init(SEED);
    }
    void TearDown() override
    {
        states.ReleaseStates();
        g_oTwGame.ReleaseStates();
        SetScriptStateLink(nullptr);
        world.TearDown();
        NullRendererTest::TearDown();
    }

    // The game from the factory, through its instructions into play.
    void Play()
    {
        states.AddState(std::make_unique<IdleState>(&states, STATE_ID_MAIN));
        states.AddState(std::make_unique<MiniGameState>(&states, &CreateMiniGame));
        states.GetStateQueue().Push({STATE_ID_MINIGAME, static_cast<uint32_t>(Game::ID), 0});
        states.SetState(STATE_ID_MINIGAME);
        pState = static_cast<MiniGameState*>(states.GetState(STATE_ID_MINIGAME));
        ASSERT_NE(dynamic_cast<Game*>(pState->GetMiniGame()), nullptr) << log.Text();
        PlayFromInstructions();
    }
    // A quiet screen: everything back at its start, the bird held.
    void QuietScreen(int32_t iScreen)
    {
        ASSERT_TRUE(G().InitializeLevel(iScreen));
        G().GetBird().m_fxLaunchTimer = BIRD_HELD;
    }
    void PlayFromInstructions()
    {
        Run(50);
        ChooseButton(0);
        Run(50);
        ASSERT_EQ(G().GetState(), MiniGame::STATE_PLAYING);
    }
    Game& G() { return *static_cast<Game*>(pState->GetMiniGame()); }
    Game::Heroine& H() { return G().GetHeroine(); }
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
    void Press(uint8_t key)
    {
        world.PressKey(key);
        Step();
    }
    // Runs until the heroine's action is over.
    void Settle()
    {
        for (int i = 0; i < 100 && H().m_fxActionTimer != 0; ++i)
            Step();
    }
    void ChooseButton(int32_t i)
    {
        const MGRectangle& rect = pState->GetMiniGame()->GetMessageBox().GetButton(i).m_oRect;
        world.Click(rect.m_fxX + rect.m_fxWidth / 2, rect.m_fxY + rect.m_fxHeight / 2);
        Step();
    }
    // A drop at index k, falling from just above the point.
    static void Fall(Game::Drop& oDrop, fx32 x, fx32 y)
    {
        oDrop.m_eState = DropState::Falling;
        oDrop.m_oSprite.SetVisible(true);
        oDrop.m_oSprite.SetPosition(x, y, Game::DROP_Z);
    }

    // The game started as a script starts it, on the game object's states.
    void StartFromScript()
    {
        g_oTwGame.AddState(std::make_unique<IdleState>(&g_oTwGame, STATE_ID_MAIN));
        g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame, &CreateMiniGame));
        link = std::make_unique<TwGameStateLink>(g_oTwGame);
        SetScriptStateLink(link.get());
        ActionDesc action = ActionDesc::MakeEmpty();
        action.m_iActionType = ID_ACTION_TYPE_START_MINIGAME;
        action.m_iParameterType[0] = ID_PARAMETER_TYPE_INT;
        action.m_oParameter[0] = Game::ID;
        g_oScriptManager.StartAction(action);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + Game::ID);
        pStates = &g_oTwGame;
        g_oTwGame.SetState(STATE_ID_MINIGAME);
        pState = static_cast<MiniGameState*>(g_oTwGame.GetState(STATE_ID_MINIGAME));
        ASSERT_NE(dynamic_cast<Game*>(pState->GetMiniGame()), nullptr) << log.Text();
        PlayFromInstructions();
    }
    bool InPlay() { return pState->GetMiniGame() != nullptr && G().GetState() == MiniGame::STATE_PLAYING; }
    bool Threatened(int32_t j)
    {
        return j >= 0 && j < Game::MG_BA_LEVEL_PLATFORM_NB &&
               (G().GetDropping(j).m_eState == DropState::Falling || G().GetStone(j).m_eState == DropState::Falling);
    }
    bool Gap(int32_t j)
    {
        return j >= 0 && j < Game::MG_BA_LEVEL_PLATFORM_NB &&
               (G().GetPlatform(j).m_eKind == Kind::Breaking || G().GetPlatform(j).m_eKind == Kind::Broken);
    }
    // A careful player: steps back from a drop falling above her, mends the
    // gap ahead, and steps on when the next platform is clear.
    void PlayCarefully(int maxFrames)
    {
        for (int i = 0; i < maxFrames && InPlay(); ++i) {
            const int32_t p = H().m_iPlatform;
            if (H().m_fxActionTimer != 0 || G().GetScreenChangeTimer() > 0)
                Step();
            else if (Threatened(p))
                p > 0 && !Threatened(p - 1) && !Gap(p - 1) ? Press(Platform::KEY_LEFT) : Step();
            else if (Gap(p + 1))
                Press(Platform::KEY_LEFTCONTROL);
            else
                Threatened(p + 1) ? Step() : Press(Platform::KEY_RIGHT);
        }
    }
    // After the end box's first button, the adventure's restore of the slot.
    void QuitToAdventure()
    {
        Run(50);
        ChooseButton(0);
        Run(50);
        EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
        EXPECT_TRUE(g_oTwGame.GetStateQueue().IsEmpty());
        AdventureManager& oAdventure = *AdventureManager::GetInstance();
        oAdventure.RestoreGameState(oAdventure.GetSaveSlot(oAdventure.GetSaveSlotIndex()));
        EXPECT_EQ(log.Text().find("MGSprite::ShutdownPoolSystem"), std::string::npos) << log.Text();
    }

    TestSupport::LogCapture log;
    std::unique_ptr<TwGameStateLink> link;
    MiniGameWorld world;
    FiniteStateManager states;
    FiniteStateManager* pStates = &states;
    MiniGameState* pState = nullptr;
};

TEST_F(MiniGameBirdsAttackTest, TheFactoryMakesItAndItStartsOnTheFirstScreenWithThreeLives)
{
    Play();
    EXPECT_STREQ(G().GetName(), "Birds attack");
    AdventureManager& oAdventure = *AdventureManager::GetInstance();
    EXPECT_EQ(oAdventure.GetSaveSlot(oAdventure.GetSaveSlotIndex())->m_aVarInts[VARINT_C_CURRENT_SCENE], 41);
    EXPECT_EQ(G().GetScreen(), 0);
    EXPECT_EQ(G().GetMeter().GetValue(), 3);
    EXPECT_EQ(H().m_iPlatform, 0);
    for (int32_t i = 0; i < Game::MG_BA_LEVEL_PLATFORM_NB; ++i)
        EXPECT_EQ(static_cast<int32_t>(G().GetPlatform(i).m_eKind), BirdsAttackData::SCREENS[0].m_aiKinds[i]) << i;
    // Every sprite the game asks for is bound to a texture of its pack.
    for (const BirdsAttackData::SpriteName& row : BirdsAttackData::SPRITE_NAMES)
        EXPECT_STREQ(MGSprite::GetRegisteredName(row.m_iId), row.m_sName);
    EXPECT_EQ(log.Text().find("LoadTextureFromPool"), std::string::npos) << log.Text();
}

TEST_F(MiniGameBirdsAttackTest, TheSpriteTableIsSortedByCrcAndEveryRowHashesItsName)
{
    const ResourceNameEntry* table = BirdsAttackData::SPRITE_TABLE;
    for (int32_t i = 0; i < BirdsAttackData::SPRITE_NAME_COUNT; ++i) {
        EXPECT_EQ(table[i].m_uCrc, CoreCrc32::HashString(table[i].m_sName)) << table[i].m_sName;
        if (i > 0) {
            EXPECT_LT(table[i - 1].m_uCrc, table[i].m_uCrc) << table[i].m_sName;
        }
    }
}

TEST_F(MiniGameBirdsAttackTest, LevelsOutsideTheEightScreensAreRefusedAndChangeNothing)
{
    Play();
    QuietScreen(3);
    struct Case {
        int32_t iLevel;
        bool bAccepted;
    };
    for (const Case c :
         {Case {8, false}, Case {9, false}, Case {-1, false}, Case {0x7FFFFFFF, false}, Case {7, true}}) {
        log.Take();
        EXPECT_EQ(G().InitializeLevel(c.iLevel), c.bAccepted) << c.iLevel;
        EXPECT_EQ(G().GetScreen(), c.bAccepted ? c.iLevel : 3) << c.iLevel;
        const std::string refusal = "Level " + std::to_string(c.iLevel) + " refused";
        EXPECT_EQ(log.Contains(refusal), !c.bAccepted) << log.Text();
        EXPECT_EQ(log.Contains("iLevel < MG_BA_LEVEL_NB"), c.iLevel >= Game::MG_BA_LEVEL_NB) << log.Text();
    }
}

TEST_F(MiniGameBirdsAttackTest, EachPlatformKindHasItsPictureAndPlanksAtTheEndsHaveNone)
{
    struct Case {
        Kind eKind;
        int32_t iIdx;
        int32_t iId;
    };
    const Case cases[] = {
        {Kind::Start, 0, 22},  {Kind::Border, 0, 23}, {Kind::Border, 6, 24},   {Kind::End, 6, 25},
        {Kind::Intact, 1, 26}, {Kind::Broken, 5, 30}, {Kind::Breaking, 3, 28}, {Kind::Intact, 0, -1},
        {Kind::Intact, 6, -1}, {Kind::Broken, 7, -1},
    };
    for (const Case& c : cases) {
        log.Take();
        EXPECT_EQ(Game::PlatformSpriteId(c.eKind, c.iIdx), c.iId) << c.iIdx;
        EXPECT_EQ(log.Text().find("iIdx > 0 && iIdx < MG_BA_LEVEL_PLATFORM_NB - 1") != std::string::npos, c.iId < 0);
    }
}

TEST_F(MiniGameBirdsAttackTest, ThreePressesMendThePlankAheadWhenTheThirdEndsAndAFourthAddsNothing)
{
    Play();
    QuietScreen(0);
    Press(Platform::KEY_RIGHT);
    Settle();
    Press(Platform::KEY_RIGHT);
    Settle();
    ASSERT_EQ(H().m_iPlatform, 2);
    ASSERT_EQ(G().GetPlatform(3).m_eKind, Kind::Broken);
    // Stepping onto the gap is refused while no key is pressed; the action
    // key mends.
    for (int32_t press = 1; press <= 3; ++press) {
        Press(Platform::KEY_LEFTCONTROL);
        EXPECT_EQ(H().m_iMendCount, press);
        EXPECT_EQ(H().m_eState, Game::HeroineState::Mending);
        EXPECT_EQ(H().m_oSprite.GetCurrentFrame(), Game::FRAME_MENDING);
        G().Render();
        EXPECT_NEAR(G().GetPlatform(3).m_oSprite.GetAlpha(), press * FX32_ONE / 3, 1);
        if (press < 3) {
            // A press during the 0.3 s counts nothing.
            Press(Platform::KEY_LEFTCONTROL);
            EXPECT_EQ(H().m_iMendCount, press);
            Settle();
            EXPECT_EQ(G().GetPlatform(3).m_eKind, Kind::Broken);
        }
    }
    Press(Platform::KEY_LEFTCONTROL);
    EXPECT_EQ(H().m_iMendCount, 3);
    // 0.3 s is 19 frames of 16 ms; the plank holds from the last one.
    int frames = 2;
    while (G().GetPlatform(3).m_eKind == Kind::Broken && frames < 40) {
        Step();
        ++frames;
    }
    EXPECT_EQ(frames, 19);
    EXPECT_EQ(G().GetPlatform(3).m_eKind, Kind::Intact);
    EXPECT_EQ(H().m_iMendCount, 0);
    EXPECT_EQ(H().m_oSprite.GetCurrentFrame(), Game::FRAME_STANDING);
    // The mended plank holds her.
    Press(Platform::KEY_RIGHT);
    Settle();
    Run(5);
    EXPECT_EQ(H().m_iPlatform, 3);
    EXPECT_EQ(G().GetMeter().GetValue(), 3);
}

TEST_F(MiniGameBirdsAttackTest, StonesAndDroppingsOverABrokenPlankFallOnAndLeaveTheScreen)
{
    Play();
    QuietScreen(0);
    const BirdsAttackData::Point& plank = BirdsAttackData::PLATFORM_POSITIONS[3];
    Fall(G().GetStone(3), plank.m_fxX, plank.m_fxY - FX32_ONE);
    Fall(G().GetDropping(3), plank.m_fxX, plank.m_fxY - FX32_ONE);
    Step();
    EXPECT_EQ(G().GetStone(3).m_eState, DropState::Landed);
    EXPECT_EQ(G().GetDropping(3).m_eState, DropState::FallingOn);
    EXPECT_EQ(G().GetPlatform(3).m_eKind, Kind::Broken);
    // From y 143 to the bottom at 100 units a second: about half a second.
    Run(45);
    EXPECT_EQ(G().GetStone(3).m_eState, DropState::Idle);
    EXPECT_EQ(G().GetDropping(3).m_eState, DropState::Idle);
    EXPECT_FALSE(G().GetStone(3).m_oSprite.IsVisible());
    EXPECT_FALSE(G().GetDropping(3).m_oSprite.IsVisible());
    EXPECT_EQ(G().GetPlatform(3).m_eKind, Kind::Broken);

    // On an intact plank a dropping lies and fades out over 5 s; a stone
    // breaks the plank, sweeping the dropping away.
    const BirdsAttackData::Point& intact = BirdsAttackData::PLATFORM_POSITIONS[4];
    Fall(G().GetDropping(4), intact.m_fxX, intact.m_fxY - FX32_ONE);
    Step();
    ASSERT_EQ(G().GetDropping(4).m_eState, DropState::Landed);
    EXPECT_EQ(G().GetDropping(4).m_oSprite.GetPosition().y, intact.m_fxY);
    Run(100);
    EXPECT_LT(G().GetDropping(4).m_oSprite.GetAlpha(), FX32_ONE * 3 / 4);
    EXPECT_GT(G().GetDropping(4).m_oSprite.GetAlpha(), FX32_ONE / 2);
    Fall(G().GetStone(4), intact.m_fxX, intact.m_fxY - FX32_ONE);
    Step();
    EXPECT_EQ(G().GetDropping(4).m_eState, DropState::Idle);
    EXPECT_EQ(G().GetPlatform(4).m_eKind, Kind::Breaking);
    // Three frames of 0.15 s, then broken.
    Run(25);
    EXPECT_EQ(G().GetPlatform(4).m_eKind, Kind::Breaking);
    Run(5);
    EXPECT_EQ(G().GetPlatform(4).m_eKind, Kind::Broken);
}

TEST_F(MiniGameBirdsAttackTest, ADropIsLostWhileTheSlotsPreviousOneIsInPlay)
{
    Play();
    QuietScreen(0);
    Game::Bird& oBird = G().GetBird();
    const BirdsAttackData::Point& plank = BirdsAttackData::PLATFORM_POSITIONS[2];
    struct Case {
        Game::DropKind eKind;
        bool bBusy;
    };
    for (const Case c : {Case {Game::DropKind::Dropping, true}, Case {Game::DropKind::Stone, true},
                         Case {Game::DropKind::Dropping, false}, Case {Game::DropKind::Stone, false}}) {
        QuietScreen(0);
        Game::Drop& oDrop = c.eKind == Game::DropKind::Dropping ? G().GetDropping(2) : G().GetStone(2);
        if (c.bBusy)
            Fall(oDrop, plank.m_fxX, 4 * FX32_ONE);
        // The bird just right of the plank, carrying the drop for it.
        oBird.m_fxLaunchTimer = 0;
        oBird.m_iDropSlot = 2;
        oBird.m_eDropKind = c.eKind;
        oBird.m_oSprite.SetPosition(plank.m_fxX + FX32_ONE / 2, Game::BIRD_Y, Game::BIRD_Z);
        Step();
        EXPECT_EQ(oBird.m_iDropSlot, Game::NO_SLOT);
        EXPECT_EQ(oBird.m_eDropKind, Game::DropKind::None);
        // A busy slot keeps its earlier drop, far below the new one's start.
        EXPECT_EQ(oDrop.m_eState, DropState::Falling);
        const fx32 y = oDrop.m_oSprite.GetPosition().y;
        EXPECT_EQ(y > 4 * FX32_ONE && y < Game::BIRD_Y, c.bBusy) << y;
    }

    // A slot beyond the middle planks drops nothing, wherever the bird is.
    for (int32_t iSlot : {0, 6, 7, -2, 0x7FFFFFFF}) {
        QuietScreen(0);
        oBird.m_fxLaunchTimer = 0;
        oBird.m_iDropSlot = iSlot;
        oBird.m_eDropKind = Game::DropKind::Stone;
        oBird.m_oSprite.SetPosition(-100 * FX32_ONE, Game::BIRD_Y, Game::BIRD_Z);
        Step();
        for (int32_t k = 0; k < Game::MG_BA_LEVEL_PLATFORM_NB; ++k)
            EXPECT_EQ(G().GetStone(k).m_eState, DropState::Idle) << iSlot;
    }
}

TEST_F(MiniGameBirdsAttackTest, OnScreensSixAndSevenEveryDropIsAStone)
{
    Play();
    // The heroine waits on the first platform, where nothing falls.
    for (int32_t iScreen : {0, 6, 7}) {
        ASSERT_TRUE(G().InitializeLevel(iScreen));
        int stones = 0;
        int droppings = 0;
        for (int i = 0; i < 2500 && stones + droppings < 10; ++i) {
            Step();
            const Game::DropKind eKind = G().GetBird().m_eDropKind;
            if (G().GetBird().m_iDropSlot != Game::NO_SLOT && G().GetBird().m_fxLaunchTimer == 0) {
                stones += eKind == Game::DropKind::Stone;
                droppings += eKind == Game::DropKind::Dropping;
                while (G().GetBird().m_iDropSlot != Game::NO_SLOT)
                    Step();
            }
        }
        EXPECT_EQ(stones + droppings, 10) << iScreen;
        EXPECT_EQ(droppings > 0, iScreen == 0) << iScreen;
    }
    EXPECT_EQ(G().GetMeter().GetValue(), 3);
}

TEST_F(MiniGameBirdsAttackTest, AScreenPlayedAgainBreaksItsPlanksFromTheStartOfTheBreak)
{
    Play();
    const BirdsAttackData::Point& plank = BirdsAttackData::PLATFORM_POSITIONS[4];
    for (int run = 0; run < 2; ++run) {
        // As a retry does: the screen from its table, its broken planks only.
        QuietScreen(0);
        ASSERT_EQ(G().GetPlatform(4).m_eKind, Kind::Intact);
        Fall(G().GetStone(4), plank.m_fxX, plank.m_fxY - FX32_ONE / 2);
        Step();
        ASSERT_EQ(G().GetPlatform(4).m_eKind, Kind::Breaking) << run;
        Run(25);
        EXPECT_EQ(G().GetPlatform(4).m_eKind, Kind::Breaking) << run;
        Run(5);
        EXPECT_EQ(G().GetPlatform(4).m_eKind, Kind::Broken) << run;
    }
}

TEST_F(MiniGameBirdsAttackTest, StandingOnAPlankThatAStoneBreaksIsAFallAtOnce)
{
    Play();
    QuietScreen(0);
    Press(Platform::KEY_RIGHT);
    Settle();
    ASSERT_EQ(H().m_iPlatform, 1);
    // Untouchable, as after a hit, so that only the break can bring her down.
    H().m_eState = Game::HeroineState::Hit;
    const BirdsAttackData::Point& plank = BirdsAttackData::PLATFORM_POSITIONS[1];
    Fall(G().GetStone(1), plank.m_fxX, plank.m_fxY - FX32_ONE / 2);
    Step();
    EXPECT_EQ(G().GetPlatform(1).m_eKind, Kind::Breaking);
    EXPECT_EQ(H().m_oSprite.GetCurrentFrame(), Game::FRAME_FALLING);
    EXPECT_EQ(H().m_oSprite.GetPosition().y, plank.m_fxY + Game::FALL_DEPTH);
    EXPECT_EQ(G().GetMeter().GetValue(), 2);
    // After 0.5 s she is back at the start of the screen.
    Run(33);
    EXPECT_EQ(H().m_iPlatform, 0);
    EXPECT_EQ(H().m_oSprite.GetPosition().y, BirdsAttackData::PLATFORM_POSITIONS[0].m_fxY);
    EXPECT_EQ(G().GetMeter().GetValue(), 2);
}

TEST_F(MiniGameBirdsAttackTest, ADropTouchingHerEdgeToEdgeHitsAndTheHitLeavesHerUntouchableUntilHerNextStep)
{
    Play();
    QuietScreen(0);
    Press(Platform::KEY_RIGHT);
    Settle();
    const MGSprite& oSprite = H().m_oSprite;
    const BirdsAttackData::Box& box = BirdsAttackData::HEROINE_BOXES[Game::FRAME_STANDING];
    const fx32 right = oSprite.GetPosition().x - oSprite.GetPivot().x + box.m_fxX + box.m_fxWidth;
    const fx32 top = oSprite.GetPosition().y - oSprite.GetPivot().y + box.m_fxY;
    // A stone's box starts 2.6 units into its picture, whose corner is its
    // position: one unit of 4096 more is a miss.
    Fall(G().GetStone(5), right - BirdsAttackData::STONE_BOX.m_fxX + 1, top);
    Step();
    EXPECT_EQ(G().GetMeter().GetValue(), 3);
    EXPECT_EQ(H().m_eState, Game::HeroineState::Stepped);
    Fall(G().GetStone(5), right - BirdsAttackData::STONE_BOX.m_fxX, top);
    Step();
    EXPECT_EQ(G().GetMeter().GetValue(), 2);
    EXPECT_EQ(H().m_eState, Game::HeroineState::Hit);
    EXPECT_EQ(H().m_oSprite.GetCurrentFrame(), Game::FRAME_HIT);

    // Back on the first platform, a drop falling through her does nothing.
    Settle();
    ASSERT_EQ(H().m_iPlatform, 0);
    const BirdsAttackData::Point& start = BirdsAttackData::PLATFORM_POSITIONS[0];
    Fall(G().GetDropping(0), start.m_fxX, start.m_fxY - 20 * FX32_ONE);
    Run(10);
    EXPECT_EQ(G().GetMeter().GetValue(), 2);
    // Her next step makes her touchable again.
    G().GetDropping(0).m_eState = DropState::Idle;
    Press(Platform::KEY_RIGHT);
    const BirdsAttackData::Point& next = BirdsAttackData::PLATFORM_POSITIONS[1];
    Fall(G().GetDropping(1), next.m_fxX, next.m_fxY - 10 * FX32_ONE);
    Settle();
    Run(3);
    EXPECT_EQ(G().GetMeter().GetValue(), 1);
}

TEST_F(MiniGameBirdsAttackTest, WithAFixedSeedACarefulPlayerCrossesAllEightScreensAndTheWinReachesTheSlot)
{
    StartFromScript();
    int32_t iHighest = 0;
    for (int i = 0; i < 40000 && InPlay(); i += 100) {
        PlayCarefully(100);
        iHighest = std::max(iHighest, G().GetScreen());
    }
    EXPECT_EQ(iHighest, Game::MG_BA_LEVEL_NB - 1);
    // No assert of the game or its sprites (the test world has no sound).
    EXPECT_FALSE(log.Contains("function:  MiniGameBirdsAttack")) << log.Text();
    EXPECT_FALSE(log.Contains("function:  MGSprite")) << log.Text();
    ASSERT_EQ(G().GetState(), MiniGame::STATE_END_BOX);
    EXPECT_TRUE(G().IsWon());
    EXPECT_GT(G().GetMeter().GetValue(), 0);
    QuitToAdventure();
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_FALSE(g_VarManager.GetBool(VARBOOL_C_CHEAT_MINIGAME));
}

TEST_F(MiniGameBirdsAttackTest, WalkingIntoTheGapThreeTimesLosesRetryStartsAfreshAndTheLossReachesTheSlot)
{
    MiniGameResult::SetSlotBool(VARBOOL_C_WIN_MINIGAME, true);
    StartFromScript();
    for (int run = 0; run < 2; ++run) {
        for (int i = 0; i < 2000 && InPlay(); ++i) {
            if (H().m_fxActionTimer != 0) {
                Step();
                continue;
            }
            Press(Platform::KEY_RIGHT);
        }
        ASSERT_EQ(G().GetState(), MiniGame::STATE_END_BOX);
        EXPECT_FALSE(G().IsWon());
        EXPECT_EQ(G().GetMeter().GetValue(), 0);
        if (run == 0) {
            // Retry: the first screen as its table has it, three lives. The
            // instructions wait for the opening fade that the retry starts.
            Run(50);
            ChooseButton(1);
            Run(50);
            ChooseButton(0);
            PlayFromInstructions();
            EXPECT_EQ(G().GetScreen(), 0);
            EXPECT_EQ(G().GetMeter().GetValue(), 3);
            EXPECT_EQ(H().m_iPlatform, 0);
            EXPECT_EQ(G().GetPlatform(2).m_eKind, Kind::Intact);
            EXPECT_EQ(G().GetPlatform(3).m_eKind, Kind::Broken);
        }
    }
    QuitToAdventure();
    EXPECT_FALSE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
}

TEST_F(MiniGameBirdsAttackTest, TheBirdStartsAndTurnsBackBeyondTheEdgesOfTheWindowsShape)
{
    Play();
    const TwGame::DisplaySettings saved = g_oTwGame.m_oDisplaySettings;
    struct Case {
        uint32_t uWidth;
        uint32_t uHeight;
        fx32 fxMargin;
    };
    // 192 units high: a 16:9 window shows 341.3 units, a 5:4 one 240.
    for (const Case c : {Case {1280, 960, 0}, Case {1920, 1080, 0x2AAAA}, Case {1280, 1024, -0x8000}}) {
        g_oTwGame.m_oDisplaySettings.uWidth = c.uWidth;
        g_oTwGame.m_oDisplaySettings.uHeight = c.uHeight;
        QuietScreen(0);
        EXPECT_EQ(G().GetMargin(), c.fxMargin) << c.uWidth;
        const MGSprite& oBird = G().GetBird().m_oSprite;
        const fx32 halfWidth = oBird.GetSize().x / 2;
        EXPECT_EQ(oBird.GetPosition().x, 256 * FX32_ONE + c.fxMargin + halfWidth) << c.uWidth;
        // It flies until it is wholly past the left edge, then waits 1 s.
        G().GetBird().m_fxLaunchTimer = 0;
        fx32 lowest = oBird.GetPosition().x;
        for (int i = 0; i < 400 && G().GetBird().m_fxLaunchTimer == 0; ++i) {
            Step();
            lowest = std::min(lowest, oBird.GetPosition().x);
        }
        EXPECT_EQ(G().GetBird().m_fxLaunchTimer, FX32_ONE) << c.uWidth;
        EXPECT_LE(lowest, -c.fxMargin - halfWidth + 0x3000) << c.uWidth;
        EXPECT_EQ(oBird.GetPosition().x, 256 * FX32_ONE + c.fxMargin + halfWidth) << c.uWidth;
    }
    g_oTwGame.m_oDisplaySettings = saved;
}

} // namespace
