#pragma once
#include "DataPack/DataPack.h"

#include <cstddef>
#include <cstdint>

// Binds the entries of a data pack to the loaders of their kinds: after
// BindPack every texture of the pack is known to the texture manager and
// every mesh to the mesh manager under the entry's name; UnbindPack hands
// them back. The caller keeps the buffer until the pack is unbound.
class DkDataPackBinding {
public:
    using EntryFunction = void (*)(DataPack& pack, uint32_t index);

    // One row of the binding table; a null function does nothing.
    struct Binding {
        uint32_t m_iKind;
        EntryFunction m_pfnPrepare;
        EntryFunction m_pfnRegister;
        EntryFunction m_pfnUnregister;
    };

    // Checks the buffer's layout against its size (a fault is logged with the
    // pack's name and gives false, the pack and the buffer untouched), fills
    // the pack, then prepares and registers every entry in table order. An
    // entry of a kind without a binding is skipped with a warning.
    static bool BindPack(DataPack& pack, uint8_t* buffer, size_t size, const char* packName);
    // Registers the entry unless it is registered already.
    static void BindEntry(DataPack& pack, uint32_t index);
    // Unregisters every registered entry in table order, then zeroes the
    // pack. The prepared bits stay set in the buffer.
    static void UnbindPack(DataPack& pack);
    // The binding of a kind, or null.
    static const Binding* FindBinding(uint32_t kind);
    // The number of entries of that kind (DataPack::GetResourceCount).
    static uint32_t GetResourceCount(const DataPack& pack, uint32_t kind);

    static void RegisterTexture(DataPack& pack, uint32_t index);
    static void UnregisterTexture(DataPack& pack, uint32_t index);
    static void RegisterXMesh(DataPack& pack, uint32_t index);
    static void UnregisterXMesh(DataPack& pack, uint32_t index);
};
