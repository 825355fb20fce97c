#pragma once
#include "Graphics/DeviceTexture.h"

#include <SDL_opengl.h>

namespace Platform {

class OpenGlDevice;

// A texture object of OpenGL, sent from the system-memory copy when it is
// next drawn with after a level was written (or first drawn with); the
// block-compressed formats are sent compressed. Sending late keeps a start
// that loads many textures from paying twice for each (the zeros of a new
// texture, then its pixels) and from paying at all for those not yet drawn.
class OpenGlTexture final : public DeviceTexture {
public:
    OpenGlTexture(OpenGlDevice* device, uint64_t id, uint32_t width, uint32_t height, uint32_t levels, uint32_t format,
                  uint32_t usage, uint32_t pool, const uint8_t* pixels);
    ~OpenGlTexture() override;

    GLuint Name() const { return m_uName; }
    // Sets the filtering and addressing of the bound texture, when they
    // differ from what it has.
    void ApplySampler(const uint32_t* samplerStates);
    // Sends the levels written since they were last sent; called before the
    // texture is drawn with.
    void SendWrittenLevels();
    // Whether every texel of every level is opaque, as last sent.
    bool IsOpaque() const { return m_uTranslucentLevels == 0; }

private:
    void OnLevelWritten(uint32_t level) override;
    void Upload(uint32_t level);

    OpenGlDevice* m_pGlDevice;
    GLuint m_uName = 0;
    uint32_t m_appliedSampler[4] = {0, 0, 0, 0};
    bool m_bSamplerApplied = false;
    // One bit per level that holds a texel that is not fully opaque.
    uint64_t m_uTranslucentLevels = 0;
    // One bit per level whose system-memory copy the driver has not yet got.
    uint64_t m_uUnsentLevels = 0;
};

} // namespace Platform
