#pragma once
#include "Graphics/GraphicsDeviceBase.h"
#include "Graphics/OpenGl/OpenGlFunctions.h"
#include "Graphics/OpenGl/OpenGlMultisampleTarget.h"
#include "Graphics/VertexFormat.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <vector>

namespace Platform {

class OpenGlTexture;

// The device over OpenGL's fixed-function pipeline (a 2.1 compatibility
// context) in an SDL window. States are kept by the base and handed to
// OpenGL at the next draw, only those that changed. The context is the
// thread's current one for the device's whole life: one device at a time.
class OpenGlDevice final : public GraphicsDeviceBase {
public:
    OpenGlDevice(SDL_Window* window, const PresentParameters& parameters);
    ~OpenGlDevice() override;

    // Makes the context and the back buffer; false when this machine's
    // OpenGL cannot serve the device.
    bool Initialize(const PresentParameters& parameters);

    GraphicsResult TestCooperativeLevel() override;
    GraphicsResult Reset(PresentParameters* parameters) override;
    GraphicsResult Present() override;
    GraphicsResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) override;
    GraphicsResult ReadBackBuffer(RgbaImage* image) override;

    const OpenGlFunctions& Functions() const { return m_functions; }
    // Binds a texture name to upload into, then puts back the binding the
    // drawing expects.
    void BeginTextureUpload(GLuint name);
    void EndTextureUpload();
    void ForgetTextureName(GLuint name);

private:
    // The vertex the device hands to OpenGL, whatever the caller's format.
    struct GlVertex {
        float position[4];
        float normal[3];
        uint8_t color[4];
        float texCoord[2];
    };

    GraphicsResult Draw(const DrawCall& call) override;
    DeviceTexture* MakeTexture(uint64_t id, uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                               uint32_t format, uint32_t pool, const uint8_t* pixels) override;

    bool MakeBackBuffer(const PresentParameters& parameters);
    // Converts the call's vertices; true when every one of them is opaque.
    bool ConvertVertices(const DrawCall& call, const VertexLayout& layout);
    // Whether the draw's every pixel comes out with alpha 1, so that
    // blending by source alpha would only copy it.
    bool DrawsOpaquePixels(const VertexLayout& layout, bool opaqueVertices) const;
    // Blending as the states ask for it, off where it would change nothing.
    void ApplyBlending(bool opaquePixels);

    // Hands the states that changed since the last draw to OpenGL.
    void ApplyState(const VertexLayout& layout);
    void ApplyRenderStates(bool all);
    void ApplyTexturing(bool all);
    void ApplyTransformsAndLights(bool all, bool pretransformed);
    void ApplyLights();
    void ApplyMaterial(bool all);
    void ApplyViewport(bool all);
    // Puts back the write masks a clear changed.
    void RestoreWriteMasks();

    SDL_Window* m_pWindow;
    SDL_GLContext m_context = nullptr;
    OpenGlFunctions m_functions;
    OpenGlMultisampleTarget m_multisampleTarget;
    uint32_t m_uTargetHeight = 0;

    // What OpenGL was last given.
    DeviceState m_applied {};
    bool m_bAppliedValid = false;
    uint64_t m_uAppliedSerial = 0;
    bool m_bAppliedPretransformed = false;
    bool m_bAppliedLighting = false;
    bool m_bAppliedColorMaterial = false;
    GLuint m_uBoundTexture = 0;
    // Stage 0's states as the texture combiner last got them: an untextured
    // draw does not set the combiner, so it is tracked apart from m_applied.
    uint32_t m_vCombinerStage[TEXTURE_STAGE_STATE_COUNT] = {};
    bool m_bCombinerValid = false;
    // Whether OpenGL blends, once known.
    bool m_bBlending = false;
    bool m_bBlendingKnown = false;

    std::vector<GlVertex> m_vertices;
};

} // namespace Platform
