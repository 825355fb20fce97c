#include "Common/VarIds.h"

#include "Common/IdHash.h"
#include "Error/EngineAssert.h"

#include <array>

namespace {

constexpr const char* s_apVarBoolNames[VARBOOL_LAST] = {
#define VARBOOL_ROW(name) #name,
#include "Common/VarBoolNames.inc"
#undef VARBOOL_ROW
};

constexpr const char* s_apVarIntNames[VARINT_LAST] = {
#define VARINT_ROW(name) #name,
#include "Common/VarIntNames.inc"
#undef VARINT_ROW
};

// The name hashes, computed while compiling so that they exist before any
// code runs.
template <size_t N>
constexpr std::array<uint32_t, N> HashNames(const char* const (&names)[N])
{
    std::array<uint32_t, N> hashes {};
    for (size_t index = 0; index < N; ++index)
        hashes[index] = CoreCrc32Of(names[index]);
    return hashes;
}

constexpr std::array<uint32_t, VARBOOL_LAST> s_aVarBoolHashes = HashNames(s_apVarBoolNames);
constexpr std::array<uint32_t, VARINT_LAST> s_aVarIntHashes = HashNames(s_apVarIntNames);

// The report of a hash that names no variable reads "condition: FALSE".
constexpr bool FALSE = false;

template <size_t N>
int FindHash(const std::array<uint32_t, N>& hashes, uint32_t uHash)
{
    for (size_t index = 0; index < N; ++index)
        if (hashes[index] == uHash)
            return static_cast<int>(index);
    ENGINE_ASSERT(FALSE);
    return -1;
}

} // namespace

const char* Id::GetVarBoolName(int iId)
{
    return iId >= 0 && iId < VARBOOL_LAST ? s_apVarBoolNames[iId] : nullptr;
}

const char* Id::GetVarIntName(int iId)
{
    return iId >= 0 && iId < VARINT_LAST ? s_apVarIntNames[iId] : nullptr;
}

uint32_t Id::GetVarBoolHash(int iId)
{
    return iId >= 0 && iId < VARBOOL_LAST ? s_aVarBoolHashes[iId] : 0;
}

uint32_t Id::GetVarIntHash(int iId)
{
    return iId >= 0 && iId < VARINT_LAST ? s_aVarIntHashes[iId] : 0;
}

int Id::GetVarBoolFromHash(uint32_t uHash)
{
    return FindHash(s_aVarBoolHashes, uHash);
}

int Id::GetVarIntFromHash(uint32_t uHash)
{
    return FindHash(s_aVarIntHashes, uHash);
}
