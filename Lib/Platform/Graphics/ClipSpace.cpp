#include "Graphics/ClipSpace.h"

namespace Platform {

// Row i of the result is row i of the projection times the depth remap
// (z' = 2z - w) and the half-pixel move (x' = x + w / width,
// y' = y - w / height, in clip units where the viewport is 2 wide).
Matrix4 OpenGlProjection(const Matrix4& projection, uint32_t viewportWidth, uint32_t viewportHeight)
{
    const float moveX = viewportWidth ? 1.0f / float(viewportWidth) : 0.0f;
    const float moveY = viewportHeight ? 1.0f / float(viewportHeight) : 0.0f;
    Matrix4 result;
    for (int row = 0; row < 4; ++row) {
        const float* in = projection.m[row];
        float* out = result.m[row];
        out[0] = in[0] + in[3] * moveX;
        out[1] = in[1] - in[3] * moveY;
        out[2] = 2.0f * in[2] - in[3];
        out[3] = in[3];
    }
    return result;
}

Matrix4 PretransformedProjection(const Viewport& viewport)
{
    const float width = viewport.width ? float(viewport.width) : 1.0f;
    const float height = viewport.height ? float(viewport.height) : 1.0f;
    Matrix4 result {};
    result.m[0][0] = 2.0f / width;
    result.m[1][1] = -2.0f / height;
    result.m[2][2] = 2.0f;
    result.m[3][0] = (1.0f - 2.0f * float(viewport.x)) / width - 1.0f;
    result.m[3][1] = 1.0f - (1.0f - 2.0f * float(viewport.y)) / height;
    result.m[3][2] = -1.0f;
    result.m[3][3] = 1.0f;
    return result;
}

} // namespace Platform
