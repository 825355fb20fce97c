#include "Common/VarIds.h"
#include "Dialogs/Common/DialogManager.h"
#include "Game/TwGame.h"
#include "Game/TwGameStateLink.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/ResourceManager.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/VarManager.h"
#include "States/Common/AdventureLink.h"
#include "States/Common/MainGameState.h"
#include "Support/FakeSceneWorld.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Record = std::vector<std::string>;

// The menu and inventory script of the adventure, as a record of what they
// were asked to do.
class FakeAdventure final : public AdventureLink {
public:
    void OpenMenu(uint32_t character) override { Note("open menu " + std::to_string(character)); }
    void CloseMenu() override { Note("close menu"); }
    void StartInventoryScript() override { Note("start inventory"); }
    void UpdateInventoryScript(uint32_t) override { }
    void EndInventoryScript() override { Note("end inventory"); }
    void StartAutoTestPlayback() override { Note("auto-test"); }

    void Note(const std::string& text) { record.push_back(text); }

    Record record;
};

constexpr uint32_t FRAME = 16;

class MainGameStateTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        std::filesystem::create_directories(m_folder / "scenes");
        std::filesystem::copy_file(TestSupport::DataDir() / MainGameState::COMMON_DIALOGS,
                                   m_folder / MainGameState::COMMON_DIALOGS);
        ResourceManager::CreateSingleton();
        DialogManager::CreateSingleton();
        AdventureManager::CreateSingleton()->Initialize();
        g_oTwGame.InitializeEffects();
        SetAdventureLink(&m_adventure);
        SetScriptSceneLink(&m_sceneLink);
        SetScriptStateLink(&m_stateLink);
    }
    void TearDown() override
    {
        if (m_bEntered)
            Exit();
        SetScriptStateLink(nullptr);
        SetScriptSceneLink(nullptr);
        SetAdventureLink(nullptr);
        g_oTwGame.ResetFades();
        GameStateQueue& queue = g_oTwGame.GetStateQueue();
        while (!queue.IsEmpty())
            queue.Pop();
        g_oTwGame.m_bPaused = 0;
        g_oScriptManager.SetSlotStarted(false);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 0);
        AdventureManager::DestroySingleton();
        DialogManager::DestroySingleton();
        ResourceManager::DestroySingleton();
    }

    std::string Enter()
    {
        TestSupport::LogCapture capture;
        m_state.Enter();
        m_bEntered = true;
        return capture.Take();
    }
    std::string Exit()
    {
        TestSupport::LogCapture capture;
        m_state.Exit();
        m_bEntered = false;
        return capture.Take();
    }
    uint16_t Update()
    {
        TestSupport::LogCapture capture;
        return m_state.Update(FRAME);
    }
    // Runs the fade to its end and one frame past it, as the effect list
    // does.
    static void RunOut(GlobalFade fade)
    {
        ScreenColorEffect* effect = g_oTwGame.GetFade(fade);
        while (effect->IsRunning())
            effect->Update(1000);
    }
    TestSupport::FakeSceneWorld& World() { return m_world.World(); }
    // The current slot holds a game in the scene (0: no game).
    static SaveSlotData& Slot(int32_t scene, uint32_t character = 0)
    {
        SaveSlotData& slot = *AdventureManager::GetInstance()->GetSaveSlot(0);
        slot.m_iCurrentScene = scene;
        slot.m_aVarInts[VARINT_C_CURRENT_SCENE] = scene;
        slot.m_uPlayingCharacter = character;
        return slot;
    }

    TestSupport::TempDir m_folder;
    TestSupport::ScopedWorkingDirectory m_workingDirectory {m_folder.Path()};
    TestSupport::ScopedFakeSceneWorld m_world;
    FakeAdventure m_adventure;
    SceneManagerScriptLink m_sceneLink;
    TwGameStateLink m_stateLink {g_oTwGame};
    MainGameState m_state {&g_oTwGame};
    bool m_bEntered = false;
};

