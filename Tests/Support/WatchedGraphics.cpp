#include "Support/WatchedGraphics.h"

#include "Graphics/OpenGl/OpenGlSystem.h"

#include <GL/gl.h>

#include <memory>

namespace TestSupport {
namespace {

using namespace Platform;

// The device as made, with the watcher called before each present.
class WatchedDevice final : public GraphicsDevice {
public:
    WatchedDevice(GraphicsDevice* device, FrameWatcher watcher, PictureWanted pictureWanted)
        : m_device(device), m_watcher(std::move(watcher)), m_pictureWanted(std::move(pictureWanted))
    {
        StartFrame();
    }

    GraphicsResult Present() override
    {
        m_watcher(*m_device);
        // The shown picture is the whole back buffer, drawn or not.
        glDisable(GL_SCISSOR_TEST);
        const GraphicsResult result = m_device->Present();
        StartFrame();
        return result;
    }

    GraphicsResult TestCooperativeLevel() override { return m_device->TestCooperativeLevel(); }
    GraphicsResult Reset(PresentParameters* parameters) override { return m_device->Reset(parameters); }
    GraphicsResult GetDeviceCaps(DeviceCaps* caps) override { return m_device->GetDeviceCaps(caps); }
    GraphicsResult BeginScene() override { return m_device->BeginScene(); }
    GraphicsResult EndScene() override { return m_device->EndScene(); }
    GraphicsResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) override
    {
        // The device's clear sets its own scissor and turns it off after.
        const GraphicsResult result = m_device->Clear(flags, color, z, stencil);
        DrawIntoOnePixelUnlessWanted();
        return result;
    }
    GraphicsResult SetViewport(const Viewport* viewport) override { return m_device->SetViewport(viewport); }
    GraphicsResult GetViewport(Viewport* viewport) override { return m_device->GetViewport(viewport); }
    GraphicsResult SetRenderState(uint32_t state, uint32_t value) override
    {
        return m_device->SetRenderState(state, value);
    }
    GraphicsResult GetRenderState(uint32_t state, uint32_t* value) override
    {
        return m_device->GetRenderState(state, value);
    }
    GraphicsResult SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) override
    {
        return m_device->SetTextureStageState(stage, type, value);
    }
    GraphicsResult GetTextureStageState(uint32_t stage, uint32_t type, uint32_t* value) override
    {
        return m_device->GetTextureStageState(stage, type, value);
    }
    GraphicsResult SetSamplerState(uint32_t sampler, uint32_t type, uint32_t value) override
    {
        return m_device->SetSamplerState(sampler, type, value);
    }
    GraphicsResult GetSamplerState(uint32_t sampler, uint32_t type, uint32_t* value) override
    {
        return m_device->GetSamplerState(sampler, type, value);
    }
    GraphicsResult SetTexture(uint32_t stage, GraphicsTexture* texture) override
    {
        return m_device->SetTexture(stage, texture);
    }
    GraphicsResult SetFVF(uint32_t fvf) override { return m_device->SetFVF(fvf); }
    GraphicsResult GetFVF(uint32_t* fvf) override { return m_device->GetFVF(fvf); }
    GraphicsResult SetTransform(uint32_t type, const Matrix4* matrix) override
    {
        return m_device->SetTransform(type, matrix);
    }
    GraphicsResult GetTransform(uint32_t type, Matrix4* matrix) override
    {
        return m_device->GetTransform(type, matrix);
    }
    GraphicsResult SetLight(uint32_t index, const Light* light) override { return m_device->SetLight(index, light); }
    GraphicsResult GetLight(uint32_t index, Light* light) override { return m_device->GetLight(index, light); }
    GraphicsResult LightEnable(uint32_t index, bool enable) override { return m_device->LightEnable(index, enable); }
    GraphicsResult GetLightEnable(uint32_t index, bool* enabled) override
    {
        return m_device->GetLightEnable(index, enabled);
    }
    GraphicsResult SetMaterial(const Material* material) override { return m_device->SetMaterial(material); }
    GraphicsResult GetMaterial(Material* material) override { return m_device->GetMaterial(material); }
    GraphicsResult DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount, const void* vertices,
                                   uint32_t stride) override
    {
        return m_device->DrawPrimitiveUP(primitiveType, primitiveCount, vertices, stride);
    }
    GraphicsResult DrawIndexedPrimitiveUP(uint32_t primitiveType, uint32_t minVertexIndex, uint32_t vertexCount,
                                          uint32_t primitiveCount, const void* indices, uint32_t indexFormat,
                                          const void* vertices, uint32_t stride) override
    {
        return m_device->DrawIndexedPrimitiveUP(primitiveType, minVertexIndex, vertexCount, primitiveCount, indices,
                                                indexFormat, vertices, stride);
    }
    GraphicsResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, uint32_t format,
                                 uint32_t pool, GraphicsTexture** texture) override
    {
        return m_device->CreateTexture(width, height, levels, usage, format, pool, texture);
    }
    GraphicsResult CreateTextureInPlace(uint32_t width, uint32_t height, uint32_t format, uint32_t pool,
                                        const uint8_t* pixels, GraphicsTexture** texture) override
    {
        return m_device->CreateTextureInPlace(width, height, format, pool, pixels, texture);
    }
    GraphicsResult ReadBackBuffer(RgbaImage* image) override { return m_device->ReadBackBuffer(image); }

