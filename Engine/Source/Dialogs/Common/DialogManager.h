#pragma once
#include "Dialogs/Common/Dialog.h"

#include <cstdint>
#include <memory>
#include <span>

class ScriptTreeDispatch;

constexpr int32_t MAX_DIALOG_GROUPS = 128;
// The common group's slot and group id.
constexpr int32_t COMMON_DIALOG_GROUP_NUMBER = 0;
// Group ids with read marks: the common group 0 and the scenes 1 to 64.
constexpr int32_t DIALOG_GROUP_ID_COUNT = 65;
// 64 marks per group id, saved whole in a save slot.
constexpr int32_t DIALOG_READ_MARK_WORDS = DIALOG_GROUP_ID_COUNT * MAX_PROPOSITION_PER_DIALOG_GROUP / 32;
constexpr int32_t DIALOG_LAST_SELECTED_COUNT = 4;

// Owns the loaded dialog groups in 128 slots (the common group always in slot
// 0, a scene's group while the scene lives), knows the current group, starts
// dialogs for the scripts, takes the player's choices and remembers which
// propositions the player has chosen in the whole game: the read marks, bit
// group id * 64 + proposition number, kept in the save slot.
//
// Slots take groups only between Initialize and Shutdown, which bracket the
// main adventure state.
class DialogManager {
public:
    // Every slot taken and empty until Initialize.
    DialogManager();
    virtual ~DialogManager();

    static DialogManager* CreateSingleton();
    static void DestroySingleton();
    static DialogManager* GetInstance();

    // Clears the read marks and the ring of last choices; frees every slot.
    bool Initialize();
    // No current group, no slot free, no read marks; the groups are released.
    void Shutdown();

    // Loads a dialogs file into the slot asked for, or into the first free
    // one when that slot is out of range or taken. Returns the slot, or -1
    // when no slot is free, the group id has no read marks or the file is
    // refused (the slot stays free). The first group added becomes current.
    int32_t AddDialogGroup(int32_t iSlot, const uint8_t* pData, size_t uSize, int32_t iGroupId, const char* pFileName);
    // Releases the slot's group and frees it; a slot out of range is refused.
    void RemoveDialogGroup(int32_t iDialogNumber);
    // A slot out of range is refused; a free one is reported and still taken.
    void SetCurrentDialogGroup(int32_t iDialogNumber);

    // Starts the dialog of that key in the current group and walks to its
    // first stop; a key that selects nothing starts nothing. Empties the ring
    // of last choices either way.
    void StartDialog(uint32_t uKey);
    // The player took offered proposition i: it is marked read and noted as
    // a last choice, and the dialog goes on.
    void SelectProposition(int32_t i);
    // What the talk screen shows of the offer (at most 16): the count, and
    // per proposition its text id and read flag (either array may be null);
    // lastSelected is the last offered one among the last four choices, or -1.
    void GetPropositions(int32_t& iCount, uint32_t* pTextIds, uint8_t* pReadFlags, int32_t& iLastSelected) const;

    // The read marks into a save slot's words and back; both return the
    // length in words. Without read marks nothing is copied.
    int32_t Save(std::span<uint32_t, DIALOG_READ_MARK_WORDS> buffer) const;
    int32_t Load(std::span<const uint32_t, DIALOG_READ_MARK_WORDS> buffer);

    // Once per frame of the main adventure state: the current group's walk
    // of its callback's script, while it waits for it.
    void UpdateScript();
    // The logic actor's dialog actions: the scene's dialog (in the scene's
    // slot) or a common dialog (slot 0). Once the common dialog's action
    // completes, the scene's slot is current again.
    void StartDialogAction(int32_t iActionType, uint32_t uKey, int32_t iSceneSlot);
    void EndDialogAction(int32_t iActionType, int32_t iSceneSlot);
    // Whether the current group runs a dialog.
    bool IsDialogRunning() const;

    // Where the callbacks' global actions go.
    void SetScriptDispatch(ScriptTreeDispatch* pDispatch);

    int32_t GetCurrentDialogGroup() const { return m_iCurrentDialogGroup; }
    // The current group's dialog, or null.
    Dialog* GetCurrentDialog();
    const Dialog* GetCurrentDialog() const;
    // Null for a slot out of range.
    const Dialog* GetDialog(int32_t iSlot) const;
    bool IsSlotFree(int32_t iSlot) const;
    int32_t GetGroupId(int32_t iSlot) const;
    bool IsPropositionRead(int32_t iGroupId, int32_t iProposition) const;
    int32_t GetLastSelected(int32_t i) const { return m_aLastSelected[i]; }

private:
    struct DialogGroupSlot {
        Dialog m_oDialog;
        uint8_t m_bIsFree = 0;
        int32_t m_iDialogId = -1;
    };

    static bool IsSlotIndex(int32_t iSlot) { return iSlot >= 0 && iSlot < MAX_DIALOG_GROUPS; }
    // The asserts of a slot given by a caller; false when it is out of range.
    bool CheckSlot(int32_t iDialogNumber) const;
    void ClearLastSelected();

    int32_t m_iCurrentDialogGroup = -1;
    std::unique_ptr<DialogGroupSlot[]> m_pDialogGroupSlots;
    std::unique_ptr<uint32_t[]> m_pPropositionReadStatus;
    int32_t m_iPropositionReadStatusLength = 0;
    int32_t m_iLastSelectedIndex = 0;
    int32_t m_aLastSelected[DIALOG_LAST_SELECTED_COUNT] = {-1, -1, -1, -1};
    ScriptTreeDispatch* m_pScriptDispatch = nullptr;
};
