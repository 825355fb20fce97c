#include "States/Common/MainGameState.h"

#include "Common/GameLink.h"
#include "Common/ProfileSections.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Dialogs/Common/DialogManager.h"
#include "Effects/Common/ScreenColorEffect.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/ManagedScene.h"
#include "Managers/Common/ResourceManager.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Managers/Common/VarManager.h"
#include "Profiler/CoreProfiler.h"
#include "States/Common/AdventureLink.h"
#include "States/Common/FiniteStateManager.h"

namespace {

// The recorded play-through is handed over once per run.
bool s_bFirstAutoTestEntry = true;

// The current save slot; null without save slots.
SaveSlotData* CurrentSlot()
{
    AdventureManager* pAdventure = AdventureManager::GetInstance();
    return pAdventure != nullptr ? pAdventure->GetSaveSlot(pAdventure->GetSaveSlotIndex()) : nullptr;
}

} // namespace

MainGameState::MainGameState(FiniteStateManager* pOwner) : GameState(pOwner, STATE_ID_MAIN)
{
}

MainGameState::~MainGameState()
{
    ReleaseTextRenderers();
}

void MainGameState::OnInit()
{
    GetGameLink().LogStep("Before Main State Init");
    m_oMainText.Initialize(&GetGameLink().GetMainFont(), TEXT_LINES);
    m_oSmallText.Initialize(&GetGameLink().GetSmallFont(), TEXT_LINES);
    SceneManager::ClearSceneIds();

    DialogManager* pDialogs = DialogManager::GetInstance();
    if (pDialogs != nullptr)
        pDialogs->Initialize();
    ResourceManager* pResources = ResourceManager::GetInstance();
    m_pCommonDialogs = pResources != nullptr ? pResources->LoadPackage(COMMON_DIALOGS) : nullptr;
    if (m_pCommonDialogs == nullptr) {
        // The state runs on without an adventure.
        ENGINE_ASSERT(false);
        return;
    }
    if (pDialogs != nullptr) {
        const int32_t iDialogGroup = pDialogs->AddDialogGroup(-1, m_pCommonDialogs->Buffer(), m_pCommonDialogs->Size(),
                                                              COMMON_DIALOG_GROUP_NUMBER, COMMON_DIALOGS);
        ENGINE_ASSERT(iDialogGroup == COMMON_DIALOG_GROUP_NUMBER);
    }

    AdventureLink& oAdventure = GetAdventureLink();
    SaveSlotData* pSlot = CurrentSlot();
    if (pSlot != nullptr && pSlot->m_iCurrentScene != 0 &&
        g_oScriptManager.GetNextSceneId() != SceneManager::START_MENU_SCENE) {
        oAdventure.OpenMenu(pSlot->m_uPlayingCharacter);
        AdventureManager::GetInstance()->RestoreGameState(pSlot);
    } else {
        oAdventure.OpenMenu(DEFAULT_MENU_CHARACTER);
    }
    g_oScriptManager.SetSlotStarted(false);
    g_oScriptManager.GetNodePool().InitPool();
    if (GetGameLink().IsAutoTest() && s_bFirstAutoTestEntry) {
        s_bFirstAutoTestEntry = false;
        oAdventure.StartAutoTestPlayback();
    }
    oAdventure.StartInventoryScript();
    m_bAdventureStarted = true;
    g_oScriptManager.ChangeScene(SceneToStart());
}

int32_t MainGameState::SceneToStart()
{
    const int32_t iSceneId = g_VarManager.GetInt(VARINT_C_CURRENT_SCENE);
    ENGINE_ASSERT_MSG(iSceneId >= ID_SCENE_FIRST && iSceneId < ID_SCENE_LAST, "invalid sceneId");
    if (iSceneId >= ID_SCENE_FIRST && iSceneId < ID_SCENE_LAST)
        return iSceneId;
    CorePrint(&g_oCoreLog, "Scene %d is no scene: the game starts at the start menu\n", iSceneId);
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, SceneManager::START_MENU_SCENE);
    return SceneManager::START_MENU_SCENE;
}

