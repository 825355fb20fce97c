#include "Graphics/DeviceState.h"

#include <bit>
#include <cstring>

namespace Platform {

namespace {

struct StateDefault {
    uint32_t state;
    uint32_t value;
};

uint32_t FloatBits(float value)
{
    return std::bit_cast<uint32_t>(value);
}

// The starting values of every render state a device answers for (the
// states not listed start at 0).
const StateDefault RENDER_STATE_DEFAULTS[] = {
    {8, D3DFILL_SOLID},
    {9, D3DSHADE_GOURAUD},
    {14, 1},
    {16, 1},
    {19, D3DBLEND_ONE},
    {20, D3DBLEND_ZERO},
    {22, D3DCULL_CCW},
    {23, D3DCMP_LESSEQUAL},
    {25, D3DCMP_ALWAYS},
    {37, FloatBits(1.0f)},
    {38, FloatBits(1.0f)},
    {53, D3DSTENCILOP_KEEP},
    {54, D3DSTENCILOP_KEEP},
    {55, D3DSTENCILOP_KEEP},
    {56, D3DCMP_ALWAYS},
    {58, 0xFFFFFFFF},
    {59, 0xFFFFFFFF},
    {60, 0xFFFFFFFF},
    {136, 1},
    {137, 1},
    {141, 1},
    {142, 1},
    {145, D3DMCS_COLOR1},
    {146, D3DMCS_COLOR2},
    {154, FloatBits(1.0f)},
    {155, FloatBits(1.0f)},
    {158, FloatBits(1.0f)},
    {161, 1},
    {162, 0xFFFFFFFF},
    {165, 0xBAADCAFE},
    {166, FloatBits(64.0f)},
    {168, 0xF},
    {171, 1},
    {172, 3},
    {173, 1},
    {178, FloatBits(1.0f)},
    {179, FloatBits(1.0f)},
    {182, FloatBits(1.0f)},
    {186, D3DSTENCILOP_KEEP},
    {187, D3DSTENCILOP_KEEP},
    {188, D3DSTENCILOP_KEEP},
    {189, D3DCMP_ALWAYS},
    {190, 0xF},
    {191, 0xF},
    {192, 0xF},
    {193, 0xFFFFFFFF},
    {207, D3DBLEND_ONE},
    {208, D3DBLEND_ZERO},
    {209, 1},
};

} // namespace

Matrix4 IdentityMatrix()
{
    Matrix4 identity {};
    for (int i = 0; i < 4; ++i)
        identity.m[i][i] = 1.0f;
    return identity;
}

void DeviceState::SetDefaults(uint32_t width, uint32_t height, bool hasDepthBuffer)
{
    std::memset(renderStates, 0, sizeof renderStates);
    for (const StateDefault& entry : RENDER_STATE_DEFAULTS)
        renderStates[entry.state] = entry.value;
    renderStates[D3DRS_ZENABLE] = hasDepthBuffer ? D3DZB_TRUE : D3DZB_FALSE;

    std::memset(stageStates, 0, sizeof stageStates);
    for (uint32_t stage = 0; stage < TEXTURE_STAGE_COUNT; ++stage) {
        uint32_t* states = stageStates[stage];
        states[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        states[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        states[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        states[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        states[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        states[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    }

    std::memset(samplerStates, 0, sizeof samplerStates);
    for (uint32_t sampler = 0; sampler < SAMPLER_COUNT; ++sampler) {
        uint32_t* states = samplerStates[sampler];
        states[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
        states[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
        states[D3DSAMP_ADDRESSW] = D3DTADDRESS_WRAP;
        states[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
        states[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
        states[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
        states[D3DSAMP_MAXANISOTROPY] = 1;
    }

    for (GraphicsTexture*& texture : textures)
        texture = nullptr;
    fvf = 0;
    view = IdentityMatrix();
    projection = IdentityMatrix();
    for (Matrix4& matrix : world)
        matrix = IdentityMatrix();

    const Light defaultLight {
        D3DLIGHT_DIRECTIONAL, {1, 1, 1, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0}, {0, 0, 1}, 0, 0, 0, 0, 0, 0, 0};
    for (uint32_t index = 0; index < MAX_ACTIVE_LIGHTS; ++index) {
        lights[index] = defaultLight;
        lightEnabled[index] = false;
    }
    material = Material {{1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0};
    viewport = Viewport {0, 0, width, height, 0.0f, 1.0f};
}

Matrix4* TransformSlot(DeviceState& state, uint32_t type)
{
    if (type == D3DTS_VIEW)
        return &state.view;
    if (type == D3DTS_PROJECTION)
        return &state.projection;
    if (type >= D3DTS_WORLD && type < D3DTS_WORLD + MAX_VERTEX_BLEND_MATRICES)
        return &state.world[type - D3DTS_WORLD];
    return nullptr;
}

} // namespace Platform
