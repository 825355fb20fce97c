#pragma once
#include "BinarySearchTree/Avl32.h"

#include <cstdint>

class CoreMesh;
class CoreRenderer;

// A mesh handle: the address of the CoreMesh (null for none).
using CoreMeshHandle = CoreMesh*;

// The meshes of the bound data packs, one per name, keyed by the CRC-32 of
// the name. A name registered twice keeps its first mesh and counts the
// registration, so that a mesh stays while any pack that holds it is bound.
class CoreMeshManager {
public:
    // The map's node pool: at most NB_MESH_MAX - 1 meshes.
    static constexpr uint32_t NB_MESH_MAX = 64;

    virtual ~CoreMeshManager();

    // The new singleton, or null (after the report) when there is one.
    static CoreMeshManager* CreateSingleton();
    static void DestroySingleton();
    static CoreMeshManager* GetInstance();

    bool Initialize(CoreRenderer* pRenderer);
    void Shutdown();

    // The handle of the mesh of that name: the one registered (counted once
    // more), else a new one loaded from the data. 0 when it cannot be loaded
    // or the map is full (the new mesh is then released).
    CoreMeshHandle CreateMesh(const char* pName, const void* pData, uint32_t iDataSize);
    // 0 (after reporting the name) when no mesh has that name.
    CoreMeshHandle GetMeshByName(const char* pName);
    CoreMeshHandle CreateMeshHandle(const char* pName, const void* pData, uint32_t iDataSize);
    // Drops one registration of the name; the last one takes the name out of
    // the map and releases its mesh. False when no mesh has that name.
    bool RemoveMesh(const char* pName);
    void ReleaseMesh(CoreMeshHandle hMesh);
    void ReleaseAll();

    static CoreMesh* GetMeshFromHandle(CoreMeshHandle hMesh);
    uint32_t GetMeshCount() const { return m_oMeshMap.NodeNumber(); }

    CoreRenderer* m_pRenderer = nullptr;
    Nubra::BinarySearchTree::Avl32 m_oMeshMap;

private:
    CoreMeshManager() = default;

    Nubra::BinarySearchTree::Avl32::Node* m_pMeshNodes = nullptr;
};

extern CoreMeshManager* g_pMeshManager;
