#include "Maths/CoreFxMtx.h"

namespace {

// (x*m[column] + y*m[column + 3] + z*m[column + 6]) >> 12, toward minus infinity.
fx32 Column(const CoreFxVec& v, const fx32* m, int column)
{
    const uint64_t sum = static_cast<uint64_t>(static_cast<int64_t>(v.x) * m[column]) +
                         static_cast<uint64_t>(static_cast<int64_t>(v.y) * m[column + 3]) +
                         static_cast<uint64_t>(static_cast<int64_t>(v.z) * m[column + 6]);
    return static_cast<fx32>(static_cast<int64_t>(sum) >> FX32_SHIFT);
}

CoreFxVec Rotate(const CoreFxVec& v, const fx32* m)
{
    return {Column(v, m, 0), Column(v, m, 1), Column(v, m, 2)};
}

} // namespace

void CoreFxMtx33::MultVec(const CoreFxVec& v, const CoreFxMtx33& m, CoreFxVec& out)
{
    out = Rotate(v, m.m);
}

void CoreFxMtx43::MultVec(const CoreFxVec& v, const CoreFxMtx43& m, CoreFxVec& out)
{
    const CoreFxVec rotated = Rotate(v, m.m);
    out = {CoreFx::WrapAdd(rotated.x, m.m[9]), CoreFx::WrapAdd(rotated.y, m.m[10]),
           CoreFx::WrapAdd(rotated.z, m.m[11])};
}
