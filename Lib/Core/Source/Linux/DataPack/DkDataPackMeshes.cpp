#include "DataPack/DkDataPackBinding.h"

// Placeholder loaders of the XMES entries until the mesh manager exists: the
// entries are carried and marked, and no mesh is made.

void DkDataPackBinding::RegisterXMesh(DataPack&, uint32_t)
{
}

void DkDataPackBinding::UnregisterXMesh(DataPack&, uint32_t)
{
}
