#include "Managers/Common/ScriptManager.h"

#include "Common/VarIds.h"
#include "Managers/Common/ScriptSaveLink.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"

void ScriptManager::StartSlotAction(const ActionDesc& oAction)
{
    ScriptSaveLink& oSlots = GetScriptSaveLink();
    const int32_t iCurrentSlot = g_VarManager.GetInt(VARINT_C_SLOT_CURRENT);
    const int32_t iSlotTo = g_VarManager.GetInt(VARINT_C_SLOT_TO);
    switch (oAction.m_iActionType) {
    case ID_ACTION_TYPE_LOAD_SAVE_FILE: oSlots.LoadFromBackup(); break;
    case ID_ACTION_TYPE_SAVE_CURRENT_SLOT: oSlots.SaveToBackup(iCurrentSlot); break;
    case ID_ACTION_TYPE_START_CURRENT_SLOT: StartCurrentSlot(); break;
    case ID_ACTION_TYPE_CLEAR_CURRENT_SLOT:
        oSlots.ClearSlot(iCurrentSlot);
        oSlots.DeleteFromBackup(iCurrentSlot);
        break;
    case ID_ACTION_TYPE_COPY_CURRENT_SLOT:
        if (oSlots.CopySlot(iCurrentSlot, iSlotTo))
            oSlots.SaveToBackup(iSlotTo);
        break;
    case ID_ACTION_TYPE_IS_SLOT_EMPTY:
        if (oAction.m_oParameter[0] != -1)
            g_VarManager.SetBool(oAction.m_oParameter[0], oSlots.IsSlotEmpty(iSlotTo) ? 1 : 0);
        break;
    default: break;
    }
}

void ScriptManager::StartCurrentSlot()
{
    SoundManager::StopMusic();
    SoundManager::StopAmbient();
    ScriptSaveLink& oSlots = GetScriptSaveLink();
    const int32_t iSlot = g_VarManager.GetInt(VARINT_C_SLOT_CURRENT);
    const bool bNewGame = oSlots.IsSlotEmpty(iSlot);
    if (bNewGame)
        oSlots.PrepareNewGame(iSlot, NEW_GAME_PLAYING_CHARACTER, NEW_GAME_SCENE, NEW_GAME_CHAPTER);
    oSlots.SetSaveSlotIndex(iSlot);
    m_bSlotStarted = 1;

    // The dispatch state makes the main state start again on the slot; a new
    // game first shows its opening movie.
    ScriptStateLink& oStates = GetScriptStateLink();
    oStates.PushState(ScriptStateLink::STATE_DISPATCH, 0);
    if (bNewGame)
        oStates.PushState(ScriptStateLink::STATE_MOVIE, NEW_GAME_MOVIE);
    oStates.StartFade(GlobalFade::OutToBlack);
}
