#include "VideoPlayback/CoreVideo.h"

#include "Renderer/CoreRenderer.h"

namespace {

// A pre-transformed vertex: screen position, colour, one texture
// coordinate (vertex format 0x144).
struct ScreenVertex {
    float x, y, z, rhw;
    uint32_t uColor;
    float u, v;
};

constexpr uint32_t SCREEN_VERTEX_FORMAT = Platform::D3DFVF_XYZRHW | Platform::D3DFVF_DIFFUSE | Platform::D3DFVF_TEX1;
constexpr float SCREEN_HEIGHT = 192.0f;

} // namespace

void CoreVideo::Render(float x, float y, float width, float height)
{
    if (!ms_pMovie || ms_vTiles.empty() || ms_pRenderer == nullptr)
        return;
    uint64_t stamp = 0;
    GetTimeMicroseconds(stamp);
    const float fBackWidth = float(ms_pRenderer->GetSettings().m_uWidth);
    const float fBackHeight = float(ms_pRenderer->GetSettings().m_uHeight);
    const float fScale = fBackHeight / SCREEN_HEIGHT;
    const float fLeft = fScale * x + (fBackWidth - fBackHeight * 4.0f / 3.0f) / 2.0f;
    const float fTop = fScale * y;
    const float fStretchX = fScale * width / float(ms_pMovie->Info().width);
    const float fStretchY = fScale * height / float(ms_pMovie->Info().height);

    // The movie is always drawn opaque, so blending stays off.
    ms_pRenderer->SetRenderState(Platform::D3DRS_ALPHABLENDENABLE, 0);
    Platform::GraphicsDevice& device = *ms_pRenderer->GetDevice();
    device.SetSamplerState(0, Platform::D3DSAMP_MAGFILTER, Platform::D3DTEXF_LINEAR);
    device.SetSamplerState(0, Platform::D3DSAMP_MINFILTER, Platform::D3DTEXF_LINEAR);
    device.SetSamplerState(0, Platform::D3DSAMP_ADDRESSU, Platform::D3DTADDRESS_CLAMP);
    device.SetSamplerState(0, Platform::D3DSAMP_ADDRESSV, Platform::D3DTADDRESS_CLAMP);
    device.SetFVF(SCREEN_VERTEX_FORMAT);

    float fPenY = fTop;
    for (uint32_t row = 0; row < ms_oTiles.m_uRows; ++row) {
        const float fTileHeight = float(ms_oTiles.RowHeight(row)) * fStretchY;
        float fPenX = fLeft;
        for (uint32_t column = 0; column < ms_oTiles.m_uColumns; ++column) {
            const float fTileWidth = float(ms_oTiles.ColumnWidth(column)) * fStretchX;
            const float fX0 = fPenX - 0.5f;
            const float fY0 = fPenY - 0.5f;
            const float fX1 = fX0 + fTileWidth;
            const float fY1 = fY0 + fTileHeight;
            const ScreenVertex aQuad[4] = {
                {fX0, fY0, 0.0f, 1.0f, 0xFFFFFFFF, 0.0f, 0.0f},
                {fX1, fY0, 0.0f, 1.0f, 0xFFFFFFFF, 1.0f, 0.0f},
                {fX0, fY1, 0.0f, 1.0f, 0xFFFFFFFF, 0.0f, 1.0f},
                {fX1, fY1, 0.0f, 1.0f, 0xFFFFFFFF, 1.0f, 1.0f},
            };
            device.SetTexture(0, ms_vTiles[row * ms_oTiles.m_uColumns + column].get());
            device.DrawPrimitiveUP(Platform::D3DPT_TRIANGLESTRIP, 2, aQuad, sizeof(ScreenVertex));
            fPenX += fTileWidth;
        }
        fPenY += fTileHeight;
    }
    device.SetTexture(0, nullptr);
    ++ms_uFramesDrawn;
    ms_uDrawMicroseconds += GetTimeMicroseconds(stamp);
}
