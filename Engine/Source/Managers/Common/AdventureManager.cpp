#include "Managers/Common/AdventureManager.h"

#include "Common/GameLink.h"
#include "Dialogs/Common/DialogManager.h"
#include "Error/EngineAssert.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"

#include <algorithm>
#include <cstring>

static_assert(SAVE_DIALOG_READ_WORDS == DIALOG_READ_MARK_WORDS);

namespace {

struct InventoryIndexRow {
    uint32_t uActorId;
    int iIndex;
};

// The third inventory of a slot is never selected.
constexpr InventoryIndexRow INVENTORY_INDEXES[] = {
    {ActorIdOf("tavrine"), 0},
    {ActorIdOf("boat_windsome_maid"), 0},
    {ActorIdOf("system"), 0},
    {ActorIdOf("tavrine_kid"), 1},
};

// A saved volume outside silence..full would play louder than any setting
// the game offers.
fx32 SavedVolume(fx32 volume)
{
    return std::clamp(volume, fx32 {0}, FX32_ONE);
}

} // namespace

void AdventureManager::Initialize()
{
    m_iCurrentSlot = 0;
    m_uSignature = SaveFile::ComputeVarNameSignature();
    ResetSlots();
}

void AdventureManager::ResetSlots()
{
    for (int slot = 0; slot < NB_SLOT; ++slot)
        ClearSlot(slot);
    SceneManager::SetPlayingCharacter(DEFAULT_PLAYING_CHARACTER);
    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(DEFAULT_PLAYING_CHARACTER));
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, START_SCENE);
    g_VarManager.SetInt(VARINT_C_GAME_LANGUAGE, GetGameLink().GetGameLanguage());
    g_VarManager.SetInt(VARINT_C_VOICE_LANGUAGE, GetGameLink().GetVoiceLanguage());
    // A new game starts from slot 0 with these variables (the start scene is
    // not the adventure's own first scene, so the copy always happens).
    SaveSlotData& first = m_aSlots[0].m_oData;
    std::memcpy(first.m_aVarBools, g_VarManager.m_aBools, sizeof first.m_aVarBools);
    std::memcpy(first.m_aVarInts, g_VarManager.m_aInts, sizeof first.m_aVarInts);
}

void AdventureManager::SetSaveSlotIndex(int iSlot)
{
    ENGINE_ASSERT(iSlot >= 0 && iSlot < NB_SLOT);
    if (IsSlot(iSlot))
        m_iCurrentSlot = iSlot;
}

SaveSlotData* AdventureManager::GetSaveSlot(int iSlot)
{
    ENGINE_ASSERT(iSlot >= 0 && iSlot < NB_SLOT);
    return IsSlot(iSlot) ? &m_aSlots[iSlot].m_oData : nullptr;
}

int AdventureManager::ClearSlot(int iSlot)
{
    ENGINE_ASSERT(iSlot >= 0 && iSlot < NB_SLOT);
    if (!IsSlot(iSlot))
        return 0;
    SaveSlotRecord& record = m_aSlots[iSlot];
    SaveSlotData& data = record.m_oData;
    // The reserved words keep what they hold; the CRC is made on saving.
    const uint32_t reserved = data.m_uReserved;
    data = SaveSlotData {};
    data.m_uReserved = reserved;
    data.m_uPlayingCharacter = DEFAULT_PLAYING_CHARACTER;
    data.m_fxAmbientVolume = CLEARED_SLOT_VOLUME;
    data.m_fxMusicVolume = CLEARED_SLOT_VOLUME;
    data.m_fxEffectsVolume = CLEARED_SLOT_VOLUME;
    data.m_fxSpeechVolume = CLEARED_SLOT_VOLUME;
    record.m_uCrc = 0;
    return 0;
}

bool AdventureManager::CopySlot(int iSlotFrom, int iSlotTo)
{
    ENGINE_ASSERT(iSlotTo >= 0 && iSlotTo < NB_SLOT);
    ENGINE_ASSERT(iSlotFrom >= 0 && iSlotFrom < NB_SLOT);
    if (!IsSlot(iSlotFrom) || !IsSlot(iSlotTo))
        return false;
    m_aSlots[iSlotTo] = m_aSlots[iSlotFrom];
    return true;
}

int AdventureManager::GetInventoryIndex(uint32_t actorId)
{
    for (const InventoryIndexRow& row : INVENTORY_INDEXES) {
        if (row.uActorId == actorId)
            return row.iIndex;
    }
    ENGINE_ASSERT_MSG(false, "Cannot get inventory index for actor!\n");
    return -1;
}

