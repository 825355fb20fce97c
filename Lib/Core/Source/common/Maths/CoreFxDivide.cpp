#include "Maths/CoreFxDivide.h"

#include "Error/EngineAssert.h"

#include <cmath>

CoreFxDivUnit g_oCoreFxDivUnit = {};

namespace CoreFx {

void DivRemainder()
{
    CoreFxDivUnit& unit = g_oCoreFxDivUnit;
    ENGINE_ASSERT_MSG(unit.m_iDivisor != 0, "Division by zero\n");
    if (unit.m_iDivisor == 0) {
        unit.m_iQuotient = 0;
        unit.m_iRemainder = unit.m_iDividend;
        return;
    }
    if (unit.m_iDivisor == -1) {
        // Negation in unsigned arithmetic: INT64_MIN / -1 wraps to INT64_MIN.
        unit.m_iQuotient = static_cast<int64_t>(0 - static_cast<uint64_t>(unit.m_iDividend));
        unit.m_iRemainder = 0;
        return;
    }
    unit.m_iQuotient = unit.m_iDividend / unit.m_iDivisor;
    unit.m_iRemainder = unit.m_iDividend % unit.m_iDivisor;
}

int64_t DivQuotient()
{
    DivRemainder();
    return g_oCoreFxDivUnit.m_iQuotient;
}

fx32 Div(fx32 a, fx32 b)
{
    g_oCoreFxDivUnit.m_iDividend = static_cast<int64_t>(static_cast<uint64_t>(static_cast<int64_t>(a)) << 32);
    g_oCoreFxDivUnit.m_iDivisor = b;
    DivRemainder();
    const uint64_t rounded = static_cast<uint64_t>(g_oCoreFxDivUnit.m_iQuotient) + (uint64_t {1} << 19);
    return static_cast<fx32>(static_cast<int64_t>(rounded) >> 20);
}

uint32_t Sqrt64()
{
    const float operand = static_cast<float>(static_cast<uint64_t>(g_oCoreFxDivUnit.m_iSqrtOperand));
    const float root = std::sqrt(operand);
    // Only 2^64 - 1, which rounds to 2^64 as a float, has a root outside u32.
    if (root >= 4294967296.0f)
        return UINT32_MAX;
    return static_cast<uint32_t>(root);
}

} // namespace CoreFx
