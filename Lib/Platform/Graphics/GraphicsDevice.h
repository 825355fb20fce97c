#pragma once
#include "Graphics/GraphicsFormats.h"
#include "Graphics/GraphicsRecords.h"
#include "Graphics/GraphicsResult.h"
#include "Graphics/GraphicsTexture.h"
#include "Graphics/Matrix4.h"
#include "Graphics/RenderStates.h"
#include "Graphics/RgbaImage.h"

#include <cstdint>

namespace Platform {

// The drawing device: render, texture-stage and sampler states, transforms,
// lights and material of a fixed-function pipeline, drawing from system
// memory, textures, and the frame (clear, scene, present). It takes the
// values of the game's conventions: row-vector matrices (v' = v * M), clip
// depth 0..1, pixel centres on whole pixel coordinates, colours as 0xAARRGGBB
// and counter-clockwise faces culled by D3DCULL_CCW.
class GraphicsDevice {
public:
    virtual ~GraphicsDevice() = default;

    // D3D_OK while the device can draw; D3DERR_DEVICELOST while it cannot,
    // D3DERR_DEVICENOTRESET once Reset may bring it back.
    virtual GraphicsResult TestCooperativeLevel() = 0;
    // Re-makes the back buffer with new parameters; every state returns to
    // its default value, textures stay.
    virtual GraphicsResult Reset(PresentParameters* parameters) = 0;
    virtual GraphicsResult GetDeviceCaps(DeviceCaps* caps) = 0;

    virtual GraphicsResult BeginScene() = 0;
    virtual GraphicsResult EndScene() = 0;
    // Shows the back buffer; D3DERR_DEVICELOST when the device was lost.
    virtual GraphicsResult Present() = 0;
    // Clears the viewport's rectangle of the chosen buffers (ClearFlags);
    // colour is 0xAARRGGBB.
    virtual GraphicsResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) = 0;
    virtual GraphicsResult SetViewport(const Viewport* viewport) = 0;
    virtual GraphicsResult GetViewport(Viewport* viewport) = 0;

    virtual GraphicsResult SetRenderState(uint32_t state, uint32_t value) = 0;
    virtual GraphicsResult GetRenderState(uint32_t state, uint32_t* value) = 0;
    virtual GraphicsResult SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) = 0;
    virtual GraphicsResult GetTextureStageState(uint32_t stage, uint32_t type, uint32_t* value) = 0;
    virtual GraphicsResult SetSamplerState(uint32_t sampler, uint32_t type, uint32_t value) = 0;
    virtual GraphicsResult GetSamplerState(uint32_t sampler, uint32_t type, uint32_t* value) = 0;
    // A null texture unbinds the stage; the stage then passes the vertex
    // colour through.
    virtual GraphicsResult SetTexture(uint32_t stage, GraphicsTexture* texture) = 0;
    virtual GraphicsResult SetFVF(uint32_t fvf) = 0;
    virtual GraphicsResult GetFVF(uint32_t* fvf) = 0;
    virtual GraphicsResult SetTransform(uint32_t type, const Matrix4* matrix) = 0;
    virtual GraphicsResult GetTransform(uint32_t type, Matrix4* matrix) = 0;
    virtual GraphicsResult SetLight(uint32_t index, const Light* light) = 0;
    virtual GraphicsResult GetLight(uint32_t index, Light* light) = 0;
    virtual GraphicsResult LightEnable(uint32_t index, bool enable) = 0;
    virtual GraphicsResult GetLightEnable(uint32_t index, bool* enabled) = 0;
    virtual GraphicsResult SetMaterial(const Material* material) = 0;
    virtual GraphicsResult GetMaterial(Material* material) = 0;

    // Draws from caller memory with the current vertex format; stride is the
    // distance between vertices in bytes.
    virtual GraphicsResult DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount, const void* vertices,
                                           uint32_t stride) = 0;
    // Indexed drawing: indices (D3DFMT_INDEX16 or D3DFMT_INDEX32) refer to
    // vertices minVertexIndex .. minVertexIndex + vertexCount - 1 of the
    // vertex array; an index outside that range refuses the call.
    virtual GraphicsResult DrawIndexedPrimitiveUP(uint32_t primitiveType, uint32_t minVertexIndex, uint32_t vertexCount,
                                                  uint32_t primitiveCount, const void* indices, uint32_t indexFormat,
                                                  const void* vertices, uint32_t stride) = 0;

    // Levels 0 makes the full chain. Formats: IsSupportedTextureFormat.
    virtual GraphicsResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                         uint32_t format, uint32_t pool, GraphicsTexture** texture) = 0;
    // A one-level texture that reads its pixels (LevelByteSize bytes at
    // pixels) where they are instead of copying them: the caller keeps them
    // unchanged until the texture is deleted or has its own copy (after
    // TakeOwnCopy or a lock that may write).
    virtual GraphicsResult CreateTextureInPlace(uint32_t width, uint32_t height, uint32_t format, uint32_t pool,
                                                const uint8_t* pixels, GraphicsTexture** texture) = 0;

    // The back buffer as drawn so far (before Present), top row first.
    virtual GraphicsResult ReadBackBuffer(RgbaImage* image) = 0;
};

} // namespace Platform
