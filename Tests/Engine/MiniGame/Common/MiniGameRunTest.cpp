// The mini-game state runs the kit's test game through whole runs, on the
// recording renderer with the sample data: the boxes, the pause, retry and
// skip, the result in the save slot and the sprite pool's final report.
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
#include "MiniGame/Common/MiniGameFactory.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/MiniGameState.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace MiniGameTest;

constexpr int32_t DUEL = 2;
constexpr int32_t SLOT_MACHINE = 3;

// Where the test game comes from: its pack, or one that does not exist.
const char* s_sPackName = "MG_KitTest";

std::unique_ptr<MiniGame> MakeKitTestGame(int32_t, uint32_t)
{
    return std::make_unique<KitTestMiniGame>(s_sPackName);
}

class MiniGameRunTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        NullRendererTest::SetUp();
        world.SetUp();
        s_sPackName = "MG_KitTest";
        g_oTwGame.m_bPaused = 0;
        // The adventure the mini-game state hands back to.
        states.AddState(std::make_unique<IdleState>(&states, STATE_ID_MAIN));
        states.AddState(std::make_unique<MiniGameState>(&states, &MakeKitTestGame));
    }
    void TearDown() override
    {
        states.ReleaseStates();
        world.TearDown();
        NullRendererTest::TearDown();
    }

    void Start(int32_t iId)
    {
        states.GetStateQueue().Push({STATE_ID_MINIGAME, static_cast<uint32_t>(iId), 0});
        states.SetState(STATE_ID_MINIGAME);
    }
    MiniGameState& State() { return *static_cast<MiniGameState*>(states.GetState(STATE_ID_MINIGAME)); }
    KitTestMiniGame& Game() { return *static_cast<KitTestMiniGame*>(State().GetMiniGame()); }
    // Frames of the main loop: the input, the state machine, the effects.
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            Step();
    }
    void Step()
    {
        states.ManageStates(FRAME);
        Effect::UpdateAll(FRAME);
        world.Frame();
    }
    // Clicks a button of the shown box, then runs until the box has closed.
    void ChooseButton(int32_t i)
    {
        world.ClickButton(Game().GetMessageBox(), i);
        Step();
    }
    // Once the box has faded in, clicks its button and runs on until the
    // next state has faded in.
    void ChooseOnceShown(int32_t i)
    {
        Run(50);
        ChooseButton(i);
        Run(50);
    }
    int32_t TopState() { return Game().GetState(); }
    static int ButtonCount(const MGMessageBox& box)
    {
        return (box.GetButton(0).m_sText != nullptr) + (box.GetButton(1).m_sText != nullptr);
    }

    static constexpr uint32_t FRAME = 16;
    TestSupport::LogCapture log;
    MiniGameWorld world;
    FiniteStateManager states;
};

