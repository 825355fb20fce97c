#pragma once
#include <SDL_opengl.h>

namespace Platform {

// The OpenGL entry points beyond version 1.1, looked up in the current
// context; a null pointer is a function the context lacks.
struct OpenGlFunctions {
    PFNGLCOMPRESSEDTEXIMAGE2DPROC compressedTexImage2D = nullptr;
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC renderbufferStorageMultisample = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;

    // Whether the context has framebuffer objects (version 3.0 or the
    // extension); without them the pointers above may be dangling stubs.
    bool framebufferObjects = false;

    void Load();
    // Whether multisampled off-screen back buffers can be made.
    bool HasMultisampleTargets() const;
};

} // namespace Platform
