#include "Error/EngineAssert.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"

using Nubra::BinarySearchTree::Avl32;

void CoreRenderer::CreateTextureManager()
{
    ENGINE_ASSERT(m_pTextureManager == NULL);
    if (m_pTextureManager)
        return;
    m_pTextureManager = CoreTextureManager::CreateSingleton();
    if (!m_pTextureManager)
        return;
    m_pTextureManager->m_pRenderer = this;
    m_pTextureNodes = new Avl32::Node[CoreTextureManager::NODE_COUNT];
    m_pTextureManager->m_oTextureMap.SetNodes(m_pTextureNodes, CoreTextureManager::NODE_COUNT);
}

void CoreRenderer::DestroyTextureManager()
{
    ENGINE_ASSERT(m_pTextureManager != NULL);
    if (!m_pTextureManager)
        return;
    m_pTextureManager->ReleaseAll();
    m_pTextureManager->m_oTextureMap.Init();
    delete[] m_pTextureNodes;
    m_pTextureNodes = nullptr;
    m_pTextureManager->m_pRenderer = nullptr;
    CoreTextureManager::DestroySingleton();
    m_pTextureManager = nullptr;
}
