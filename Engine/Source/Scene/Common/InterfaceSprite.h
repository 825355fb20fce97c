#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

class CoreRenderer;
class CoreTexture;

// Interface sprite ids: the alerts of the inventory and the quest log, the
// scene's hotspot marker and exit arrow, the talk screen's frames and
// arrows, and from PORTRAIT_FIRST on the talk screen's portraits, one per
// actor of the actor table in table order.
enum InterfaceSpriteId : int32_t {
    INTERFACE_SPRITE_ALERT_INVENTORY = 0,
    INTERFACE_SPRITE_ALERT_QUEST = 1,
    INTERFACE_SPRITE_STAR = 3,
    INTERFACE_SPRITE_ARROW = 4,
    INTERFACE_SPRITE_PORTRAIT_FIRST = 14,
    INTERFACE_SPRITE_COUNT = 143,
};

// The texture name of an interface sprite id, built in one buffer that the
// next call overwrites; null for the ids without one (5, 142, a portrait
// beyond the actor table, any id outside the table).
const char* GetInterfaceSpriteName(int32_t iId);

// One textured quad of the interface drawn over the scene on the virtual
// screen: moved, scaled (a negative scale mirrors), turned about its anchor,
// tinted and faded. Its size in virtual units is its texture's size in
// pixels / 5, so that one texel is one pixel on a back buffer 1280 wide.
class InterfaceSprite {
public:
    // Every field to its default, then the texture of the id; false when the
    // id has no texture name.
    bool Initialize(int32_t iId);
    // The texture of that name with its size. A missing texture leaves the
    // sprite without one (it draws nothing); true all the same.
    bool Load(const char* pName);
    // Back to the defaults, without texture.
    void Release();

    // The scaled size, both parts positive.
    CoreFxVec2 GetSize() const;
    // The anchor at the middle of the scaled quad, halves truncated.
    void ComputeHalfSize();
    // Top-left, top-right, bottom-right and bottom-left corners of the quad
    // placed with its anchor on the position.
    void ComputeCorners(const CoreFxVec& position, CoreFxVec aCorners[4]) const;
    // One fan of four vertices, unless hidden, without texture or with an
    // alpha below one step of 255.
    void Render(CoreRenderer& renderer) const;

    fx32 m_fWidth = 0;
    fx32 m_fHeight = 0;
    CoreFxVec m_vPosition {};
    CoreFxVec2 m_vAnchor {};
    CoreFxVec2 m_vScale {FX32_ONE, FX32_ONE};
    // fx32 radians.
    fx32 m_fAngle = 0;
    CoreTexture* m_hTexture = nullptr;
    // Levels of 0.0 to 255.0.
    fx32 m_fRed = 255 * FX32_ONE;
    fx32 m_fGreen = 255 * FX32_ONE;
    fx32 m_fBlue = 255 * FX32_ONE;
    // 0.0 to 1.0.
    fx32 m_fAlpha = FX32_ONE;
    uint8_t m_bVisible = 1;
    // The texture's size in pixels, as fx32.
    fx32 m_fTextureWidth = 0;
    fx32 m_fTextureHeight = 0;
};
