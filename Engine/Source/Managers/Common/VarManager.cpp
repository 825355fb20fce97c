#include "Managers/Common/VarManager.h"

#include "Error/EngineAssert.h"

VarSet g_VarManager;

void VarSet::SetBool(int iID, uint8_t value)
{
    ENGINE_ASSERT_MSG(iID < VARBOOL_LAST, "The given ID for the bool is out of bound");
    if (iID < 0 || iID >= VARBOOL_LAST)
        return;
    const uint32_t mask = 1u << (iID % 32);
    if (value != 0)
        m_aBools[iID / 32] |= mask;
    else
        m_aBools[iID / 32] &= ~mask;
}

uint8_t VarSet::GetBool(int iID) const
{
    ENGINE_ASSERT_MSG(iID < VARBOOL_LAST, "The given ID for the bool is out of bound");
    if (iID < 0 || iID >= VARBOOL_LAST)
        return 0;
    return static_cast<uint8_t>((m_aBools[iID / 32] >> (iID % 32)) & 1u);
}

void VarSet::SetInt(int iID, int32_t value)
{
    ENGINE_ASSERT_MSG(iID < VARINT_LAST, "The given ID for the int is out of bound");
    if (iID < 0 || iID >= VARINT_LAST)
        return;
    m_aInts[iID] = value;
}

int32_t VarSet::GetInt(int iID) const
{
    ENGINE_ASSERT_MSG(iID < VARINT_LAST, "The given ID for the int is out of bound");
    if (iID < 0 || iID >= VARINT_LAST)
        return 0;
    return m_aInts[iID];
}
