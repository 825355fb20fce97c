#include "Adventure/Common/ActorServices.h"

#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogManager.h"
#include "Inventory/Common/PlayingInventory.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/SoundManager.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneLog.h"
#include "ScriptEngine/common/ActionDesc.h"

namespace {

GameActorServices s_oGameServices;
ActorServices* s_pServices = &s_oGameServices;

// The current scene's dialog group, -1 when it has none.
int32_t SceneDialogSlot()
{
    const Scene* scene = dynamic_cast<const Scene*>(SceneManager::GetCurrentScene());
    return scene ? scene->m_iDialogSlot : -1;
}

} // namespace

bool GameActorServices::StartDialog(int32_t iActionType, uint32_t uKey)
{
    DialogManager* manager = DialogManager::GetInstance();
    const bool common = iActionType == ID_ACTION_TYPE_START_COMMON_DIALOG;
    const int32_t slot = common ? COMMON_DIALOG_GROUP_NUMBER : SceneDialogSlot();
    // A free group has no dialogs to walk.
    if (!manager || slot < 0 || manager->IsSlotFree(slot)) {
        LogSceneWarning("Dialog 0x%08x not started: its %s dialog group is not loaded\n", uKey,
                        common ? "common" : "scene's");
        return false;
    }
    manager->StartDialogAction(iActionType, uKey, slot);
    return true;
}

bool GameActorServices::IsDialogActive()
{
    return g_oDialogInterface.IsActive();
}

void GameActorServices::EndDialog(int32_t iActionType)
{
    if (DialogManager* manager = DialogManager::GetInstance())
        manager->EndDialogAction(iActionType, SceneDialogSlot());
}

void GameActorServices::AddItem(uint32_t uItemId, int32_t iAmount)
{
    PlayingInventory::AddItem(uItemId, iAmount);
}

void GameActorServices::RemoveItem(uint32_t uItemId, int32_t iAmount)
{
    PlayingInventory::RemoveItem(uItemId, iAmount);
}

void GameActorServices::PlayActorEffect(int32_t iSoundActor, int32_t iSoundId, fx32 volume)
{
    SoundManager::PlayActorEffect(iSoundActor, iSoundId, volume);
}

ActorServices& GetActorServices()
{
    return *s_pServices;
}

void SetActorServices(ActorServices* pServices)
{
    s_pServices = pServices ? pServices : &s_oGameServices;
}
