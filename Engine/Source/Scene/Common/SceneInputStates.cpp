#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"

void Scene::EnterState(int32_t iState)
{
    if (iState == m_iInputState)
        return;
    GetSceneInputLink().HideCaption();
    m_iInputState = iState;
    ApplyStateInputs();
}

void Scene::EnterIdleState()
{
    if (m_iInputState == INPUT_STATE_IDLE)
        return;
    m_bVerbMenuOpen = 0;
    m_fHoldTime = 0;
    EnterState(INPUT_STATE_IDLE);
}
