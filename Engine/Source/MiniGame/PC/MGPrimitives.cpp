#include "MiniGame/PC/MGPrimitives.h"

#include "Graphics/GraphicsFormats.h"
#include "Renderer/CoreRenderer.h"
#include "Texture/CoreTextureManager.h"

namespace {

CoreRenderer* Renderer()
{
    return g_pTextureManager != nullptr ? g_pTextureManager->m_pRenderer : nullptr;
}

void Strip(uint32_t type, const fx32* x, const fx32* y, uint32_t count, uint32_t colour)
{
    CoreRenderer* pRenderer = Renderer();
    if (pRenderer == nullptr || !pRenderer->PrimitiveBegin(type, count, nullptr))
        return;
    for (uint32_t i = 0; i < count; ++i)
        pRenderer->PrimitiveVertexAdd(x[i], y[i], 0, colour, 0, 0);
    pRenderer->PrimitiveEnd();
}

} // namespace

namespace MGPrimitives {

void FillBox(fx32 x, fx32 y, fx32 width, fx32 height, uint32_t colour)
{
    const fx32 xs[4] = {x, x + width, x + width, x};
    const fx32 ys[4] = {y, y, y + height, y + height};
    Strip(Platform::D3DPT_TRIANGLEFAN, xs, ys, 4, colour);
}

void OutlineBox(fx32 x, fx32 y, fx32 width, fx32 height, uint32_t colour)
{
    const fx32 xs[5] = {x, x, x + width, x + width, x};
    const fx32 ys[5] = {y, y + height, y + height, y, y};
    Strip(Platform::D3DPT_LINESTRIP, xs, ys, 5, colour);
}

void OutlineBoxClockwise(fx32 x, fx32 y, fx32 width, fx32 height, uint32_t colour)
{
    const fx32 xs[5] = {x, x + width, x + width, x, x};
    const fx32 ys[5] = {y, y, y + height, y + height, y};
    Strip(Platform::D3DPT_LINESTRIP, xs, ys, 5, colour);
}

} // namespace MGPrimitives
