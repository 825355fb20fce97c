#include "Maths/CoreMath.h"

#include <algorithm>
#include <cmath>

namespace CoreMath {

fx32 FixedACos(fx32 x)
{
    const float cosine = std::clamp(CoreFx::ToFloat(x), -1.0f, 1.0f);
    return CoreFx::FromFloat(std::acos(cosine));
}

} // namespace CoreMath
