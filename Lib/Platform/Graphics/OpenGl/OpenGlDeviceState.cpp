#include "Graphics/ClipSpace.h"
#include "Graphics/OpenGl/OpenGlDevice.h"
#include "Graphics/OpenGl/OpenGlMapping.h"
#include "Graphics/OpenGl/OpenGlTexture.h"

#include <algorithm>
#include <cstring>

namespace Platform {

namespace {

void Enable(GLenum capability, bool on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

bool SameMatrix(const Matrix4& a, const Matrix4& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

GLint CombineSource(uint32_t argument)
{
    switch (argument & 0x7) {
    case D3DTA_TEXTURE: return GL_TEXTURE;
    case D3DTA_TFACTOR: return GL_CONSTANT;
    default: return GL_PRIMARY_COLOR;
    }
}

// One half (colour or alpha) of stage 0's operation as an OpenGL combiner.
void SetCombiner(GLenum combine, GLenum source0, GLenum source1, GLenum operand0, GLenum operand1, GLint operand,
                 uint32_t operation, uint32_t argument1, uint32_t argument2)
{
    GLint function = GL_MODULATE;
    GLint first = CombineSource(argument1);
    if (operation == D3DTOP_SELECTARG1) {
        function = GL_REPLACE;
    } else if (operation == D3DTOP_SELECTARG2) {
        function = GL_REPLACE;
        first = CombineSource(argument2);
    } else if (operation == D3DTOP_DISABLE) {
        function = GL_REPLACE;
        first = GL_PRIMARY_COLOR;
    }
    glTexEnvi(GL_TEXTURE_ENV, combine, function);
    glTexEnvi(GL_TEXTURE_ENV, source0, first);
    glTexEnvi(GL_TEXTURE_ENV, source1, CombineSource(argument2));
    glTexEnvi(GL_TEXTURE_ENV, operand0, operand);
    glTexEnvi(GL_TEXTURE_ENV, operand1, operand);
}

void SetColor(GLenum light, GLenum parameter, const ColorValue& color)
{
    const float channels[4] = {color.r, color.g, color.b, color.a};
    glLightfv(light, parameter, channels);
}

void SetMaterialColor(GLenum parameter, const ColorValue& color)
{
    const float channels[4] = {color.r, color.g, color.b, color.a};
    glMaterialfv(GL_FRONT_AND_BACK, parameter, channels);
}

} // namespace

void OpenGlDevice::ApplyState(const VertexLayout& layout)
{
    const uint32_t* states = m_state.renderStates;
    const bool lighting = states[D3DRS_LIGHTING] != 0 && !layout.pretransformed;
    const bool colorMaterial = lighting && layout.diffuseOffset >= 0 && states[D3DRS_COLORVERTEX] != 0 &&
                               states[D3DRS_DIFFUSEMATERIALSOURCE] == D3DMCS_COLOR1;
    if (m_bAppliedValid && m_uAppliedSerial == StateSerial() && m_bAppliedPretransformed == layout.pretransformed &&
        m_bAppliedLighting == lighting && m_bAppliedColorMaterial == colorMaterial)
        return;

    const bool all = !m_bAppliedValid;
    if (all || lighting != m_bAppliedLighting)
        Enable(GL_LIGHTING, lighting);
    if (all || colorMaterial != m_bAppliedColorMaterial) {
        glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
        Enable(GL_COLOR_MATERIAL, colorMaterial);
    }
    ApplyViewport(all);
    ApplyRenderStates(all);
    ApplyTexturing(all);
    ApplyTransformsAndLights(all || layout.pretransformed != m_bAppliedPretransformed, layout.pretransformed);
    // While colour material was on, the material's diffuse colour followed
    // the vertices: it is set again when colour material goes off.
    ApplyMaterial(all || colorMaterial != m_bAppliedColorMaterial);

    m_applied = m_state;
    m_bAppliedValid = true;
    m_uAppliedSerial = StateSerial();
    m_bAppliedPretransformed = layout.pretransformed;
    m_bAppliedLighting = lighting;
    m_bAppliedColorMaterial = colorMaterial;
}

void OpenGlDevice::ApplyViewport(bool all)
{
    const Viewport& viewport = m_state.viewport;
    if (!all && std::memcmp(&viewport, &m_applied.viewport, sizeof viewport) == 0)
        return;
    glViewport(GLint(viewport.x), GLint(m_uTargetHeight) - GLint(viewport.y + viewport.height), GLsizei(viewport.width),
               GLsizei(viewport.height));
    glDepthRange(viewport.minZ, viewport.maxZ);
}

void OpenGlDevice::ApplyRenderStates(bool all)
{
    const uint32_t* now = m_state.renderStates;
    const uint32_t* before = m_applied.renderStates;
    auto changed = [&](uint32_t state) { return all || now[state] != before[state]; };
    auto anyChanged = [&](std::initializer_list<uint32_t> states) {
        return std::any_of(states.begin(), states.end(), changed);
    };

    if (changed(D3DRS_ZENABLE))
        Enable(GL_DEPTH_TEST, now[D3DRS_ZENABLE] != D3DZB_FALSE && HasDepthBuffer());
    if (changed(D3DRS_ZFUNC))
        glDepthFunc(GlCompareFunction(now[D3DRS_ZFUNC]));
    if (changed(D3DRS_ZWRITEENABLE))
        glDepthMask(now[D3DRS_ZWRITEENABLE] ? GL_TRUE : GL_FALSE);
    if (changed(D3DRS_FILLMODE))
        glPolygonMode(GL_FRONT_AND_BACK, GlPolygonMode(now[D3DRS_FILLMODE]));
    if (changed(D3DRS_SHADEMODE))
        glShadeModel(now[D3DRS_SHADEMODE] == D3DSHADE_FLAT ? GL_FLAT : GL_SMOOTH);
    if (changed(D3DRS_CULLMODE)) {
        // Windings are as seen on the screen in both: OpenGL's counter-
        // clockwise front faces are the ones D3DCULL_CCW drops.
        const uint32_t cull = now[D3DRS_CULLMODE];
        Enable(GL_CULL_FACE, cull == D3DCULL_CW || cull == D3DCULL_CCW);
        glFrontFace(GL_CCW);
        glCullFace(cull == D3DCULL_CCW ? GL_FRONT : GL_BACK);
    }
    if (changed(D3DRS_ALPHATESTENABLE))
        Enable(GL_ALPHA_TEST, now[D3DRS_ALPHATESTENABLE] != 0);
    if (anyChanged({D3DRS_ALPHAFUNC, D3DRS_ALPHAREF}))
        glAlphaFunc(GlCompareFunction(now[D3DRS_ALPHAFUNC]), float(now[D3DRS_ALPHAREF] & 0xFF) / 255.0f);
    if (anyChanged({D3DRS_SRCBLEND, D3DRS_DESTBLEND}))
        glBlendFunc(GlBlendFactor(now[D3DRS_SRCBLEND]), GlBlendFactor(now[D3DRS_DESTBLEND]));
    if (changed(D3DRS_STENCILENABLE))
        Enable(GL_STENCIL_TEST, now[D3DRS_STENCILENABLE] != 0 && HasDepthBuffer());
    if (anyChanged({D3DRS_STENCILFUNC, D3DRS_STENCILREF, D3DRS_STENCILMASK}))
        glStencilFunc(GlCompareFunction(now[D3DRS_STENCILFUNC]), GLint(now[D3DRS_STENCILREF]), now[D3DRS_STENCILMASK]);
    if (anyChanged({D3DRS_STENCILFAIL, D3DRS_STENCILZFAIL, D3DRS_STENCILPASS}))
        glStencilOp(GlStencilOperation(now[D3DRS_STENCILFAIL]), GlStencilOperation(now[D3DRS_STENCILZFAIL]),
                    GlStencilOperation(now[D3DRS_STENCILPASS]));
    if (changed(D3DRS_STENCILWRITEMASK))
        glStencilMask(now[D3DRS_STENCILWRITEMASK]);
    if (changed(D3DRS_COLORWRITEENABLE)) {
        const uint32_t mask = now[D3DRS_COLORWRITEENABLE];
        glColorMask((mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0);
    }
    if (changed(D3DRS_AMBIENT)) {
        float ambient[4];
        ColorToFloats(now[D3DRS_AMBIENT], ambient);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    }
    if (changed(D3DRS_NORMALIZENORMALS))
        Enable(GL_NORMALIZE, now[D3DRS_NORMALIZENORMALS] != 0);
    if (changed(D3DRS_TEXTUREFACTOR)) {
        float factor[4];
        ColorToFloats(now[D3DRS_TEXTUREFACTOR], factor);
        glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, factor);
    }
}

void OpenGlDevice::RestoreWriteMasks()
{
    if (!m_bAppliedValid)
        return;
    const uint32_t* states = m_applied.renderStates;
    const uint32_t mask = states[D3DRS_COLORWRITEENABLE];
    glColorMask((mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0);
    glDepthMask(states[D3DRS_ZWRITEENABLE] ? GL_TRUE : GL_FALSE);
    glStencilMask(states[D3DRS_STENCILWRITEMASK]);
}

// Only stage 0 and sampler 0 take part in drawing: the game uses no other.
void OpenGlDevice::ApplyTexturing(bool all)
{
    const uint32_t* stage = m_state.stageStates[0];
    OpenGlTexture* texture = static_cast<OpenGlTexture*>(m_state.textures[0]);
    const bool texturing = texture && stage[D3DTSS_COLOROP] != D3DTOP_DISABLE;
    Enable(GL_TEXTURE_2D, texturing);
    if (!texturing)
        return;

    texture->SendWrittenLevels();
    if (texture->Name() != m_uBoundTexture) {
        glBindTexture(GL_TEXTURE_2D, texture->Name());
        m_uBoundTexture = texture->Name();
    }
    texture->ApplySampler(m_state.samplerStates[0]);

    if (all || !m_bCombinerValid || std::memcmp(stage, m_vCombinerStage, sizeof m_vCombinerStage) != 0) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
        SetCombiner(GL_COMBINE_RGB, GL_SRC0_RGB, GL_SRC1_RGB, GL_OPERAND0_RGB, GL_OPERAND1_RGB, GL_SRC_COLOR,
                    stage[D3DTSS_COLOROP], stage[D3DTSS_COLORARG1], stage[D3DTSS_COLORARG2]);
        SetCombiner(GL_COMBINE_ALPHA, GL_SRC0_ALPHA, GL_SRC1_ALPHA, GL_OPERAND0_ALPHA, GL_OPERAND1_ALPHA, GL_SRC_ALPHA,
                    stage[D3DTSS_ALPHAOP], stage[D3DTSS_ALPHAARG1], stage[D3DTSS_ALPHAARG2]);
        std::memcpy(m_vCombinerStage, stage, sizeof m_vCombinerStage);
        m_bCombinerValid = true;
    }
}

void OpenGlDevice::ApplyTransformsAndLights(bool all, bool pretransformed)
{
    const bool viewportChanged =
        all || std::memcmp(&m_state.viewport, &m_applied.viewport, sizeof m_state.viewport) != 0;
    if (pretransformed) {
        if (viewportChanged) {
            glMatrixMode(GL_PROJECTION);
            const Matrix4 projection = PretransformedProjection(m_state.viewport);
            glLoadMatrixf(&projection.m[0][0]);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
        }
        return;
    }

    if (viewportChanged || !SameMatrix(m_state.projection, m_applied.projection)) {
        glMatrixMode(GL_PROJECTION);
        const Matrix4 projection =
            OpenGlProjection(m_state.projection, m_state.viewport.width, m_state.viewport.height);
        glLoadMatrixf(&projection.m[0][0]);
        glMatrixMode(GL_MODELVIEW);
    }
    const bool lightsChanged =
        std::memcmp(m_state.lights, m_applied.lights, sizeof m_state.lights) != 0 ||
        std::memcmp(m_state.lightEnabled, m_applied.lightEnabled, sizeof m_state.lightEnabled) != 0;
    const bool viewChanged = !SameMatrix(m_state.view, m_applied.view);
    if (all || viewChanged || lightsChanged || !SameMatrix(m_state.world[0], m_applied.world[0])) {
        // A row-vector matrix stored row by row is OpenGL's column-vector
        // matrix stored column by column: the bytes load as they are.
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(&m_state.view.m[0][0]);
        if (all || viewChanged || lightsChanged)
            ApplyLights();
        glMultMatrixf(&m_state.world[0].m[0][0]);
    }
}

// Lights are given in world space: they are set while the view matrix alone
// is loaded.
void OpenGlDevice::ApplyLights()
{
    for (uint32_t index = 0; index < MAX_ACTIVE_LIGHTS; ++index) {
        const GLenum name = GL_LIGHT0 + index;
        Enable(name, m_state.lightEnabled[index]);
        if (!m_state.lightEnabled[index])
            continue;
        const Light& light = m_state.lights[index];
        SetColor(name, GL_DIFFUSE, light.diffuse);
        SetColor(name, GL_SPECULAR, light.specular);
        SetColor(name, GL_AMBIENT, light.ambient);
        if (light.type == D3DLIGHT_DIRECTIONAL) {
            const float towardsLight[4] = {-light.direction.x, -light.direction.y, -light.direction.z, 0.0f};
            glLightfv(name, GL_POSITION, towardsLight);
            glLightf(name, GL_SPOT_CUTOFF, 180.0f);
        } else {
            const float position[4] = {light.position.x, light.position.y, light.position.z, 1.0f};
            glLightfv(name, GL_POSITION, position);
            glLightf(name, GL_CONSTANT_ATTENUATION, light.attenuation0);
            glLightf(name, GL_LINEAR_ATTENUATION, light.attenuation1);
            glLightf(name, GL_QUADRATIC_ATTENUATION, light.attenuation2);
            if (light.type == D3DLIGHT_SPOT) {
                const float direction[3] = {light.direction.x, light.direction.y, light.direction.z};
                glLightfv(name, GL_SPOT_DIRECTION, direction);
                glLightf(name, GL_SPOT_CUTOFF, std::clamp(light.phi * 0.5f * 57.29578f, 0.0f, 90.0f));
                glLightf(name, GL_SPOT_EXPONENT, std::clamp(light.falloff, 0.0f, 128.0f));
            } else {
                glLightf(name, GL_SPOT_CUTOFF, 180.0f);
            }
        }
    }
}

void OpenGlDevice::ApplyMaterial(bool all)
{
    const Material& material = m_state.material;
    const bool specular = m_state.renderStates[D3DRS_SPECULARENABLE] != 0;
    if (!all && std::memcmp(&material, &m_applied.material, sizeof material) == 0 &&
        specular == (m_applied.renderStates[D3DRS_SPECULARENABLE] != 0))
        return;
    SetMaterialColor(GL_DIFFUSE, material.diffuse);
    SetMaterialColor(GL_AMBIENT, material.ambient);
    SetMaterialColor(GL_EMISSION, material.emissive);
    SetMaterialColor(GL_SPECULAR, specular ? material.specular : ColorValue {0, 0, 0, 0});
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(material.power, 0.0f, 128.0f));
}

} // namespace Platform
