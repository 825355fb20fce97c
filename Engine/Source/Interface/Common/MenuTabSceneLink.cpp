#include "Interface/Common/MenuTabSceneLink.h"

#include "Managers/Common/SceneManager.h"
#include "Scene/Common/Scene.h"

namespace {

CurrentSceneMenuTabLink s_oCurrentSceneLink;
MenuTabSceneLink* s_pLink = &s_oCurrentSceneLink;

Scene* CurrentScene()
{
    return dynamic_cast<Scene*>(SceneManager::GetCurrentScene());
}

} // namespace

int32_t CurrentSceneMenuTabLink::GetInputState()
{
    const Scene* pScene = CurrentScene();
    return pScene ? pScene->m_iInputState : 0;
}

CoreFxVec2 CurrentSceneMenuTabLink::GetCursorPosition()
{
    const Scene* pScene = CurrentScene();
    return pScene ? pScene->m_oCursor.m_vPosition : CoreFxVec2 {};
}

void CurrentSceneMenuTabLink::SetCursorPosition(const CoreFxVec2& position)
{
    if (Scene* pScene = CurrentScene())
        pScene->m_oCursor.SetPosition(position.x, position.y);
}

MenuTabSceneLink& GetMenuTabSceneLink()
{
    return *s_pLink;
}

void SetMenuTabSceneLink(MenuTabSceneLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oCurrentSceneLink;
}
