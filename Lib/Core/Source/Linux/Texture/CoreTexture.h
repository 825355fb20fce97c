#pragma once
#include "Graphics/GraphicsTexture.h"

#include <cstdint>

struct DdsImage;

// A texture's name field: names are shorter than this.
constexpr uint32_t CORE_TEXTURE_NAME_SIZE = 256;

// What users read of a texture (CoreTexture::GetTextureDescriptionFromHandle).
struct CoreTextureDescription {
    // Level 0 of the created texture: multiples of 4.
    uint32_t m_iWidth = 0;
    uint32_t m_iHeight = 0;
    // The picture as authored (the DDS image-size word): the useful size.
    uint32_t m_iImageWidth = 0;
    uint32_t m_iImageHeight = 0;
    uint32_t m_iBitsPerPixel = 0;
    uint32_t m_iLevelCount = 0;
    // Sum over the levels of width x height x bits / 8.
    uint32_t m_iByteSize = 0;
    // From the DDS image: header width, header height, header depth, 0,
    // pixel format, then the constants 3 and 4.
    uint32_t m_vDdsWords[7] = {};
    char m_sName[CORE_TEXTURE_NAME_SIZE] = {};
};

// The record behind a texture handle. Its first field is the device texture
// it owns; the primitive API binds it.
class CoreTexture {
public:
    Platform::GraphicsTexture* m_pD3DTexture = nullptr;
    CoreTextureDescription m_oDescription;
    // How many bound packs registered this texture's name: a texture shared
    // by packs lives until the last of them is unbound.
    uint32_t m_iRegistrationCount = 0;
    // The DDS image whose pixels the device texture reads in place; null
    // when it holds a copy of its own.
    const uint8_t* m_pInPlaceImage = nullptr;

    static const CoreTextureDescription* GetTextureDescriptionFromHandle(const CoreTexture* hTexture);
    // Bits per pixel of a device format or four-character code; 0 (after the
    // assert "0") for a format not in the table.
    static uint32_t GetPixelBitSize(uint32_t format);
    // Fills the description from the record's texture, the DDS image and the
    // picture's size.
    static void FillTextureDescription(CoreTexture& record, const char* name, const DdsImage& dds, uint32_t imageWidth,
                                       uint32_t imageHeight);
};
