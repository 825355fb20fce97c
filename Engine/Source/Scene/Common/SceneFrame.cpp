#include "App/CoreApp.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Scene.h"

void Scene::Update(uint32_t dt)
{
    const TouchScene touch {m_sName, 0, nullptr, 0};
    for (int32_t l = 0; l < m_iNumLayers; ++l)
        m_vLayers[l].Update(dt, touch);
}

void Scene::Render()
{
    if (g_pCoreApp && g_pCoreApp->m_pRenderer)
        Render(*g_pCoreApp->m_pRenderer);
}

void Scene::Render(CoreRenderer& renderer) const
{
    renderer.SetScreenCamera();
    for (int32_t l = 0; l < m_iNumLayers; ++l)
        m_vLayers[l].RenderSprites(renderer, SCENE_DEEPEST_DEPTH, SCENE_NEAREST_DEPTH);
}

void Scene::SetActiveCharacter(uint32_t uActorId)
{
    m_iActiveCharacter = -1;
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        if (m_aCharacterIds[i] == uActorId)
            m_iActiveCharacter = i;
}
