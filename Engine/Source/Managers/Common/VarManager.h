#pragma once
#include "Common/VarIds.h"

#include <cstdint>

constexpr int VARBOOL_WORDS = (VARBOOL_LAST + 31) / 32;

// The game variables: the booleans as a bit set (id i is bit i % 32 of word
// i / 32) and the signed integers. Ids out of range are reported and never
// touch memory outside the set.
class VarSet {
public:
    void SetBool(int iID, uint8_t value);
    uint8_t GetBool(int iID) const;
    void SetInt(int iID, int32_t value);
    int32_t GetInt(int iID) const;

    uint32_t m_aBools[VARBOOL_WORDS] = {};
    int32_t m_aInts[VARINT_LAST] = {};
};

// The one set of the running game, saved in the save slots.
extern VarSet g_VarManager;