TEST_F(MainGameStateTest, AFilledSlotIsRestoredAndItsSceneStartsBehindTheFadeIn)
{
    Slot(9, 77);
    const std::string log = Enter();
    EXPECT_NE(log.find("Before Main State Init"), std::string::npos);
    EXPECT_EQ(m_adventure.record, Record({"open menu 77", "start inventory"}));
    EXPECT_EQ(SceneManager::GetPlayingCharacter(), 77u);
    // The common dialogs are the first group.
    EXPECT_FALSE(DialogManager::GetInstance()->IsSlotFree(COMMON_DIALOG_GROUP_NUMBER));
    EXPECT_EQ(DialogManager::GetInstance()->GetCurrentDialogGroup(), COMMON_DIALOG_GROUP_NUMBER);
    EXPECT_TRUE(m_state.IsAdventureStarted());
    EXPECT_TRUE(g_oScriptManager.IsChangePending());
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), 9);

    EXPECT_EQ(Update(), STATE_ID_MAIN);
    // The living room's script makes the playing character the active one.
    EXPECT_EQ(World().Take(), Record({"load in-game menu", "load scene 9", "active 77 in 9"}));
    EXPECT_EQ(SceneManager::GetCurrentSceneId(), 9);
    EXPECT_EQ(World().updates, 1); // the scene updates after the scripts, in the same frame
    EXPECT_TRUE(g_oTwGame.GetFade(GlobalFade::InFromBlack)->IsRunning());
    m_state.Render();
    EXPECT_EQ(World().renders, 1);
}

TEST_F(MainGameStateTest, AnEmptySlotOpensTheMenuForTheHeroineAndTakesTheLiveScene)
{
    Slot(0);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 5);
    Enter();
    EXPECT_EQ(m_adventure.record,
              Record({"open menu " + std::to_string(MainGameState::DEFAULT_MENU_CHARACTER), "start inventory"}));
    EXPECT_EQ(g_oScriptManager.GetNextSceneId(), 5);
}

TEST_F(MainGameStateTest, NoSceneInTheSlotStartsTheStartMenu)
{
    for (const int32_t bad : {0, 64, -3}) {
        Slot(0);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, bad);
        const std::string log = Enter();
        EXPECT_NE(log.find("message:\ninvalid sceneId\n"), std::string::npos) << log;
        EXPECT_NE(log.find("Scene " + std::to_string(bad) + " is no scene: the game starts at the start menu\n"),
                  std::string::npos)
            << log;
        EXPECT_EQ(g_oScriptManager.GetNextSceneId(), SceneManager::START_MENU_SCENE);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), SceneManager::START_MENU_SCENE);
        Update();
        EXPECT_EQ(SceneManager::GetCurrentSceneId(), SceneManager::START_MENU_SCENE);
        Exit();
    }
}

TEST_F(MainGameStateTest, AQueuedStateStartsOnlyOnceTheFadeOutHasFinishedAndTheFadeInIsOver)
{
    Slot(0);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
    Enter();
    Update();
    GameStateQueue& queue = g_oTwGame.GetStateQueue();
    queue.Push({STATE_ID_MINIGAME, 4, 0});
    g_oTwGame.GetFade(GlobalFade::OutToBlack)->Start();

    // Fading out: the scene goes on.
    EXPECT_EQ(Update(), STATE_ID_MAIN);
    EXPECT_EQ(World().updates, 2);
    // Faded out, but the scene's fade-in still runs.
    RunOut(GlobalFade::OutToBlack);
    EXPECT_EQ(Update(), STATE_ID_MAIN);
    EXPECT_EQ(World().updates, 3);
    RunOut(GlobalFade::InFromBlack);
    EXPECT_EQ(Update(), STATE_ID_MINIGAME);
    EXPECT_EQ(queue.GetCount(), 1); // the mini-game state takes its entry itself
}

