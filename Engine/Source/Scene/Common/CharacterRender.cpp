// Drawing a character: its skinned mesh turned to its facing, what it
// carries on its bones, and its planar shadow.
#include "Graphics/RenderStates.h"
#include "Maths/CorePlane.h"
#include "Renderer/CoreMaterial.h"
#include "Renderer/CoreRenderer.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"

namespace {

// Drawn black and half transparent with the light that casts it switched
// off.
const CoreMaterial SHADOW_MATERIAL = {
    {{0.5f, 0.5f, 0.5f, 0.5f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 0.0f}, 1.0f},
    nullptr};

constexpr CoreFxVec STRAIGHT_DOWN = {0, 0, -FX32_ONE};

// The direction the scene's first light shines in; straight down in a scene
// without one.
CoreFxVec ShadowLight(const Scene& scene)
{
    if (scene.m_iNumLights > 0 && scene.m_aLights[0].m_iType == SCENE_LIGHT_DIRECTIONAL) {
        const CoreFxVec& direction = scene.m_aLights[0].m_vVector;
        if (direction.x != 0 || direction.y != 0 || direction.z != 0)
            return direction;
    }
    return STRAIGHT_DOWN;
}

} // namespace

void Character::GetWorldMatrix(CoreMatrix& world) const
{
    CoreMatrix facing;
    GetFacingMatrix(facing);
    CoreMatrix translation;
    CoreMatrix::Translation(&translation, CoreFx::ToFloat(m_vPosition.x), CoreFx::ToFloat(m_vPosition.y),
                            CoreFx::ToFloat(m_vPosition.z));
    CoreMatrix::Multiply(&world, &translation, &facing);
}

void Character::Render(CoreRenderer& renderer, const Scene& scene)
{
    if (!m_bShown || !m_pBody || !m_pBody->GetMesh())
        return;
    CoreMatrix world;
    GetWorldMatrix(world);

    // Where the alpha test is on, only fully opaque texels are drawn.
    const uint32_t alphaRef = renderer.GetRenderState(Platform::D3DRS_ALPHAREF);
    const uint32_t alphaFunc = renderer.GetRenderState(Platform::D3DRS_ALPHAFUNC);
    renderer.SetRenderState(Platform::D3DRS_ALPHAFUNC, Platform::D3DCMP_EQUAL);
    renderer.SetRenderState(Platform::D3DRS_ALPHAREF, 255);
    m_pBody->Render(renderer, world);
    for (int32_t i = 0; i < m_iNumAttachments; ++i) {
        const CarriedAttachment& carried = m_aAttachments[i];
        CoreMatrix bone;
        CoreMatrix placed;
        if (!carried.m_pAttachment->IsBound() || !m_pBody->GetBoneMatrix(GetBoneName(carried.m_iBoneId), bone))
            continue;
        CoreMatrix::Multiply(&placed, &world, &bone);
        carried.m_pAttachment->m_oBody.Render(renderer, placed);
    }
    renderer.SetRenderState(Platform::D3DRS_ALPHAREF, alphaRef);
    renderer.SetRenderState(Platform::D3DRS_ALPHAFUNC, alphaFunc);

    if (m_bShadow)
        RenderShadow(renderer, world, ShadowLight(scene));
}

void Character::RenderShadow(CoreRenderer& renderer, const CoreMatrix& world, const CoreFxVec& light) const
{
    // The ground under the feet, facing down so that a light from above
    // gives a positive w.
    CoreMatrix inverse;
    CoreMatrix inverseTranspose;
    CoreMatrix::Inverse(&inverse, &world);
    CoreMatrix::Transpose(&inverseTranspose, &inverse);
    const CorePlane local = {0.0f, 0.0f, -1.0f, 0.0f};
    CorePlane ground;
    CorePlane::Transform(&ground, &local, &inverseTranspose);
    // The flattening follows the body's world matrix on the device, which
    // divides by the w it gives.
    CoreMatrix flatten;
    CoreMatrix::Shadow(&flatten, &light, &ground);

    renderer.EnableLight(0, false);
    // Each pixel is darkened once however many triangles fall on it.
    renderer.SetRenderState(Platform::D3DRS_STENCILENABLE, 1);
    renderer.SetStencilFunc(Platform::D3DCMP_EQUAL);
    renderer.SetStencilRef(0);
    renderer.SetStencilMask(0xFFFFFFFF);
    renderer.SetStencilWriteMask(0xFFFFFFFF);
    renderer.SetStencilFail(Platform::D3DSTENCILOP_KEEP);
    renderer.SetStencilZFail(Platform::D3DSTENCILOP_KEEP);
    renderer.SetStencilPass(Platform::D3DSTENCILOP_INCR);
    m_pBody->Render(renderer, world, &SHADOW_MATERIAL, &flatten);
    renderer.SetRenderState(Platform::D3DRS_STENCILENABLE, 0);
    renderer.EnableLight(0, true);
}
