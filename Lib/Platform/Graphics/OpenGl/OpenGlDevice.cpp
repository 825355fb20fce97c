#include "Graphics/OpenGl/OpenGlDevice.h"

#include "Graphics/OpenGl/OpenGlMapping.h"
#include "Graphics/OpenGl/OpenGlTexture.h"
#include "Graphics/RenderStates.h"

#include <algorithm>
#include <cstring>

namespace Platform {

namespace {

bool HasVersion21()
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version)
        return false;
    int major = 0;
    int minor = 0;
    if (SDL_sscanf(version, "%d.%d", &major, &minor) != 2)
        return false;
    return major > 2 || (major == 2 && minor >= 1);
}

} // namespace

OpenGlDevice::OpenGlDevice(SDL_Window* window, const PresentParameters& parameters)
    : GraphicsDeviceBase(parameters), m_pWindow(window)
{
}

OpenGlDevice::~OpenGlDevice()
{
    m_multisampleTarget.Destroy();
    if (m_context) {
        SDL_GL_MakeCurrent(m_pWindow, nullptr);
        SDL_GL_DeleteContext(m_context);
    }
}

bool OpenGlDevice::Initialize(const PresentParameters& parameters)
{
    m_context = SDL_GL_CreateContext(m_pWindow);
    if (!m_context || SDL_GL_MakeCurrent(m_pWindow, m_context) != 0)
        return false;
    if (!HasVersion21() || !SDL_GL_ExtensionSupported("GL_EXT_texture_compression_s3tc"))
        return false;
    m_functions.Load();
    if (!m_functions.compressedTexImage2D)
        return false;
    // The game paces its frames itself; waiting for the display would
    // stretch them.
    SDL_GL_SetSwapInterval(0);

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glDisable(GL_DITHER);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    return MakeBackBuffer(parameters);
}

bool OpenGlDevice::MakeBackBuffer(const PresentParameters& parameters)
{
    const bool fullScreen = parameters.windowed == 0;
    if (fullScreen) {
        SDL_DisplayMode mode {SDL_PIXELFORMAT_RGB888, int(parameters.backBufferWidth), int(parameters.backBufferHeight),
                              int(parameters.fullScreenRefreshRate), nullptr};
        if (SDL_SetWindowDisplayMode(m_pWindow, &mode) != 0 ||
            SDL_SetWindowFullscreen(m_pWindow, SDL_WINDOW_FULLSCREEN) != 0)
            return false;
    } else if (SDL_GetWindowFlags(m_pWindow) & SDL_WINDOW_FULLSCREEN) {
        SDL_SetWindowFullscreen(m_pWindow, 0);
    }

    m_multisampleTarget.Destroy();
    if (parameters.multiSampleType >= 2) {
        if (!m_multisampleTarget.Create(m_functions, parameters.backBufferWidth, parameters.backBufferHeight,
                                        parameters.multiSampleType))
            return false;
        m_uTargetHeight = parameters.backBufferHeight;
    } else {
        int width = 0;
        int height = 0;
        SDL_GL_GetDrawableSize(m_pWindow, &width, &height);
        m_uTargetHeight = uint32_t(height);
    }
    m_bAppliedValid = false;
    return true;
}

GraphicsResult OpenGlDevice::TestCooperativeLevel()
{
    return D3D_OK;
}

GraphicsResult OpenGlDevice::Reset(PresentParameters* parameters)
{
    if (!parameters)
        return D3DERR_INVALIDCALL;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(m_pWindow, &width, &height);
    if (parameters->backBufferWidth == 0)
        parameters->backBufferWidth = uint32_t(width);
    if (parameters->backBufferHeight == 0)
        parameters->backBufferHeight = uint32_t(height);
    if (!MakeBackBuffer(*parameters))
        return D3DERR_NOTAVAILABLE;
    ResetState(*parameters);
    return D3D_OK;
}

GraphicsResult OpenGlDevice::Present()
{
    if (InScene())
        return D3DERR_INVALIDCALL;
    if (m_multisampleTarget.Exists()) {
        m_multisampleTarget.ResolveToWindow();
        SDL_GL_SwapWindow(m_pWindow);
        m_multisampleTarget.Bind();
    } else {
        SDL_GL_SwapWindow(m_pWindow);
    }
    // A swap of a surface without a screen (the headless window) is no work
    // at all to the driver, which would then keep every draw of every frame
    // queued and its memory with it: the frame is sent on here.
    glFlush();
    return D3D_OK;
}

