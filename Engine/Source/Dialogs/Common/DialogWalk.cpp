#include "Dialogs/Common/Dialog.h"

#include "Common/GameInterface.h"
#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/ScriptTreeContext.h"

namespace {

// The nearest choice or root above the node.
DialogNode* ClimbToChoice(DialogNode* pNode)
{
    DialogNode* pParent = pNode->m_pParent;
    while (pParent != nullptr && !pParent->IsChoiceOrRoot())
        pParent = pParent->m_pParent;
    return pParent;
}

} // namespace

const VarSet* Dialog::GetVars() const
{
    return GameInterface::GetGameInterface()->GetVarManager();
}

bool Dialog::SetCurrentDialog(uint32_t uKey)
{
    if (m_iNumDialogs < 1)
        return false;
    for (int32_t i = 0; i < m_iNumDialogs; ++i) {
        if (m_pKeys[i].m_uKey != uKey)
            continue;
        const int32_t iDialogIndex = m_pKeys[i].m_iRootIndex;
        if (iDialogIndex == -1)
            return false;
        // The loader keeps every root index inside the table.
        ENGINE_ASSERT(iDialogIndex < m_iNumDialogs);
        m_pCurrentNode = &m_pRoots[iDialogIndex];
        m_iCurrentDialog = iDialogIndex;
        m_bEnded = 0;
        return true;
    }
    return false;
}

DialogNode* Dialog::GetFirstValidNode(const DialogNode* pNode) const
{
    const VarSet* pVars = GetVars();
    if (!pNode->IsValid(pVars))
        return nullptr;
    for (int32_t i = 0; i < pNode->m_iNbChildren; ++i)
        if (pNode->m_pChildren[i].IsValid(pVars))
            return &pNode->m_pChildren[i];
    return nullptr;
}

DialogNode* Dialog::GetNextValidSibling(const DialogNode* pNode) const
{
    const VarSet* pVars = GetVars();
    for (DialogNode* pSibling = pNode->m_pNextSibling; pSibling != nullptr; pSibling = pSibling->m_pNextSibling)
        if (pSibling->IsValid(pVars))
            return pSibling;
    return nullptr;
}

void Dialog::GetSubProposition(DialogNode* pChoice)
{
    m_iNumProposition = 0;
    const VarSet* pVars = GetVars();
    for (int32_t i = 0; i < pChoice->m_iNbChildren; ++i) {
        DialogNode* pChild = &pChoice->m_pChildren[i];
        ENGINE_ASSERT_MSG(pChild->m_eType == DialogNode::DLG_PROPOSITION,
                          "Dialog::GetSubProposition -- Children can be only of type propositon");
        if (!pChild->IsValid(pVars))
            continue;
        // The loader keeps offers within the talk screen's bound.
        if (m_iNumProposition == DIALOG_PROPOSITION_TABLE_SIZE)
            break;
        m_aPropositions[m_iNumProposition] = pChild;
        m_aChildIndices[m_iNumProposition] = i;
        ++m_iNumProposition;
    }
}

void Dialog::Advance()
{
    if (m_bWaitingForScript || m_pCurrentNode == nullptr)
        return;
    m_pSentence = nullptr;
    m_iNumProposition = 0;
    DialogNode* pNode = m_pCurrentNode;
    bool bStop = false;
    bool bClimbed = false;
    for (;;) {
        DialogNode* pNext = bClimbed ? nullptr : GetFirstValidNode(pNode);
        if (pNext != nullptr) {
            pNode = pNext;
        } else if ((pNext = GetNextValidSibling(pNode)) != nullptr && pNext->m_eType != DialogNode::DLG_PROPOSITION) {
            // A walk never steps sideways into a proposition.
            pNode = pNext;
            bClimbed = false;
        } else if (pNode->m_pParent != nullptr) {
            pNode = pNode->m_pParent;
            bClimbed = true;
        } else {
            CorePrint(&g_oCoreLog, "Warning : Empty node !\n");
            pNode = &m_pRoots[m_iCurrentDialog];
        }

        if (pNode->m_eType == DialogNode::DLG_SENTENCE)
            bStop = true;
        if (pNode->m_eType == DialogNode::DLG_PROPOSITION) {
            pNode = ClimbToChoice(pNode);
            GetSubProposition(pNode);
            // A choice whose propositions are all hidden now would leave the
            // player nothing to pick: the walk goes on after it instead.
            if (m_iNumProposition > 0)
                bStop = true;
            else
                bClimbed = true;
        }
        bStop = ExecuteNode(pNode) || bStop;
        if (pNode->m_eType == DialogNode::DLG_JUMP) {
            if (pNode->m_uWord1 == DialogNode::DLG_JUMP_LEAVE_CHOICE) {
                pNode = ClimbToChoice(pNode);
                if (pNode->m_eType == DialogNode::DLG_CHOICE)
                    pNode = ClimbToChoice(pNode);
                bClimbed = true;
            } else if (pNode->m_uWord1 == DialogNode::DLG_JUMP_END) {
                pNode = &m_pRoots[m_iCurrentDialog];
                bStop = true;
            }
        }
        if (pNode->m_eType == DialogNode::DLG_ROOT || bStop)
            break;
    }

    m_pCurrentNode = pNode;
    if (pNode->m_eType == DialogNode::DLG_SENTENCE)
        m_pSentence = pNode;
    if (pNode->m_eType == DialogNode::DLG_ROOT)
        m_bEnded = 1;
}

