#include "Scene/Common/SceneServices.h"

#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogManager.h"
#include "Interface/Common/SaveSlotLabel.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/ScriptManager.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

GameSceneServices s_oGameServices;
SceneServices* s_pServices = &s_oGameServices;

} // namespace

bool GameSceneServices::InsertScriptable(int32_t iId, Scriptable* pScriptable)
{
    return g_oScriptManager.InsertScriptable(iId, pScriptable);
}

bool GameSceneServices::RemoveScriptable(int32_t iId)
{
    return g_oScriptManager.RemoveScriptable(iId);
}

int32_t GameSceneServices::AddTextBank(const char* pName, uint8_t* pTable, uint32_t uSize)
{
    return g_oDkLocalizer.AddBank(pName, pTable, uSize);
}

void GameSceneServices::RemoveTextBank(int32_t iBank)
{
    g_oDkLocalizer.RemoveBank(iBank);
}

int32_t GameSceneServices::AddDialogGroup(const uint8_t* pData, size_t uSize, int32_t iSceneId, const char* pFileName)
{
    DialogManager* manager = DialogManager::GetInstance();
    if (!manager) {
        CorePrint(&g_oCoreLog, "No dialog manager: dialogs \"%s\" not added\n", pFileName);
        return -1;
    }
    // Slot -1 asks for the first free one.
    const int32_t slot = manager->AddDialogGroup(-1, pData, uSize, iSceneId, pFileName);
    if (slot != -1)
        manager->SetCurrentDialogGroup(slot);
    return slot;
}

void GameSceneServices::RemoveDialogGroup(int32_t iSlot)
{
    if (DialogManager* manager = DialogManager::GetInstance())
        manager->RemoveDialogGroup(iSlot);
}

bool GameSceneServices::InitializeInterface(Scene& /*oScene*/)
{
    return g_oDialogInterface.Initialize();
}

void GameSceneServices::ShutdownInterface(Scene& /*oScene*/)
{
    g_oDialogInterface.Shutdown();
}

const char* GameSceneServices::GetSaveSlotLabel(int32_t iSlot)
{
    AdventureManager* pSlots = AdventureManager::GetInstance();
    const SaveSlotData* pSlot = pSlots ? pSlots->GetSaveSlot(iSlot) : nullptr;
    return pSlot ? ::GetSaveSlotLabel(*pSlot) : nullptr;
}

SceneServices& GetSceneServices()
{
    return *s_pServices;
}

void SetSceneServices(SceneServices* pServices)
{
    s_pServices = pServices ? pServices : &s_oGameServices;
}
