#pragma once
#include "Graphics/GraphicsFormats.h"
#include "Graphics/Matrix4.h"

#include <cstdint>

struct SDL_Window;

namespace Platform {

// A colour with float channels (1.0 = full).
struct ColorValue {
    float r, g, b, a;
};

// A light of the fixed-function pipeline; positions and directions are in
// world space.
struct Light {
    uint32_t type; // LightType
    ColorValue diffuse;
    ColorValue specular;
    ColorValue ambient;
    Vector3 position;
    Vector3 direction;
    float range;
    float falloff;
    float attenuation0;
    float attenuation1;
    float attenuation2;
    float theta;
    float phi;
};

struct Material {
    ColorValue diffuse;
    ColorValue ambient;
    ColorValue specular;
    ColorValue emissive;
    float power;
};

// The rectangle of the render target drawn to, in pixels from its top left
// corner, and the depth range it maps to.
struct Viewport {
    uint32_t x;
    uint32_t y;
    uint32_t width;
    uint32_t height;
    float minZ;
    float maxZ;
};

struct DisplayMode {
    uint32_t width;
    uint32_t height;
    uint32_t refreshRate;
    uint32_t format; // SurfaceFormat
};

// How a device presents: a zero width or height takes the window's size.
struct PresentParameters {
    uint32_t backBufferWidth;
    uint32_t backBufferHeight;
    uint32_t backBufferFormat; // SurfaceFormat
    uint32_t backBufferCount;
    uint32_t multiSampleType; // 0 none, else the sample count 2..16
    uint32_t multiSampleQuality;
    uint32_t swapEffect; // SwapEffect
    SDL_Window* deviceWindow;
    uint32_t windowed;
    uint32_t enableAutoDepthStencil;
    uint32_t autoDepthStencilFormat; // SurfaceFormat
    uint32_t flags;
    uint32_t fullScreenRefreshRate;
    uint32_t presentationInterval; // PresentInterval
};

// What a device can do, as far as the game asks.
struct DeviceCaps {
    uint32_t textureCaps; // TextureCapsBits
    uint32_t maxTextureWidth;
    uint32_t maxTextureHeight;
    uint32_t maxActiveLights;
    uint32_t maxVertexBlendMatrices;
};

// The memory of a locked texture level: rows of pitch bytes (rows of 4 x 4
// blocks for the block-compressed formats).
struct LockedRect {
    int32_t pitch;
    void* bits;
};

struct SurfaceDesc {
    uint32_t format; // SurfaceFormat
    uint32_t type;   // ResourceType
    uint32_t usage;
    uint32_t pool; // MemoryPool
    uint32_t width;
    uint32_t height;
};

} // namespace Platform
