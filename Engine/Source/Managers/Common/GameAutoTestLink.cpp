#include "Managers/Common/GameAutoTestLink.h"

#include "Common/GameInterface.h"
#include "Managers/Common/SceneManagerScriptLink.h"
#include "Scene/Common/Scene.h"
#include "ScriptEngine/common/MapThumb.h"
#include "Scripts/Common/InventoryScript.h"

int32_t GameAutoTestLink::GetSceneInputState()
{
    const Scene* pScene = SceneManagerScriptLink::GetCurrentScene();
    return pScene != nullptr ? pScene->m_iInputState : -1;
}

bool GameAutoTestLink::CombineItem(uint32_t uFirstItem, uint32_t uSecondItem, EventDesc* pOut)
{
    const InventoryScript* pScript = InventoryScript::GetInstance();
    return pScript != nullptr && pScript->CombineItem(GameInterface::GetGameInterface(), uFirstItem, uSecondItem, pOut);
}

int32_t GameAutoTestLink::GetNbMapLocations()
{
    return static_cast<int32_t>(MapThumb::GetThumbDescs().size());
}

bool GameAutoTestLink::IsMapLocationActive(int32_t iIndex)
{
    return MapThumb::IsActive(MapThumb::GetThumbDescs()[static_cast<size_t>(iIndex)]);
}

int32_t GameAutoTestLink::GetMapLocationScene(int32_t iIndex)
{
    return static_cast<int32_t>(MapThumb::GetThumbDescs()[static_cast<size_t>(iIndex)].m_uSceneId);
}
