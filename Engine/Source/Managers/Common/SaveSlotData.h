#pragma once
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"
#include "Maths/Fx32.h"

#include <cstddef>
#include <cstdint>
#include <span>

constexpr int SAVE_INVENTORY_COUNT = 3;
constexpr int SAVE_INVENTORY_CELLS = 30;
constexpr int SAVE_DIALOG_READ_WORDS = 130;

// One saved game: 300 little-endian 32-bit words, stored as they are in the
// save file. Each block belongs to one subsystem, which fills and reads it.
struct SaveSlotData {
    // Actor id of the character the player leads.
    uint32_t m_uPlayingCharacter;
    // Copy of VARINT_CURRENT_CHAPTER.
    int32_t m_iChapter;
    // The game clock in milliseconds, low word first.
    uint32_t m_aPlayTime[2];
    // Copy of VARINT_C_CURRENT_SCENE; a slot without a scene id holds no game.
    int32_t m_iCurrentScene;
    // Master volumes, 4096 = full.
    fx32 m_fxAmbientVolume;
    fx32 m_fxMusicVolume;
    fx32 m_fxEffectsVolume;
    fx32 m_fxSpeechVolume;
    // The playing characters' inventories (item ids, 0 = empty cell), by
    // AdventureManager::GetInventoryIndex.
    uint32_t m_aInventories[SAVE_INVENTORY_COUNT][SAVE_INVENTORY_CELLS];
    // The game variables exactly as VarSet holds them.
    uint32_t m_aVarBools[VARBOOL_WORDS];
    int32_t m_aVarInts[VARINT_LAST];
    // The dialogs' read-proposition bits, as the dialog manager saves them.
    uint32_t m_aDialogReadMarks[SAVE_DIALOG_READ_WORDS];
    // Not interpreted.
    uint32_t m_uReserved;

    uint64_t GetPlayTime() const { return m_aPlayTime[0] | (static_cast<uint64_t>(m_aPlayTime[1]) << 32); }
    void SetPlayTime(uint64_t milliseconds)
    {
        m_aPlayTime[0] = static_cast<uint32_t>(milliseconds);
        m_aPlayTime[1] = static_cast<uint32_t>(milliseconds >> 32);
    }
    // Empty: no scene id in 1..63 (0 marks a slot never played).
    bool IsEmpty() const { return m_iCurrentScene < ID_SCENE_FIRST || m_iCurrentScene >= ID_SCENE_LAST; }
    // The inventory of that index (0..2); the caller keeps the index in range.
    std::span<uint32_t, SAVE_INVENTORY_CELLS> GetInventory(int index) { return m_aInventories[index]; }
    std::span<const uint32_t, SAVE_INVENTORY_CELLS> GetInventory(int index) const { return m_aInventories[index]; }
    std::span<uint32_t, SAVE_DIALOG_READ_WORDS> GetDialogReadMarks() { return m_aDialogReadMarks; }
    std::span<const uint32_t, SAVE_DIALOG_READ_WORDS> GetDialogReadMarks() const { return m_aDialogReadMarks; }
};

// The record is the file's bytes: every block at its word.
static_assert(sizeof(SaveSlotData) == 1200);
static_assert(offsetof(SaveSlotData, m_aPlayTime) == 2 * 4);
static_assert(offsetof(SaveSlotData, m_iCurrentScene) == 4 * 4);
static_assert(offsetof(SaveSlotData, m_fxAmbientVolume) == 5 * 4);
static_assert(offsetof(SaveSlotData, m_fxSpeechVolume) == 8 * 4);
static_assert(offsetof(SaveSlotData, m_aInventories) == 9 * 4);
static_assert(offsetof(SaveSlotData, m_aVarBools) == 99 * 4);
static_assert(offsetof(SaveSlotData, m_aVarInts) == 133 * 4);
static_assert(offsetof(SaveSlotData, m_aDialogReadMarks) == 169 * 4);
static_assert(offsetof(SaveSlotData, m_uReserved) == 299 * 4);
