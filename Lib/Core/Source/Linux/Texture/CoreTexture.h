#pragma once
#include "Graphics/GraphicsTexture.h"

// The record behind a texture handle. Its first field is the device texture
// it owns; the primitive API binds it.
class CoreTexture {
public:
    Platform::GraphicsTexture* m_pD3DTexture = nullptr;
};
