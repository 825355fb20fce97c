#include "Managers/Common/ScriptSaveLink.h"

#include "Log/CoreLog.h"

namespace {

NullScriptSaveLink s_oNullLink;
ScriptSaveLink* s_pLink = &s_oNullLink;

} // namespace

void NullScriptSaveLink::LoadFromBackup()
{
    CorePrint(&g_oCoreLog, "No save slots: LoadFromBackup()\n");
}

void NullScriptSaveLink::SaveToBackup(int32_t iSlot)
{
    CorePrint(&g_oCoreLog, "No save slots: SaveToBackup(%d)\n", iSlot);
}

void NullScriptSaveLink::ClearSlot(int32_t iSlot)
{
    CorePrint(&g_oCoreLog, "No save slots: ClearSlot(%d)\n", iSlot);
}

void NullScriptSaveLink::DeleteFromBackup(int32_t iSlot)
{
    CorePrint(&g_oCoreLog, "No save slots: DeleteFromBackup(%d)\n", iSlot);
}

bool NullScriptSaveLink::CopySlot(int32_t iSlotFrom, int32_t iSlotTo)
{
    CorePrint(&g_oCoreLog, "No save slots: CopySlot(%d, %d)\n", iSlotFrom, iSlotTo);
    return false;
}

void NullScriptSaveLink::PrepareNewGame(int32_t iSlot, uint32_t uPlayingCharacter, int32_t iSceneId, int32_t iChapter)
{
    CorePrint(&g_oCoreLog, "No save slots: PrepareNewGame(%d, 0x%08x, %d, %d)\n", iSlot, uPlayingCharacter, iSceneId,
              iChapter);
}

void NullScriptSaveLink::SetSaveSlotIndex(int32_t iSlot)
{
    CorePrint(&g_oCoreLog, "No save slots: SetSaveSlotIndex(%d)\n", iSlot);
}

ScriptSaveLink& GetScriptSaveLink()
{
    return *s_pLink;
}

void SetScriptSaveLink(ScriptSaveLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
