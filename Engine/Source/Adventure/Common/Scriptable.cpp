#include "Adventure/Common/Scriptable.h"

#include "Adventure/Common/ScriptableServices.h"
#include "Error/EngineAssert.h"

namespace {

Scriptable* FindScriptable(int32_t iId)
{
    if (iId == ID_SCRIPTABLE_INVALID)
        return nullptr;
    return GetScriptableServices().FindScriptable(iId);
}

bool IsWaitingForAnother(const Scriptable& oScriptable)
{
    return oScriptable.GetCurrentAction().m_iActionType == ID_ACTION_TYPE_WAIT_FOR;
}

uint8_t LowByte(int32_t iValue)
{
    return static_cast<uint8_t>(iValue & 0xFF);
}

} // namespace

Scriptable::Scriptable() = default;

Scriptable::~Scriptable() = default;

const char* Scriptable::GetName() const
{
    return "???";
}

void Scriptable::Update(uint32_t dt)
{
    do {
        UpdateAction(dt);
    } while (m_bDone && !m_oActionQueue.IsEmpty());
}

void Scriptable::ExecuteAction(const ActionDesc& oAction)
{
    m_oCurrentAction = oAction;
    StartAction();
}

void Scriptable::StartAction()
{
    const int32_t* pValues = m_oCurrentAction.m_oParameter;
    switch (m_oCurrentAction.m_iActionType) {
    case ID_ACTION_TYPE_SET_ACTIVE: DoSetActive(LowByte(pValues[0])); break;
    case ID_ACTION_TYPE_WAIT_FOR:
        if (GetCurrentActionParameterType(0) != ID_PARAMETER_TYPE_SCRIPTABLE) {
            ENGINE_ASSERT_MSG(GetCurrentActionParameterType(0) == ID_PARAMETER_TYPE_SCRIPTABLE,
                              "Unknown scriptable type to wait for\n");
            m_oCurrentAction.m_iActionType = ID_ACTION_TYPE_NONE;
            break;
        }
        DoWaitFor(pValues[0]);
        break;
    case ID_ACTION_TYPE_SET_BLOCKER: DoSetBlocker(pValues[0], LowByte(pValues[1])); break;
    case ID_ACTION_TYPE_WAIT: DoWait(); break;
    case ID_ACTION_TYPE_START_EFFECT: DoStartEffect(pValues[0], pValues[1]); break;
    case ID_ACTION_TYPE_STOP_EFFECT:
        if (m_iId != ID_SCRIPTABLE_INVALID)
            GetScriptableServices().StopFirstScriptableEffect();
        FinishAction();
        break;
    default: m_oCurrentAction.m_iActionType = ID_ACTION_TYPE_NONE; break;
    }
}

void Scriptable::UpdateAction(uint32_t dt)
{
    switch (m_oCurrentAction.m_iActionType) {
    case ID_ACTION_TYPE_NONE: {
        ActionDesc oNext;
        if (m_oActionQueue.IsEmpty())
            m_bDone = 1;
        else if (m_oActionQueue.Pop(oNext))
            ExecuteAction(oNext);
        break;
    }
    case ID_ACTION_TYPE_WAIT_FOR: {
        if (GetCurrentActionParameterType(0) != ID_PARAMETER_TYPE_SCRIPTABLE) {
            ENGINE_ASSERT_MSG(GetCurrentActionParameterType(0) == ID_PARAMETER_TYPE_SCRIPTABLE,
                              "Waiting for unknown object type\n");
            FinishAction();
            break;
        }
        const Scriptable* pTarget = FindScriptable(m_oCurrentAction.m_oParameter[0]);
        if (!pTarget || pTarget->IsDone())
            FinishAction();
        else if (IsInWaitForLoop())
            KillWaitForLoop(this);
        break;
    }
    case ID_ACTION_TYPE_WAIT: {
        ENGINE_ASSERT(GetCurrentActionParameterType(0)==ID_PARAMETER_TYPE_INT);
        int32_t& iRemaining = m_oCurrentAction.m_oParameter[0];
        if (static_cast<int64_t>(iRemaining) > static_cast<int64_t>(dt))
            iRemaining -= static_cast<int32_t>(dt);
        else
            FinishAction();
        break;
    }
    default:
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "FALSE");
        CorePrint(&g_oCoreLog, "message:\nUnmanaged action %d\n", m_oCurrentAction.m_iActionType);
        // The done flag stays: the next idle step sets it once the ring is empty.
        m_oCurrentAction.m_iActionType = ID_ACTION_TYPE_NONE;
        break;
    }
}

