#pragma once
#include "Dialogs/Common/DialogCondition.h"

#include <cstdint>
#include <memory>

class SerialStream;
class VarSet;

// One node of a dialog tree. The children of a node lie in one array in file
// order; each knows its parent and its next sibling (roots have neither).
class DialogNode {
public:
    enum Type : int32_t {
        DLG_ROOT = 1,
        // Its children are the propositions offered together.
        DLG_CHOICE = 2,
        // A line the player may pick: word 1 is its text id.
        DLG_PROPOSITION = 3,
        // A line spoken: word 1 text id, word 2 speaker (actor id), word 3 mood.
        DLG_SENTENCE = 4,
        // Word 1 the action type, word 2 the variable id or callback id,
        // word 3 the value.
        DLG_ACTION = 5,
        // Word 1 the jump kind.
        DLG_JUMP = 6,
    };
    enum ActionType : uint32_t {
        DLG_ACTION_SET_BOOL = 2,
        DLG_ACTION_SET_INT = 3,
        DLG_ACTION_CALLBACK = 4,
    };
    enum JumpKind : uint32_t {
        // Leaves the choice that holds the jump's proposition.
        DLG_JUMP_LEAVE_CHOICE = 0,
        // Ends the dialog.
        DLG_JUMP_END = 1,
    };

    // Reads one node record and its children at the stream's cursor (iDepth
    // is the node's nesting, 0 for a root). Only a root may be of type
    // DLG_ROOT, and every root must be. False (logged) when the record or
    // any record below it is refused.
    bool Initialize(SerialStream& stream, int iDepth);
    // No condition, or its condition holds now.
    bool IsValid(const VarSet* pVars) const;
    bool IsChoiceOrRoot() const { return m_eType == DLG_CHOICE || m_eType == DLG_ROOT; }

    int32_t m_eType = 0;
    int32_t m_iNbChildren = 0;
    std::unique_ptr<DialogNode[]> m_pChildren;
    DialogNode* m_pParent = nullptr;
    DialogNode* m_pNextSibling = nullptr;
    std::unique_ptr<DialogCondition> m_pCondition;
    // A proposition's number within its group (set once the group has
    // loaded); -1 for every other node.
    int32_t m_iPropositionIndex = -1;
    uint32_t m_uWord1 = 0;
    uint32_t m_uWord2 = 0;
    uint32_t m_uWord3 = 0;

private:
    bool ReadPayload(SerialStream& stream);
};
