#pragma once
#include <cstdint>

// Boolean game variables by id (VARBOOL_LAST = 1059).
enum VarBoolId : int32_t {
#define VARBOOL_ROW(name) name,
#include "Common/VarBoolNames.inc"
#undef VARBOOL_ROW
    VARBOOL_LAST
};

// Integer game variables by id (VARINT_LAST = 36).
enum VarIntId : int32_t {
#define VARINT_ROW(name) name,
#include "Common/VarIntNames.inc"
#undef VARINT_ROW
    VARINT_LAST
};

namespace Id {

const char* GetVarBoolName(int iId);
const char* GetVarIntName(int iId);
// The CRC-32 of the variable's name.
uint32_t GetVarBoolHash(int iId);
uint32_t GetVarIntHash(int iId);
// The id of the variable whose name has that hash; -1 (reported) when none.
int GetVarBoolFromHash(uint32_t uHash);
int GetVarIntFromHash(uint32_t uHash);

} // namespace Id