void AdventureManager::StoreGameState(SaveSlotData* pData)
{
    if (!pData)
        return;
    pData->m_uPlayingCharacter = SceneManager::GetPlayingCharacter();
    pData->m_iChapter = g_VarManager.GetInt(VARINT_CURRENT_CHAPTER);
    pData->SetPlayTime(GetGameLink().GetGameClock());
    pData->m_iCurrentScene = g_VarManager.GetInt(VARINT_C_CURRENT_SCENE);
    // The other characters' inventories keep what the slot holds; before a
    // character plays there is no inventory to keep.
    InterfaceMenu* pMenu = InterfaceMenu::GetInstance();
    if (pMenu != nullptr && pData->m_uPlayingCharacter != 0) {
        const int iInventory = GetInventoryIndex(pData->m_uPlayingCharacter);
        if (iInventory != -1)
            std::ranges::copy(pMenu->GetInventory().GetCells(), pData->GetInventory(iInventory).begin());
    }
    std::memcpy(pData->m_aVarBools, g_VarManager.m_aBools, sizeof pData->m_aVarBools);
    std::memcpy(pData->m_aVarInts, g_VarManager.m_aInts, sizeof pData->m_aVarInts);
    if (const DialogManager* dialogs = DialogManager::GetInstance())
        dialogs->Save(pData->GetDialogReadMarks());
    pData->m_fxAmbientVolume = SoundManager::m_fxMasterAmbientVolume;
    pData->m_fxMusicVolume = SoundManager::m_fxMasterMusicVolume;
    pData->m_fxEffectsVolume = SoundManager::m_fxMasterEffectsVolume;
    pData->m_fxSpeechVolume = SoundManager::m_fxMasterSpeechVolume;
}

void AdventureManager::RestoreGameState(const SaveSlotData* pData)
{
    if (!pData)
        return;
    SceneManager::SetPlayingCharacter(pData->m_uPlayingCharacter);
    GetGameLink().SetGameClock(pData->GetPlayTime());
    std::memcpy(g_VarManager.m_aBools, pData->m_aVarBools, sizeof g_VarManager.m_aBools);
    std::memcpy(g_VarManager.m_aInts, pData->m_aVarInts, sizeof g_VarManager.m_aInts);
    InterfaceMenu* pMenu = InterfaceMenu::GetInstance();
    if (pMenu != nullptr && pData->m_uPlayingCharacter != 0) {
        const int iInventory = GetInventoryIndex(pData->m_uPlayingCharacter);
        if (iInventory != -1)
            pMenu->GetInventory().SetItems(pData->GetInventory(iInventory));
    }
    if (DialogManager* dialogs = DialogManager::GetInstance())
        dialogs->Load(pData->GetDialogReadMarks());
    // The setters also write the volumes into their game variables. The
    // chapter and the scene come back with the variables.
    SoundManager::SetAmbientVolume(SavedVolume(pData->m_fxAmbientVolume));
    SoundManager::SetMusicVolume(SavedVolume(pData->m_fxMusicVolume));
    SoundManager::SetEffectsVolume(SavedVolume(pData->m_fxEffectsVolume));
    SoundManager::SetSpeechVolume(SavedVolume(pData->m_fxSpeechVolume));
}

void AdventureManager::UpdateHeroInventory()
{
    InterfaceMenu* pMenu = InterfaceMenu::GetInstance();
    const auto uCharacter = static_cast<uint32_t>(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER));
    if (pMenu == nullptr || uCharacter == 0 || uCharacter == pMenu->GetShownCharacter())
        return;
    SaveSlotData* pSlot = GetSaveSlot(m_iCurrentSlot);
    const uint32_t uPrevious = pMenu->GetShownCharacter();
    const int iPrevious = uPrevious != 0 ? GetInventoryIndex(uPrevious) : -1;
    if (pSlot != nullptr && iPrevious != -1)
        std::ranges::copy(pMenu->GetInventory().GetCells(), pSlot->GetInventory(iPrevious).begin());
    pMenu->Unload();
    pMenu->Close();
    pMenu->Open(uCharacter);
    if (!pMenu->Load())
        ENGINE_ASSERT(false);
    const int iInventory = GetInventoryIndex(uCharacter);
    if (pSlot != nullptr && iInventory != -1)
        pMenu->GetInventory().SetItems(pSlot->GetInventory(iInventory));
}
