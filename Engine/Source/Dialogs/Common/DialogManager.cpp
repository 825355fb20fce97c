#include "Dialogs/Common/DialogManager.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "ScriptEngine/common/ActionDesc.h"

#include <algorithm>
#include <cstring>
#include <new>

DialogManager::DialogManager() : m_pDialogGroupSlots(std::make_unique<DialogGroupSlot[]>(MAX_DIALOG_GROUPS))
{
}

DialogManager::~DialogManager() = default;

bool DialogManager::Initialize()
{
    m_iPropositionReadStatusLength = DIALOG_READ_MARK_WORDS;
    m_pPropositionReadStatus.reset(new (std::nothrow) uint32_t[DIALOG_READ_MARK_WORDS]);
    ENGINE_ASSERT(m_pPropositionReadStatus != NULL);
    if (!m_pPropositionReadStatus)
        return false;
    std::memset(m_pPropositionReadStatus.get(), 0, DIALOG_READ_MARK_WORDS * sizeof(uint32_t));
    m_iCurrentDialogGroup = -1;
    for (int32_t i = 0; i < MAX_DIALOG_GROUPS; ++i) {
        m_pDialogGroupSlots[i].m_bIsFree = 1;
        m_pDialogGroupSlots[i].m_iDialogId = -1;
    }
    ClearLastSelected();
    return true;
}

void DialogManager::Shutdown()
{
    m_iCurrentDialogGroup = -1;
    // A group its owner did not remove must not outlive the main state.
    for (int32_t i = 0; i < MAX_DIALOG_GROUPS; ++i) {
        m_pDialogGroupSlots[i].m_oDialog.Release();
        m_pDialogGroupSlots[i].m_bIsFree = 0;
    }
    m_pPropositionReadStatus.reset();
}

int32_t DialogManager::AddDialogGroup(int32_t iSlot, const uint8_t* pData, size_t uSize, int32_t iGroupId,
                                      const char* pFileName)
{
    if (iGroupId < 0 || iGroupId >= DIALOG_GROUP_ID_COUNT) {
        CorePrint(&g_oCoreLog, "DialogManager::AddDialogGroup -- \"%s\": group id %d has no read marks\n", pFileName,
                  static_cast<int>(iGroupId));
        return -1;
    }
    if (!IsSlotIndex(iSlot) || !m_pDialogGroupSlots[iSlot].m_bIsFree) {
        iSlot = -1;
        for (int32_t i = 0; i < MAX_DIALOG_GROUPS && iSlot == -1; ++i)
            if (m_pDialogGroupSlots[i].m_bIsFree)
                iSlot = i;
        if (iSlot == -1)
            return -1;
    }
    DialogGroupSlot& oSlot = m_pDialogGroupSlots[iSlot];
    if (!oSlot.m_oDialog.Initialize(pData, uSize, pFileName))
        return -1;
    oSlot.m_bIsFree = 0;
    oSlot.m_iDialogId = iGroupId;
    if (m_iCurrentDialogGroup == -1)
        m_iCurrentDialogGroup = iSlot;
    return iSlot;
}

bool DialogManager::CheckSlot(int32_t iDialogNumber) const
{
    ENGINE_ASSERT(iDialogNumber >=0 && static_cast<unsigned int>(iDialogNumber) < MAX_DIALOG_GROUPS);
    if (!IsSlotIndex(iDialogNumber))
        return false;
    ENGINE_ASSERT(! m_pDialogGroupSlots[iDialogNumber].m_bIsFree);
    return true;
}

void DialogManager::RemoveDialogGroup(int32_t iDialogNumber)
{
    if (!CheckSlot(iDialogNumber))
        return;
    DialogGroupSlot& oSlot = m_pDialogGroupSlots[iDialogNumber];
    oSlot.m_oDialog.Release();
    oSlot.m_bIsFree = 1;
    oSlot.m_iDialogId = -1;
    if (m_iCurrentDialogGroup == iDialogNumber)
        m_iCurrentDialogGroup = -1;
}

void DialogManager::SetCurrentDialogGroup(int32_t iDialogNumber)
{
    if (CheckSlot(iDialogNumber))
        m_iCurrentDialogGroup = iDialogNumber;
}

Dialog* DialogManager::GetCurrentDialog()
{
    return IsSlotIndex(m_iCurrentDialogGroup) ? &m_pDialogGroupSlots[m_iCurrentDialogGroup].m_oDialog : nullptr;
}

const Dialog* DialogManager::GetCurrentDialog() const
{
    return IsSlotIndex(m_iCurrentDialogGroup) ? &m_pDialogGroupSlots[m_iCurrentDialogGroup].m_oDialog : nullptr;
}

const Dialog* DialogManager::GetDialog(int32_t iSlot) const
{
    return IsSlotIndex(iSlot) ? &m_pDialogGroupSlots[iSlot].m_oDialog : nullptr;
}

bool DialogManager::IsSlotFree(int32_t iSlot) const
{
    return IsSlotIndex(iSlot) && m_pDialogGroupSlots[iSlot].m_bIsFree != 0;
}

int32_t DialogManager::GetGroupId(int32_t iSlot) const
{
    return IsSlotIndex(iSlot) ? m_pDialogGroupSlots[iSlot].m_iDialogId : -1;
}

void DialogManager::ClearLastSelected()
{
    m_iLastSelectedIndex = 0;
    std::fill(std::begin(m_aLastSelected), std::end(m_aLastSelected), -1);
}

void DialogManager::StartDialog(uint32_t uKey)
{
    Dialog* pDialog = GetCurrentDialog();
    if (pDialog != nullptr && pDialog->SetCurrentDialog(uKey))
        pDialog->Advance();
    ClearLastSelected();
}

