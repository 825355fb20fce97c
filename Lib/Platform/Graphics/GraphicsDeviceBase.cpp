#include "Graphics/GraphicsDeviceBase.h"

#include "Graphics/VertexFormat.h"

#include <cstring>

namespace Platform {

namespace {

// Beyond these the arithmetic of a call could overflow: such calls are
// refused.
constexpr uint32_t MAX_PRIMITIVES_PER_DRAW = 1u << 24;
constexpr uint32_t MAX_TEXTURE_SIZE = 8192;

uint64_t Address(const void* pointer)
{
    return reinterpret_cast<uintptr_t>(pointer);
}

} // namespace

GraphicsDeviceBase::GraphicsDeviceBase(const PresentParameters& parameters)
{
    ResetState(parameters);
}

GraphicsDeviceBase::~GraphicsDeviceBase()
{
    for (GraphicsTexture* texture : m_textures)
        static_cast<DeviceTexture*>(texture)->DetachFromDevice();
}

void GraphicsDeviceBase::RecordCall(const char*, std::initializer_list<uint64_t>, const void*, size_t)
{
}

void GraphicsDeviceBase::ResetState(const PresentParameters& parameters)
{
    m_uBackBufferWidth = parameters.backBufferWidth;
    m_uBackBufferHeight = parameters.backBufferHeight;
    m_bHasDepthBuffer = parameters.enableAutoDepthStencil != 0;
    m_state.SetDefaults(m_uBackBufferWidth, m_uBackBufferHeight, m_bHasDepthBuffer);
    m_bInScene = false;
    Changed();
}

void GraphicsDeviceBase::ForgetTexture(DeviceTexture* texture)
{
    m_textures.erase(texture);
    for (GraphicsTexture*& bound : m_state.textures) {
        if (bound == texture) {
            bound = nullptr;
            Changed();
        }
    }
}

GraphicsResult GraphicsDeviceBase::GetDeviceCaps(DeviceCaps* caps)
{
    RecordCall("GetDeviceCaps", {});
    if (!caps)
        return D3DERR_INVALIDCALL;
    *caps = DeviceCaps {0, MAX_TEXTURE_SIZE, MAX_TEXTURE_SIZE, MAX_ACTIVE_LIGHTS, MAX_VERTEX_BLEND_MATRICES};
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::BeginScene()
{
    RecordCall("BeginScene", {});
    if (m_bInScene)
        return D3DERR_INVALIDCALL;
    m_bInScene = true;
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::EndScene()
{
    RecordCall("EndScene", {});
    if (!m_bInScene)
        return D3DERR_INVALIDCALL;
    m_bInScene = false;
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetViewport(const Viewport* viewport)
{
    if (!viewport)
        return D3DERR_INVALIDCALL;
    RecordCall("SetViewport", {viewport->x, viewport->y, viewport->width, viewport->height}, viewport,
               sizeof *viewport);
    const uint64_t right = uint64_t(viewport->x) + viewport->width;
    const uint64_t bottom = uint64_t(viewport->y) + viewport->height;
    if (viewport->width == 0 || viewport->height == 0 || right > m_uBackBufferWidth || bottom > m_uBackBufferHeight ||
        !(viewport->minZ >= 0.0f && viewport->minZ <= viewport->maxZ) || !(viewport->maxZ <= 1.0f))
        return D3DERR_INVALIDCALL;
    m_state.viewport = *viewport;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetViewport(Viewport* viewport)
{
    RecordCall("GetViewport", {});
    if (!viewport)
        return D3DERR_INVALIDCALL;
    *viewport = m_state.viewport;
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetRenderState(uint32_t state, uint32_t value)
{
    RecordCall("SetRenderState", {state, value});
    if (state >= RENDER_STATE_COUNT)
        return D3DERR_INVALIDCALL;
    m_state.renderStates[state] = value;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetRenderState(uint32_t state, uint32_t* value)
{
    RecordCall("GetRenderState", {state});
    if (state >= RENDER_STATE_COUNT || !value)
        return D3DERR_INVALIDCALL;
    *value = m_state.renderStates[state];
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value)
{
    RecordCall("SetTextureStageState", {stage, type, value});
    if (stage >= TEXTURE_STAGE_COUNT || type >= TEXTURE_STAGE_STATE_COUNT)
        return D3DERR_INVALIDCALL;
    m_state.stageStates[stage][type] = value;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetTextureStageState(uint32_t stage, uint32_t type, uint32_t* value)
{
    RecordCall("GetTextureStageState", {stage, type});
    if (stage >= TEXTURE_STAGE_COUNT || type >= TEXTURE_STAGE_STATE_COUNT || !value)
        return D3DERR_INVALIDCALL;
    *value = m_state.stageStates[stage][type];
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetSamplerState(uint32_t sampler, uint32_t type, uint32_t value)
{
    RecordCall("SetSamplerState", {sampler, type, value});
    if (sampler >= SAMPLER_COUNT || type >= SAMPLER_STATE_COUNT)
        return D3DERR_INVALIDCALL;
    m_state.samplerStates[sampler][type] = value;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetSamplerState(uint32_t sampler, uint32_t type, uint32_t* value)
{
    RecordCall("GetSamplerState", {sampler, type});
    if (sampler >= SAMPLER_COUNT || type >= SAMPLER_STATE_COUNT || !value)
        return D3DERR_INVALIDCALL;
    *value = m_state.samplerStates[sampler][type];
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetTexture(uint32_t stage, GraphicsTexture* texture)
{
    if (texture && !m_textures.contains(texture)) {
        RecordCall("SetTexture", {stage, Address(texture)});
        return D3DERR_INVALIDCALL;
    }
    RecordCall("SetTexture", {stage, texture ? static_cast<DeviceTexture*>(texture)->Id() : 0});
    if (stage >= TEXTURE_STAGE_COUNT)
        return D3DERR_INVALIDCALL;
    m_state.textures[stage] = texture;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetFVF(uint32_t fvf)
{
    RecordCall("SetFVF", {fvf});
    m_state.fvf = fvf;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetFVF(uint32_t* fvf)
{
    RecordCall("GetFVF", {});
    if (!fvf)
        return D3DERR_INVALIDCALL;
    *fvf = m_state.fvf;
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetTransform(uint32_t type, const Matrix4* matrix)
{
    RecordCall("SetTransform", {type}, matrix, matrix ? sizeof *matrix : 0);
    Matrix4* slot = TransformSlot(m_state, type);
    if (!slot || !matrix)
        return D3DERR_INVALIDCALL;
    *slot = *matrix;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetTransform(uint32_t type, Matrix4* matrix)
{
    RecordCall("GetTransform", {type});
    Matrix4* slot = TransformSlot(m_state, type);
    if (!slot || !matrix)
        return D3DERR_INVALIDCALL;
    *matrix = *slot;
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetLight(uint32_t index, const Light* light)
{
    RecordCall("SetLight", {index}, light, light ? sizeof *light : 0);
    if (index >= MAX_ACTIVE_LIGHTS || !light || light->type < D3DLIGHT_POINT || light->type > D3DLIGHT_DIRECTIONAL)
        return D3DERR_INVALIDCALL;
    m_state.lights[index] = *light;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetLight(uint32_t index, Light* light)
{
    RecordCall("GetLight", {index});
    if (index >= MAX_ACTIVE_LIGHTS || !light)
        return D3DERR_INVALIDCALL;
    *light = m_state.lights[index];
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::LightEnable(uint32_t index, bool enable)
{
    RecordCall("LightEnable", {index, enable ? 1u : 0u});
    if (index >= MAX_ACTIVE_LIGHTS)
        return D3DERR_INVALIDCALL;
    m_state.lightEnabled[index] = enable;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetLightEnable(uint32_t index, bool* enabled)
{
    RecordCall("GetLightEnable", {index});
    if (index >= MAX_ACTIVE_LIGHTS || !enabled)
        return D3DERR_INVALIDCALL;
    *enabled = m_state.lightEnabled[index];
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::SetMaterial(const Material* material)
{
    RecordCall("SetMaterial", {}, material, material ? sizeof *material : 0);
    if (!material)
        return D3DERR_INVALIDCALL;
    m_state.material = *material;
    Changed();
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::GetMaterial(Material* material)
{
    RecordCall("GetMaterial", {});
    if (!material)
        return D3DERR_INVALIDCALL;
    *material = m_state.material;
    return D3D_OK;
}

GraphicsResult GraphicsDeviceBase::DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount,
                                                   const void* vertices, uint32_t stride)
{
    const VertexLayout layout = DescribeVertexFormat(m_state.fvf);
    const uint32_t vertexCount = VerticesForPrimitives(primitiveType, primitiveCount);
    const bool valid = m_bInScene && vertices && layout.valid && stride >= layout.size && vertexCount != 0 &&
                       primitiveCount <= MAX_PRIMITIVES_PER_DRAW;
    // Only a valid call's vertices are known to be there to be kept.
    RecordCall("DrawPrimitiveUP", {primitiveType, primitiveCount, stride}, valid ? vertices : nullptr,
               valid ? size_t(vertexCount) * stride : 0);
    if (!valid)
        return D3DERR_INVALIDCALL;
    return Draw(
        {primitiveType, primitiveCount, 0, vertexCount, static_cast<const uint8_t*>(vertices), stride, nullptr, 0, 0});
}

GraphicsResult GraphicsDeviceBase::DrawIndexedPrimitiveUP(uint32_t primitiveType, uint32_t minVertexIndex,
                                                          uint32_t vertexCount, uint32_t primitiveCount,
                                                          const void* indices, uint32_t indexFormat,
                                                          const void* vertices, uint32_t stride)
{
    const VertexLayout layout = DescribeVertexFormat(m_state.fvf);
    const uint32_t indexCount = VerticesForPrimitives(primitiveType, primitiveCount);
    const size_t indexBytes = indexFormat == D3DFMT_INDEX32 ? 4 : 2;
    const bool valid = m_bInScene && vertices && indices && layout.valid && stride >= layout.size && indexCount != 0 &&
                       vertexCount != 0 && primitiveCount <= MAX_PRIMITIVES_PER_DRAW &&
                       (indexFormat == D3DFMT_INDEX16 || indexFormat == D3DFMT_INDEX32) &&
                       uint64_t(minVertexIndex) + vertexCount <= MAX_PRIMITIVES_PER_DRAW;
    RecordCall("DrawIndexedPrimitiveUP",
               {primitiveType, minVertexIndex, vertexCount, primitiveCount, indexFormat, stride},
               valid ? indices : nullptr, valid ? indexCount * indexBytes : 0);
    if (!valid)
        return D3DERR_INVALIDCALL;

    for (uint32_t i = 0; i < indexCount; ++i) {
        uint32_t index;
        if (indexFormat == D3DFMT_INDEX32) {
            std::memcpy(&index, static_cast<const uint8_t*>(indices) + i * 4, 4);
        } else {
            uint16_t shortIndex;
            std::memcpy(&shortIndex, static_cast<const uint8_t*>(indices) + i * 2, 2);
            index = shortIndex;
        }
        if (index < minVertexIndex || index - minVertexIndex >= vertexCount)
            return D3DERR_INVALIDCALL;
    }
    return Draw({primitiveType, primitiveCount, minVertexIndex, vertexCount, static_cast<const uint8_t*>(vertices),
                 stride, indices, indexFormat, indexCount});
}

GraphicsResult GraphicsDeviceBase::CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                                 uint32_t format, uint32_t pool, GraphicsTexture** texture)
{
    RecordCall("CreateTexture", {width, height, levels, usage, format, pool});
    return AddTexture(width, height, levels, usage, format, pool, nullptr, texture);
}

GraphicsResult GraphicsDeviceBase::CreateTextureInPlace(uint32_t width, uint32_t height, uint32_t format, uint32_t pool,
                                                        const uint8_t* pixels, GraphicsTexture** texture)
{
    RecordCall("CreateTextureInPlace", {width, height, format, pool});
    if (!pixels) {
        if (texture)
            *texture = nullptr;
        return D3DERR_INVALIDCALL;
    }
    return AddTexture(width, height, 1, 0, format, pool, pixels, texture);
}

GraphicsResult GraphicsDeviceBase::AddTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                              uint32_t format, uint32_t pool, const uint8_t* pixels,
                                              GraphicsTexture** texture)
{
    if (!texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (width == 0 || height == 0 || width > MAX_TEXTURE_SIZE || height > MAX_TEXTURE_SIZE || levels > 14)
        return D3DERR_INVALIDCALL;
    if (!IsSupportedTextureFormat(format))
        return D3DERR_NOTAVAILABLE;
    DeviceTexture* made = MakeTexture(++m_uLastTextureId, width, height, levels, usage, format, pool, pixels);
    if (!made)
        return D3DERR_OUTOFVIDEOMEMORY;
    m_textures.insert(made);
    *texture = made;
    return D3D_OK;
}

} // namespace Platform
