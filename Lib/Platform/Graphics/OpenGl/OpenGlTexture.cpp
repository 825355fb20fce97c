#include "Graphics/OpenGl/OpenGlTexture.h"

#include "Graphics/OpenGl/OpenGlDevice.h"
#include "Graphics/OpenGl/OpenGlMapping.h"
#include "Graphics/RenderStates.h"
#include "Graphics/TexelOpacity.h"

namespace Platform {

namespace {

GLenum CompressedFormat(uint32_t format)
{
    switch (format) {
    case D3DFMT_DXT1: return GL_COMPRESSED_RGBA_S3TC_DXT1_EXT;
    case D3DFMT_DXT2:
    case D3DFMT_DXT3: return GL_COMPRESSED_RGBA_S3TC_DXT3_EXT;
    default: return GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
    }
}

uint64_t LevelBit(uint32_t level)
{
    return uint64_t(1) << level;
}

} // namespace

OpenGlTexture::OpenGlTexture(OpenGlDevice* device, uint64_t id, uint32_t width, uint32_t height, uint32_t levels,
                             uint32_t format, uint32_t usage, uint32_t pool, const uint8_t* pixels)
    : DeviceTexture(device, id, width, height, levels, format, usage, pool, pixels), m_pGlDevice(device)
{
    glGenTextures(1, &m_uName);
    device->BeginTextureUpload(m_uName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(m_levels.Count() - 1));
    device->EndTextureUpload();
    // A level never written is sent as the zeros it holds, a level read in
    // place as its maker's pixels.
    m_uUnsentLevels = LevelBit(m_levels.Count()) - 1;
}

OpenGlTexture::~OpenGlTexture()
{
    if (m_pDevice) {
        m_pGlDevice->ForgetTextureName(m_uName);
        glDeleteTextures(1, &m_uName);
    }
}

void OpenGlTexture::OnLevelWritten(uint32_t level)
{
    m_uUnsentLevels |= LevelBit(level);
}

void OpenGlTexture::SendWrittenLevels()
{
    for (uint32_t level = 0; m_uUnsentLevels != 0 && level < m_levels.Count(); ++level) {
        if ((m_uUnsentLevels & LevelBit(level)) != 0)
            Upload(level);
    }
    m_uUnsentLevels = 0;
}

void OpenGlTexture::Upload(uint32_t level)
{
    const TextureLevels::Level& source = m_levels.At(level);
    const std::span<const uint8_t> bytes = source.Bytes();
    const uint64_t levelBit = LevelBit(level);
    if (AreTexelsOpaque(m_levels.Format(), bytes))
        m_uTranslucentLevels &= ~levelBit;
    else
        m_uTranslucentLevels |= levelBit;
    m_pGlDevice->BeginTextureUpload(m_uName);
    if (IsBlockCompressedFormat(m_levels.Format())) {
        m_pGlDevice->Functions().compressedTexImage2D(GL_TEXTURE_2D, GLint(level), CompressedFormat(m_levels.Format()),
                                                      GLsizei(source.width), GLsizei(source.height), 0,
                                                      GLsizei(bytes.size()), bytes.data());
    } else {
        // X8R8G8B8 has no alpha: a three-channel texture reads as opaque.
        const GLint internalFormat = m_levels.Format() == D3DFMT_X8R8G8B8 ? GL_RGB8 : GL_RGBA8;
        glTexImage2D(GL_TEXTURE_2D, GLint(level), internalFormat, GLsizei(source.width), GLsizei(source.height), 0,
                     GL_BGRA, GL_UNSIGNED_BYTE, bytes.data());
    }
    m_pGlDevice->EndTextureUpload();
}

void OpenGlTexture::ApplySampler(const uint32_t* samplerStates)
{
    const uint32_t wanted[4] = {samplerStates[D3DSAMP_ADDRESSU], samplerStates[D3DSAMP_ADDRESSV],
                                samplerStates[D3DSAMP_MAGFILTER],
                                samplerStates[D3DSAMP_MINFILTER] | (samplerStates[D3DSAMP_MIPFILTER] << 8)};
    if (m_bSamplerApplied && wanted[0] == m_appliedSampler[0] && wanted[1] == m_appliedSampler[1] &&
        wanted[2] == m_appliedSampler[2] && wanted[3] == m_appliedSampler[3])
        return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GlAddressMode(wanted[0]));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GlAddressMode(wanted[1]));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GlMagFilter(wanted[2]));
    glTexParameteri(
        GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
        GlMinFilter(samplerStates[D3DSAMP_MINFILTER], samplerStates[D3DSAMP_MIPFILTER], m_levels.Count() > 1));
    for (int i = 0; i < 4; ++i)
        m_appliedSampler[i] = wanted[i];
    m_bSamplerApplied = true;
}

} // namespace Platform
