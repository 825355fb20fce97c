#include "Interface/Common/InterfaceMenuServices.h"

#include "Common/GameInterface.h"
#include "Common/GameLink.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/SoundManager.h"
#include "Scripts/Common/InventoryScript.h"
#include "States/Common/FiniteStateManager.h"
#include "States/Common/GameStateIds.h"
#include "States/Common/MainGameState.h"

namespace {

DefaultInterfaceMenuServices s_oDefaultServices;
InterfaceMenuServices* s_pServices = &s_oDefaultServices;

MainGameState* MainState()
{
    return dynamic_cast<MainGameState*>(GetGameLink().GetStates().GetState(STATE_ID_MAIN));
}

} // namespace

bool DefaultInterfaceMenuServices::IsGameBusy()
{
    return g_oScriptManager.IsBusy();
}

void DefaultInterfaceMenuServices::PlayEffect(int32_t iSoundId)
{
    SoundManager::PlayEffect(iSoundId);
}

bool DefaultInterfaceMenuServices::FireEvent(const EventDesc& oEvent)
{
    return g_oScriptManager.FireEvent(oEvent);
}

bool DefaultInterfaceMenuServices::CombineItems(uint32_t uDragged, uint32_t uTarget, EventDesc* pEvent)
{
    const InventoryScript* pScript = InventoryScript::GetInstance();
    return pScript != nullptr && pScript->CombineItem(GameInterface::GetGameInterface(), uDragged, uTarget, pEvent);
}

void DefaultInterfaceMenuServices::PostSceneEvent(int32_t iCode)
{
    GetScriptSceneLink().PostEvent(iCode, 0);
}

Tw::TextRenderer* DefaultInterfaceMenuServices::GetMainTextRenderer()
{
    MainGameState* pState = MainState();
    return pState ? &pState->GetMainTextRenderer() : nullptr;
}

Tw::TextRenderer* DefaultInterfaceMenuServices::GetSecondTextRenderer()
{
    MainGameState* pState = MainState();
    return pState ? &pState->GetSmallTextRenderer() : nullptr;
}

InterfaceMenuServices& GetInterfaceMenuServices()
{
    return *s_pServices;
}

void SetInterfaceMenuServices(InterfaceMenuServices* pServices)
{
    s_pServices = pServices ? pServices : &s_oDefaultServices;
}