TEST_F(MainGameStateTest, WhilePausedNothingAdvancesAndNothingHandsOverButTheSceneIsDrawn)
{
    Slot(0);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
    Enter();
    Update();
    RunOut(GlobalFade::InFromBlack);
    g_oTwGame.GetFade(GlobalFade::OutToBlack)->Start();
    RunOut(GlobalFade::OutToBlack);
    g_oTwGame.GetStateQueue().Push({STATE_ID_MOVIE, 1, 0});
    const int updates = World().updates;

    g_oTwGame.m_bPaused = 1;
    EXPECT_EQ(Update(), STATE_ID_MAIN);
    EXPECT_EQ(World().updates, updates);
    m_state.Render();
    EXPECT_EQ(World().renders, 1);

    g_oTwGame.m_bPaused = 0;
    EXPECT_EQ(Update(), STATE_ID_MOVIE);
    EXPECT_EQ(World().updates, updates + 1);
}

TEST_F(MainGameStateTest, LeavingStoresTheGameUnlessASlotStartsOrTheSlotHoldsTheStartMenu)
{
    struct Case {
        bool slotStarted;
        int32_t slotScene;
        bool stored;
    };
    const Case CASES[] = {{false, 9, true}, {true, 9, false}, {false, 3, false}, {false, 0, true}};
    for (const Case& c : CASES) {
        SaveSlotData& slot = Slot(c.slotScene);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
        Enter();
        Update();
        World().Take();
        m_adventure.record.clear();
        g_oScriptManager.SetSlotStarted(c.slotStarted);
        // A mark in the live variables shows whether they went into the slot.
        slot.m_aVarInts[VARINT_C_SLOT_TO] = 0;
        g_VarManager.SetInt(VARINT_C_SLOT_TO, 2);
        const std::string log = Exit();
        EXPECT_EQ(slot.m_aVarInts[VARINT_C_SLOT_TO], c.stored ? 2 : 0) << c.slotStarted << " " << c.slotScene;
        EXPECT_EQ(m_adventure.record, Record({"end inventory", "close menu"}));
        // A filled slot brings its own scene.
        const Record sceneEnd =
            c.slotScene == 3 ? Record({"end scene 3"}) : Record({"end scene 9", "unload in-game menu"});
        EXPECT_EQ(World().Take(), sceneEnd);
        EXPECT_EQ(SceneManager::GetCurrentScene(), nullptr);
        EXPECT_EQ(ResourceManager::GetInstance()->FindPackage(MainGameState::COMMON_DIALOGS), nullptr);
        EXPECT_EQ(DialogManager::GetInstance()->GetCurrentDialogGroup(), -1);
        EXPECT_NE(log.find("Release video memory \nINFO["), std::string::npos) << log;
        EXPECT_NE(log.find("After Main State Shutdown"), std::string::npos) << log;
        g_oScriptManager.SetSlotStarted(false);
    }
}

TEST_F(MainGameStateTest, AnEntryWithoutTheCommonDialogsRunsNoAdventureAndLeavesNothingToUndo)
{
    std::filesystem::remove(m_folder / MainGameState::COMMON_DIALOGS);
    Slot(0);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
    const std::string log = Enter();
    EXPECT_NE(log.find("Error loading \"scenes/common.dialogs.dat\"\nASSERT\n"), std::string::npos) << log;
    EXPECT_FALSE(m_state.IsAdventureStarted());
    EXPECT_FALSE(g_oScriptManager.IsChangePending());

    EXPECT_EQ(Update(), STATE_ID_MAIN);
    m_state.Render();
    EXPECT_TRUE(World().Take().empty());

    const std::string exitLog = Exit();
    EXPECT_TRUE(m_adventure.record.empty());
    EXPECT_NE(exitLog.find("After Main State Shutdown"), std::string::npos);
}

} // namespace
