#pragma once
#include "Maths/Fx32.h"
#include "Scene/Common/SceneCursor.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <cstdint>

namespace Tw {
class Font;
}

// A modal box drawn over everything: a half-transparent veil, a title and up
// to two button lines of text, and its own pointer. The player points at a
// button line, which highlights it, and clicks to choose it. The owner opens
// it, adds the buttons, reads the result when Update reports a choice and
// hides it.
class SystemMessageBox {
public:
    static constexpr int32_t MAX_BUTTONS = 2;
    static constexpr int32_t NO_RESULT = -1;
    static constexpr int32_t HIDDEN = -1;
    static constexpr int32_t TEXT_LINES = 12;
    static constexpr uint32_t VEIL_COLOUR = 0x0000007F;
    static constexpr uint32_t TEXT_COLOUR = 0xFFFFFFFF;
    static constexpr uint32_t HIGHLIGHT_COLOUR = 0xFFFF00FF;

    // Hidden, no result, the text in the font, the pointer at the screen's
    // centre with the pointer sheet.
    void Initialize(const Tw::Font* pFont);
    void Release();

    // Shows the box with the title and no buttons, and enables the pointer
    // events it reads.
    void Open(const char* pTitle);
    // Adds a button line; false when the box has no room for it or is hidden.
    bool AddButton(const char* pText);
    void Hide() { m_iButtonCount = HIDDEN; }
    bool IsShown() const { return m_iButtonCount >= 0; }

    // Reads this frame's pointer events: true when a click chose the
    // highlighted button, whose index GetResult gives.
    bool Update();
    void Render();

    int32_t GetResult() const { return m_iResult; }
    int32_t GetButtonCount() const { return m_iButtonCount; }
    fx32 GetPointerX() const { return m_oPointer.m_vPosition.x; }
    fx32 GetPointerY() const { return m_oPointer.m_vPosition.y; }
    // The centre of button line i on the virtual screen.
    static fx32 ButtonLineY(int32_t iButton);

private:
    int32_t m_iResult = NO_RESULT;
    const char* m_pTitle = nullptr;
    int32_t m_iButtonCount = HIDDEN;
    const char* m_apButtons[MAX_BUTTONS] = {};
    Tw::TextureTextRenderer m_oTextRenderer;
    // Drawn last, over the veil and the texts.
    SceneCursor m_oPointer;
    // Set while the pointer is inside the window.
    uint8_t m_bPressed = 0;
    // Set once the box has read a frame of input since it opened.
    uint8_t m_bReading = 0;
};
