#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>

class CoreTexture;

// One row of the buttons' definition table: the texture's name, where the
// pivot point stands (virtual-screen units) and which point of the rectangle
// it names.
struct InterfaceButtonDef {
    const char* m_pSpriteName;
    fx32 m_fxX;
    fx32 m_fxY;
    uint32_t m_aUnused[3];
    int32_t m_iPivot;
};

// The rows of the definition table: the tab bar (0-7), the inventory's page
// arrows (8-11), the map pin (12-13), the options buttons (14-19) and the
// quest buttons (20-25).
enum InterfaceButtonRow : int32_t {
    BUTTON_INVENTORY_ON = 0,
    BUTTON_MAP_ON = 1,
    BUTTON_QUEST_ON = 2,
    BUTTON_OPTIONS_ON = 3,
    BUTTON_INVENTORY_OFF = 4,
    BUTTON_MAP_OFF = 5,
    BUTTON_QUEST_OFF = 6,
    BUTTON_OPTIONS_OFF = 7,
    BUTTON_PREVIOUS_PAGE = 8,
    BUTTON_PREVIOUS_PAGE_LIT = 9,
    BUTTON_NEXT_PAGE = 10,
    BUTTON_NEXT_PAGE_LIT = 11,
    BUTTON_MAP_PIN = 12,
    BUTTON_MAP_PIN_LIT = 13,
    BUTTON_SAVE_LIT = 14,
    BUTTON_SAVE = 15,
    BUTTON_VOLUME_LIT = 16,
    BUTTON_VOLUME = 17,
    BUTTON_EXIT_LIT = 18,
    BUTTON_EXIT = 19,
    BUTTON_QUEST_PORTRAIT_1 = 20,
    BUTTON_QUEST_PORTRAIT_2 = 21,
    BUTTON_QUEST_UP_LIT = 22,
    BUTTON_QUEST_UP = 23,
    BUTTON_QUEST_DOWN_LIT = 24,
    BUTTON_QUEST_DOWN = 25,
    NB_BUTTON_DEFINITIONS = 26,
};

// The pivot: which point of the rectangle x, y names, row by row from the top
// left to the bottom right.
enum InterfaceButtonPivot : int32_t {
    PIVOT_TOP_LEFT = 0,
    PIVOT_TOP_CENTRE = 1,
    PIVOT_TOP_RIGHT = 2,
    PIVOT_MIDDLE_LEFT = 3,
    PIVOT_CENTRE = 4,
    PIVOT_MIDDLE_RIGHT = 5,
    PIVOT_BOTTOM_LEFT = 6,
    PIVOT_BOTTOM_CENTRE = 7,
    PIVOT_BOTTOM_RIGHT = 8,
};

// A clickable picture of the in-game menu: a textured rectangle of the
// virtual screen placed by its pivot point. Its size comes from its texture
// (authored at 1280 x 960, five pixels to a unit).
class InterfaceButton {
public:
    // Fills the definition table; start-up runs it once.
    static void FillDefinitionTable();
    // The row, or null (after the assert) for a row outside the table.
    static const InterfaceButtonDef* GetDefinition(int32_t iRow);

    // Becomes the button of the row: visible, at its place and pivot, with
    // its texture. False when the row does not exist or its texture is
    // missing; the button still shows, at the size it had.
    bool InitFromTable(int32_t iRow);
    // Takes the texture of that name and its size. False, logged, when no
    // texture has that name: the old size stays and the button draws nothing.
    bool SetTexture(const char* name);
    // Lets the texture go: the button draws nothing until it gets one again.
    void DropTexture() { m_hTexture = nullptr; }

    // The offset from x, y to the top-left corner.
    void GetPivotShift(fx32& dx, fx32& dy) const;
    CoreFxVec2 GetCenter() const;
    // Whether the point lies within the rectangle grown by half the margin
    // on each side (a negative margin shrinks it), edges included. The
    // visible flag plays no part.
    bool HitTest(fx32 px, fx32 py, fx32 margin) const;
    // The textured quad at its place; nothing without a texture.
    void Draw() const;

    int32_t m_iDefinitionRow = -1;
    uint8_t m_bVisible = 0;
    fx32 m_fxWidth = 0;
    fx32 m_fxHeight = 0;
    fx32 m_fxX = 0;
    fx32 m_fxY = 0;
    int32_t m_iPivot = PIVOT_TOP_LEFT;
    CoreTexture* m_hTexture = nullptr;
};