TEST_F(MiniGameRunTest, ARunGoesThroughInstructionsPlayPauseLossRetryAndWin)
{
    Start(DUEL);
    ASSERT_NE(State().GetMiniGame(), nullptr) << log.Text();
    EXPECT_TRUE(Game().IsSkipOffered());
    EXPECT_FALSE(Game().IsQuitAfterLosing());
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_PLAYED_MINIGAME_01));
    ASSERT_EQ(TopState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_EQ(ButtonCount(Game().GetMessageBox()), 1);

    // The box waits for the opening fade; then Go on leads to play.
    ChooseOnceShown(0);
    ASSERT_EQ(TopState(), MiniGame::STATE_PLAYING);

    // Esc opens the pause box; Go on returns to play.
    world.PressKey(Platform::KEY_ESCAPE);
    Step();
    ASSERT_EQ(TopState(), MiniGame::STATE_PAUSE_BOX);
    EXPECT_STREQ(Game().GetMessageBox().GetText(), "The game is paused.");
    ChooseOnceShown(0);
    ASSERT_EQ(TopState(), MiniGame::STATE_PLAYING);

    // A loss: the lost box offers Quit and Retry; Retry shows the
    // instructions again, now with Skip.
    Game().EndPlay(false);
    Step();
    ASSERT_EQ(TopState(), MiniGame::STATE_END_BOX);
    EXPECT_STREQ(Game().GetMessageBox().GetText(), "You have lost. Try again?");
    EXPECT_EQ(ButtonCount(Game().GetMessageBox()), 2);
    EXPECT_EQ(Game().GetMeter().GetValue(), 0);
    ChooseOnceShown(1);
    ASSERT_EQ(TopState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_EQ(Game().GetResetCount(), 1);
    EXPECT_TRUE(Game().IsRetrying());
    EXPECT_EQ(ButtonCount(Game().GetMessageBox()), 2);
    EXPECT_EQ(Game().GetMeter().GetValue(), 3);

    // The opening fade runs again; a click on Go on at once is kept and
    // acts once the fade is over, then the play's transition runs.
    ChooseButton(0);
    EXPECT_EQ(TopState(), MiniGame::STATE_INSTRUCTIONS);
    Run(100);
    ASSERT_EQ(TopState(), MiniGame::STATE_PLAYING);
    Game().EndPlay(true);
    Step();
    ASSERT_EQ(TopState(), MiniGame::STATE_END_BOX);
    EXPECT_EQ(ButtonCount(Game().GetMessageBox()), 1);
    ChooseOnceShown(0);

    // Finished: the adventure is back, the slot says won, not skipped.
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(states.GetStateQueue().IsEmpty());
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_CHEAT_MINIGAME));
    // Every sprite reference was given back before the pool's report.
    EXPECT_EQ(log.Text().find("MGSprite::ShutdownPoolSystem"), std::string::npos) << log.Text();
    EXPECT_NE(log.Text().find("After MG Shutdown"), std::string::npos);
}

TEST_F(MiniGameRunTest, TheSystemPauseSuspendsTheGameAndItsEndResumesItUnchanged)
{
    Start(SLOT_MACHINE);
    EXPECT_TRUE(Game().IsQuitAfterLosing());
    ChooseOnceShown(0);
    world.PressKey(Platform::KEY_ESCAPE);
    Step();
    ASSERT_EQ(TopState(), MiniGame::STATE_PAUSE_BOX);

    g_oTwGame.m_bPaused = 1;
    Run(3);
    EXPECT_EQ(TopState(), MiniGame::STATE_SUSPENDED);
    EXPECT_EQ(Game().GetStackLevel(), 1);
    g_oTwGame.m_bPaused = 0;
    Step();
    EXPECT_EQ(TopState(), MiniGame::STATE_PAUSE_BOX);
    EXPECT_EQ(Game().GetStackLevel(), 0);

    // Quit from the pause box is a loss, even after a win was set.
    ChooseOnceShown(1);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
}

TEST_F(MiniGameRunTest, SkipSetsTheCheatBitAtOnceAndFinishesWonAfterTwoSecondsAndTheFade)
{
    Start(DUEL);
    ChooseOnceShown(0);
    Game().EndPlay(false);
    Step();
    ChooseOnceShown(1);
    ASSERT_EQ(ButtonCount(Game().GetMessageBox()), 2);

    Run(50);
    ChooseButton(1);
    // The box answers from the frame after the click.
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_CHEAT_MINIGAME));
    Step();
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_CHEAT_MINIGAME));
    EXPECT_TRUE(Game().IsSkipped());
    // 2.0 s of 16 ms frames is 125 frames; the closing fade 0.7 s more.
    Run(120);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MINIGAME);
    Run(60);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_CHEAT_MINIGAME));
}

TEST_F(MiniGameRunTest, ClicksGoingOnAtRetrysPlaceSkipNothingUntilTheInstructionsHaveFadedIn)
{
    Start(DUEL);
    ChooseOnceShown(0);
    Game().EndPlay(false);
    Step();
    Run(50);
    // Skip comes where Retry was; the player clicks Retry and goes on
    // clicking there while the screen fades out and the instructions in.
    const MGRectangle retry = Game().GetMessageBox().GetButton(1).m_oRect;
    const auto clickRetrysPlace = [&]() {
        world.Click(retry.m_fxX + retry.m_fxWidth / 2, retry.m_fxY + retry.m_fxHeight / 2);
        Step();
    };
    const auto fadedIn = [&]() {
        return TopState() == MiniGame::STATE_INSTRUCTIONS &&
               State().GetEffect(MiniGame::EFFECT_OPENING_FADE).IsFinished();
    };
    for (int frame = 0; frame < 200 && !fadedIn(); frame += 5) {
        clickRetrysPlace();
        Run(4);
    }
    ASSERT_TRUE(fadedIn());
    EXPECT_FALSE(Game().IsSkipped());
    EXPECT_FALSE(Game().GetMessageBox().IsDone());
    EXPECT_EQ(Game().GetResetCount(), 1);
    // Once the box is in, the click there is a choice of Skip.
    clickRetrysPlace();
    Step();
    EXPECT_TRUE(Game().IsSkipped());
}

