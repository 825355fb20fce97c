#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

class CoreTexture;

// The interface sprites by id: the scene's markers, the menu alerts, the talk
// screen's frames, arrows and portraits.
enum InterfaceSpriteId : int32_t {
    INTERFACE_SPRITE_ALERT_INVENTORY = 0,
    INTERFACE_SPRITE_ALERT_QUEST = 1,
    INTERFACE_SPRITE_BEACH = 2,
    INTERFACE_SPRITE_STAR = 3,
    INTERFACE_SPRITE_ARROW = 4,
    INTERFACE_SPRITE_DIALOG_ARROW_UP = 6,
    INTERFACE_SPRITE_DIALOG_ARROW_DOWN = 7,
    INTERFACE_SPRITE_DIALOG_SQUARE = 8,
    INTERFACE_SPRITE_DIALOG_STRIP = 9,
    INTERFACE_SPRITE_DIALOG_CAPTION = 10,
    INTERFACE_SPRITE_DIALOG_CAPTION_BIG = 11,
    INTERFACE_SPRITE_DIALOG_NEXT = 12,
    INTERFACE_SPRITE_DIALOG_RESERVATION = 13,
    // 14 + an actor's index: that actor's portrait.
    INTERFACE_SPRITE_FIRST_PORTRAIT = 14,
    INTERFACE_SPRITE_COUNT = 143,
};

// The texture name of an interface sprite id, or null for an id without one
// (5, 142, a portrait id past the actor table, an id out of range). The name
// lives in one buffer that the next call overwrites.
const char* GetInterfaceSpriteName(int32_t iId);

// One textured quad of the interface on the virtual screen: placed by its
// anchor point, scaled (a negative scale mirrors it in place), rotated,
// tinted and faded. Its size in units is its texture's pixel size / 5.
class InterfaceSprite {
public:
    // Resets the sprite, then loads the texture of the id's name; false when
    // the id has no name or no texture of that name is loaded.
    bool Initialize(int32_t iId);
    // Takes the texture of that name; false (logged by the texture manager)
    // when none is loaded, which leaves the sprite without a texture.
    bool Load(const char* name);
    // Back to the defaults, without a texture.
    void Release();
    // Draws the quad when it is visible, has a texture and its alpha byte is
    // at least 1.
    void Render() const;

    // The scaled size, always positive.
    void GetSize(fx32& width, fx32& height) const;
    // Puts the anchor at the centre of the scaled quad.
    void ComputeHalfSize();
    // The four corners (top-left, top-right, bottom-right, bottom-left of the
    // picture as drawn) for the position given.
    void ComputeCorners(fx32 x, fx32 y, fx32 outX[4], fx32 outY[4]) const;
    // The colour as the renderer takes it: 0xRRGGBBAA.
    uint32_t GetColour() const;

    void SetPosition(fx32 x, fx32 y, fx32 z = 0)
    {
        m_fxX = x;
        m_fxY = y;
        m_fxZ = z;
    }
    void SetAnchor(fx32 x, fx32 y)
    {
        m_fxAnchorX = x;
        m_fxAnchorY = y;
    }
    void SetScale(fx32 x, fx32 y)
    {
        m_fxScaleX = x;
        m_fxScaleY = y;
    }
    // Red, green and blue in fx32 levels of 0..255.
    void SetColour(fx32 r, fx32 g, fx32 b)
    {
        m_fxRed = r;
        m_fxGreen = g;
        m_fxBlue = b;
    }

    fx32 m_fxWidth = 0;
    fx32 m_fxHeight = 0;
    fx32 m_fxX = 0;
    fx32 m_fxY = 0;
    fx32 m_fxZ = 0;
    fx32 m_fxAnchorX = 0;
    fx32 m_fxAnchorY = 0;
    fx32 m_fxScaleX = FX32_ONE;
    fx32 m_fxScaleY = FX32_ONE;
    fx32 m_fxAngle = 0;
    CoreTexture* m_hTexture = nullptr;
    fx32 m_fxRed = 255 * FX32_ONE;
    fx32 m_fxGreen = 255 * FX32_ONE;
    fx32 m_fxBlue = 255 * FX32_ONE;
    fx32 m_fxAlpha = FX32_ONE;
    uint8_t m_bVisible = 1;
    // The texture's size in pixels, as fx32.
    fx32 m_fxTextureWidth = 0;
    fx32 m_fxTextureHeight = 0;
};
