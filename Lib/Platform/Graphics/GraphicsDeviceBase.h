#pragma once
#include "Graphics/DeviceState.h"
#include "Graphics/DeviceTexture.h"
#include "Graphics/GraphicsDevice.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <unordered_set>

namespace Platform {

// What every device shares: it keeps the states, transforms, lights and
// material, checks the arguments of the calls, tracks the scene and its
// textures, and reports each call to RecordCall (which the recording device
// keeps). The backends draw, clear, present and make the textures.
class GraphicsDeviceBase : public GraphicsDevice {
public:
    explicit GraphicsDeviceBase(const PresentParameters& parameters);
    ~GraphicsDeviceBase() override;
    GraphicsDeviceBase(const GraphicsDeviceBase&) = delete;
    GraphicsDeviceBase& operator=(const GraphicsDeviceBase&) = delete;

    GraphicsResult GetDeviceCaps(DeviceCaps* caps) override;
    GraphicsResult BeginScene() override;
    GraphicsResult EndScene() override;
    GraphicsResult SetViewport(const Viewport* viewport) final;
    GraphicsResult GetViewport(Viewport* viewport) final;
    GraphicsResult SetRenderState(uint32_t state, uint32_t value) final;
    GraphicsResult GetRenderState(uint32_t state, uint32_t* value) final;
    GraphicsResult SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) final;
    GraphicsResult GetTextureStageState(uint32_t stage, uint32_t type, uint32_t* value) final;
    GraphicsResult SetSamplerState(uint32_t sampler, uint32_t type, uint32_t value) final;
    GraphicsResult GetSamplerState(uint32_t sampler, uint32_t type, uint32_t* value) final;
    GraphicsResult SetTexture(uint32_t stage, GraphicsTexture* texture) final;
    GraphicsResult SetFVF(uint32_t fvf) final;
    GraphicsResult GetFVF(uint32_t* fvf) final;
    GraphicsResult SetTransform(uint32_t type, const Matrix4* matrix) final;
    GraphicsResult GetTransform(uint32_t type, Matrix4* matrix) final;
    GraphicsResult SetLight(uint32_t index, const Light* light) final;
    GraphicsResult GetLight(uint32_t index, Light* light) final;
    GraphicsResult LightEnable(uint32_t index, bool enable) final;
    GraphicsResult GetLightEnable(uint32_t index, bool* enabled) final;
    GraphicsResult SetMaterial(const Material* material) final;
    GraphicsResult GetMaterial(Material* material) final;
    GraphicsResult DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount, const void* vertices,
                                   uint32_t stride) final;
    GraphicsResult DrawIndexedPrimitiveUP(uint32_t primitiveType, uint32_t minVertexIndex, uint32_t vertexCount,
                                          uint32_t primitiveCount, const void* indices, uint32_t indexFormat,
                                          const void* vertices, uint32_t stride) final;
    GraphicsResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, uint32_t format,
                                 uint32_t pool, GraphicsTexture** texture) final;
    GraphicsResult CreateTextureInPlace(uint32_t width, uint32_t height, uint32_t format, uint32_t pool,
                                        const uint8_t* pixels, GraphicsTexture** texture) final;

    // A call and its arguments, for the devices that keep a record; data is
    // a block the call was given (vertices, a matrix, a light...).
    virtual void RecordCall(const char* name, std::initializer_list<uint64_t> arguments, const void* data = nullptr,
                            size_t size = 0);
    // Unbinds a texture that is being deleted.
    void ForgetTexture(DeviceTexture* texture);

protected:
    // A checked draw of vertexCount vertices of the current format, the
    // indices (when given) already checked against the vertex range.
    struct DrawCall {
        uint32_t primitiveType;
        uint32_t primitiveCount;
        uint32_t firstVertex;
        uint32_t vertexCount;
        const uint8_t* vertices; // vertex 0 of the caller's array
        uint32_t stride;
        const void* indices; // null for a non-indexed draw
        uint32_t indexFormat;
        uint32_t indexCount;
    };
    virtual GraphicsResult Draw(const DrawCall& call) = 0;
    // Null pixels give levels of the texture's own; others are level 0's,
    // read in place (levels is then 1).
    virtual DeviceTexture* MakeTexture(uint64_t id, uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                       uint32_t format, uint32_t pool, const uint8_t* pixels) = 0;

    // Back to the states of a new device, for the given back buffer.
    void ResetState(const PresentParameters& parameters);
    bool InScene() const { return m_bInScene; }
    uint32_t BackBufferWidth() const { return m_uBackBufferWidth; }
    uint32_t BackBufferHeight() const { return m_uBackBufferHeight; }
    bool HasDepthBuffer() const { return m_bHasDepthBuffer; }
    // Grows by one with every state change, so that a backend can tell
    // whether anything changed since it last looked.
    uint64_t StateSerial() const { return m_uStateSerial; }

    DeviceState m_state {};

private:
    void Changed() { ++m_uStateSerial; }
    GraphicsResult AddTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, uint32_t format,
                              uint32_t pool, const uint8_t* pixels, GraphicsTexture** texture);

    uint32_t m_uBackBufferWidth = 0;
    uint32_t m_uBackBufferHeight = 0;
    bool m_bHasDepthBuffer = false;
    bool m_bInScene = false;
    uint64_t m_uStateSerial = 0;
    uint64_t m_uLastTextureId = 0;
    std::unordered_set<GraphicsTexture*> m_textures;
};

} // namespace Platform
