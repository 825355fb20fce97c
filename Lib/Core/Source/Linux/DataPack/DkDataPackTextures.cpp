#include "DataPack/DkDataPackBinding.h"

#include "Error/EngineAssert.h"
#include "Texture/CoreTextureManager.h"

// A name that another bound pack registered keeps the first texture and
// counts one more registration; the texture goes with the last of them.
// Textures read their pixels in the pack's buffer, which outlives the
// binding, so that a start with many textures copies none of them; one that
// outlives its pack's binding takes a copy then.

void DkDataPackBinding::RegisterTexture(DataPack& pack, uint32_t index)
{
    ENGINE_ASSERT(g_pTextureManager != NULL);
    if (g_pTextureManager)
        g_pTextureManager->CreateTextureInPlace(pack.EntryName(index), pack.EntryData(index),
                                                pack.EntryDataSize(index));
}

void DkDataPackBinding::UnregisterTexture(DataPack& pack, uint32_t index)
{
    const bool bRemoved =
        g_pTextureManager && g_pTextureManager->ReleaseTexture(pack.EntryName(index), pack.EntryData(index));
    ENGINE_ASSERT(bRemoved);
}
