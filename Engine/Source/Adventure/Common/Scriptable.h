#pragma once
#include "Adventure/Common/ActionQueue.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "ScriptEngine/common/EventDesc.h"

#include <cstdint>

// Anything a script can act on: actors, entities and the logic actors. It runs
// one action at a time; actions that arrive while it is busy wait in its ring.
// An action either completes in the call that starts it or clears the done
// flag, and the per-frame update completes it when its condition holds.
// The base runs six action types itself (set active, wait for another
// scriptable, switch a walk-mesh blocker, wait a time, start and stop a
// scriptable effect); derived classes run their own and hand the rest here.
class Scriptable {
public:
    Scriptable();
    virtual ~Scriptable();
    Scriptable(const Scriptable&) = delete;
    Scriptable& operator=(const Scriptable&) = delete;

    // "???" for the base.
    virtual const char* GetName() const;
    // Advances the current action by dt milliseconds; when it is done the next
    // waiting one starts, in the same frame and with the same dt, as long as
    // actions finish at once.
    virtual void Update(uint32_t dt);
    // Starts m_oCurrentAction.
    virtual void StartAction();
    // Makes the action current and starts it.
    virtual void ExecuteAction(const ActionDesc& oAction);
    // The interactive event types the object offers (look, talk, activate),
    // at most iMax of them; the base offers none.
    virtual int GetEventTypes(TwEventType* pTypes, int iMax) const;
    virtual bool IsInteractive() const;
    virtual void SetVisible(uint8_t bVisible);
    // The alpha of what the scriptable shows; the base shows nothing.
    virtual void SetColorLowByte(uint8_t) { }
    // Called with 0 on the target of a pushed event; the base ignores it.
    virtual void SetObjectsFlag(uint8_t bFlag);
    // Per-type progress of the current action; the idle step takes the next
    // waiting action.
    virtual void UpdateAction(uint32_t dt);
    // Stops a walk where it is; the base does not walk.
    virtual void CancelMove();
    virtual void DoSetActive(uint8_t bActive);
    virtual void DoStartEffect(int32_t iKind, int32_t iMilliseconds);
    virtual void DoSetBlocker(int32_t iBlockerId, uint8_t bActive);
    virtual void DoWaitFor(int32_t iId);
    virtual void DoWait();

    // Queues an action behind the current one; false (and reported) when the
    // ring already holds ACTION_QUEUE_CAPACITY actions.
    bool PushAction(const ActionDesc& oAction);
    // Whether the wait-for chain that starts at this scriptable's current
    // action comes back to it.
    bool IsInWaitForLoop() const;
    // Releases every member of the wait-for cycle through `start`: each one
    // becomes idle with its done flag set.
    static void KillWaitForLoop(Scriptable* pStart);

    int32_t GetId() const { return m_iId; }
    void SetId(int32_t iId) { m_iId = iId; }
    // The current action is finished, or there is none.
    bool IsDone() const { return m_bDone != 0; }
    // No current action (it may still wait for its done flag, see IsDone).
    bool IsIdle() const { return m_oCurrentAction.m_iActionType == ID_ACTION_TYPE_NONE; }
    bool IsVisible() const { return m_bVisible != 0; }
    const ActionDesc& GetCurrentAction() const { return m_oCurrentAction; }
    // The type of parameter i of the current action; 0 outside 0..2.
    int32_t GetCurrentActionParameterType(int i) const;
    const ActionQueue& GetActionQueue() const { return m_oActionQueue; }
    // The next scriptable of the same bucket of the script manager's registry.
    Scriptable* GetNext() const { return m_pNext; }
    void SetNext(Scriptable* pNext) { m_pNext = pNext; }

protected:
    // The current action is over: no action, done flag set.
    void FinishAction();

    int32_t m_iId = ID_SCRIPTABLE_INVALID;
    ActionQueue m_oActionQueue;
    ActionDesc m_oCurrentAction = ActionDesc::MakeEmpty();
    uint8_t m_bDone = 1;
    uint8_t m_bInteractive = 1;
    uint8_t m_bVisible = 1;
    Scriptable* m_pNext = nullptr;
};
