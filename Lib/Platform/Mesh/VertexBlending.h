#pragma once
#include "Graphics/Matrix4.h"
#include "Mesh/Mesh.h"

#include <cstdint>

namespace Platform {

// Vertex blending on the processor, as the fixed-function pipeline does it
// without indices: with blend state n, vertex v takes its first n weights
// w0..w(n-1) from the mesh and the last one as 1 - their sum, and
//   position = sum over j of wj * (position * matrices[j]), j = 0..n,
// and the normal the same through the matrices' upper 3 x 3 (then
// normalised). Blend state 0 transforms by matrices[0] alone. Weights the
// mesh does not carry count as 0.
//
// Blends vertices first .. first + count - 1 (which must exist) into pOut,
// pOut[0] being vertex first; matrices holds n + 1 row-vector matrices.
void BlendVertices(const Mesh& mesh, uint32_t iFirstVertex, uint32_t iVertexCount, const Matrix4* pMatrices,
                   uint32_t iBlendState, MeshVertex* pOut);

} // namespace Platform
