#pragma once
#include "Adventure/Common/ScriptableServices.h"
#include "Common/IdHash.h"
#include "Managers/Common/AutoTestFrameTimes.h"
#include "Managers/Common/ScriptableRegistry.h"
#include "Scene/Common/SceneEventSink.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "ScriptEngine/common/EventDesc.h"
#include "ScriptEngine/common/ScriptNode.h"
#include "ScriptEngine/common/ScriptTreeContext.h"

#include <cstdint>
#include <memory>
#include <span>

class SceneScript;
class ScriptTreeBuilder;

// The two built-in actors that every scene has: scripts wait on the dialog one
// and play sounds through the other.
constexpr uint32_t LOGIC_DIALOG_ACTOR_ID = ActorIdOf("logic_dialog");
constexpr uint32_t LOGIC_SOUND_ACTOR_ID = ActorIdOf("logic_sound");

// The most handlers that an offered event is compared with.
constexpr int32_t MAX_COLLECTED_EVENTS = 128;

// The character a new game leads, and where it starts: the first chapter is
// the kid's, with her quests, her inventory and the places of her map.
constexpr uint32_t NEW_GAME_PLAYING_CHARACTER = ActorIdOf("tavrine_kid");
constexpr int32_t NEW_GAME_SCENE = 4;
constexpr int32_t NEW_GAME_CHAPTER = 1;
constexpr int32_t NEW_GAME_MOVIE = 1;

// Makes a scene's script object from its id; null when the scene has none.
using SceneScriptMaker = SceneScript* (*)(int iSceneId);

// Runs the scripts of the current scene: the registry of scriptables, the
// scene script and its script tree, the one pending event and its walk, the
// interactive lock, the two logic actors and the global actions. Once per
// frame the main state calls Update before the scene updates, so an event that
// input fires in one frame is handled from the next.
//
// The game is busy, and refuses events, while an event is handled (the lock
// count is not 0), a scene change is pending, the scene fade-out runs or a
// game state is queued.
class ScriptManager final : public ScriptableServices, public ScriptTreeDispatch, public SceneEventSink {
public:
    ScriptManager();
    ~ScriptManager() override;
    ScriptManager(const ScriptManager&) = delete;
    ScriptManager& operator=(const ScriptManager&) = delete;

    // The registry.
    bool InsertScriptable(int32_t iId, Scriptable* pScriptable);
    bool RemoveScriptable(int32_t iId);
    Scriptable* FindScriptable(int32_t iId) override;
    // Null for the actor 0; the actor ids carry the top bit.
    Scriptable* FindActorScriptable(uint32_t uActorId);
    // The scriptable with the fixed id 35 (a front-end scene's object).
    Scriptable* FindScriptable35();
    static int GetScriptableIndex(int32_t iId) { return ScriptableRegistry::GetScriptableIndex(iId); }
    const ScriptableRegistry& GetRegistry() const { return m_oRegistry; }

    // Services of the scriptables.
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override;
    void StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds) override;
    void StopFirstScriptableEffect() override;

    // Offers an event to the script tree: false when the game is busy.
    // Otherwise the event becomes the pending one when a handler matches it
    // (an unmatched use of an item becomes "BadInteract"); an unmatched event
    // is accepted and dropped.
    bool FireEvent(const EventDesc& oEvent) override;
    // Makes the event the pending one (it replaces one already pending).
    void PushEvent(const EventDesc& oEvent);
    // No pending event, the game interactive.
    void ResetEvents();
    // true lowers the lock count, false raises it.
    void DoSetInteractive(bool bInteractive);
    bool IsBusy();

    // Starts the scene script: actor sets, sound groups, the logic actors, the
    // trees of the scene, inventory and system scripts, and the "Init" event.
    void InitScene();
    // Ends the scene script, the logic actors, the pooled effects and the tree.
    void TermScene();
    // Requests a scene (the change waits for the scene fade-out); 0 leaves the
    // game at once.
    void ChangeScene(int32_t iSceneId);
    // The frame: a due scene change, the walk of the pending event, every
    // scriptable, the scene script.
    void Update(uint32_t dt);
    // Runs one script's tree building with the builder installed.
    void BuildScriptTree(ScriptTreeBuilder* pTreeBuilder, SceneScript* pScript);

    // The global actions (no target).
    void StartAction(const ActionDesc& oAction) override;
    // Whether a dialog still runs on the talk screen.
    bool IsDialogActive() override;
    // Records the scene as the current one in the variables and requests it.
    void GoToScene(int32_t iSceneId);
    // Opens the in-game menu on a page; -1 closes it.
    void DoShowMenu(int32_t iPage);

    // The script-node pool lives while the main state runs: it allocates and
    // frees the block.
    ScriptNodePool& GetNodePool() { return m_oNodePool; }
    // The tree of the current scene (empty between scenes).
    const ScriptTree& GetScriptTree() const { return m_oTree; }
    // The inventory and system scripts, whose trees follow the scene script's
    // (null: none); not owned.
    void SetCommonScripts(SceneScript* pInventoryScript, SceneScript* pSystemScript);
    // Where scene scripts come from (the scene registry by default).
    void SetSceneScriptMaker(SceneScriptMaker pMaker) { m_pMakeSceneScript = pMaker; }

    // Auto-test playback: the recorded events (not owned; they outlive the
    // run) with the read index back at the first.
    void SetAutoTestEvents(std::span<const EventDesc> aEvents);
    // The next recorded event, null once none is left. The talk screen takes
    // the recorded dialog choices through these two.
    const EventDesc* PeekAutoTestEvent() const;
    void ConsumeAutoTestEvent();
    int32_t GetAutoTestIndex() const { return m_iAutoTestIndex; }
    const AutoTestFrameTimes& GetAutoTestFrameTimes() const { return m_oAutoTestFrameTimes; }
    // Plays the next recorded event when the player could act now: checks
    // that the player could have done it, logs it and fires it (a failed
    // check is logged and counted). Once none is left and the game is idle
    // again, reports the frame times and the failed checks and quits, as a
    // failure when a check failed.
    void AutoTest_Update();
    // The end of the run: the frame times and failed checks are reported
    // (unless they were) and the recording is let go.
    void EndAutoTest();
    int32_t GetAutoTestFailedChecks() const { return m_iAutoTestFailedChecks; }

    SceneScript* GetSceneScript() const { return m_pSceneScript.get(); }
    const EventDesc& GetPendingEvent() const { return m_oEvent; }
    const ScriptTreeContext& GetContext() const { return m_oContext; }
    int32_t GetInteractiveCount() const { return m_iInteractive; }
    bool IsChangePending() const { return m_bChangePending != 0; }
    int32_t GetNextSceneId() const { return m_iNextSceneId; }
    ScriptTreeBuilder* GetScriptTreeBuilder() const { return m_pScriptTreeBuilder; }
    // Set when a slot starts; the main state clears it on entry and reads it
    // on exit.
    bool IsSlotStarted() const { return m_bSlotStarted != 0; }
    void SetSlotStarted(bool bStarted) { m_bSlotStarted = bStarted ? 1 : 0; }

