#pragma once
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/GlobalScript.h"
#include "Scripts/Common/InventoryScript.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gtest/gtest.h>

#include <memory>

// The script's scene link, handing the actor set that the script chooses, the
// playing and the selected character and the walk-mesh blockers on to the
// scene, as the game's scene manager does.
class CastingSceneLink : public FakeSceneLink {
public:
    void LoadActorSet(const char* pName) override
    {
        FakeSceneLink::LoadActorSet(pName);
        if (m_pScene)
            m_pScene->LoadActorSet(pName);
    }
    void SetActiveCharacter(uint32_t uActorId) override
    {
        FakeSceneLink::SetActiveCharacter(uActorId);
        if (m_pScene)
            m_pScene->SetActiveCharacter(uActorId);
    }
    void SelectCharacter(uint32_t uActorId) override
    {
        FakeSceneLink::SelectCharacter(uActorId);
        if (m_pScene)
            m_pScene->SelectCharacter(uActorId);
    }
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override
    {
        FakeSceneLink::SetWalkMeshBlocker(iBlockerId, bActive);
        if (m_pScene && bActive)
            m_pScene->m_oWalkMesh.ActivateBlocker(iBlockerId);
        else if (m_pScene)
            m_pScene->m_oWalkMesh.DisactivateBlocker(iBlockerId);
    }
    Scene* m_pScene = nullptr;
};

// A sample scene of the data folder with the scripts behind it: its own, the
// inventory's and the system's, on fake state, save and game links.
class SampleSceneScriptTest : public TestSupport::SampleScenePictureTest {
protected:
    void SetUp() override
    {
        SampleScenePictureTest::SetUp();
        if (HasFatalFailure())
            return;
        g_VarManager = VarSet {};
        m_manager.GetNodePool().InitPool();
        m_manager.SetSceneScriptMaker(&CreateScriptFromId);
        m_manager.SetCommonScripts(&m_inventory, &g_oGlobalScript);
    }
    void TearDown() override
    {
        Leave();
        m_manager.SetCommonScripts(nullptr, nullptr);
        m_manager.GetNodePool().TermPool();
        g_VarManager = VarSet {};
        SampleScenePictureTest::TearDown();
    }

    // Loads the scene and walks its script's enter actions in the chapter,
    // with the variables as the test set them and the playing character, as
    // an arrival from no scene (no fade-out). Enter actions may hold the
    // scene for a while (the world map waits 5 s in chapter 6): it runs
    // until they are done, within 30 s, or until they lead to another scene.
    void Enter(SceneId iSceneId, int32_t iChapter, uint32_t uPlayingCharacter)
    {
        Leave();
        // What the last visit left running has ended by the time the game
        // enters the next scene.
        m_states.Settle();
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, iSceneId);
        m_scene = std::make_unique<Scene>();
        ASSERT_TRUE(m_scene->Initialize(iSceneId)) << m_log.Take();
        m_sceneLink.m_pScene = m_scene.get();
        m_sceneLink.m_uPlayingCharacter = uPlayingCharacter;
        m_sceneLink.m_bHasScene = false;
        m_manager.ChangeScene(iSceneId);
        for (int frame = 0; frame < 300 || (m_manager.IsBusy() && !m_manager.IsChangePending() && frame < 1900);
             ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        ASSERT_TRUE(!m_manager.IsBusy() || m_manager.IsChangePending())
            << Id::GetSceneDesc(iSceneId)->m_pName << ", chapter " << iChapter;
        ASSERT_TRUE(m_scene->Prepare());
        m_scene->Update(16);
    }
    void Leave()
    {
        m_manager.TermScene();
        if (m_scene)
            m_scene->Shutdown();
        m_sceneLink.m_pScene = nullptr;
        m_scene.reset();
    }

    TestSupport::LogCapture m_log;
    CastingSceneLink m_sceneLink;
    FakeStateLink m_states;
    FakeSaveLink m_saves;
    FakeGameLink m_game;
    ScriptManager m_manager;
    InventoryScript m_inventory;
    TestSupport::FakeSceneServices m_services {&m_manager};
    std::unique_ptr<Scene> m_scene;
};
