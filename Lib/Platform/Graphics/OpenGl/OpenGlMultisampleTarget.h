#pragma once
#include "Graphics/OpenGl/OpenGlFunctions.h"

#include <cstdint>

namespace Platform {

// A multisampled back buffer (colour, depth and stencil) drawn into instead
// of the window's, and resolved into the window's at present time: OpenGL
// fixes the window's own sample count when the window is made, before the
// device knows what the game asks for.
class OpenGlMultisampleTarget {
public:
    // False when the context cannot make it; nothing is left made then.
    bool Create(const OpenGlFunctions& functions, uint32_t width, uint32_t height, uint32_t samples);
    void Destroy();
    bool Exists() const { return m_uFramebuffer != 0; }

    // Makes the target the one drawn into.
    void Bind() const;
    // Copies the resolved picture into the bottom left of the window's back
    // buffer (a resolve cannot scale) and leaves the window's buffer bound.
    void ResolveToWindow() const;

private:
    const OpenGlFunctions* m_pFunctions = nullptr;
    GLuint m_uFramebuffer = 0;
    GLuint m_uColor = 0;
    GLuint m_uDepthStencil = 0;
    uint32_t m_uWidth = 0;
    uint32_t m_uHeight = 0;
};

} // namespace Platform