private:
    void StartFrame()
    {
        m_bPictureWanted = m_pictureWanted();
        DrawIntoOnePixelUnlessWanted();
    }

    void DrawIntoOnePixelUnlessWanted()
    {
        if (m_bPictureWanted)
            return;
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 1, 1);
    }

    std::unique_ptr<GraphicsDevice> m_device;
    FrameWatcher m_watcher;
    PictureWanted m_pictureWanted;
    bool m_bPictureWanted = true;
};

// The OpenGL system, whose devices come watched.
class WatchedSystem final : public GraphicsSystem {
public:
    WatchedSystem(FrameWatcher watcher, PictureWanted pictureWanted)
        : m_watcher(std::move(watcher)), m_pictureWanted(std::move(pictureWanted))
    {
    }

    GraphicsResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) override
    {
        return m_system.GetAdapterDisplayMode(adapter, mode);
    }
    GraphicsResult CheckDeviceMultiSampleType(uint32_t adapter, uint32_t deviceType, uint32_t format, bool windowed,
                                              uint32_t multiSampleType) override
    {
        return m_system.CheckDeviceMultiSampleType(adapter, deviceType, format, windowed, multiSampleType);
    }
    GraphicsResult CheckDeviceFormat(uint32_t adapter, uint32_t deviceType, uint32_t adapterFormat, uint32_t usage,
                                     uint32_t resourceType, uint32_t checkFormat) override
    {
        return m_system.CheckDeviceFormat(adapter, deviceType, adapterFormat, usage, resourceType, checkFormat);
    }
    GraphicsResult CreateDevice(uint32_t adapter, uint32_t deviceType, SDL_Window* focusWindow, uint32_t behaviorFlags,
                                PresentParameters* parameters, GraphicsDevice** device) override
    {
        const GraphicsResult result =
            m_system.CreateDevice(adapter, deviceType, focusWindow, behaviorFlags, parameters, device);
        if (result == D3D_OK && device && *device)
            *device = new WatchedDevice(*device, m_watcher, m_pictureWanted);
        return result;
    }

private:
    OpenGlSystem m_system;
    FrameWatcher m_watcher;
    PictureWanted m_pictureWanted;
};

} // namespace

Platform::GraphicsSystemFactory WatchedOpenGl(FrameWatcher watcher, PictureWanted pictureWanted)
{
    return
        [watcher, pictureWanted]() -> Platform::GraphicsSystem* { return new WatchedSystem(watcher, pictureWanted); };
}

} // namespace TestSupport