int Scriptable::GetEventTypes(TwEventType* /*pTypes*/, int /*iMax*/) const
{
    return 0;
}

bool Scriptable::IsInteractive() const
{
    return m_bInteractive != 0;
}

void Scriptable::SetVisible(uint8_t bVisible)
{
    m_bVisible = bVisible;
}

void Scriptable::SetObjectsFlag(uint8_t /*bFlag*/)
{
}

void Scriptable::CancelMove()
{
}

void Scriptable::DoSetActive(uint8_t bActive)
{
    m_bInteractive = bActive;
    FinishAction();
}

void Scriptable::DoStartEffect(int32_t iKind, int32_t iMilliseconds)
{
    if (m_iId != ID_SCRIPTABLE_INVALID)
        GetScriptableServices().StartScriptableEffect(m_iId, iKind, iMilliseconds);
    // The effect runs on by itself.
    FinishAction();
}

void Scriptable::DoSetBlocker(int32_t iBlockerId, uint8_t bActive)
{
    GetScriptableServices().SetWalkMeshBlocker(iBlockerId, bActive != 0);
    FinishAction();
}

void Scriptable::DoWaitFor(int32_t iId)
{
    const Scriptable* pTarget = FindScriptable(iId);
    if (!pTarget || pTarget->IsDone()) {
        FinishAction();
        return;
    }
    if (IsInWaitForLoop()) {
        KillWaitForLoop(this);
        return;
    }
    m_bDone = 0;
}

void Scriptable::DoWait()
{
    // The count-down runs in UpdateAction.
    m_bDone = 0;
}

bool Scriptable::PushAction(const ActionDesc& oAction)
{
    if (m_oActionQueue.Push(oAction))
        return true;
    CorePrint(&g_oCoreLog, "Action %d refused: the queue of scriptable %d (%s) is full\n", oAction.m_iActionType, m_iId,
              GetName());
    return false;
}

bool Scriptable::IsInWaitForLoop() const
{
    if (!IsWaitingForAnother(*this))
        return false;
    // A chain may also run into a cycle that does not pass through this
    // scriptable; the anchor, moved to steps 1, 2, 4, 8..., catches it so that
    // the walk ends.
    const Scriptable* pCurrent = this;
    const Scriptable* pAnchor = this;
    int iStepsToMove = 1;
    int iSteps = 0;
    for (;;) {
        const int32_t iWaitedId = pCurrent->m_oCurrentAction.m_oParameter[0];
        if (iWaitedId == ID_SCRIPTABLE_INVALID)
            return false;
        if (iWaitedId == m_iId)
            return true;
        const Scriptable* pNext = FindScriptable(iWaitedId);
        if (!pNext || !IsWaitingForAnother(*pNext) || pNext == pAnchor)
            return false;
        if (++iSteps == iStepsToMove) {
            pAnchor = pNext;
            iStepsToMove *= 2;
            iSteps = 0;
        }
        pCurrent = pNext;
    }
}

void Scriptable::KillWaitForLoop(Scriptable* pStart)
{
    Scriptable* current = pStart;
    do {
        if (current == nullptr) {
            ENGINE_ASSERT(NULL != current);
            return;
        }
        if (ID_ACTION_TYPE_WAIT_FOR != current->m_oCurrentAction.m_iActionType) {
            ENGINE_ASSERT(ID_ACTION_TYPE_WAIT_FOR == current->m_oCurrentAction.m_iActionType);
            return;
        }
        const int32_t iWaitedId = current->m_oCurrentAction.m_oParameter[0];
        current->FinishAction();
        current = FindScriptable(iWaitedId);
    } while (current != pStart);
}

int32_t Scriptable::GetCurrentActionParameterType(int i) const
{
    if (i < 0 || i >= ACTION_PARAMETERS_MAX)
        return ID_PARAMETER_TYPE_NONE;
    return m_oCurrentAction.m_iParameterType[i];
}

void Scriptable::FinishAction()
{
    m_oCurrentAction.m_iActionType = ID_ACTION_TYPE_NONE;
    m_bDone = 1;
}