GraphicsResult OpenGlDevice::Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil)
{
    const uint32_t depthFlags = D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    if ((flags & ~(D3DCLEAR_TARGET | depthFlags)) != 0 || ((flags & depthFlags) && !HasDepthBuffer()))
        return D3DERR_INVALIDCALL;

    // Clearing ignores the write masks and covers the viewport only.
    const Viewport& viewport = m_state.viewport;
    glEnable(GL_SCISSOR_TEST);
    glScissor(GLint(viewport.x), GLint(m_uTargetHeight) - GLint(viewport.y + viewport.height), GLsizei(viewport.width),
              GLsizei(viewport.height));
    GLbitfield mask = 0;
    if (flags & D3DCLEAR_TARGET) {
        float channels[4];
        ColorToFloats(color, channels);
        glClearColor(channels[0], channels[1], channels[2], channels[3]);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_ZBUFFER) {
        glClearDepth(z);
        glDepthMask(GL_TRUE);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_STENCIL) {
        glClearStencil(GLint(stencil));
        glStencilMask(0xFF);
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    glClear(mask);
    glDisable(GL_SCISSOR_TEST);
    RestoreWriteMasks();
    return D3D_OK;
}

GraphicsResult OpenGlDevice::ReadBackBuffer(RgbaImage* image)
{
    if (!image)
        return D3DERR_INVALIDCALL;
    const uint32_t width = BackBufferWidth();
    const uint32_t height = std::min(BackBufferHeight(), m_uTargetHeight);
    if (m_multisampleTarget.Exists())
        m_multisampleTarget.ResolveToWindow();
    glReadBuffer(GL_BACK);
    std::vector<uint8_t> rows(size_t(width) * height * 4);
    glReadPixels(0, GLint(m_uTargetHeight - height), GLsizei(width), GLsizei(height), GL_RGBA, GL_UNSIGNED_BYTE,
                 rows.data());
    if (m_multisampleTarget.Exists())
        m_multisampleTarget.Bind();

    image->width = width;
    image->height = height;
    image->pixels.resize(rows.size());
    const size_t rowBytes = size_t(width) * 4;
    for (uint32_t y = 0; y < height; ++y)
        std::memcpy(&image->pixels[y * rowBytes], &rows[(height - 1 - y) * rowBytes], rowBytes);
    return D3D_OK;
}

void OpenGlDevice::BeginTextureUpload(GLuint name)
{
    glBindTexture(GL_TEXTURE_2D, name);
}

void OpenGlDevice::EndTextureUpload()
{
    glBindTexture(GL_TEXTURE_2D, m_uBoundTexture);
}

void OpenGlDevice::ForgetTextureName(GLuint name)
{
    if (m_uBoundTexture == name) {
        glBindTexture(GL_TEXTURE_2D, 0);
        m_uBoundTexture = 0;
    }
}

DeviceTexture* OpenGlDevice::MakeTexture(uint64_t id, uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                         uint32_t format, uint32_t pool, const uint8_t* pixels)
{
    return new OpenGlTexture(this, id, width, height, levels, format, usage, pool, pixels);
}

bool OpenGlDevice::ConvertVertices(const DrawCall& call, const VertexLayout& layout)
{
    m_vertices.resize(size_t(call.firstVertex) + call.vertexCount);
    uint8_t alphas = 0xFF;
    for (uint32_t i = call.firstVertex; i < call.firstVertex + call.vertexCount; ++i) {
        const uint8_t* source = call.vertices + size_t(i) * call.stride;
        GlVertex& target = m_vertices[i];
        float position[4] = {0, 0, 0, 1};
        std::memcpy(position, source, layout.pretransformed ? 16 : 12);
        if (layout.pretransformed) {
            // Homogeneous coordinates with w = 1 / rhw keep perspective-
            // correct texturing.
            const float w = position[3] != 0.0f ? 1.0f / position[3] : 1.0f;
            target.position[0] = position[0] * w;
            target.position[1] = position[1] * w;
            target.position[2] = position[2] * w;
            target.position[3] = w;
        } else {
            std::memcpy(target.position, position, sizeof position);
        }
        if (layout.normalOffset >= 0)
            std::memcpy(target.normal, source + layout.normalOffset, sizeof target.normal);
        else
            target.normal[0] = target.normal[1] = target.normal[2] = 0.0f;
        uint32_t color = 0xFFFFFFFF;
        if (layout.diffuseOffset >= 0)
            std::memcpy(&color, source + layout.diffuseOffset, 4);
        target.color[0] = uint8_t(color >> 16);
        target.color[1] = uint8_t(color >> 8);
        target.color[2] = uint8_t(color);
        target.color[3] = uint8_t(color >> 24);
        alphas &= target.color[3];
        if (layout.texCoordOffset >= 0)
            std::memcpy(target.texCoord, source + layout.texCoordOffset, sizeof target.texCoord);
        else
            target.texCoord[0] = target.texCoord[1] = 0.0f;
    }
    return alphas == 0xFF;
}

bool OpenGlDevice::DrawsOpaquePixels(const VertexLayout& layout, bool opaqueVertices) const
{
    // Lit vertices take their alpha from the material.
    const uint32_t* states = m_state.renderStates;
    if (states[D3DRS_LIGHTING] != 0 && !layout.pretransformed)
        return false;
    const uint32_t* stage = m_state.stageStates[0];
    const OpenGlTexture* texture = static_cast<const OpenGlTexture*>(m_state.textures[0]);
    const bool texturing = texture && stage[D3DTSS_COLOROP] != D3DTOP_DISABLE;
    // The sources as the combiner reads them (ApplyTexturing).
    auto opaqueSource = [&](uint32_t argument) {
        switch (argument & 0x7) {
        case D3DTA_TEXTURE: return texture && texture->IsOpaque();
        case D3DTA_TFACTOR: return (states[D3DRS_TEXTUREFACTOR] >> 24) == 0xFF;
        default: return opaqueVertices;
        }
    };
    if (!texturing)
        return opaqueVertices;
    switch (stage[D3DTSS_ALPHAOP]) {
    case D3DTOP_DISABLE: return opaqueVertices;
    case D3DTOP_SELECTARG1: return opaqueSource(stage[D3DTSS_ALPHAARG1]);
    case D3DTOP_SELECTARG2: return opaqueSource(stage[D3DTSS_ALPHAARG2]);
    case D3DTOP_MODULATE: return opaqueSource(stage[D3DTSS_ALPHAARG1]) && opaqueSource(stage[D3DTSS_ALPHAARG2]);
    default: return false;
    }
}

void OpenGlDevice::ApplyBlending(bool opaquePixels)
{
    // Source alpha over the target: with alpha 1 that is the source itself,
    // which the driver writes without reading the target.
    const uint32_t* states = m_state.renderStates;
    const bool copies =
        opaquePixels && states[D3DRS_SRCBLEND] == D3DBLEND_SRCALPHA && states[D3DRS_DESTBLEND] == D3DBLEND_INVSRCALPHA;
    const bool blending = states[D3DRS_ALPHABLENDENABLE] != 0 && !copies;
    if (m_bBlendingKnown && blending == m_bBlending)
        return;
    if (blending)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    m_bBlending = blending;
    m_bBlendingKnown = true;
}

GraphicsResult OpenGlDevice::Draw(const DrawCall& call)
{
    const VertexLayout layout = DescribeVertexFormat(m_state.fvf);
    const bool opaqueVertices = ConvertVertices(call, layout);
    ApplyState(layout);
    ApplyBlending(DrawsOpaquePixels(layout, opaqueVertices));

    const GlVertex* base = m_vertices.data();
    glVertexPointer(4, GL_FLOAT, sizeof(GlVertex), base->position);
    glNormalPointer(GL_FLOAT, sizeof(GlVertex), base->normal);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(GlVertex), base->color);
    glTexCoordPointer(2, GL_FLOAT, sizeof(GlVertex), base->texCoord);
    const GLenum mode = GlPrimitiveMode(call.primitiveType);
    if (call.indices) {
        const GLenum type = call.indexFormat == D3DFMT_INDEX32 ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
        // The range is known (the indices were checked against it), which
        // spares the driver a pass over them.
        glDrawRangeElements(mode, call.firstVertex, call.firstVertex + call.vertexCount - 1, GLsizei(call.indexCount),
                            type, call.indices);
    } else {
        glDrawArrays(mode, 0, GLsizei(call.vertexCount));
    }
    return D3D_OK;
}

} // namespace Platform
