#include "Managers/Common/SceneManager.h"

#include "Common/GameLink.h"
#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ManagedScene.h"
#include "Managers/Common/SceneWorldLink.h"
#include "Managers/Common/VarManager.h"

std::unique_ptr<ManagedScene> SceneManager::s_pCurrentScene;
int32_t SceneManager::s_iCurrentSceneId = 0;
int32_t SceneManager::s_iPreviousSceneId = 0;
uint32_t SceneManager::s_uPlayingCharacter = 0;

namespace {

constexpr int32_t MENU_SCENES[] = {3, 1, 4, 61};

// Whether the id stands for no scene or a menu scene: the in-game menu's
// scene part is loaded only inside the adventure.
bool IsOutsideAdventure(int32_t iSceneId)
{
    return iSceneId == 0 || SceneManager::IsMenuScene(iSceneId);
}

} // namespace

bool SceneManager::IsMenuScene(int32_t iSceneId)
{
    for (const int32_t iMenuScene : MENU_SCENES) {
        if (iSceneId == iMenuScene)
            return true;
    }
    return false;
}

void SceneManager::SetNextScene(int32_t iNextSceneId)
{
    SceneWorldLink& oWorld = GetSceneWorldLink();
    if (s_iCurrentSceneId != 0) {
        if (s_pCurrentScene) {
            s_pCurrentScene->Shutdown();
            s_pCurrentScene.reset();
        }
        if (!IsMenuScene(s_iCurrentSceneId) && IsOutsideAdventure(iNextSceneId))
            oWorld.UnloadMenu();
        s_iPreviousSceneId = s_iCurrentSceneId;
        s_iCurrentSceneId = 0;
        if (iNextSceneId != 0)
            oWorld.UpdateHeroInventory();
    }
    if (iNextSceneId == 0)
        return;

    const bool bEntersAdventure = !IsMenuScene(iNextSceneId) && IsOutsideAdventure(s_iPreviousSceneId);
    if (bEntersAdventure)
        oWorld.LoadMenu();
    if (!LoadScene(iNextSceneId)) {
        if (bEntersAdventure)
            oWorld.UnloadMenu();
        // Every way back leads to the start menu: without it the game
        // cannot go on.
        if (iNextSceneId == START_MENU_SCENE) {
            CorePrint(&g_oCoreLog, "The start menu could not be loaded: the game cannot go on\n");
            oWorld.EndGameAsFailed();
            return;
        }
        // A recorded play-through would go on in the start menu, its inputs
        // landing on whatever is there: the run fails instead.
        if (GetGameLink().IsAutoTest()) {
            CorePrint(&g_oCoreLog, "AutoTest: scene %d could not be loaded: the replay stops as failed\n",
                      iNextSceneId);
            oWorld.EndGameAsFailed();
            return;
        }
        CorePrint(&g_oCoreLog, "Scene %d could not be loaded: back to the start menu\n", iNextSceneId);
        g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, START_MENU_SCENE);
        SetNextScene(START_MENU_SCENE);
        return;
    }
    const bool bGoodInitialization = oWorld.UpdateMap();
    ENGINE_ASSERT(bGoodInitialization);
    s_iCurrentSceneId = iNextSceneId;
}

bool SceneManager::LoadScene(int32_t iSceneId)
{
    ENGINE_ASSERT(s_pCurrentScene == NULL);
    std::unique_ptr<ManagedScene> pScene = GetSceneWorldLink().CreateScene(IsMenuScene(iSceneId));
    if (!pScene)
        return false;
    if (!pScene->Initialize(iSceneId)) {
        // What the scene loaded before it failed goes with it.
        pScene->Shutdown();
        return false;
    }
    s_pCurrentScene = std::move(pScene);
    return true;
}

void SceneManager::SetPlayingCharacter(uint32_t uActorId)
{
    s_uPlayingCharacter = uActorId;
    if (s_iCurrentSceneId != 0 && s_pCurrentScene)
        s_pCurrentScene->SetActiveCharacter(uActorId);
}

void SceneManager::Terminate()
{
    if (s_pCurrentScene) {
        if (s_iCurrentSceneId != 0)
            s_pCurrentScene->Shutdown();
        s_pCurrentScene.reset();
    }
    s_iCurrentSceneId = 0;
    s_iPreviousSceneId = 0;
}

void SceneManager::ClearSceneIds()
{
    s_iCurrentSceneId = 0;
    s_iPreviousSceneId = 0;
    s_uPlayingCharacter = 0;
}
