#include "States/Common/AdventureLink.h"

#include "Common/GameLink.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/InventoryScript.h"

namespace {

NullAdventureLink s_oNullLink;
AdventureLink* s_pLink = &s_oNullLink;

} // namespace

void NullAdventureLink::OpenMenu(uint32_t uPlayingCharacter)
{
    CorePrint(&g_oCoreLog, "No in-game menu: it is not opened for 0x%08x\n", uPlayingCharacter);
}

void NullAdventureLink::StartInventoryScript()
{
    InventoryScript* pScript = InventoryScript::GetInstance();
    if (pScript == nullptr) {
        CorePrint(&g_oCoreLog, "No inventory script: items do not combine\n");
        return;
    }
    pScript->SetOwner(&g_oScriptManager);
    pScript->Init();
}

void NullAdventureLink::UpdateInventoryScript(uint32_t dt)
{
    if (InventoryScript* pScript = InventoryScript::GetInstance())
        pScript->Update(dt);
}

void NullAdventureLink::EndInventoryScript()
{
    if (InventoryScript* pScript = InventoryScript::GetInstance())
        pScript->Term();
}

void NullAdventureLink::StartAutoTestPlayback()
{
    GetGameLink().StartAutoTestPlayback();
}

AdventureLink& GetAdventureLink()
{
    return *s_pLink;
}

void SetAdventureLink(AdventureLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
