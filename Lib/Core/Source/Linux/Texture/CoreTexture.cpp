#include "Texture/CoreTexture.h"

#include "Error/EngineAssert.h"
#include "Graphics/GraphicsFormats.h"
#include "Texture/DdsImage.h"

#include <cstring>

using namespace Platform;

namespace {

// Formats that the device does not name but the table knows.
constexpr uint32_t FORMAT_G16R16 = 34;
constexpr uint32_t FORMAT_P8 = 41;
constexpr uint32_t FORMAT_R16F = 111;
constexpr uint32_t FORMAT_G16R16F = 112;
constexpr uint32_t FORMAT_A16B16G16R16F = 113;
constexpr uint32_t FORMAT_R32F = 114;
constexpr uint32_t FORMAT_G32R32F = 115;
constexpr uint32_t FORMAT_A32B32G32R32F = 116;

} // namespace

const CoreTextureDescription* CoreTexture::GetTextureDescriptionFromHandle(const CoreTexture* hTexture)
{
    ENGINE_ASSERT(hTexture != NULL);
    return hTexture ? &hTexture->m_oDescription : nullptr;
}

uint32_t CoreTexture::GetPixelBitSize(uint32_t format)
{
    switch (format) {
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8:
    case FORMAT_G16R16:
    case FORMAT_G16R16F:
    case FORMAT_R32F: return 32;
    case D3DFMT_R5G6B5:
    case D3DFMT_A1R5G5B5:
    case D3DFMT_A4R4G4B4:
    case FORMAT_R16F: return 16;
    case FORMAT_P8: return 8;
    case FORMAT_A16B16G16R16F:
    case FORMAT_G32R32F: return 64;
    case FORMAT_A32B32G32R32F: return 128;
    case D3DFMT_DXT1: return 4;
    case D3DFMT_DXT2:
    case D3DFMT_DXT3:
    case D3DFMT_DXT4:
    case D3DFMT_DXT5: return 8;
    default: ENGINE_ASSERT(0); return 0;
    }
}

void CoreTexture::FillTextureDescription(CoreTexture& record, const char* name, const DdsImage& dds,
                                         uint32_t imageWidth, uint32_t imageHeight)
{
    GraphicsTexture* pD3DTexture = record.m_pD3DTexture;
    ENGINE_ASSERT(pD3DTexture != NULL);
    CoreTextureDescription& description = record.m_oDescription;
    if (pD3DTexture) {
        description.m_iLevelCount = pD3DTexture->GetLevelCount();
        uint32_t byteSize = 0;
        for (uint32_t level = 0; level < description.m_iLevelCount; ++level) {
            SurfaceDesc surface {};
            const GraphicsResult hResult = pD3DTexture->GetLevelDesc(level, &surface);
            ENGINE_ASSERT(hResult == D3D_OK);
            const uint32_t bits = GetPixelBitSize(surface.format);
            byteSize += surface.width * surface.height * bits / 8;
            if (level == 0) {
                description.m_iWidth = surface.width;
                description.m_iHeight = surface.height;
                description.m_iBitsPerPixel = bits;
            }
        }
        description.m_iByteSize = byteSize;
    }
    description.m_iImageWidth = imageWidth;
    description.m_iImageHeight = imageHeight;
    const uint32_t words[7] = {dds.m_iWidth, dds.m_iHeight, dds.m_iDepth, 0, dds.m_iFourCc, 3, 4};
    std::memcpy(description.m_vDdsWords, words, sizeof words);
    // Names are shorter than the field; a longer one is cut, never overrun.
    std::strncpy(description.m_sName, name, CORE_TEXTURE_NAME_SIZE - 1);
    description.m_sName[CORE_TEXTURE_NAME_SIZE - 1] = '\0';
}
