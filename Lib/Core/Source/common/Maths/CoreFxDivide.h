#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// The divide unit: process-wide registers that callers fill, run and read.
// Shared by every user, so it is not re-entrant (main thread only).
struct CoreFxDivUnit {
    int64_t m_iDividend;
    int64_t m_iDivisor;
    int64_t m_iQuotient;
    int64_t m_iRemainder;
    // Read as an unsigned 64-bit number by CoreFx::Sqrt64.
    int64_t m_iSqrtOperand;
};

extern CoreFxDivUnit g_oCoreFxDivUnit;

namespace CoreFx {

// quotient = dividend / divisor truncated toward zero, remainder = dividend -
// quotient * divisor. A zero divisor asserts and gives quotient 0 and the
// dividend as remainder; INT64_MIN / -1 gives INT64_MIN and 0.
void DivRemainder();

// The same, also returning the quotient.
int64_t DivQuotient();

// The fx32 quotient a / b: (a * 2^32) / b truncated toward zero, then
// (q + 2^19) >> 20, keeping the low 32 bits. Goes through the divide unit.
fx32 Div(fx32 a, fx32 b);

// The square-root register as an unsigned 64-bit number, converted to float,
// square-rooted in single precision and truncated toward zero.
uint32_t Sqrt64();

} // namespace CoreFx
