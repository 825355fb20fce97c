#include "Managers/Common/ScriptManager.h"

#include "Common/GameInterfaceImpl.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/ScriptStateLink.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"

#include <ctime>

void ScriptManager::SetCommonScripts(SceneScript* pInventoryScript, SceneScript* pSystemScript)
{
    m_pInventoryScript = pInventoryScript;
    m_pSystemScript = pSystemScript;
}

void ScriptManager::BuildScriptTree(ScriptTreeBuilder* pTreeBuilder, SceneScript* pScript)
{
    if (pScript == nullptr)
        return;
    m_pScriptTreeBuilder = pTreeBuilder;
    SceneScript::BuildScriptTree(pScript, pTreeBuilder);
    m_pScriptTreeBuilder = nullptr;
}

void ScriptManager::CreateLogicActors()
{
    ScriptSceneLink& oScene = GetScriptSceneLink();
    m_pLogicDialog = oScene.CreateActor(LOGIC_DIALOG_ACTOR_ID);
    m_pLogicSound = oScene.CreateActor(LOGIC_SOUND_ACTOR_ID);
    if (m_pLogicDialog)
        InsertScriptable(static_cast<int32_t>(LOGIC_DIALOG_ACTOR_ID), m_pLogicDialog.get());
    if (m_pLogicSound)
        InsertScriptable(static_cast<int32_t>(LOGIC_SOUND_ACTOR_ID), m_pLogicSound.get());
}

void ScriptManager::DeleteLogicActors()
{
    for (std::unique_ptr<Scriptable>* ppActor : {&m_pLogicDialog, &m_pLogicSound}) {
        if (*ppActor) {
            RemoveScriptable((*ppActor)->GetId());
            ppActor->reset();
        }
    }
}

void ScriptManager::AttachTree(bool bAttach)
{
    if (bAttach)
        g_oGameInterface.AttachScriptTree(&m_oTree);
    else if (m_bTreeAttached)
        g_oGameInterface.AttachScriptTree(nullptr);
    m_bTreeAttached = bAttach;
}

void ScriptManager::InitScene()
{
    if (!m_pSceneScript)
        return;
    SetScriptableServices(this);
    // The scene's regions fire their Touch and UnTouch events here.
    SetSceneEventSink(this);
    ResetEvents();
    m_pSceneScript->SetOwner(this);
    m_pSceneScript->Init();
    CreateLogicActors();

    ScriptSceneLink& oScene = GetScriptSceneLink();
    const uint32_t uPlayingCharacter = oScene.GetPlayingCharacter();
    oScene.SetActiveCharacter(uPlayingCharacter);
    oScene.SelectCharacter(uPlayingCharacter);

    m_oTree.m_iRoot = m_oNodePool.AllocNode();
    if (m_oTree.m_iRoot != NO_NODE) {
        ScriptTreeBuilder oTreeBuilder(m_oNodePool, m_oTree.m_iRoot);
        for (SceneScript* pScript : {m_pSceneScript.get(), m_pInventoryScript, m_pSystemScript})
            BuildScriptTree(&oTreeBuilder, pScript);
    }
    AttachTree(true);

    // Value nodes of the tree filter by scene.
    m_oContext.SetValue(oScene.GetSceneId());
    m_oContext.SetGameInterface(GameInterface::GetGameInterface());
    m_oContext.SetTree(m_oTree);
    ClearContext();

    EventDesc oInit;
    PushEvent(*BuildEvent(&oInit, TwEventType_Init, 0));
}

void ScriptManager::TermScene()
{
    if (m_pSceneScript) {
        DeleteLogicActors();
        m_pSceneScript->Term();
        m_pSceneScript.reset();
    }
    GetScriptStateLink().StopScriptableEffects();
    // A walk still under way points into the tree that goes now; what is left
    // of it belonged to the scene that ends.
    ClearContext();
    AttachTree(false);
    m_oNodePool.ResetPool();
    m_oTree.m_iRoot = NO_NODE;
    m_oContext.SetValue(0);
    m_oContext.SetTree(ScriptTree {});
}

void ScriptManager::ChangeScene(int32_t iSceneId)
{
    ScriptSceneLink& oScene = GetScriptSceneLink();
    if (iSceneId == 0) {
        TermScene();
        oScene.SetNextScene(0);
        return;
    }
    m_iNextSceneId = iSceneId;
    m_bChangePending = 1;
    ScriptStateLink& oStates = GetScriptStateLink();
    if (oScene.HasScene() && !oStates.IsFadeRunning(GlobalFade::OutToBlack))
        oStates.StartFade(GlobalFade::OutToBlack);
}

void ScriptManager::ApplySceneChange()
{
    const clock_t start = std::clock();
    TermScene();
    ScriptSceneLink& oScene = GetScriptSceneLink();
    oScene.SetNextScene(m_iNextSceneId);
    // A scene that could not be loaded is replaced by the start menu: the
    // script follows the scene that is there.
    const int32_t iSceneId = oScene.GetSceneId();
    m_pSceneScript.reset(m_pMakeSceneScript != nullptr && iSceneId != 0 ? m_pMakeSceneScript(iSceneId) : nullptr);
    InitScene();
    GetScriptStateLink().StartFade(GlobalFade::InFromBlack);
    m_iNextSceneId = 0;
    m_bChangePending = 0;
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    CorePrint(&g_oCoreLog, "====================\n");
    CorePrint(&g_oCoreLog, "Scene Init time: %.2f Sec\n", seconds);
    CorePrint(&g_oCoreLog, "====================\n");
}

void ScriptManager::WalkEvents()
{
    for (;;) {
        const EventDesc oEvent = m_oEvent;
        m_oEvent = EventDesc::MakeEmpty();
        if (oEvent.IsEmpty()) {
            ClearContext();
            m_iInteractive = 0;
            return;
        }
        m_iInteractive = 1;
        PostNotInteractive();
        m_oContext.Start(oEvent);
        // A walk that ends at once lets the next pending event run in this frame.
        if (!m_oContext.Step())
            return;
    }
}

void ScriptManager::Update(uint32_t dt)
{
    bool bSceneStarted = false;
    if (m_bChangePending != 0) {
        ScriptStateLink& oStates = GetScriptStateLink();
        const bool bFadedOut =
            !oStates.IsFadeRunning(GlobalFade::OutToBlack) || oStates.IsFadeFinished(GlobalFade::OutToBlack);
        if (bFadedOut && oStates.IsStateQueueEmpty()) {
            ApplySceneChange();
            bSceneStarted = true;
        }
    }

    const bool bWalking = m_oContext.GetCursor() != NO_NODE || !m_oContext.AreActionsDone();
    if (bWalking) {
        if (m_oContext.Step()) {
            ClearContext();
            m_iInteractive = 0;
        }
    } else {
        WalkEvents();
    }

    m_oRegistry.ForEach([dt](Scriptable& oScriptable) { oScriptable.Update(dt); });
    if (m_pSceneScript)
        m_pSceneScript->Update(dt);
    if (bSceneStarted)
        GetScriptSceneLink().Prepare();
    AutoTest_Update();
}
