#pragma once
#include "Dialogs/Common/DialogFormat.h"
#include "Dialogs/Common/DialogNode.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class ScriptTreeContext;
class ScriptTreeDispatch;
class VarSet;

// A script's dialog key and the index of its dialog's root.
struct DialogKey {
    uint32_t m_uKey = 0;
    int32_t m_iRootIndex = -1;
};

// One dialog group loaded from a dialogs file: a key table that maps the
// dialog ids of the scripts to trees of nodes, and the walk of the dialog
// that runs. The walk stops where the player must see or answer something: a
// sentence, the propositions of a choice, or a callback into the scene's
// script, which runs on the group's own script context.
class Dialog {
public:
    Dialog();
    ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Parses a whole dialogs file. A file refused for any reason (its header,
    // a bound that it breaks, a node or condition that cannot be read) is
    // logged with its name and leaves the group empty and ended.
    bool Initialize(const uint8_t* pData, size_t uSize, const char* pFileName);
    // Frees the script context and the trees; a second release does nothing.
    void Release();

    // Selects the dialog of that key: false when no key matches or it has no
    // dialog.
    bool SetCurrentDialog(uint32_t uKey);
    // Walks on to the next sentence, choice, callback or end. Does nothing
    // while the dialog waits for its script.
    void Advance();
    // Runs an action node; true when it started a callback, which stops the
    // walk until the callback's script walk has finished.
    bool ExecuteNode(DialogNode* pNode);
    // While the dialog waits for its script: steps the script walk and, once
    // it has finished, goes on after the callback.
    void UpdateScript();
    // The player took proposition i of those on offer; it becomes the current
    // node (the caller advances). False (logged) when nothing is on offer, i is
    // not one of them or no valid proposition lies under it.
    bool SelectProposition(int32_t i);
    // The sentence on show: speaker, text id and mood. False (outputs 0) when
    // no sentence is shown.
    bool GetSentence(uint32_t& uSpeaker, uint32_t& uTextId, uint32_t& uMood) const;
    bool HasProposition() const { return m_iNumProposition != 0; }

    // Fills the offer from the valid children of a choice or root.
    void GetSubProposition(DialogNode* pChoice);
    // Null when the node's own condition fails; else its first valid child.
    DialogNode* GetFirstValidNode(const DialogNode* pNode) const;
    // The first valid node among the node's next siblings.
    DialogNode* GetNextValidSibling(const DialogNode* pNode) const;

    // Where a callback's global actions go (the script manager's side).
    void SetScriptDispatch(ScriptTreeDispatch* pDispatch) { m_pScriptDispatch = pDispatch; }

    bool IsEnded() const { return m_bEnded != 0; }
    bool IsWaitingForScript() const { return m_bWaitingForScript != 0; }
    int32_t GetNumDialogs() const { return m_iNumDialogs; }
    int32_t GetNumPropositions() const { return m_iNumProposition; }
    // Offered node i, or null.
    const DialogNode* GetProposition(int32_t i) const;
    // The offered node i's index among the children of the node that offers
    // it, or -1.
    int32_t GetPropositionChildIndex(int32_t i) const;
    const DialogNode* GetCurrentNode() const { return m_pCurrentNode; }
    const DialogNode* GetSentenceNode() const { return m_pSentence; }
    const DialogNode* GetRoot(int32_t iIndex) const;
    const DialogKey* GetKeys() const { return m_pKeys.get(); }
    const ScriptTreeContext* GetScriptContext() const { return m_pScriptContext.get(); }
    // The group's name from the file, always terminated.
    const char* GetName() const { return m_sName; }

private:
    bool Parse(SerialStream& stream);
    bool ReadKeys(SerialStream& stream);
    bool ReadRoots(SerialStream& stream);
    // Numbers the propositions across the group and checks that each offer
    // fits the talk screen.
    bool NumberPropositions(DialogNode& oNode, int32_t& iCounter);
    const VarSet* GetVars() const;

    uint8_t m_bEnded = 1;
    int32_t m_iNumDialogs = 0;
    int32_t m_iCurrentDialog = 0;
    std::unique_ptr<DialogKey[]> m_pKeys;
    std::unique_ptr<DialogNode[]> m_pRoots;
    DialogNode* m_pCurrentNode = nullptr;
    int32_t m_iNumProposition = 0;
    DialogNode* m_aPropositions[DIALOG_PROPOSITION_TABLE_SIZE] = {};
    int32_t m_aChildIndices[DIALOG_PROPOSITION_TABLE_SIZE] = {};
    DialogNode* m_pSentence = nullptr;
    std::unique_ptr<ScriptTreeContext> m_pScriptContext;
    uint8_t m_bWaitingForScript = 0;
    ScriptTreeDispatch* m_pScriptDispatch = nullptr;
    char m_sName[DIALOG_GROUP_NAME_SIZE + 1] = {};
};
