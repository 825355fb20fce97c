#include "App/CoreApp.h"
#include "Common/ProfileSections.h"
#include "Error/EngineAssert.h"
#include "Graphics/GraphicsDevice.h"
#include "Graphics/Matrix4.h"
#include "Graphics/RenderStates.h"
#include "Maths/CoreMatrix.h"
#include "Profiler/CoreProfiler.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInterfaceLink.h"

#include <utility>

namespace {

// The assert's text names the condition as reports show it.
constexpr bool FALSE = false;

void SetIdentityWorld(CoreRenderer& renderer)
{
    Platform::GraphicsDevice* device = renderer.GetDevice();
    if (!device)
        return;
    device->SetTransform(Platform::D3DTS_WORLD, &Platform::IDENTITY_MATRIX);
}

void SetDepthTest(CoreRenderer& renderer, bool bOn)
{
    renderer.SetRenderState(Platform::D3DRS_ZENABLE, bOn ? 1 : 0);
    renderer.SetRenderState(Platform::D3DRS_ZWRITEENABLE, bOn ? 1 : 0);
}

// A profiler section open for the life of the object.
class ProfileScope {
public:
    explicit ProfileScope(int iSection) : m_iSection(iSection) { Core::CoreProfiler::GetInstance().Start(iSection); }
    ~ProfileScope() { Core::CoreProfiler::GetInstance().Stop(m_iSection); }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;

private:
    int m_iSection;
};

} // namespace

void Scene::Render()
{
    if (g_pCoreApp && g_pCoreApp->m_pRenderer)
        Render(*g_pCoreApp->m_pRenderer);
}

void Scene::Render(CoreRenderer& renderer)
{
    SceneInterfaceLink& link = GetSceneInterfaceLink();
    Render3D(renderer);
    SetScreenProjection(renderer, 0);
    {
        ProfileScope talk(PROFILE_RENDER_OFFSCREEN);
        link.DrawTalkScreen();
    }
    RenderOverlay(renderer);
    ProfileScope cursor(PROFILE_RENDER_CURSOR);
    m_oCursor.Render(renderer, m_iInputState, link.GetHeldItemIcon());
}

void Scene::SortRenderOrder()
{
    for (int32_t i = 0; i < m_iNumCharacters; ++i)
        m_apRenderOrder[i] = m_apCharacters[i].get();
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int32_t i = 0; i + 1 < m_iNumCharacters; ++i) {
            if (m_apRenderOrder[i + 1]->m_iDepth < m_apRenderOrder[i]->m_iDepth) {
                std::swap(m_apRenderOrder[i], m_apRenderOrder[i + 1]);
                swapped = true;
            }
        }
    }
}

void Scene::SetScreenProjection(CoreRenderer& renderer, fx32 scroll) const
{
    renderer.SetScreenCamera();
    if (scroll == 0)
        return;
    CoreMatrix view;
    CoreMatrix::Translation(&view, -CoreFx::ToFloat(scroll), 0.0f, 0.0f);
    const CoreMatrix projection = renderer.GetProjectionMatrix();
    const CoreMatrix postView = renderer.GetPostViewMatrix();
    renderer.SetTransform(&projection, &view, &postView);
}

void Scene::InitializeLighting(CoreRenderer& renderer) const
{
    renderer.SetAmbiantColor({m_oAmbient.m_aColour[0], m_oAmbient.m_aColour[1], m_oAmbient.m_aColour[2]});
    for (int32_t i = 0; i < m_iNumLights; ++i) {
        const SceneLight& light = m_aLights[i];
        if (light.m_iType != SCENE_LIGHT_DIRECTIONAL) {
            // Lights with a position are not drawn on this platform.
            ENGINE_ASSERT(FALSE);
            continue;
        }
        CoreFxVec direction;
        CoreFxVec::Normalize(light.m_vVector, direction);
        for (fx32* component : {&direction.x, &direction.y, &direction.z})
            *component = static_cast<fx32>((static_cast<int64_t>(*component) * 0x7FFFFFFF) >> FX32_SHIFT);
        const CoreFxVec colour {light.m_aColour[0] >> 8, light.m_aColour[1] >> 8, light.m_aColour[2] >> 8};
        renderer.SetLight(colour, direction, {0, 0, 0}, static_cast<uint32_t>(i));
        renderer.EnableLight(static_cast<uint32_t>(i));
    }
}

void Scene::Render3D(CoreRenderer& renderer)
{
    if (m_iInputState == INPUT_STATE_PAD_POINTER)
        return;
    ProfileScope section(PROFILE_RENDER_SCENEGRAPH);
    SortRenderOrder();
    InitializeLighting(renderer);
    for (int32_t l = 0; l < m_iNumLayers; ++l) {
        const Layer& layer = m_vLayers[l];
        fx32 lowerBound = SCENE_DEEPEST_DEPTH;
        if (l == m_iMainLayerIndex) {
            int32_t k = 0;
            while (k < m_iNumCharacters) {
                const fx32 depth = m_apRenderOrder[k]->m_iDepth;
                SetScreenProjection(renderer, m_fScroll);
                SetDepthTest(renderer, false);
                layer.RenderSprites(renderer, lowerBound, depth);
                m_oCamera.ApplyToDevice(renderer);
                SetDepthTest(renderer, true);
                SetIdentityWorld(renderer);
                renderer.SetRenderState(Platform::D3DRS_LIGHTING, 1);
                // Characters of one depth stand in one band.
                while (k < m_iNumCharacters && m_apRenderOrder[k]->m_iDepth == depth)
                    m_apRenderOrder[k++]->Render(renderer, *this);
                renderer.SetRenderState(Platform::D3DRS_LIGHTING, 0);
                lowerBound = depth;
            }
        }
        SetScreenProjection(renderer, m_fScroll);
        SetDepthTest(renderer, false);
        layer.RenderSprites(renderer, lowerBound, SCENE_NEAREST_DEPTH);
    }
    SetScreenProjection(renderer, 0);
    SetIdentityWorld(renderer);
    RenderLabels(renderer);
    SetScreenProjection(renderer, m_fScroll);
    Render2DOverlay();
    RenderExitArrow();
    SetScreenProjection(renderer, 0);
    SetIdentityWorld(renderer);
}

void Scene::RenderLabels(CoreRenderer& /*renderer*/)
{
}

void Scene::RenderOverlay(CoreRenderer& /*renderer*/)
{
    SceneInterfaceLink& link = GetSceneInterfaceLink();
    ProfileScope gui(PROFILE_RENDER_GUI);
    if (m_iInputState == INPUT_STATE_MENU || m_iInputState == INPUT_STATE_POINTER_ONLY)
        link.DrawMenuPanel();
    {
        ProfileScope inventory(PROFILE_RENDER_INVENTORY);
        link.DrawMenuBars();
    }
    // The dragged item is the cursor's; its section stays empty here.
    if (m_iInputState == INPUT_STATE_ITEM_DRAG)
        ProfileScope item(PROFILE_RENDER_ITEM);
}
