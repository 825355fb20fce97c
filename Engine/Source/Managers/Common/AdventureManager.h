#pragma once
#include "Common/IdHash.h"
#include "Managers/Common/SaveFileLayout.h"

#include <cstdint>

// Results of the save-file operations.
constexpr int SAVE_RESULT_DONE = 0;
// Load only: the header was refused, or a slot failed its CRC.
constexpr int SAVE_RESULT_BAD_DATA = 2;
// The save area could not be accessed (no save file could be read or made).
constexpr int SAVE_RESULT_NO_ACCESS = 4;
// Save only: the data did not reach the save file; the slots in memory keep it.
constexpr int SAVE_RESULT_WRITE_FAILED = 5;

// The game's three save slots: the working copies in memory, the live game
// state stored into a slot and restored from it, and the save file's layout,
// read and written through the card manager's image.
class AdventureManager {
public:
    // Start-up constants: the character a new game leads and its first scene.
    static constexpr uint32_t DEFAULT_PLAYING_CHARACTER = ActorIdOf("tavrine_kid");
    static constexpr int32_t START_SCENE = 3;
    // What ClearSlot sets the master volumes to.
    static constexpr fx32 CLEARED_SLOT_VOLUME = FX32_HALF;

    static AdventureManager* CreateSingleton();
    static void DestroySingleton();
    static AdventureManager* GetInstance();

    // Current slot 0, the variable-name signature, then ResetSlots.
    void Initialize();
    // Clears the three slots, sets the default playing character, the start
    // scene and the languages into the variables, and copies the variables
    // into slot 0.
    void ResetSlots();

    void SetSaveSlotIndex(int iSlot);
    int GetSaveSlotIndex() const { return m_iCurrentSlot; }
    // The slot's data; null (after the assert) for an index outside 0..2.
    SaveSlotData* GetSaveSlot(int iSlot);
    // Empties the slot: default character, no chapter, time or scene, half
    // volumes, no items, variables or read marks, CRC 0. Returns 0.
    int ClearSlot(int iSlot);
    // Copies the whole record, CRC and reserved word included.
    bool CopySlot(int iSlotFrom, int iSlotTo);

    // 0 for "tavrine", "boat_windsome_maid" and "system", 1 for
    // "tavrine_kid"; -1 (reported) for any other actor.
    static int GetInventoryIndex(uint32_t actorId);

    // The live game state into a record and back.
    void StoreGameState(SaveSlotData* pData);
    void RestoreGameState(const SaveSlotData* pData);
    // When VARINT_C_PLAYING_CHARACTER is no longer the character the in-game
    // menu shows: the shown inventory goes into the current slot, the menu
    // reopens for the new character and shows that character's inventory
    // from the slot.
    void UpdateHeroInventory();

    // Writes the header and, unless iSlot is INVALID_SLOT, that slot into the
    // card manager's image, which then goes to the save file.
    int SaveToBackup(int iSlot);
    // The caller clears the slot first; this writes it.
    int DeleteFromBackup(int iSlot);
    // Loads the header's languages and every intact slot from the card
    // manager's image (see LoadFromImage).
    int LoadFromBackup();
    // Checks a save file image and loads it: an image of zeros (a fresh file)
    // holds nothing saved yet and changes nothing; a refused header changes
    // nothing; a slot that fails its CRC keeps what it held (and is reported)
    // while the others load; a slot naming no valid scene loads as empty.
    int LoadFromImage(const SaveFileImage& image);

    // Logs the file's layout.
    void DumpBackupLayout() const;

    uint32_t GetSignature() const { return m_uSignature; }
    // The whole record of a slot (0..2): data, CRC and reserved word.
    const SaveSlotRecord& GetSlotRecord(int iSlot) const { return m_aSlots[iSlot]; }

private:
    AdventureManager() = default;

    static bool IsSlot(int iSlot) { return iSlot >= 0 && iSlot < NB_SLOT; }
    void LoadLanguages(const SaveFileHeader& header);
    int LoadSlot(int iSlot, const SaveSlotRecord& record);

    int32_t m_iCurrentSlot = 0;
    SaveSlotRecord m_aSlots[NB_SLOT] = {};
    uint32_t m_uSignature = 0;
};
