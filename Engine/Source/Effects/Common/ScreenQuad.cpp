#include "Effects/Common/ScreenQuad.h"

#include "App/CoreApp.h"
#include "Graphics/GraphicsFormats.h"
#include "Renderer/CoreRenderer.h"
#include "Screen/CoreVirtualScreen.h"

void DrawScreenQuad(uint32_t uColour)
{
    CoreRenderer* pRenderer = g_pCoreApp != nullptr ? g_pCoreApp->m_pRenderer : nullptr;
    if (pRenderer == nullptr)
        return;
    pRenderer->SetScreenCamera();
    const CoreRendererSettings& oSettings = pRenderer->GetSettings();
    const fx32 fxWidth = CoreVisibleScreenWidth(oSettings.m_uWidth, oSettings.m_uHeight);
    const fx32 fxLeft = -CoreRenderer::ScreenMargin(oSettings.m_uWidth, oSettings.m_uHeight);
    if (!pRenderer->PrimitiveBegin(Platform::D3DPT_TRIANGLESTRIP, 4, nullptr))
        return;
    pRenderer->PrimitiveVertexAdd(fxLeft, 0, 0, uColour, 0, 0);
    pRenderer->PrimitiveVertexAdd(fxLeft, VIRTUAL_SCREEN_HEIGHT, 0, uColour, 0, FX32_ONE);
    pRenderer->PrimitiveVertexAdd(fxLeft + fxWidth, 0, 0, uColour, FX32_ONE, 0);
    pRenderer->PrimitiveVertexAdd(fxLeft + fxWidth, VIRTUAL_SCREEN_HEIGHT, 0, uColour, FX32_ONE, FX32_ONE);
    pRenderer->PrimitiveEnd();
}
