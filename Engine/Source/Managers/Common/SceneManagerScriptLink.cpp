#include "Managers/Common/SceneManagerScriptLink.h"

#include "Managers/Common/ManagedScene.h"
#include "Managers/Common/SceneManager.h"

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

void SceneManagerScriptLink::SetActiveCharacter(uint32_t uActorId)
{
    if (ManagedScene* pScene = SceneManager::GetCurrentScene())
        pScene->SetActiveCharacter(uActorId);
}
