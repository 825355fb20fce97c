#include "MiniGame/Common/MiniGameResult.h"

#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SaveSlotData.h"

namespace {

SaveSlotData* CurrentSlot()
{
    AdventureManager* pAdventure = AdventureManager::GetInstance();
    return pAdventure != nullptr ? pAdventure->GetSaveSlot(pAdventure->GetSaveSlotIndex()) : nullptr;
}

uint32_t* SlotWord(int32_t iVarId, uint32_t& mask)
{
    SaveSlotData* pSlot = CurrentSlot();
    if (pSlot == nullptr || iVarId < 0 || iVarId >= VARBOOL_LAST)
        return nullptr;
    mask = 1u << (iVarId % 32);
    return &pSlot->m_aVarBools[iVarId / 32];
}

} // namespace

namespace MiniGameResult {

bool SetSlotBool(int32_t iVarId, bool bValue)
{
    uint32_t mask = 0;
    uint32_t* pWord = SlotWord(iVarId, mask);
    if (pWord == nullptr)
        return false;
    *pWord = bValue ? (*pWord | mask) : (*pWord & ~mask);
    return true;
}

bool GetSlotBool(int32_t iVarId)
{
    uint32_t mask = 0;
    const uint32_t* pWord = SlotWord(iVarId, mask);
    return pWord != nullptr && (*pWord & mask) != 0;
}

bool SetSlotInt(int32_t iVarId, int32_t iValue)
{
    SaveSlotData* pSlot = CurrentSlot();
    if (pSlot == nullptr || iVarId < 0 || iVarId >= VARINT_LAST)
        return false;
    pSlot->m_aVarInts[iVarId] = iValue;
    return true;
}

bool SetResumeScene(int32_t iSceneId)
{
    SaveSlotData* pSlot = CurrentSlot();
    if (pSlot == nullptr)
        return false;
    // The adventure stored the menu's scene when it handed over to the game.
    if (pSlot->m_aVarInts[VARINT_C_CURRENT_SCENE] != MINIGAME_MENU_SCENE)
        pSlot->m_aVarInts[VARINT_C_CURRENT_SCENE] = iSceneId;
    return true;
}

} // namespace MiniGameResult
