#include "Common/VarIds.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/VarManager.h"
#include "Support/FakeSceneWorld.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Record = std::vector<std::string>;

class SceneManagerTest : public testing::Test {
protected:
    void TearDown() override
    {
        SceneManager::Terminate();
        SceneManager::ClearSceneIds();
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 0);
    }
    TestSupport::FakeSceneWorld& World() { return m_world.World(); }

    TestSupport::ScopedFakeSceneWorld m_world;
};

TEST_F(SceneManagerTest, TheInGameMenuIsLoadedOnlyInsideTheAdventure)
{
    struct Step {
        int32_t next;
        Record record;
    };
    // The first switch after the adventure starts, then start menu ->
    // adventure -> adventure -> chapter menu -> adventure -> none.
    const Step STEPS[] = {
        {3, {"load menu scene 3"}},
        {9, {"end scene 3", "hero inventory", "load in-game menu", "load scene 9"}},
        {10, {"end scene 9", "hero inventory", "load scene 10"}},
        {1, {"end scene 10", "unload in-game menu", "hero inventory", "load menu scene 1"}},
        {61, {"end scene 1", "hero inventory", "load menu scene 61"}},
        {12, {"end scene 61", "hero inventory", "load in-game menu", "load scene 12"}},
        {0, {"end scene 12", "unload in-game menu"}},
    };
    int32_t previous = 0;
    for (const Step& step : STEPS) {
        SceneManager::SetNextScene(step.next);
        EXPECT_EQ(World().Take(), step.record) << step.next;
        EXPECT_EQ(SceneManager::GetCurrentSceneId(), step.next);
        EXPECT_EQ(SceneManager::GetCurrentScene() != nullptr, step.next != 0);
        if (previous != 0) {
            EXPECT_EQ(SceneManager::GetPreviousSceneId(), previous);
        }
        previous = step.next;
    }
}

TEST_F(SceneManagerTest, TheFirstAdventureSceneOfARunLoadsTheInGameMenu)
{
    SceneManager::SetNextScene(20);
    EXPECT_EQ(World().Take(), Record({"load in-game menu", "load scene 20"}));
}

TEST_F(SceneManagerTest, ASceneThatFailsToLoadIsReplacedByTheStartMenu)
{
    SceneManager::SetNextScene(3);
    World().Take();
    World().failingScenes = {9};
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
    TestSupport::LogCapture capture;
    SceneManager::SetNextScene(9);
    EXPECT_NE(capture.Take().find("Scene 9 could not be loaded: back to the start menu\n"), std::string::npos);
    EXPECT_EQ(World().Take(), Record({"end scene 3", "hero inventory", "load in-game menu", "load scene 9",
                                      "end scene 9", "unload in-game menu", "load menu scene 3"}));
    EXPECT_EQ(SceneManager::GetCurrentSceneId(), 3);
    EXPECT_NE(SceneManager::GetCurrentScene(), nullptr);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 3);
}

TEST_F(SceneManagerTest, AStartMenuThatFailsToLoadEndsTheGameAsFailed)
{
    World().failingScenes = {3};
    TestSupport::LogCapture capture;
    SceneManager::SetNextScene(3);
    EXPECT_NE(capture.Take().find("The start menu could not be loaded: the game cannot go on\n"), std::string::npos);
    EXPECT_EQ(SceneManager::GetCurrentSceneId(), 0);
    EXPECT_EQ(SceneManager::GetCurrentScene(), nullptr);
    EXPECT_EQ(World().Take(), Record({"load menu scene 3", "end scene 3", "game ends as failed"}));
}

TEST_F(SceneManagerTest, ThePlayingCharacterBecomesTheCurrentScenesActiveOne)
{
    SceneManager::SetPlayingCharacter(7);
    EXPECT_TRUE(World().Take().empty());
    SceneManager::SetNextScene(9);
    World().Take();
    SceneManager::SetPlayingCharacter(8);
    EXPECT_EQ(World().Take(), Record({"active 8 in 9"}));
    EXPECT_EQ(SceneManager::GetPlayingCharacter(), 8u);

    SceneManager::Terminate();
    EXPECT_EQ(World().Take(), Record({"end scene 9"}));
    EXPECT_EQ(SceneManager::GetCurrentSceneId(), 0);
    EXPECT_EQ(SceneManager::GetPreviousSceneId(), 0);
}

} // namespace
