// Every scene of the scene table loads in the game's scene world from the
// sample data folder, built from its own source: the scene
// manager keeps it (no fall back to the start menu), its entities are its
// row's objects in the row's order and a 3D scene has its row's actor sets.
#include "Adventure/Common/Entity.h"
#include "Common/SceneIds.h"
#include "Managers/Common/GameSceneWorldLink.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "Scene/Common/ActorSet.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> EntityNames(const Scene& scene)
{
    std::vector<std::string> names;
    for (int32_t i = 0; i < scene.m_iNumEntities; ++i) {
        const char* name = scene.m_vEntities[i].GetName();
        names.emplace_back(name, strnlen(name, SCENE_OBJECT_NAME_SIZE));
    }
    return names;
}

std::vector<std::string> RowObjects(const SceneDesc& row)
{
    std::vector<std::string> names;
    for (int32_t i = 0; i < row.m_iNbObjects; ++i)
        names.emplace_back(std::string(row.m_ppObjectNames[i]).substr(0, SCENE_OBJECT_NAME_SIZE));
    return names;
}

// The game's scene world over the real OpenGL device, offscreen, with the
// common packages of the data folder.
class EverySceneLoadsTest : public TestSupport::SampleScenePictureTest {
protected:
    void SetUp() override
    {
        SampleScenePictureTest::SetUp();
        if (HasFatalFailure())
            return;
        SetSceneWorldLink(&m_world);
        SceneManager::ClearSceneIds();
    }
    void TearDown() override
    {
        SceneManager::Terminate();
        SceneManager::ClearSceneIds();
        SetSceneWorldLink(nullptr);
        SampleScenePictureTest::TearDown();
    }

    TestSupport::LogCapture m_log;
    TestSupport::FakeSceneServices m_services;
    GameSceneWorldLink m_world;
    SceneManagerScriptLink m_link;
};

TEST_F(EverySceneLoadsTest, EverySceneIdLoadsWithTheObjectsOfItsRow)
{
    int scenes = 0;
    for (const SceneDesc* const* ppRow = Id::GetSceneRegistry(); *ppRow != nullptr; ++ppRow) {
        const SceneDesc& row = **ppRow;
        SCOPED_TRACE(row.m_pName);
        m_link.SetNextScene(row.m_iId);
        ASSERT_EQ(m_link.GetSceneId(), row.m_iId) << m_log.Take();
        Scene* pScene = SceneManagerScriptLink::GetCurrentScene();
        ASSERT_NE(pScene, nullptr);
        EXPECT_EQ(EntityNames(*pScene), RowObjects(row));
        EXPECT_EQ(pScene->m_bIs3D != 0, row.m_bIs3D != 0);
        if (row.m_bIs3D) {
            for (int32_t s = 0; s < row.m_iNbActorSets; ++s) {
                bool found = false;
                for (int32_t i = 0; i < pScene->m_iNumActorSets; ++i)
                    found = found || std::strcmp(pScene->m_vActorSets[i].m_pName, row.m_pActorSets[s].m_pName) == 0;
                EXPECT_TRUE(found) << "actor set " << row.m_pActorSets[s].m_pName;
            }
        }
        const std::string log = m_log.Take();
        EXPECT_EQ(log.find("ASSERT"), std::string::npos) << log;
        ++scenes;
    }
    m_link.SetNextScene(0);
    EXPECT_EQ(scenes, ID_SCENE_LAST - 1);
}

} // namespace
