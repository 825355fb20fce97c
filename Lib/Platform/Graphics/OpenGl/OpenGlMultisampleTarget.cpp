#include "Graphics/OpenGl/OpenGlMultisampleTarget.h"

namespace Platform {

bool OpenGlMultisampleTarget::Create(const OpenGlFunctions& functions, uint32_t width, uint32_t height,
                                     uint32_t samples)
{
    Destroy();
    if (!functions.HasMultisampleTargets())
        return false;
    m_pFunctions = &functions;
    m_uWidth = width;
    m_uHeight = height;

    functions.genRenderbuffers(1, &m_uColor);
    functions.bindRenderbuffer(GL_RENDERBUFFER, m_uColor);
    functions.renderbufferStorageMultisample(GL_RENDERBUFFER, GLsizei(samples), GL_RGBA8, GLsizei(width),
                                             GLsizei(height));
    functions.genRenderbuffers(1, &m_uDepthStencil);
    functions.bindRenderbuffer(GL_RENDERBUFFER, m_uDepthStencil);
    functions.renderbufferStorageMultisample(GL_RENDERBUFFER, GLsizei(samples), GL_DEPTH24_STENCIL8, GLsizei(width),
                                             GLsizei(height));
    functions.bindRenderbuffer(GL_RENDERBUFFER, 0);

    functions.genFramebuffers(1, &m_uFramebuffer);
    functions.bindFramebuffer(GL_FRAMEBUFFER, m_uFramebuffer);
    functions.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_uColor);
    functions.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_uDepthStencil);
    functions.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, m_uDepthStencil);
    const bool complete =
        functions.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE && glGetError() == GL_NO_ERROR;
    if (!complete) {
        Destroy();
        return false;
    }
    return true;
}

void OpenGlMultisampleTarget::Destroy()
{
    if (!m_pFunctions)
        return;
    m_pFunctions->bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (m_uFramebuffer)
        m_pFunctions->deleteFramebuffers(1, &m_uFramebuffer);
    if (m_uColor)
        m_pFunctions->deleteRenderbuffers(1, &m_uColor);
    if (m_uDepthStencil)
        m_pFunctions->deleteRenderbuffers(1, &m_uDepthStencil);
    m_uFramebuffer = m_uColor = m_uDepthStencil = 0;
    m_pFunctions = nullptr;
}

void OpenGlMultisampleTarget::Bind() const
{
    if (m_pFunctions)
        m_pFunctions->bindFramebuffer(GL_FRAMEBUFFER, m_uFramebuffer);
}

void OpenGlMultisampleTarget::ResolveToWindow() const
{
    if (!m_pFunctions)
        return;
    m_pFunctions->bindFramebuffer(GL_READ_FRAMEBUFFER, m_uFramebuffer);
    m_pFunctions->bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    m_pFunctions->blitFramebuffer(0, 0, GLint(m_uWidth), GLint(m_uHeight), 0, 0, GLint(m_uWidth), GLint(m_uHeight),
                                  GL_COLOR_BUFFER_BIT, GL_NEAREST);
    m_pFunctions->bindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace Platform
