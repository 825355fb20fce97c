// Whole chases on the recording renderer with the sample data and track:
// seeded runs steered by a small autopilot and left alone, the start from a
// script action through the mini-game state with the result back in the
// save slot, and damaged data files refused at the start.
#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Engine/MiniGame/Common/ChaseTestKit.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Input/KeyCodes.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SaveSlotData.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/VarManager.h"
#include "Random/CoreRandom.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "States/Common/MiniGameState.h"
#include "Support/ChaseAutopilot.h"
#include "Support/Files.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace ChaseTest;
namespace fs = std::filesystem;

// The keys of the frame, as the autopilot holds them.
void Steer(MiniGameChase& chase, MiniGameTest::MiniGameWorld& world)
{
    const TestSupport::ChaseKeys keys = TestSupport::SteerChase(chase);
    world.HoldKey(Platform::KEY_RIGHT, keys.right);
    world.HoldKey(Platform::KEY_LEFT, keys.left);
}

class MiniGameChaseRunTest : public ChaseFixture { };

TEST_F(MiniGameChaseRunTest, ASteeredSeededRunReachesTheEndAndWinsAndAnUnsteeredOneLosesItsThreeLives)
{
    for (const uint64_t seed : {3u, 4u, 5u}) {
        ChasePtr chase = StartChase(seed);
        ASSERT_NE(chase, nullptr);
        int frames = 0;
        for (; frames < 6000 && chase->GetState() == MiniGame::STATE_PLAYING; ++frames) {
            Steer(*chase, world);
            Step(*chase);
        }
        world.HoldKey(Platform::KEY_RIGHT, false);
        world.HoldKey(Platform::KEY_LEFT, false);
        EXPECT_EQ(chase->GetState(), MiniGame::STATE_END_BOX) << seed;
        EXPECT_TRUE(chase->IsWon()) << seed << " lives " << int(chase->GetMeter().GetValue());
        EXPECT_GE(chase->GetRaceDistance(), MiniGameChase::TRACK_LENGTH) << seed;
    }
    // The first track again, without a hand on the keys.
    ChasePtr chase = StartChase(3);
    ASSERT_NE(chase, nullptr);
    for (int frames = 0; frames < 6000 && chase->GetState() == MiniGame::STATE_PLAYING; ++frames)
        Step(*chase);
    EXPECT_EQ(chase->GetState(), MiniGame::STATE_END_BOX);
    EXPECT_FALSE(chase->IsWon());
    EXPECT_EQ(chase->GetMeter().GetValue(), 0);
    EXPECT_LT(chase->GetRaceDistance(), MiniGameChase::TRACK_LENGTH);
}

