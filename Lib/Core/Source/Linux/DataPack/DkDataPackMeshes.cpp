#include "DataPack/DkDataPackBinding.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Mesh/CoreMeshManager.h"

// A name that another bound pack registered keeps the first mesh and counts
// one more registration; the mesh goes with the last of them, so that no
// user of the other pack is left with a released mesh.

void DkDataPackBinding::RegisterXMesh(DataPack& pack, uint32_t index)
{
    ENGINE_ASSERT(g_pMeshManager != NULL);
    if (g_pMeshManager &&
        !g_pMeshManager->CreateMesh(pack.EntryName(index), pack.EntryData(index), pack.EntryDataSize(index)))
        CorePrint(&g_oCoreLog, "Mesh \"%s\" of data pack \"%s\" could not be loaded\n", pack.EntryName(index),
                  pack.m_sFileName.c_str());
}

void DkDataPackBinding::UnregisterXMesh(DataPack& pack, uint32_t index)
{
    const bool bRemoved = g_pMeshManager && g_pMeshManager->RemoveMesh(pack.EntryName(index));
    ENGINE_ASSERT(bRemoved);
}
