#pragma once
#include <cstdint>

// What the script manager needs of the save slots: reading and writing the
// save file, clearing, copying and starting slots. The adventure manager
// provides it; tests install small fakes. Slot indices are 0..2 as the
// scripts' slot variables hold them; the provider refuses others.
class ScriptSaveLink {
public:
    virtual ~ScriptSaveLink() = default;

    // Reads the save file into the slots.
    virtual void LoadFromBackup() = 0;
    // Writes the slot to the save file.
    virtual void SaveToBackup(int32_t iSlot) = 0;
    // Empties the slot in memory.
    virtual void ClearSlot(int32_t iSlot) = 0;
    // Rewrites an emptied slot in the save file.
    virtual void DeleteFromBackup(int32_t iSlot) = 0;
    // Copies a whole slot over another; false when it was refused.
    virtual bool CopySlot(int32_t iSlotFrom, int32_t iSlotTo) = 0;
    // A slot whose current-scene word is 0 holds no game.
    virtual bool IsSlotEmpty(int32_t iSlot) = 0;
    // Prepares a new game in the slot: the playing character, the scene and
    // the chapter that the game starts with.
    virtual void PrepareNewGame(int32_t iSlot, uint32_t uPlayingCharacter, int32_t iSceneId, int32_t iChapter) = 0;
    // Makes the slot the current one.
    virtual void SetSaveSlotIndex(int32_t iSlot) = 0;
};

// Stands in until the save slots exist: every slot is empty and every request
// is logged.
class NullScriptSaveLink final : public ScriptSaveLink {
public:
    void LoadFromBackup() override;
    void SaveToBackup(int32_t iSlot) override;
    void ClearSlot(int32_t iSlot) override;
    void DeleteFromBackup(int32_t iSlot) override;
    bool CopySlot(int32_t iSlotFrom, int32_t iSlotTo) override;
    bool IsSlotEmpty(int32_t) override { return true; }
    void PrepareNewGame(int32_t iSlot, uint32_t uPlayingCharacter, int32_t iSceneId, int32_t iChapter) override;
    void SetSaveSlotIndex(int32_t iSlot) override;
};

// The link the script manager uses; SetScriptSaveLink(nullptr) restores the
// null one.
ScriptSaveLink& GetScriptSaveLink();
void SetScriptSaveLink(ScriptSaveLink* pLink);
