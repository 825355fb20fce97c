#include "CardMngr/CardManager.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Managers/Common/SaveFileLayout.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Stands for the splash sequence: it checks its queue entry and is done
// after one frame.
class SplashState final : public GameState {
public:
    explicit SplashState(FiniteStateManager* pOwner) : GameState(pOwner, STATE_ID_MINIGAME) { }
    uint16_t Update(uint32_t) override
    {
        const GameStateQueueEntry* head = GetOwner()->GetStateQueue().Top();
        EXPECT_EQ(head->m_uParameter1, 0u); // the splash sequence is mini-game 0
        EXPECT_EQ(head->m_uParameter2, 1u);
        return GetOwner()->PopToNextState();
    }
    void Render() override { }

protected:
    void OnInit() override { }
    void OnShutdown() override { }
};

class StartUpQueueTest : public testing::Test {
protected:
    void SetUp() override { TestSupport::EnsureMainHeap(); }
    void TearDown() override
    {
        m_game.ShutdownStates();
        CardManager::DestroySingleton();
    }
    // The save-file manager as start-up leaves it, in the scratch folder.
    static void ProbeSaveFile()
    {
        TestSupport::LogCapture capture;
        CardManager::CreateSingleton(SAVE_FILE_SIZE)->UpdateStatus();
    }

    // The ids of the current state after each of the frames.
    std::vector<uint16_t> RunFrames(int frames)
    {
        std::vector<uint16_t> ids;
        for (int frame = 0; frame < frames; ++frame) {
            m_game.ManageStates(16);
            ids.push_back(m_game.GetCurrentState()->GetId());
        }
        return ids;
    }

    TestSupport::TempDir m_folder;
    TestSupport::ScopedWorkingDirectory m_workingDirectory {m_folder.Path()};
    TwGame m_game;
};

TEST_F(StartUpQueueTest, WithoutTheSplashPackTheSaveFileCheckCreatesTheFileAndTheMainStateEntersInTheFourthFrame)
{
    ProbeSaveFile();
    TestSupport::LogCapture capture;
    ASSERT_TRUE(m_game.InitializeStates());
    // The mini-game state enters for the splash sequence, whose pack this
    // folder does not have: it hands over in its first frame.
    EXPECT_EQ(m_game.GetCurrentState()->GetId(), STATE_ID_MINIGAME);
    EXPECT_EQ(m_game.GetCurrentStateId(), STATE_ID_NONE);

    EXPECT_EQ(RunFrames(4),
              std::vector<uint16_t>({STATE_ID_MINIGAME, STATE_ID_CARD_CHECK, STATE_ID_CARD_CHECK, STATE_ID_MAIN}));
    EXPECT_EQ(std::filesystem::file_size(m_folder / CardManager::SAVE_FILE_NAME), SAVE_FILE_SIZE);
    EXPECT_TRUE(m_game.GetStateQueue().IsEmpty());
    const std::string log = capture.Take();
    EXPECT_NE(log.find("MiniGameState::OnInit -- Initialize of minigame 0 failed\n"), std::string::npos) << log;
    EXPECT_NE(log.find("After MG Shutdown"), std::string::npos) << log;
    EXPECT_NE(log.find("Before Main State Init"), std::string::npos) << log;
}

TEST_F(StartUpQueueTest, TheSplashRunsFirstThenTheSaveFileCheckThenTheMainState)
{
    m_folder.WriteFile(CardManager::SAVE_FILE_NAME, "a save file that cannot be read");
    ProbeSaveFile();
    ASSERT_TRUE(m_game.AddState(std::make_unique<SplashState>(&m_game)));
    TestSupport::LogCapture capture;
    ASSERT_TRUE(m_game.InitializeStates());
    EXPECT_EQ(m_game.GetCurrentState()->GetId(), STATE_ID_MINIGAME);
    EXPECT_EQ(RunFrames(4),
              std::vector<uint16_t>({STATE_ID_MINIGAME, STATE_ID_CARD_CHECK, STATE_ID_CARD_CHECK, STATE_ID_MAIN}));
    // A file that exists is left alone, even one that cannot be read.
    EXPECT_EQ(TestSupport::ReadFileText(m_folder / CardManager::SAVE_FILE_NAME), "a save file that cannot be read");
    EXPECT_EQ(capture.Take().find("splash sequence is skipped"), std::string::npos);
}

TEST_F(StartUpQueueTest, AScriptCannotQueueAStateThatTheGameDoesNotHave)
{
    TwGameStateLink link(m_game);
    TestSupport::LogCapture capture;
    link.PushState(STATE_ID_MOVIE, 7);
    EXPECT_NE(capture.Take().find("No game state 3: the request to run 7 is dropped\n"), std::string::npos);
    EXPECT_TRUE(link.IsStateQueueEmpty());
    m_game.AddState(std::make_unique<SplashState>(&m_game));
    link.PushState(STATE_ID_MINIGAME, 4);
    ASSERT_FALSE(link.IsStateQueueEmpty());
    EXPECT_EQ(m_game.GetStateQueue().Top()->m_uParameter1, 4u);
}

} // namespace
