#include "Adventure/Common/Scriptable.h"
#include "Error/EngineAssert.h"
#include "Graphics/GraphicsFormats.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Scene.h"

namespace {

constexpr fx32 FX = FX32_ONE;
// Markers stand in front of every sprite.
constexpr fx32 MARKER_DEPTH = -1 * FX;

bool ShowsStar(const SceneObject& object)
{
    return object.m_oPulse.m_bActive && object.m_oPulse.m_iClock > 0;
}

} // namespace

void Region::RenderDirection(Scene& scene) const
{
    ENGINE_ASSERT(m_iDirection != DIR_NONE);
    InterfaceSprite& arrow = scene.SetArrowDirection(m_iDirection);
    arrow.SetPosition(m_oPulse.m_oPosition.x, m_oPulse.m_oPosition.y, MARKER_DEPTH);
    arrow.ComputeHalfSize();
    arrow.Render();
}

void Scene::RenderStar(const HighlightPulse& pulse)
{
    m_oStar.SetPosition(pulse.m_oPosition.x, pulse.m_oPosition.y, MARKER_DEPTH);
    m_oStar.SetScale(pulse.m_iScaleX, pulse.m_iScaleY);
    m_oStar.ComputeHalfSize();
    m_oStar.m_fxAngle = pulse.m_iAngle;
    m_oStar.m_fxAlpha = pulse.m_iAlpha;
    m_oStar.Render();
}

void Scene::Render2DOverlay()
{
    if (const Layer* main = GetMainLayer()) {
        for (int32_t i = 0; i < main->m_iNbRegions; ++i) {
            const Region& region = main->m_vRegions[i];
            if (!region.m_oPulse.m_bActive)
                continue;
            if (region.GetDirection() != DIR_NONE)
                region.RenderDirection(*this);
            else if (region.m_oPulse.m_iClock > 0)
                RenderStar(region.m_oPulse);
        }
        for (int32_t i = 0; i < main->m_iNbSprites; ++i)
            if (ShowsStar(main->m_vSprites[i]))
                RenderStar(main->m_vSprites[i].m_oPulse);
    }
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        if (i != m_iActiveCharacter && ShowsStar(*m_apCharacters[i]))
            RenderStar(m_apCharacters[i]->m_oPulse);
}

void Scene::RenderExitArrow()
{
    const Layer* main = GetMainLayer();
    if (!main || !GetActiveCharacter())
        return;
    for (int32_t i = 0; i < main->m_iNbRegions; ++i) {
        const Region& region = main->m_vRegions[i];
        if (region.GetDirection() != DIR_NONE && region.m_pScriptable && region.m_pScriptable->IsInteractive() &&
            m_pHoveredObject == &region) {
            region.RenderDirection(*this);
            return;
        }
    }
}

bool Scene::DrawTextureQuadUV(CoreRenderer& renderer, int32_t iNbU, int32_t iNbV, int32_t iCell, CoreTexture* pTexture,
                              fx32 x, fx32 y, fx32 width, fx32 height, uint32_t uColour)
{
    ENGINE_ASSERT(iNbU>=1);
    ENGINE_ASSERT(iNbV>=1);
    if (iNbU < 1 || iNbV < 1)
        return false;
    const int32_t last = iNbU * iNbV - 1;
    const int32_t cell = iCell < 0 ? 0 : iCell > last ? last : iCell;
    const fx32 cellWidth = CoreFx::Div(FX, iNbU * FX);
    const fx32 cellHeight = CoreFx::Div(FX, iNbV * FX);
    const fx32 u = CoreFx::Div((cell % iNbU) * FX, iNbU * FX);
    const fx32 v = CoreFx::Div((cell / iNbU) * FX, iNbV * FX);
    if (!renderer.PrimitiveBegin(Platform::D3DPT_TRIANGLEFAN, 4, pTexture))
        return false;
    renderer.PrimitiveVertexAdd(x, y, 0, uColour, u, v);
    renderer.PrimitiveVertexAdd(x + width, y, 0, uColour, u + cellWidth, v);
    renderer.PrimitiveVertexAdd(x + width, y + height, 0, uColour, u + cellWidth, v + cellHeight);
    renderer.PrimitiveVertexAdd(x, y + height, 0, uColour, u, v + cellHeight);
    renderer.PrimitiveEnd();
    return true;
}
