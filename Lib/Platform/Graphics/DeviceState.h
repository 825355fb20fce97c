#pragma once
#include "Graphics/GraphicsRecords.h"
#include "Graphics/GraphicsTexture.h"
#include "Graphics/Matrix4.h"
#include "Graphics/RenderStates.h"

#include <cstdint>

namespace Platform {

// The number of lights a device keeps and can enable at once.
constexpr uint32_t MAX_ACTIVE_LIGHTS = 8;

// Everything a device's setters change, with the values a new or reset
// device starts from.
struct DeviceState {
    uint32_t renderStates[RENDER_STATE_COUNT];
    uint32_t stageStates[TEXTURE_STAGE_COUNT][TEXTURE_STAGE_STATE_COUNT];
    uint32_t samplerStates[SAMPLER_COUNT][SAMPLER_STATE_COUNT];
    GraphicsTexture* textures[TEXTURE_STAGE_COUNT];
    uint32_t fvf;
    Matrix4 view;
    Matrix4 projection;
    Matrix4 world[MAX_VERTEX_BLEND_MATRICES];
    Light lights[MAX_ACTIVE_LIGHTS];
    bool lightEnabled[MAX_ACTIVE_LIGHTS];
    Material material;
    Viewport viewport;

    // The default states of a device whose back buffer is width x height;
    // depth testing starts on when the device has a depth buffer.
    void SetDefaults(uint32_t width, uint32_t height, bool hasDepthBuffer);
};

Matrix4 IdentityMatrix();

// Where a transform slot is kept; null for a slot the devices do not keep.
Matrix4* TransformSlot(DeviceState& state, uint32_t type);

} // namespace Platform
