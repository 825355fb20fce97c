#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

class CoreRenderer;
class CoreTexture;

// What a verb slot of the cursor shows: a verb of the verb menu, or the
// cursor's mode when no verb menu is open.
enum CursorVerb : int32_t {
    CURSOR_NONE = -1,
    CURSOR_POINTER = 0,
    CURSOR_LOOK = 1,
    CURSOR_TALK = 2,
    CURSOR_ACTIVATE = 3,
    // The game is busy.
    CURSOR_WAIT = 4,
    // Over something that offers Look, Talk or Activate.
    CURSOR_HOTSPOT = 5,
    CURSOR_MENU = 6,
};

// One animated icon of the cursor: its verb or mode, the image it shows and
// where it stands in its animation.
struct CursorVerbSlot {
    int32_t m_iVerb = CURSOR_NONE;
    uint32_t m_uFrame = 0;
    uint32_t m_uKey = 0;
    fx32 m_fTime = 0;
    uint8_t m_bAnimating = 0;
};

// The pointer of a scene and the icons of the small verb menu that opens
// over a hotspot. Every image is a 16 x 16 cell of one 8 x 4 sheet,
// "Int_pointers". Slot 0 holds the first verb, or the cursor's mode while no
// verb menu is open; slot 1 the second verb. The verb menu stands where the
// scene opened it (the verb position) until the scene resets that.
class SceneCursor {
public:
    static constexpr fx32 NO_VERB_POSITION = 0x7FFFFFFF;

    // Finds the sheet (a missing one is reported) and closes the verb menu;
    // true.
    bool InitializePlatform();

    // Moves the pointer, kept within the visible screen: x within the
    // window's margins around the 256 units, y within 0..192.
    void SetPosition(fx32 x, fx32 y);
    // Puts the verbs (CURSOR_NONE for none) into the slots from their first
    // image and restarts the menu's opening.
    void OpenVerbs(int32_t iVerb1, int32_t iVerb2);
    // The mode into slot 0, animating from its first image; slot 1 empty.
    void SetMode(int32_t iMode);
    int32_t GetMode() const { return m_aSlots[0].m_iVerb; }
    bool HasVerbMenu() const { return m_vVerbPosition.x != NO_VERB_POSITION && m_aSlots[0].m_iVerb != CURSOR_NONE; }
    void ResetVerbPosition() { m_vVerbPosition = {NO_VERB_POSITION, NO_VERB_POSITION}; }

    // One frame of both icon animations (a slot that is not animating only
    // takes the image of its key) and of the verb menu's opening.
    void Update(uint32_t dtMs);
    // One step of a slot's animation by that many milliseconds: a key that
    // leads to itself ends the animation.
    static void AdvanceSlot(CursorVerbSlot& slot, uint32_t dtMs);

    // Which of the 9 zones of the screen the point lies in: the corners, the
    // top and bottom edges, the sides and the middle, each 32 units deep.
    static int32_t GetScreenZone(fx32 x, fx32 y);
    // Where the icon of slot 0 or 1 stands once the menu is open.
    CoreFxVec2 GetVerbPlace(int32_t iSlot) const;
    // The verb whose icon lies under the point, or CURSOR_NONE.
    int32_t HitVerb(fx32 x, fx32 y) const;

    // One image of the sheet, scaled, centred on the position.
    void DrawImage(CoreRenderer& renderer, const CoreFxVec2& scale, const CoreFxVec2& position, int32_t iImage,
                   uint32_t uColour) const;
    // Nothing while the game is paused or the cursor hidden; the item in hand
    // in place of everything else; else the verb icons, flying out of the
    // verb position while the menu opens, and the pointer.
    void Render(CoreRenderer& renderer, int32_t iInputState, CoreTexture* pHeldItem) const;

    CoreTexture* m_hSheet = nullptr;
    uint8_t m_bShown = 1;
    uint8_t m_bDimmed = 0;
    CoreFxVec2 m_vPosition {};
    CoreFxVec2 m_vVerbPosition {NO_VERB_POSITION, NO_VERB_POSITION};
    CursorVerbSlot m_aSlots[2];
    // fx32 seconds since the verb menu opened.
    fx32 m_fOpeningTime = 0;
};