private:
    // The walk context back to no event, no cursor, no fired actions.
    void ClearContext();
    // Takes pending events and walks them, for as long as walks finish at once.
    void WalkEvents();
    // Posts scene event 15 (input back to its idle state) when a scene is current.
    void PostNotInteractive();
    // Sets the talk trophy of the actor talked to.
    void AwardTalkTrophy(const EventDesc& oEvent);
    void CreateLogicActors();
    void DeleteLogicActors();
    void ApplySceneChange();
    // Hands the tree to the game interface (the dialogs step it), or takes it back.
    void AttachTree(bool bAttach);

    // The global actions by group.
    void SetVariable(const ActionDesc& oAction);
    void AddToVariable(const ActionDesc& oAction, int32_t iSign);
    void SetRandomVariable(const ActionDesc& oAction);
    void QueueState(int32_t iStateId, int32_t iParameter, int32_t iPreviousStateBase);
    void StartTimedFade(int32_t iActionType, int32_t iMilliseconds);
    void StartSoundAction(const ActionDesc& oAction);
    void StartSlotAction(const ActionDesc& oAction);
    void StartCurrentSlot();

    // Whether a recorded event may play in this frame.
    bool IsAutoTestReady();
    void PlayAutoTestEvent(const EventDesc& oEventDesc);
    void CheckScriptableTarget(const EventDesc& oEventDesc);
    void PlayAutoTestCombine(const EventDesc& oEventDesc);
    void PlayAutoTestMap(const EventDesc& oEventDesc);
    // A recorded wait: no record plays until that much game time has passed.
    void StartAutoTestWait(uint32_t uMilliseconds);

    std::unique_ptr<SceneScript> m_pSceneScript;
    int32_t m_iNextSceneId = 0;
    uint8_t m_bChangePending = 0;
    EventDesc m_oEvent = EventDesc::MakeEmpty();
    ScriptTreeBuilder* m_pScriptTreeBuilder = nullptr;
    ScriptableRegistry m_oRegistry;
    uint8_t m_bSlotStarted = 0;
    ScriptNodePool m_oNodePool;
    ScriptTree m_oTree {&m_oNodePool, NO_NODE};
    bool m_bTreeAttached = false;
    ScriptTreeContext m_oContext;
    std::unique_ptr<Scriptable> m_pLogicDialog;
    std::unique_ptr<Scriptable> m_pLogicSound;
    int32_t m_iInteractive = 0;
    SceneScript* m_pInventoryScript = nullptr;
    SceneScript* m_pSystemScript = nullptr;
    SceneScriptMaker m_pMakeSceneScript;
    std::span<const EventDesc> m_aAutoTestEvents;
    int32_t m_iAutoTestIndex = 0;
    int32_t m_iAutoTestFailedChecks = 0;
    bool m_bAutoTestWaiting = false;
    uint64_t m_uAutoTestWaitStart = 0;
    uint64_t m_uAutoTestWaitEnd = 0;
    AutoTestFrameTimes m_oAutoTestFrameTimes;
};

// The game's one script manager, for the whole run.
extern ScriptManager g_oScriptManager;
