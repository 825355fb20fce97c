#include "Managers/Common/AdventureSaveLink.h"

#include "Common/VarIds.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureManager.h"

namespace {

// The adventure manager when the slot is one of its three; null, with a line
// naming the request, otherwise.
AdventureManager* SlotOwner(int32_t iSlot, const char* pRequest)
{
    AdventureManager* pAdventure = AdventureManager::GetInstance();
    if (pAdventure == nullptr) {
        CorePrint(&g_oCoreLog, "No save slots: %s(%d) refused\n", pRequest, iSlot);
        return nullptr;
    }
    if (iSlot < 0 || iSlot >= NB_SLOT) {
        CorePrint(&g_oCoreLog, "No save slot %d: %s refused\n", iSlot, pRequest);
        return nullptr;
    }
    return pAdventure;
}

} // namespace

void AdventureSaveLink::LoadFromBackup()
{
    if (AdventureManager* pAdventure = AdventureManager::GetInstance())
        pAdventure->LoadFromBackup();
    else
        CorePrint(&g_oCoreLog, "No save slots: LoadFromBackup refused\n");
}

void AdventureSaveLink::SaveToBackup(int32_t iSlot)
{
    // Without a slot only the header, with the languages, goes to the file:
    // the start menu's options save so.
    if (iSlot == INVALID_SLOT) {
        if (AdventureManager* pAdventure = AdventureManager::GetInstance())
            pAdventure->SaveToBackup(iSlot);
        else
            CorePrint(&g_oCoreLog, "No save slots: SaveToBackup refused\n");
        return;
    }
    if (AdventureManager* pAdventure = SlotOwner(iSlot, "SaveToBackup"))
        pAdventure->SaveToBackup(iSlot);
}

void AdventureSaveLink::ClearSlot(int32_t iSlot)
{
    if (AdventureManager* pAdventure = SlotOwner(iSlot, "ClearSlot"))
        pAdventure->ClearSlot(iSlot);
}

void AdventureSaveLink::DeleteFromBackup(int32_t iSlot)
{
    if (AdventureManager* pAdventure = SlotOwner(iSlot, "DeleteFromBackup"))
        pAdventure->DeleteFromBackup(iSlot);
}

bool AdventureSaveLink::CopySlot(int32_t iSlotFrom, int32_t iSlotTo)
{
    AdventureManager* pAdventure = SlotOwner(iSlotFrom, "CopySlot");
    return pAdventure != nullptr && SlotOwner(iSlotTo, "CopySlot") != nullptr &&
           pAdventure->CopySlot(iSlotFrom, iSlotTo);
}

bool AdventureSaveLink::IsSlotEmpty(int32_t iSlot)
{
    AdventureManager* pAdventure = SlotOwner(iSlot, "IsSlotEmpty");
    return pAdventure == nullptr || pAdventure->GetSaveSlot(iSlot)->m_iCurrentScene == 0;
}

void AdventureSaveLink::PrepareNewGame(int32_t iSlot, uint32_t uPlayingCharacter, int32_t iSceneId, int32_t iChapter)
{
    AdventureManager* pAdventure = SlotOwner(iSlot, "PrepareNewGame");
    if (pAdventure == nullptr)
        return;
    // The slot's words and its copies of the variables agree: the main state
    // reads the words, the restore brings back the variables.
    SaveSlotData* pSlot = pAdventure->GetSaveSlot(iSlot);
    pSlot->m_uPlayingCharacter = uPlayingCharacter;
    pSlot->m_iCurrentScene = iSceneId;
    pSlot->m_iChapter = iChapter;
    pSlot->m_aVarInts[VARINT_C_PLAYING_CHARACTER] = static_cast<int32_t>(uPlayingCharacter);
    pSlot->m_aVarInts[VARINT_C_CURRENT_SCENE] = iSceneId;
    pSlot->m_aVarInts[VARINT_CURRENT_CHAPTER] = iChapter;
}

void AdventureSaveLink::SetSaveSlotIndex(int32_t iSlot)
{
    if (AdventureManager* pAdventure = SlotOwner(iSlot, "SetSaveSlotIndex"))
        pAdventure->SetSaveSlotIndex(iSlot);
}
