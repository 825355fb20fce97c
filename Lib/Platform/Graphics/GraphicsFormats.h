#pragma once
#include <cstdint>

namespace Platform {

constexpr uint32_t MakeFourCc(char a, char b, char c, char d)
{
    return uint32_t(uint8_t(a)) | (uint32_t(uint8_t(b)) << 8) | (uint32_t(uint8_t(c)) << 16) |
           (uint32_t(uint8_t(d)) << 24);
}

// Surface and texture formats: small numbers for the plain formats, the
// four-character code for the block-compressed ones.
enum SurfaceFormat : uint32_t {
    D3DFMT_UNKNOWN = 0,
    D3DFMT_R8G8B8 = 20,
    D3DFMT_A8R8G8B8 = 21,
    D3DFMT_X8R8G8B8 = 22,
    D3DFMT_R5G6B5 = 23,
    D3DFMT_X1R5G5B5 = 24,
    D3DFMT_A1R5G5B5 = 25,
    D3DFMT_A4R4G4B4 = 26,
    D3DFMT_D24S8 = 75,
    D3DFMT_INDEX16 = 101,
    D3DFMT_INDEX32 = 102,
    D3DFMT_DXT1 = MakeFourCc('D', 'X', 'T', '1'),
    D3DFMT_DXT2 = MakeFourCc('D', 'X', 'T', '2'),
    D3DFMT_DXT3 = MakeFourCc('D', 'X', 'T', '3'),
    D3DFMT_DXT4 = MakeFourCc('D', 'X', 'T', '4'),
    D3DFMT_DXT5 = MakeFourCc('D', 'X', 'T', '5'),
};

enum ResourceType : uint32_t {
    D3DRTYPE_SURFACE = 1,
    D3DRTYPE_TEXTURE = 3
};

enum MemoryPool : uint32_t {
    D3DPOOL_DEFAULT = 0,
    D3DPOOL_MANAGED = 1,
    D3DPOOL_SYSTEMMEM = 2
};

enum LockFlags : uint32_t {
    D3DLOCK_READONLY = 0x10,
    D3DLOCK_DISCARD = 0x2000
};

enum MultiSampleType : uint32_t {
    D3DMULTISAMPLE_NONE = 0
};

// Primitive kinds of the draw calls.
enum PrimitiveType : uint32_t {
    D3DPT_POINTLIST = 1,
    D3DPT_LINELIST = 2,
    D3DPT_LINESTRIP = 3,
    D3DPT_TRIANGLELIST = 4,
    D3DPT_TRIANGLESTRIP = 5,
    D3DPT_TRIANGLEFAN = 6,
};

// Flexible vertex format bits: the vertex's fields, in this order in memory.
enum VertexFormatBits : uint32_t {
    D3DFVF_XYZ = 0x002,
    D3DFVF_XYZRHW = 0x004,
    D3DFVF_POSITION_MASK = 0x00E,
    D3DFVF_NORMAL = 0x010,
    D3DFVF_DIFFUSE = 0x040,
    D3DFVF_TEX1 = 0x100,
    D3DFVF_TEXCOUNT_MASK = 0xF00,
};

enum ClearFlags : uint32_t {
    D3DCLEAR_TARGET = 1,
    D3DCLEAR_ZBUFFER = 2,
    D3DCLEAR_STENCIL = 4
};

enum SwapEffect : uint32_t {
    D3DSWAPEFFECT_DISCARD = 1,
    D3DSWAPEFFECT_FLIP = 2,
    D3DSWAPEFFECT_COPY = 3
};

enum PresentInterval : uint32_t {
    D3DPRESENT_INTERVAL_DEFAULT = 0,
    D3DPRESENT_INTERVAL_ONE = 1
};

enum DeviceType : uint32_t {
    D3DDEVTYPE_HAL = 1
};

enum CreateFlags : uint32_t {
    D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x20
};

enum LightType : uint32_t {
    D3DLIGHT_POINT = 1,
    D3DLIGHT_SPOT = 2,
    D3DLIGHT_DIRECTIONAL = 3
};

// Texture capability bits.
enum TextureCapsBits : uint32_t {
    D3DPTEXTURECAPS_POW2 = 0x2,
    D3DPTEXTURECAPS_NONPOW2CONDITIONAL = 0x100
};

} // namespace Platform