TEST_F(MiniGameRunTest, AMiniGameQueuedBehindAnotherStartsWhenTheFirstFinishes)
{
    Start(DUEL);
    states.GetStateQueue().Push({STATE_ID_MINIGAME, static_cast<uint32_t>(SLOT_MACHINE), 0});
    ChooseOnceShown(0);
    Game().EndPlay(true);
    Step();
    ChooseOnceShown(0);

    // The duel's win is written; the slot machine starts fresh at its
    // instructions, its queue entry kept until it finishes.
    EXPECT_TRUE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MINIGAME);
    EXPECT_EQ(State().GetMiniGameId(), SLOT_MACHINE);
    ASSERT_NE(State().GetMiniGame(), nullptr);
    EXPECT_EQ(TopState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_EQ(states.GetStateQueue().GetCount(), 1);

    ChooseOnceShown(0);
    ASSERT_EQ(TopState(), MiniGame::STATE_PLAYING);
    Game().EndPlay(false);
    Step();
    ChooseOnceShown(0);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(states.GetStateQueue().IsEmpty());
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_EQ(log.Text().find("MGSprite::ShutdownPoolSystem"), std::string::npos) << log.Text();
}

TEST_F(MiniGameRunTest, AnUnknownIdOrAFailedInitializeEndsTheStateWithALogLine)
{
    struct Case {
        int32_t iId;
        const char* sPack;
        const char* sLine;
    };
    const Case cases[] = {
        {8, "MG_KitTest", "MiniGameState::SetMiniGame -- Unknown minigame !\n"},
        {-1, "MG_KitTest", "MiniGameState::SetMiniGame -- Unknown minigame !\n"},
        {DUEL, "MG_NoSuchGame", "MiniGameState::OnInit -- Initialize of minigame 2 failed\n"},
    };
    for (const Case& c : cases) {
        s_sPackName = c.sPack;
        log.Take();
        Start(c.iId);
        EXPECT_EQ(State().GetMiniGame(), nullptr);
        Run(2);
        const std::string text = log.Take();
        EXPECT_NE(text.find(c.sLine), std::string::npos) << text;
        EXPECT_NE(text.find("the state ends"), std::string::npos) << text;
        EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN) << c.iId;
        EXPECT_TRUE(states.GetStateQueue().IsEmpty());
        // Nothing of the half-made game stays counted.
        EXPECT_EQ(text.find("MGSprite::ShutdownPoolSystem"), std::string::npos) << text;
        states.ReleaseStates();
        states.AddState(std::make_unique<IdleState>(&states, STATE_ID_MAIN));
        states.AddState(std::make_unique<MiniGameState>(&states, &MakeKitTestGame));
    }
}

TEST_F(MiniGameRunTest, TheScriptActionQueuesTheGameWhoseResultComesBackThroughTheSlot)
{
    // The game object's own state machine, reached by the script manager.
    g_oTwGame.AddState(std::make_unique<IdleState>(&g_oTwGame, STATE_ID_MAIN));
    g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame, &MakeKitTestGame));
    TwGameStateLink link(g_oTwGame);
    SetScriptStateLink(&link);
    StartFromScriptAction(DUEL);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + DUEL);
    ASSERT_EQ(g_oTwGame.GetStateQueue().GetCount(), 1);
    EXPECT_EQ(g_oTwGame.GetStateQueue().Top()->m_uStateId, uint32_t {STATE_ID_MINIGAME});

    // The adventure hands over to the queue's head.
    g_oTwGame.SetState(STATE_ID_MINIGAME);
    auto& oState = *static_cast<MiniGameState*>(g_oTwGame.GetState(STATE_ID_MINIGAME));
    auto& oGame = *static_cast<KitTestMiniGame*>(oState.GetMiniGame());
    const auto run = [](int frames) {
        for (int i = 0; i < frames; ++i) {
            g_oTwGame.ManageStates(FRAME);
            Effect::UpdateAll(FRAME);
        }
    };
    const auto click = [&](int32_t i) {
        world.ClickButton(oGame.GetMessageBox(), i);
        run(1);
        world.Frame();
    };
    run(50);
    click(0);
    run(50);
    oGame.EndPlay(true);
    run(50);
    click(0);
    run(50);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_TRUE(g_oTwGame.GetStateQueue().IsEmpty());

    // The adventure's entry restores the slot: the scripts read the win.
    RestoreCurrentSaveSlot();
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_FALSE(g_VarManager.GetBool(VARBOOL_C_CHEAT_MINIGAME));

    g_oTwGame.ReleaseStates();
    SetScriptStateLink(nullptr);
}

