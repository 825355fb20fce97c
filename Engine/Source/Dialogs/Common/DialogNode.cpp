#include "Dialogs/Common/DialogNode.h"

#include "Common/CharacterIds.h"
#include "Common/VarIds.h"
#include "Dialogs/Common/DialogFormat.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"

bool DialogNode::Initialize(SerialStream& stream, int iDepth)
{
    m_iPropositionIndex = -1;
    m_pParent = nullptr;
    m_pNextSibling = nullptr;
    if (iDepth > MAX_DIALOG_NODE_DEPTH) {
        CorePrint(&g_oCoreLog, "DialogNode::Initialize -- nodes nest deeper than %d\n", MAX_DIALOG_NODE_DEPTH);
        return false;
    }
    m_eType = static_cast<int32_t>(stream.ReadU32());
    const uint32_t uHasCondition = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    if (m_eType < DLG_ROOT || m_eType > DLG_JUMP) {
        CorePrint(&g_oCoreLog, "DialogNode::Initialize -- Invalid dialog node found !\n");
        return false;
    }
    // The walk tells a dialog's end by reaching its root.
    if ((m_eType == DLG_ROOT) != (iDepth == 0)) {
        CorePrint(&g_oCoreLog, "DialogNode::Initialize -- a root node must begin each dialog and only there\n");
        return false;
    }
    if (uHasCondition != 0) {
        m_pCondition = std::make_unique<DialogCondition>();
        if (!m_pCondition->Read(stream))
            return false;
    }
    if (!ReadPayload(stream))
        return false;

    const uint32_t uNbChildren = stream.ReadU32();
    if (!stream.HasRoomFor(uNbChildren, DIALOG_MIN_NODE_RECORD_SIZE))
        return false;
    if (uNbChildren == 0)
        return true;
    m_pChildren = std::make_unique<DialogNode[]>(uNbChildren);
    m_iNbChildren = static_cast<int32_t>(uNbChildren);
    for (int32_t i = 0; i < m_iNbChildren; ++i) {
        DialogNode& oChild = m_pChildren[i];
        if (!oChild.Initialize(stream, iDepth + 1))
            return false;
        oChild.m_pParent = this;
        if (i > 0)
            m_pChildren[i - 1].m_pNextSibling = &oChild;
    }
    return true;
}

bool DialogNode::ReadPayload(SerialStream& stream)
{
    switch (m_eType) {
    case DLG_PROPOSITION: m_uWord1 = stream.ReadU32(); break;
    case DLG_SENTENCE:
        m_uWord2 = stream.ReadU32();
        m_uWord1 = stream.ReadU32();
        m_uWord3 = stream.ReadU32();
        // The talk screen picks the speaker's portrait by mood.
        if (stream.IsGood() && m_uWord3 >= static_cast<uint32_t>(MOOD_COUNT)) {
            CorePrint(&g_oCoreLog, "DialogNode::Initialize -- mood %u above the %d moods\n", m_uWord3, MOOD_COUNT);
            return false;
        }
        break;
    case DLG_ACTION: {
        m_uWord1 = stream.ReadU32();
        const uint32_t uOperand = stream.ReadU32();
        if (!stream.IsGood())
            return false;
        if (m_uWord1 == DLG_ACTION_CALLBACK) {
            m_uWord2 = uOperand;
            break;
        }
        if (m_uWord1 != DLG_ACTION_SET_BOOL && m_uWord1 != DLG_ACTION_SET_INT) {
            CorePrint(&g_oCoreLog, "DialogNode::Initialize -- Invalid action type !\n");
            return false;
        }
        const uint32_t uValue = stream.ReadU32();
        // An unknown variable stays -1: setting it does nothing.
        const bool bBool = m_uWord1 == DLG_ACTION_SET_BOOL;
        m_uWord2 = static_cast<uint32_t>(bBool ? Id::GetVarBoolFromHash(uOperand) : Id::GetVarIntFromHash(uOperand));
        m_uWord3 = bBool ? (uValue != 0 ? 1u : 0u) : uValue;
        break;
    }
    case DLG_JUMP: m_uWord1 = stream.ReadU32(); break;
    default: break;
    }
    return stream.IsGood();
}

bool DialogNode::IsValid(const VarSet* pVars) const
{
    if (!m_pCondition)
        return true;
    return pVars != nullptr && m_pCondition->Evaluate(*pVars);
}
