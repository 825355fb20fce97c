#include "Graphics/OpenGl/OpenGlFunctions.h"

#include <SDL.h>

namespace Platform {

namespace {

template <typename Function>
void LoadFunction(Function& function, const char* name)
{
    function = reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
}

} // namespace

void OpenGlFunctions::Load()
{
    LoadFunction(compressedTexImage2D, "glCompressedTexImage2D");
    LoadFunction(genFramebuffers, "glGenFramebuffers");
    LoadFunction(deleteFramebuffers, "glDeleteFramebuffers");
    LoadFunction(bindFramebuffer, "glBindFramebuffer");
    LoadFunction(checkFramebufferStatus, "glCheckFramebufferStatus");
    LoadFunction(genRenderbuffers, "glGenRenderbuffers");
    LoadFunction(deleteRenderbuffers, "glDeleteRenderbuffers");
    LoadFunction(bindRenderbuffer, "glBindRenderbuffer");
    LoadFunction(renderbufferStorageMultisample, "glRenderbufferStorageMultisample");
    LoadFunction(framebufferRenderbuffer, "glFramebufferRenderbuffer");
    LoadFunction(blitFramebuffer, "glBlitFramebuffer");
    int major = 0;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version)
        major = SDL_atoi(version);
    framebufferObjects = major >= 3 || SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object");
}

bool OpenGlFunctions::HasMultisampleTargets() const
{
    return framebufferObjects && genFramebuffers && deleteFramebuffers && bindFramebuffer && checkFramebufferStatus &&
           genRenderbuffers && deleteRenderbuffers && bindRenderbuffer && renderbufferStorageMultisample &&
           framebufferRenderbuffer && blitFramebuffer;
}

} // namespace Platform
