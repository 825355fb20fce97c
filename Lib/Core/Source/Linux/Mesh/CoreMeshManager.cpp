#include "Mesh/CoreMeshManager.h"

#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"
#include "Mesh/CoreMesh.h"

#include <new>

using Nubra::BinarySearchTree::Avl32;

CoreMeshManager* g_pMeshManager = nullptr;

CoreMeshManager::~CoreMeshManager()
{
    ENGINE_ASSERT(m_pRenderer == NULL);
    ReleaseAll();
    delete[] m_pMeshNodes;
}

CoreMeshManager* CoreMeshManager::CreateSingleton()
{
    ENGINE_ASSERT(g_pMeshManager == NULL);
    if (g_pMeshManager != nullptr)
        return nullptr;
    g_pMeshManager = new CoreMeshManager();
    return g_pMeshManager;
}

void CoreMeshManager::DestroySingleton()
{
    ENGINE_ASSERT(g_pMeshManager != NULL);
    delete g_pMeshManager;
    g_pMeshManager = nullptr;
}

CoreMeshManager* CoreMeshManager::GetInstance()
{
    ENGINE_ASSERT(g_pMeshManager != NULL);
    return g_pMeshManager;
}

bool CoreMeshManager::Initialize(CoreRenderer* pRenderer)
{
    ENGINE_ASSERT(pRenderer != NULL);
    ENGINE_ASSERT(m_pRenderer == NULL);
    m_pRenderer = pRenderer;
    if (m_pMeshNodes == nullptr) {
        m_pMeshNodes = new Avl32::Node[NB_MESH_MAX];
        m_oMeshMap.SetNodes(m_pMeshNodes, NB_MESH_MAX);
    }
    return true;
}

void CoreMeshManager::Shutdown()
{
    ENGINE_ASSERT(m_pRenderer != NULL);
    ReleaseAll();
    m_oMeshMap.Init();
    delete[] m_pMeshNodes;
    m_pMeshNodes = nullptr;
    m_pRenderer = nullptr;
}

CoreMesh* CoreMeshManager::GetMeshFromHandle(CoreMeshHandle hMesh)
{
    CoreMesh* pMesh = hMesh;
    ENGINE_ASSERT(pMesh != NULL);
    return pMesh;
}

CoreMeshHandle CoreMeshManager::CreateMesh(const char* pName, const void* pData, uint32_t iDataSize)
{
    const uint32_t iKey = CoreCrc32::HashString(pName);
    const Avl32::Value found = m_oMeshMap.Lookup(iKey);
    if (found != m_oMeshMap.NotFoundValue()) {
        const CoreMeshHandle hFound = reinterpret_cast<CoreMeshHandle>(found);
        ++hFound->m_iRegistrationCount;
        return hFound;
    }

    const CoreMeshHandle hMesh = CreateMeshHandle(pName, pData, iDataSize);
    ENGINE_ASSERT(hMesh != 0);
    if (hMesh == 0)
        return nullptr;
    if (m_oMeshMap.NodeNumber() >= NB_MESH_MAX - 1)
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "m_oMeshMap.GetSize() < NB_MESH_MAX - 1");
    // A mesh the map cannot hold could be neither found nor released.
    if (!m_oMeshMap.Insert(iKey, reinterpret_cast<Avl32::Value>(hMesh))) {
        ReleaseMesh(hMesh);
        return nullptr;
    }
    hMesh->m_iRegistrationCount = 1;
    return hMesh;
}

CoreMeshHandle CoreMeshManager::GetMeshByName(const char* pName)
{
    const Avl32::Value found = m_oMeshMap.Lookup(CoreCrc32::HashString(pName));
    if (found != m_oMeshMap.NotFoundValue())
        return reinterpret_cast<CoreMeshHandle>(found);
    CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "FALSE");
    CorePrint(&g_oCoreLog, "message:\n");
    CorePrint(&g_oCoreLog, "mesh \"%s\" not found\n", pName);
    return nullptr;
}

CoreMeshHandle CoreMeshManager::CreateMeshHandle(const char* pName, const void* pData, uint32_t iDataSize)
{
    CoreMesh* pMesh = new CoreMesh();
    const bool bResult = pMesh->Initialize(m_pRenderer, pData, iDataSize);
    ENGINE_ASSERT_MSG(bResult == true, "Failed to load mesh '%s'\n", pName);
    if (!bResult) {
        delete pMesh;
        return nullptr;
    }
    return pMesh;
}

bool CoreMeshManager::RemoveMesh(const char* pName)
{
    const uint32_t iKey = CoreCrc32::HashString(pName);
    const Avl32::Value found = m_oMeshMap.Lookup(iKey);
    if (found == m_oMeshMap.NotFoundValue())
        return false;
    const CoreMeshHandle hMesh = reinterpret_cast<CoreMeshHandle>(found);
    if (--hMesh->m_iRegistrationCount > 0)
        return true;
    m_oMeshMap.Remove(iKey);
    ReleaseMesh(hMesh);
    return true;
}

void CoreMeshManager::ReleaseMesh(CoreMeshHandle hMesh)
{
    CoreMesh* pMesh = GetMeshFromHandle(hMesh);
    if (pMesh == nullptr)
        return;
    pMesh->Shutdown();
    delete pMesh;
}

void CoreMeshManager::ReleaseAll()
{
    Avl32::Const_Iterator it(m_oMeshMap);
    for (it = m_oMeshMap.First(); it != Avl32::INVALID_NODE; it++)
        ReleaseMesh(reinterpret_cast<CoreMeshHandle>(it.GetValue()));
    m_oMeshMap.Clear();
}