TEST_F(MiniGameRunTest, OnlyTheSplashStartsWithoutTheFadeAndTheCreditsEndAtTheStartMenu)
{
    Start(MINIGAME_SPLASH);
    EXPECT_FALSE(State().GetEffect(MiniGame::EFFECT_OPENING_FADE).IsRunning());
    states.ReleaseStates();
    states.AddState(std::make_unique<IdleState>(&states, STATE_ID_MAIN));
    states.AddState(std::make_unique<MiniGameState>(&states, &MakeKitTestGame));
    states.GetStateQueue().Pop();

    // A win of an earlier run is cleared by this one's loss.
    MiniGameResult::SetSlotBool(VARBOOL_C_WIN_MINIGAME, true);
    Start(MINIGAME_CREDITS);
    EXPECT_TRUE(State().GetEffect(MiniGame::EFFECT_OPENING_FADE).IsRunning());
    ChooseOnceShown(0);
    world.PressKey(Platform::KEY_ESCAPE);
    Step();
    ChooseOnceShown(1);
    EXPECT_EQ(states.GetCurrentState()->GetId(), STATE_ID_MAIN);
    EXPECT_FALSE(MiniGameResult::GetSlotBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), MiniGameState::START_MENU_SCENE);
    EXPECT_TRUE(g_oScriptManager.IsChangePending());
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), MiniGameState::START_MENU_SCENE);
}

TEST_F(MiniGameRunTest, EveryGameStartedFromTheMenuGoesBackToItAndTheStorysGamesToTheirScenes)
{
    AdventureManager& oAdventure = *AdventureManager::GetInstance();
    int32_t& iStoredScene = oAdventure.GetSaveSlot(oAdventure.GetSaveSlotIndex())->m_aVarInts[VARINT_C_CURRENT_SCENE];
    // Started in a story scene, the chase goes on at the docks and the birds
    // attack at the far cliff; the others go back where they were started.
    constexpr int32_t STORY_SCENE = 40;
    constexpr int32_t AFTER_STORY[] = {STORY_SCENE, STORY_SCENE, STORY_SCENE, 13, 41, STORY_SCENE};
    for (int32_t iId = MINIGAME_WOODEN_SWORD_DUEL; iId <= MINIGAME_LAST; ++iId) {
        for (const int32_t iFrom : {MiniGameResult::MINIGAME_MENU_SCENE, STORY_SCENE}) {
            iStoredScene = iFrom;
            FiniteStateManager oReal;
            oReal.AddState(std::make_unique<IdleState>(&oReal, STATE_ID_MAIN));
            oReal.AddState(std::make_unique<MiniGameState>(&oReal, &CreateMiniGame));
            oReal.GetStateQueue().Push({STATE_ID_MINIGAME, static_cast<uint32_t>(iId), 0});
            oReal.SetState(STATE_ID_MINIGAME);
            ASSERT_NE(static_cast<MiniGameState*>(oReal.GetState(STATE_ID_MINIGAME))->GetMiniGame(), nullptr) << iId;
            oReal.ReleaseStates();
            const int32_t iExpected = iFrom == STORY_SCENE ? AFTER_STORY[iId - MINIGAME_WOODEN_SWORD_DUEL]
                                                           : MiniGameResult::MINIGAME_MENU_SCENE;
            EXPECT_EQ(iStoredScene, iExpected) << "mini-game " << iId << " started in scene " << iFrom;
        }
    }
}

} // namespace