TEST_F(MiniGameChaseRunTest, TheScriptActionStartsTheChaseWhoseWinComesBackThroughTheSlot)
{
    g_oTwGame.AddState(std::make_unique<MiniGameTest::IdleState>(&g_oTwGame, STATE_ID_MAIN));
    g_oTwGame.AddState(std::make_unique<MiniGameState>(&g_oTwGame));
    TwGameStateLink link(g_oTwGame);
    SetScriptStateLink(&link);
    ActionDesc action = ActionDesc::MakeEmpty();
    action.m_iActionType = ID_ACTION_TYPE_START_MINIGAME;
    action.m_iParameterType[0] = ID_PARAMETER_TYPE_INT;
    action.m_oParameter[0] = MiniGameChase::ID;
    g_oScriptManager.StartAction(action);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 256 + MiniGameChase::ID);

    CoreRandom::Init(1);
    g_oTwGame.SetState(STATE_ID_MINIGAME);
    auto& state = *static_cast<MiniGameState*>(g_oTwGame.GetState(STATE_ID_MINIGAME));
    ASSERT_NE(state.GetMiniGame(), nullptr) << log.Text();
    auto& chase = *static_cast<MiniGameChase*>(state.GetMiniGame());
    // The track of a known seed, in place of the clock's.
    chase.GetRace().GetRandom().Init(1);
    chase.ResetGame(false);
    const auto run = [&](int frames, bool steer) {
        for (int i = 0; i < frames && g_oTwGame.GetCurrentState()->GetId() == STATE_ID_MINIGAME; ++i) {
            if (steer && chase.GetState() == MiniGame::STATE_PLAYING)
                Steer(chase, world);
            g_oTwGame.ManageStates(FRAME);
            Effect::UpdateAll(FRAME);
            world.Frame();
        }
    };
    const auto click = [&](int32_t button) {
        const MGRectangle& rect = chase.GetMessageBox().GetButton(button).m_oRect;
        world.Click(rect.m_fxX + rect.m_fxWidth / 2, rect.m_fxY + rect.m_fxHeight / 2);
        run(1, false);
    };
    run(50, false);
    ASSERT_EQ(chase.GetState(), MiniGame::STATE_INSTRUCTIONS);
    EXPECT_STREQ(chase.GetMessageBox().GetText(), g_oDkLocalizer.GetText(MiniGameChase::TEXT_INSTRUCTIONS));
    click(0);
    run(6000, true);
    ASSERT_EQ(chase.GetState(), MiniGame::STATE_END_BOX);
    ASSERT_TRUE(chase.IsWon());
    world.HoldKey(Platform::KEY_RIGHT, false);
    world.HoldKey(Platform::KEY_LEFT, false);
    run(50, false);
    click(0);
    run(100, false);
    EXPECT_EQ(g_oTwGame.GetCurrentState()->GetId(), STATE_ID_MAIN);

    // The adventure's entry restores the slot: the docks and the win.
    AdventureManager& adventure = *AdventureManager::GetInstance();
    SaveSlotData& slot = *adventure.GetSaveSlot(adventure.GetSaveSlotIndex());
    EXPECT_EQ(slot.m_aVarInts[VARINT_C_CURRENT_SCENE], MiniGameChase::RESUME_SCENE);
    adventure.RestoreGameState(&slot);
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_C_WIN_MINIGAME));
    EXPECT_EQ(log.Text().find("did not properly shutdown"), std::string::npos) << log.Text();
    g_oTwGame.ReleaseStates();
    SetScriptStateLink(nullptr);
}

TEST_F(MiniGameChaseRunTest, DamagedDataFilesAreRefusedAtTheStartAndTheShutdownLeavesNothingBehind)
{
    const fs::path data = TestSupport::DataDir();
    const std::vector<uint8_t> col = TestSupport::ReadFileBytes(data / "minigame" / "MG_TheChase.col");
    const std::vector<uint8_t> race = TestSupport::ReadFileBytes(data / "minigame" / "MG_TheChase.race");
    std::vector<uint8_t> manyKinds = col;
    manyKinds[0] = 30;
    struct Case {
        std::vector<uint8_t> col;
        std::vector<uint8_t> race;
        const char* line;
    };
    const Case cases[] = {
        {manyKinds, race, "\"minigame/MG_TheChase.col\" refused: the kind count is not 1 to 25"},
        {std::vector<uint8_t>(col.begin(), col.end() - 1), race, "\"minigame/MG_TheChase.col\" refused"},
        {col, std::vector<uint8_t>(race.begin(), race.begin() + 10), "minigame/MG_TheChase.race refused"},
        {col, {}, "Can't find the file : minigame/MG_TheChase.race"},
    };
    for (const Case& c : cases) {
        // The sample data folder with its own minigame folder.
        TestSupport::TempDir folder;
        for (const fs::directory_entry& entry : fs::directory_iterator(data)) {
            if (entry.path().filename() != "minigame")
                fs::create_directory_symlink(entry.path(), folder / entry.path().filename().string());
        }
        fs::create_directories(folder / "minigame");
        for (const auto& [name, bytes] :
             {std::pair {"MG_TheChase.col", &c.col}, std::pair {"MG_TheChase.race", &c.race}}) {
            if (!bytes->empty())
                std::ofstream(folder / "minigame" / name, std::ios::binary)
                    .write(reinterpret_cast<const char*>(bytes->data()), std::streamsize(bytes->size()));
        }
        TestSupport::ScopedWorkingDirectory cwd(folder.Path());
        log.Take();
        MiniGameChase chase;
        EXPECT_FALSE(chase.Initialize());
        chase.Shutdown();
        MGSprite::ShutdownPoolSystem();
        const std::string text = log.Take();
        EXPECT_NE(text.find(c.line), std::string::npos) << text;
        EXPECT_EQ(text.find("did not properly shutdown"), std::string::npos) << text;
        // A second shutdown finds nothing more to undo.
        chase.Shutdown();
    }
}

} // namespace