uint16_t MainGameState::Update(uint32_t dt)
{
    if (GetGameLink().IsPaused())
        return STATE_ID_MAIN;
    if (m_bAdventureStarted) {
        Core::CoreProfiler& oProfiler = Core::CoreProfiler::GetInstance();
        oProfiler.Start(PROFILE_UPDATE_SCRIPT);
        g_oScriptManager.Update(dt);
        oProfiler.Stop(PROFILE_UPDATE_SCRIPT);

        AdventureLink& oAdventure = GetAdventureLink();
        oAdventure.UpdateInventoryScript(dt);

        oProfiler.Start(PROFILE_UPDATE_DIALOG);
        DialogManager* pDialogs = DialogManager::GetInstance();
        if (pDialogs != nullptr && pDialogs->IsDialogRunning())
            pDialogs->UpdateScript();
        oProfiler.Stop(PROFILE_UPDATE_DIALOG);

        oProfiler.Start(PROFILE_UPDATE_SCENE);
        ManagedScene* pScene = SceneManager::GetCurrentScene();
        if (SceneManager::GetCurrentSceneId() != 0 && pScene != nullptr)
            pScene->Update(dt);
        oProfiler.Stop(PROFILE_UPDATE_SCENE);
    }
    if (IsHandOverDue())
        return static_cast<uint16_t>(GetOwner()->GetStateQueue().Top()->m_uStateId);
    return STATE_ID_MAIN;
}

bool MainGameState::IsHandOverDue() const
{
    if (GetOwner()->GetStateQueue().IsEmpty())
        return false;
    const ScreenColorEffect* pFadeOut = GetGameLink().GetFade(GlobalFade::OutToBlack);
    const ScreenColorEffect* pFadeIn = GetGameLink().GetFade(GlobalFade::InFromBlack);
    return pFadeOut != nullptr && pFadeOut->IsFinished() && (pFadeIn == nullptr || !pFadeIn->IsRunning());
}

void MainGameState::Render()
{
    ManagedScene* pScene = SceneManager::GetCurrentScene();
    if (SceneManager::GetCurrentSceneId() != 0 && pScene != nullptr)
        pScene->Render();
}

void MainGameState::OnShutdown()
{
    if (m_bAdventureStarted) {
        // A slot that starts has its own game state; the start menu is kept
        // out of the slots.
        SaveSlotData* pSlot = CurrentSlot();
        if (!g_oScriptManager.IsSlotStarted() && pSlot != nullptr &&
            pSlot->m_iCurrentScene != SceneManager::START_MENU_SCENE)
            AdventureManager::GetInstance()->StoreGameState(pSlot);
        GetAdventureLink().EndInventoryScript();
        g_oScriptManager.ChangeScene(0);
        g_oScriptManager.GetNodePool().TermPool();
    }
    DialogManager* pDialogs = DialogManager::GetInstance();
    if (m_bAdventureStarted && pDialogs != nullptr)
        pDialogs->RemoveDialogGroup(COMMON_DIALOG_GROUP_NUMBER);
    if (m_pCommonDialogs != nullptr) {
        if (ResourceManager* pResources = ResourceManager::GetInstance())
            pResources->UnloadPackage(m_pCommonDialogs);
        m_pCommonDialogs = nullptr;
    }
    if (pDialogs != nullptr)
        pDialogs->Shutdown();
    if (m_bAdventureStarted)
        GetAdventureLink().CloseMenu();
    m_bAdventureStarted = false;
    SceneManager::Terminate();
    ReleaseTextRenderers();
    CorePrint(&g_oCoreLog, "Release video memory \n");
    GetGameLink().LogStep("After Main State Shutdown");
}

void MainGameState::ReleaseTextRenderers()
{
    m_oSmallText.Release();
    m_oMainText.Release();
}

Tw::TextRenderer* GetCurrentStateTextRenderer(bool bSmallFont)
{
    auto* pState = dynamic_cast<MainGameState*>(GetGameLink().GetStates().GetCurrentState());
    if (pState == nullptr)
        return nullptr;
    return bSmallFont ? &pState->GetSmallTextRenderer() : &pState->GetMainTextRenderer();
}