void DialogManager::SelectProposition(int32_t i)
{
    Dialog* pDialog = GetCurrentDialog();
    if (pDialog == nullptr || !pDialog->SelectProposition(i))
        return;
    const int32_t iProposition = pDialog->GetCurrentNode()->m_iPropositionIndex;
    m_aLastSelected[m_iLastSelectedIndex] = iProposition;
    m_iLastSelectedIndex = (m_iLastSelectedIndex + 1) % DIALOG_LAST_SELECTED_COUNT;
    const int32_t iGroupId = m_pDialogGroupSlots[m_iCurrentDialogGroup].m_iDialogId;
    if (m_pPropositionReadStatus && iGroupId >= 0 && iProposition >= 0) {
        const int32_t iBit = iGroupId * MAX_PROPOSITION_PER_DIALOG_GROUP + iProposition;
        m_pPropositionReadStatus[iBit / 32] |= 1u << (iBit % 32);
    }
    pDialog->Advance();
}

bool DialogManager::IsPropositionRead(int32_t iGroupId, int32_t iProposition) const
{
    if (!m_pPropositionReadStatus || iGroupId < 0 || iGroupId >= DIALOG_GROUP_ID_COUNT || iProposition < 0 ||
        iProposition >= MAX_PROPOSITION_PER_DIALOG_GROUP)
        return false;
    const int32_t iBit = iGroupId * MAX_PROPOSITION_PER_DIALOG_GROUP + iProposition;
    return (m_pPropositionReadStatus[iBit / 32] >> (iBit % 32) & 1u) != 0;
}

void DialogManager::GetPropositions(int32_t& iCount, uint32_t* pTextIds, uint8_t* pReadFlags,
                                    int32_t& iLastSelected) const
{
    iCount = 0;
    iLastSelected = -1;
    const Dialog* pDialog = GetCurrentDialog();
    if (pDialog == nullptr)
        return;
    // The loader keeps every offer within the talk screen's arrays.
    iCount = std::min(pDialog->GetNumPropositions(), MAX_OFFERED_PROPOSITIONS);
    const int32_t iGroupId = m_pDialogGroupSlots[m_iCurrentDialogGroup].m_iDialogId;
    for (int32_t i = 0; i < iCount; ++i) {
        const DialogNode* pNode = pDialog->GetProposition(i);
        const int32_t iProposition = pNode->m_iPropositionIndex;
        // An empty ring entry is -1, as is a node on offer that is not a
        // proposition: neither counts as chosen.
        if (iProposition >= 0 && std::find(std::begin(m_aLastSelected), std::end(m_aLastSelected), iProposition) !=
                                     std::end(m_aLastSelected))
            iLastSelected = i;
        if (pTextIds != nullptr)
            pTextIds[i] = pNode->m_uWord1;
        if (pReadFlags != nullptr)
            pReadFlags[i] = IsPropositionRead(iGroupId, iProposition) ? 1 : 0;
    }
}

int32_t DialogManager::Save(std::span<uint32_t, DIALOG_READ_MARK_WORDS> buffer) const
{
    const int32_t iBufferLength = static_cast<int32_t>(buffer.size());
    ENGINE_ASSERT(iBufferLength == m_iPropositionReadStatusLength);
    if (m_pPropositionReadStatus)
        std::copy_n(m_pPropositionReadStatus.get(), DIALOG_READ_MARK_WORDS, buffer.begin());
    return DIALOG_READ_MARK_WORDS;
}

int32_t DialogManager::Load(std::span<const uint32_t, DIALOG_READ_MARK_WORDS> buffer)
{
    const int32_t iBufferLength = static_cast<int32_t>(buffer.size());
    ENGINE_ASSERT(iBufferLength == m_iPropositionReadStatusLength);
    if (m_pPropositionReadStatus)
        std::copy_n(buffer.begin(), DIALOG_READ_MARK_WORDS, m_pPropositionReadStatus.get());
    return DIALOG_READ_MARK_WORDS;
}

void DialogManager::UpdateScript()
{
    Dialog* pDialog = GetCurrentDialog();
    if (pDialog != nullptr && pDialog->IsWaitingForScript())
        pDialog->UpdateScript();
}

void DialogManager::StartDialogAction(int32_t iActionType, uint32_t uKey, int32_t iSceneSlot)
{
    const int32_t iSlot = iActionType == ID_ACTION_TYPE_START_COMMON_DIALOG ? COMMON_DIALOG_GROUP_NUMBER : iSceneSlot;
    SetCurrentDialogGroup(iSlot);
    // A scene without a dialog group starts nothing rather than a common
    // dialog by the scene's key.
    if (IsSlotIndex(iSlot) && m_iCurrentDialogGroup == iSlot)
        StartDialog(uKey);
}

void DialogManager::EndDialogAction(int32_t iActionType, int32_t iSceneSlot)
{
    if (iActionType == ID_ACTION_TYPE_START_COMMON_DIALOG && iSceneSlot != -1)
        SetCurrentDialogGroup(iSceneSlot);
}

bool DialogManager::IsDialogRunning() const
{
    const Dialog* pDialog = GetCurrentDialog();
    return pDialog != nullptr && !pDialog->IsEnded();
}

void DialogManager::SetScriptDispatch(ScriptTreeDispatch* pDispatch)
{
    m_pScriptDispatch = pDispatch;
    for (int32_t i = 0; i < MAX_DIALOG_GROUPS; ++i)
        m_pDialogGroupSlots[i].m_oDialog.SetScriptDispatch(pDispatch);
}