bool Dialog::ExecuteNode(DialogNode* pDialogNode)
{
    ENGINE_ASSERT(pDialogNode != NULL);
    const DialogNode* pNode = pDialogNode;
    if (pNode == nullptr || pNode->m_eType != DialogNode::DLG_ACTION)
        return false;
    GameInterface* pGame = GameInterface::GetGameInterface();
    VarSet* pVars = pGame->GetVarManager();
    const int32_t iVar = static_cast<int32_t>(pNode->m_uWord2);
    switch (pNode->m_uWord1) {
    case DialogNode::DLG_ACTION_SET_BOOL:
        if (iVar != -1 && pVars != nullptr)
            pVars->SetBool(iVar, static_cast<uint8_t>(pNode->m_uWord3));
        return false;
    case DialogNode::DLG_ACTION_SET_INT:
        if (iVar != -1 && pVars != nullptr)
            pVars->SetInt(iVar, static_cast<int16_t>(pNode->m_uWord3 & 0xFFFF));
        return false;
    case DialogNode::DLG_ACTION_CALLBACK: {
        if (!m_pScriptContext)
            return false;
        EventDesc oEvent;
        BuildEvent(&oEvent, TwEventType_Dialog_CB, 1, ID_PARAMETER_TYPE_INT, static_cast<int32_t>(pNode->m_uWord2));
        ScriptTreeContext& oContext = *m_pScriptContext;
        oContext.SetValue(pVars != nullptr ? pVars->GetInt(VARINT_C_CURRENT_SCENE) : 0);
        oContext.SetGameInterface(pGame);
        oContext.SetDispatch(m_pScriptDispatch);
        oContext.SetTree(pGame->GetScriptTree());
        oContext.Start(oEvent);
        oContext.Step();
        m_bWaitingForScript = 1;
        return true;
    }
    default: return false;
    }
}

void Dialog::UpdateScript()
{
    if (!m_pScriptContext || !m_bWaitingForScript)
        return;
    ScriptTreeContext& oContext = *m_pScriptContext;
    if (!oContext.AreActionsDone() || oContext.GetCursor() != NO_NODE) {
        if (!oContext.Step())
            return;
        oContext.SetValue(0);
        oContext.SetTree({});
    }
    m_bWaitingForScript = 0;
    Advance();
}

bool Dialog::SelectProposition(int32_t i)
{
    if (!HasProposition()) {
        ENGINE_ASSERT_MSG(HasProposition(),
                          "Dialog::SelectProposition -- Selecting a proposition in a non proposition mode\n");
        return false;
    }
    if (i < 0 || i >= m_iNumProposition) {
        ENGINE_ASSERT_MSG(i >= 0 && i < m_iNumProposition, "Dialog::SelectProposition -- Invalid proposition selected\n");
        return false;
    }
    // The offered node itself: the same child of the offering choice, and
    // still safe when the offer is used twice before the walk goes on.
    DialogNode* pNode = m_aPropositions[i];
    while (pNode != nullptr && pNode->m_eType != DialogNode::DLG_PROPOSITION)
        pNode = GetFirstValidNode(pNode);
    if (pNode == nullptr) {
        CorePrint(&g_oCoreLog,
                  "Dialog::SelectProposition -- Selected condition-proposition without valid subnodes !\n");
        return false;
    }
    m_pCurrentNode = pNode;
    return true;
}

bool Dialog::GetSentence(uint32_t& uSpeaker, uint32_t& uTextId, uint32_t& uMood) const
{
    if (m_pSentence == nullptr || m_pSentence->m_eType != DialogNode::DLG_SENTENCE) {
        ENGINE_ASSERT(m_pSentence != nullptr && m_pSentence->m_eType == DialogNode::DLG_SENTENCE);
        uSpeaker = uTextId = uMood = 0;
        return false;
    }
    uSpeaker = m_pSentence->m_uWord2;
    uTextId = m_pSentence->m_uWord1;
    uMood = m_pSentence->m_uWord3;
    return true;
}
