#include "Managers/Common/SceneManagerScriptLink.h"

#include "Managers/Common/ManagedScene.h"
#include "Managers/Common/SceneManager.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCast.h"

Scene* SceneManagerScriptLink::GetCurrentScene()
{
    return dynamic_cast<Scene*>(SceneManager::GetCurrentScene());
}

bool SceneManagerScriptLink::HasScene()
{
    return SceneManager::GetCurrentScene() != nullptr;
}

int32_t SceneManagerScriptLink::GetSceneId()
{
    return SceneManager::GetCurrentSceneId();
}

void SceneManagerScriptLink::SetNextScene(int32_t iSceneId)
{
    SceneManager::SetNextScene(iSceneId);
}

uint32_t SceneManagerScriptLink::GetPlayingCharacter()
{
    return SceneManager::GetPlayingCharacter();
}

void SceneManagerScriptLink::SetPlayingCharacter(uint32_t uActorId)
{
    SceneManager::SetPlayingCharacter(uActorId);
}

void SceneManagerScriptLink::PostEvent(int32_t iCode, int32_t iParameter)
{
    Scene* pScene = GetCurrentScene();
    if (pScene == nullptr) {
        m_oNoScene.PostEvent(iCode, iParameter);
        return;
    }
    // The one parameter the script manager posts is the in-game menu's page.
    SceneEventParams oParams;
    oParams.m_iTab = iParameter;
    pScene->PostEvent(iCode, oParams);
}

bool SceneManagerScriptLink::IsInMenuState()
{
    const Scene* pScene = GetCurrentScene();
    return pScene != nullptr && pScene->m_iInputState == INPUT_STATE_MENU;
}

void SceneManagerScriptLink::SetActiveCharacter(uint32_t uActorId)
{
    if (ManagedScene* pScene = SceneManager::GetCurrentScene())
        pScene->SetActiveCharacter(uActorId);
}

void SceneManagerScriptLink::SelectCharacter(uint32_t uActorId)
{
    if (Scene* pScene = GetCurrentScene())
        pScene->SelectCharacter(uActorId);
    else
        m_oNoScene.SelectCharacter(uActorId);
}

void SceneManagerScriptLink::DirectionToVector(int32_t iDirection)
{
    if (Scene* pScene = GetCurrentScene())
        pScene->DirectionToVector(iDirection);
    else
        m_oNoScene.DirectionToVector(iDirection);
}

void SceneManagerScriptLink::LoadActorSet(const char* pName)
{
    if (Scene* pScene = GetCurrentScene())
        pScene->LoadActorSet(pName);
    else
        m_oNoScene.LoadActorSet(pName);
}

void SceneManagerScriptLink::Prepare()
{
    if (Scene* pScene = GetCurrentScene())
        pScene->Prepare();
    else
        m_oNoScene.Prepare();
}

void SceneManagerScriptLink::SetWalkMeshBlocker(int32_t iBlockerId, bool bActive)
{
    Scene* pScene = GetCurrentScene();
    if (pScene == nullptr) {
        m_oNoScene.SetWalkMeshBlocker(iBlockerId, bActive);
        return;
    }
    if (bActive)
        pScene->m_oWalkMesh.ActivateBlocker(iBlockerId);
    else
        pScene->m_oWalkMesh.DisactivateBlocker(iBlockerId);
}

std::unique_ptr<Scriptable> SceneManagerScriptLink::CreateActor(uint32_t uActorId)
{
    return GetSceneCast().CreateActor(uActorId);
}
