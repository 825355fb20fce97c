// The game's links from the scene and script managers to the scene world:
// the sample living room loaded through the scene manager, as the game does.
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Graphics/GraphicsFormats.h"
#include "Managers/Common/GameAutoTestLink.h"
#include "Managers/Common/GameSceneWorldLink.h"
#include "Managers/Common/ResourceManager.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/GameScene.h"
#include "ScriptEngine/common/MapThumb.h"
#include "Support/FakeSceneServices.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTextureManager.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t LIVING_ROOM = 9;
constexpr uint32_t HEROINE = ActorIdOf("tavrine");

class SceneLinksTest : public TestSupport::NullRendererTest {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        NullRendererTest::SetUp();
        ResourceManager::CreateSingleton();
        // The interface pieces that every scene shows come with the common
        // pack in the game.
        ASSERT_TRUE(TestSupport::AddBlankTextures({"star", "int_arrow", "Int_pointers"}));
        SetSceneWorldLink(&m_world);
        SceneManager::ClearSceneIds();
    }
    void TearDown() override
    {
        SceneManager::Terminate();
        SceneManager::ClearSceneIds();
        SetSceneWorldLink(nullptr);
        ResourceManager::DestroySingleton();
        NullRendererTest::TearDown();
    }

    TestSupport::LogCapture m_log;
    TestSupport::FakeSceneServices m_services;
    TestSupport::FakeSceneCast m_cast;
    GameSceneWorldLink m_world;
    SceneManagerScriptLink m_link;
    GameAutoTestLink m_autoTest;
};

TEST_F(SceneLinksTest, MenuScenesAreMenuScenesAndEveryOtherSceneAnAdventureScene)
{
    for (int32_t iSceneId = ID_SCENE_FIRST; iSceneId < ID_SCENE_LAST; ++iSceneId) {
        const std::unique_ptr<ManagedScene> pScene = m_world.CreateScene(SceneManager::IsMenuScene(iSceneId));
        ASSERT_NE(dynamic_cast<Scene*>(pScene.get()), nullptr) << iSceneId;
        EXPECT_EQ(dynamic_cast<GameScene*>(pScene.get()) != nullptr, SceneManager::IsMenuScene(iSceneId)) << iSceneId;
    }
}

TEST_F(SceneLinksTest, TheScriptManagersSceneCallsReachTheCurrentSceneAndAreLoggedWithoutOne)
{
    // No scene yet: nothing to reach, each call says so.
    EXPECT_FALSE(m_link.HasScene());
    EXPECT_FALSE(m_link.IsInMenuState());
    EXPECT_EQ(m_autoTest.GetSceneInputState(), -1);
    m_link.PostEvent(ScriptSceneLink::EVENT_OPEN_MENU, 2);
    m_link.LoadActorSet("default");
    m_link.Prepare();
    m_link.SetWalkMeshBlocker(0, true);
    const std::string noScene = m_log.Take();
    for (const char* line : {"No scene: PostEvent(0, 2)\n", "No scene: LoadActorSet(default)\n",
                             "No scene: Prepare()\n", "No scene: SetWalkMeshBlocker(0, 1)\n"})
        EXPECT_NE(noScene.find(line), std::string::npos) << line << noScene;

    TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
    m_link.SetNextScene(LIVING_ROOM);
    ASSERT_TRUE(m_link.HasScene()) << m_log.Take();
    Scene* pScene = SceneManagerScriptLink::GetCurrentScene();
    ASSERT_NE(pScene, nullptr);
    EXPECT_EQ(dynamic_cast<GameScene*>(pScene), nullptr);
    EXPECT_EQ(m_link.GetSceneId(), LIVING_ROOM);
    EXPECT_EQ(m_autoTest.GetSceneInputState(), INPUT_STATE_IDLE);

    // The menu opens over the scene and the game's busy spell returns its
    // input to idle.
    m_link.PostEvent(ScriptSceneLink::EVENT_OPEN_MENU, 2);
    EXPECT_TRUE(m_link.IsInMenuState());
    EXPECT_EQ(m_autoTest.GetSceneInputState(), INPUT_STATE_MENU);
    m_link.PostEvent(ScriptSceneLink::EVENT_NOT_INTERACTIVE, 0);
    EXPECT_FALSE(m_link.IsInMenuState());
    EXPECT_EQ(pScene->m_iInputState, INPUT_STATE_IDLE);

    // The script's actor set brings its characters, and the playing one is
    // selected and active.
    m_link.LoadActorSet("default");
    ASSERT_EQ(pScene->m_iNumCharacters, 1);
    m_link.SetActiveCharacter(HEROINE);
    m_link.SelectCharacter(HEROINE);
    EXPECT_EQ(pScene->GetActiveCharacter(), pScene->m_apCharacters[0].get());
    EXPECT_EQ(pScene->GetSelectedCharacter(), pScene->m_apCharacters[0].get());

    // Blockers of the scene's walk mesh switch on and off.
    for (int32_t iBlocker = 0; iBlocker < pScene->m_oWalkMesh.m_iNumBlockers; ++iBlocker) {
        m_link.SetWalkMeshBlocker(iBlocker, true);
        EXPECT_EQ(pScene->m_oWalkMesh.m_pBlockers[iBlocker].m_bActive, 1);
        m_link.SetWalkMeshBlocker(iBlocker, false);
        EXPECT_EQ(pScene->m_oWalkMesh.m_pBlockers[iBlocker].m_bActive, 0);
    }
    // Actors come from the cast.
    EXPECT_NE(m_link.CreateActor(HEROINE), nullptr);
    EXPECT_EQ(m_cast.m_createdActors.back(), HEROINE);
    const std::string log = m_log.Take();
    EXPECT_EQ(log.find("No scene"), std::string::npos) << log;
    EXPECT_EQ(log.find("ASSERT"), std::string::npos) << log;

    m_link.SetNextScene(0);
    EXPECT_FALSE(m_link.HasScene());
    EXPECT_EQ(m_autoTest.GetSceneInputState(), -1);
}

TEST(GameAutoTestLinkTest, MapRecordsTravelToTheLocationsOfTheMapTab)
{
    MapThumb::InitThumbDescs();
    g_VarManager = VarSet {};
    GameAutoTestLink link;
    const std::span<const MapThumbDesc> locations = MapThumb::GetThumbDescs();
    ASSERT_EQ(link.GetNbMapLocations(), static_cast<int32_t>(locations.size()));
    for (int32_t i = 0; i < link.GetNbMapLocations(); ++i) {
        EXPECT_EQ(link.GetMapLocationScene(i), static_cast<int32_t>(locations[static_cast<size_t>(i)].m_uSceneId));
        EXPECT_FALSE(link.IsMapLocationActive(i)) << i;
    }
    // The first location opens with its flag.
    g_VarManager.SetBool(VARBOOL_BO_MAP_MK_ALL, 1);
    EXPECT_TRUE(link.IsMapLocationActive(0));
    g_VarManager = VarSet {};
}

} // namespace
