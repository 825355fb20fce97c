#pragma once
#include "3D/Common/WalkMesh.h"
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

// The walk mesh's integer geometry. Its files are untrusted, so sums and
// differences wrap around as the hardware's do instead of overflowing.
namespace WalkMeshArithmetic {

// a * b - c * d in 64 bits.
inline int64_t CrossProducts(fx32 a, fx32 b, fx32 c, fx32 d)
{
    const uint64_t ab = static_cast<uint64_t>(static_cast<int64_t>(a) * b);
    const uint64_t cd = static_cast<uint64_t>(static_cast<int64_t>(c) * d);
    return static_cast<int64_t>(ab - cd);
}

// Which side of the line a -> b the point p lies on, in x, y: positive on
// its left, 0 on it, negative on its right. Unrounded 64-bit products.
inline int64_t EdgeSide(const CoreFxVec& a, const CoreFxVec& b, const CoreFxVec& p)
{
    return CrossProducts(CoreFx::WrapSub(a.y, b.y), CoreFx::WrapSub(p.x, b.x), CoreFx::WrapSub(a.x, b.x),
                         CoreFx::WrapSub(p.y, b.y));
}

inline CoreFxVec Difference(const CoreFxVec& a, const CoreFxVec& b)
{
    return {CoreFx::WrapSub(a.x, b.x), CoreFx::WrapSub(a.y, b.y), CoreFx::WrapSub(a.z, b.z)};
}

// The height of the triangle's plane under the point's x, y, through its
// fx32 barycentric coordinates; a triangle without area gives the mean
// height of its vertices.
fx32 HeightInTriangle(const WalkMeshTriangle& triangle, const CoreFxVec& point);

} // namespace WalkMeshArithmetic
