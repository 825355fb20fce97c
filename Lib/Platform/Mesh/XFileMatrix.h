#pragma once
#include "Graphics/Matrix4.h"

#include <assimp/matrix4x4.h>

namespace Platform {

// The importer's matrices act on column vectors; ours on row vectors.
inline Matrix4 RowVectorMatrix(const aiMatrix4x4& m)
{
    return Matrix4 {
        {{m.a1, m.b1, m.c1, m.d1}, {m.a2, m.b2, m.c2, m.d2}, {m.a3, m.b3, m.c3, m.d3}, {m.a4, m.b4, m.c4, m.d4}}};
}

} // namespace Platform
