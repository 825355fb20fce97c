#pragma once
#include "Maths/Fx32.h"

namespace CoreMath {

// The arc cosine in fx32 radians of the fx32 value x, computed in single
// precision and rounded half away from zero: FixedACos(0) = 6434 (pi / 2).
// Values beyond -1..1 count as -1 or 1.
fx32 FixedACos(fx32 x);

} // namespace CoreMath
