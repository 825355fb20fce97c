#pragma once
#include "ScriptEngine/common/ActionDesc.h"
#include "ScriptEngine/common/EventDesc.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <span>

class GameInterface;
class VarSet;

// What the walk hands over to the script manager. Targets are looked up in
// the registry of scriptables (GetScriptableServices).
class ScriptTreeDispatch {
public:
    virtual ~ScriptTreeDispatch() = default;
    // Runs an action that has no target (the global actions).
    virtual void StartAction(const ActionDesc& oAction) = 0;
    // Whether a dialog still runs on the talk screen.
    virtual bool IsDialogActive() = 0;
};

constexpr int32_t MAX_FIRED_ACTIONS = 256;

// One walk of a script tree for one event. Each Step tests nodes from the
// cursor on: conditions on the game variables, event patterns against the
// event, value nodes against the current value (the scene id), and fires
// every action it passes at its target. Every handler whose pattern matches
// runs, in tree order. The walk halts on a wait or a dialog and resumes in a
// later Step once every fired action is done (and the dialog is over).
class ScriptTreeContext {
public:
    void SetTree(const ScriptTree& oTree) { m_oTree = oTree; }
    void SetGameInterface(GameInterface* pGameInterface) { m_pGameInterface = pGameInterface; }
    void SetDispatch(ScriptTreeDispatch* pDispatch) { m_pDispatch = pDispatch; }
    // What value nodes are compared with.
    void SetValue(int32_t iValue) { m_iValue = iValue; }

    // No fired actions, no event, no cursor.
    void Clear();
    // Clears the context and takes the event to walk.
    void Start(const EventDesc& oEvent);
    // Walks on; true when the walk has reached the end of the tree and every
    // action it fired is done.
    bool Step();

    // Runs the action at its target now when the target is idle, or queues
    // it there; an action without a target goes to the dispatch. An action
    // whose target is not registered is reported and dropped.
    void FireAction(const ActionDesc& oAction);
    // A wait for a registered scriptable blocks while it is busy; any other
    // wait blocks until every fired action is done; a dialog always blocks.
    bool IsBlockingAction(const ActionDesc& oAction) const;
    // Every fired action is done and, after a dialog, the dialog is over.
    bool CanResume() const;
    // Every fired action's target is unregistered, absent or done.
    bool AreActionsDone() const;

    const EventDesc& GetEvent() const { return m_oEvent; }
    ScriptNodeIndex GetCursor() const { return m_iCursor; }
    std::span<const ActionDesc> GetFiredActions() const { return {m_aFiredActions, size_t(m_iNbFiredActions)}; }

private:
    // Tests the node at the cursor (firing it when it is an action); sets
    // bHalt when the walk must wait on it.
    bool PassNode(ScriptNodeIndex iNode, const VarSet* pVars, bool& bHalt);
    // The node after iNode in walking order.
    ScriptNodeIndex NextNode(ScriptNodeIndex iNode, bool bPassed) const;

    EventDesc m_oEvent = EventDesc::MakeEmpty();
    int32_t m_iValue = 0;
    GameInterface* m_pGameInterface = nullptr;
    ScriptTreeDispatch* m_pDispatch = nullptr;
    ScriptTree m_oTree;
    ScriptNodeIndex m_iCursor = NO_NODE;
    ActionDesc m_aFiredActions[MAX_FIRED_ACTIONS] = {};
    int32_t m_iNbFiredActions = 0;
};
