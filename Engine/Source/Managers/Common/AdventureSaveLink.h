#pragma once
#include "Managers/Common/ScriptSaveLink.h"

// The game's save slots: the adventure manager's. A slot index outside 0..2
// is refused with a line naming the request; without the adventure manager
// every request is refused the same way.
class AdventureSaveLink final : public ScriptSaveLink {
public:
    void LoadFromBackup() override;
    void SaveToBackup(int32_t iSlot) override;
    void ClearSlot(int32_t iSlot) override;
    void DeleteFromBackup(int32_t iSlot) override;
    bool CopySlot(int32_t iSlotFrom, int32_t iSlotTo) override;
    bool IsSlotEmpty(int32_t iSlot) override;
    void PrepareNewGame(int32_t iSlot, uint32_t uPlayingCharacter, int32_t iSceneId, int32_t iChapter) override;
    void SetSaveSlotIndex(int32_t iSlot) override;
};
