#include "DataPack/DkDataPackBinding.h"

#include "Error/EngineAssert.h"
#include "Mesh/CoreMeshManager.h"

// Mesh names are global: a name that another bound pack registered keeps
// its first mesh, and unbinding either pack removes it for both.

void DkDataPackBinding::RegisterXMesh(DataPack& pack, uint32_t index)
{
    ENGINE_ASSERT(g_pMeshManager != NULL);
    if (g_pMeshManager)
        g_pMeshManager->CreateMesh(pack.EntryName(index), pack.EntryData(index), pack.EntryDataSize(index));
}

void DkDataPackBinding::UnregisterXMesh(DataPack& pack, uint32_t index)
{
    const bool bRemoved = g_pMeshManager && g_pMeshManager->RemoveMesh(pack.EntryName(index));
    ENGINE_ASSERT(bRemoved);
}
