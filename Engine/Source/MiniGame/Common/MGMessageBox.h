#pragma once
#include "MiniGame/Common/MGRectangle.h"
#include "MiniGame/Common/MGSprite.h"
#include "Utils/Common/Font/PC/TextureTextRenderer.h"

#include <cstdint>

class MGControlsDisplayer;

// The dialog widget of the mini-games: a framed box in the middle of the
// virtual screen with a title, a text that scrolls by pages, up to two text
// buttons, two scroll arrows and a pointer. Driven by the mini-game input
// events: the pointer position, a click, a confirm at the pointer and the up
// and down keys.
class MGMessageBox {
public:
    enum Result : int32_t {
        RESULT_NONE = 0,
        RESULT_FIRST = 1,
        RESULT_SECOND = 2
    };
    // Layout flags of Show.
    static constexpr uint32_t LAYOUT_CENTER_X = 1;
    static constexpr uint32_t LAYOUT_CENTER_Y = 2;

    // The areas, in fx32 virtual-screen units.
    static constexpr fx32 TITLE_X = 0x55CCD;
    static constexpr fx32 TITLE_Y = 0x2399A;
    static constexpr fx32 TITLE_WIDTH = 0x7BCCD;
    static constexpr fx32 TITLE_HEIGHT = 0x29666;
    static constexpr fx32 TEXT_X = 0x2E666;
    static constexpr fx32 TEXT_Y = 0x4F000;
    static constexpr fx32 TEXT_WIDTH = 0xA9333;
    static constexpr fx32 TEXT_HEIGHT = 0x43000;
    static constexpr fx32 BUTTONS_Y = 0x9399A;
    static constexpr fx32 BUTTONS_MIN_HEIGHT = 0x899A;
    static constexpr fx32 BUTTONS_MIN_GAP = 0x5000;
    static constexpr fx32 HOVER_SCALE = 0x1333;
    static constexpr int32_t BODY_LINES = 36;
    static constexpr int32_t TITLE_LINES = 12;

    struct Button {
        const char* m_sText = nullptr;
        MGRectangle m_oRect;
        bool m_bHovered = false;
    };

    MGMessageBox() = default;
    MGMessageBox(const MGMessageBox&) = delete;
    MGMessageBox& operator=(const MGMessageBox&) = delete;

    // The text renderers on the mini-game fonts and the four sprites (ids
    // 252 to 255); false when any of them fails, with nothing left made.
    bool Initialize();
    void Shutdown();
    void Show(const char* sMessageText, const char* title, const char* button1, const char* button2,
              uint32_t layoutFlags);
    // The owner's way to close the box.
    void Hide();
    // True from the frame after a button was chosen until the next Show.
    bool Update(uint32_t dtMs);
    void Render();

    void SetDisplayedContent(const char* sText);
    void SetButtons(const char* button2);
    void LayoutButtons();
    void ScrollDown();
    void ScrollUp();
    void UpdateScrollButtons();
    void SetButtonColors(uint32_t normal, uint32_t hovered);
    void SetControlsDisplayer(MGControlsDisplayer* pDisplayer, int32_t iLine);
    // While held back a click on the second button chooses nothing; every
    // Show lets it go.
    void HoldBackSecondButton(bool bHeld) { m_bSecondHeldBack = bHeld; }

    int32_t GetResult() const { return m_iResult; }
    bool IsShown() const { return m_bShown; }
    bool IsDone() const { return m_bDone; }
    const char* GetText() const { return m_sTextDisplayed; }
    const char* GetTitle() const { return m_sTitle; }
    int32_t GetFirstVisibleLine() const { return m_iFirstLine; }
    int32_t GetLineCount() const { return m_iLineCount; }
    int32_t GetLinesPerPage() const { return m_iLinesPerPage; }
    const Button& GetButton(int32_t i) const { return m_aoButtons[i]; }
    const MGRectangle& GetTextArea() const { return m_oTextArea; }
    const MGSprite& GetUpArrow() const { return m_oUpArrow; }
    const MGSprite& GetDownArrow() const { return m_oDownArrow; }
    const MGSprite& GetPointer() const { return m_oPointer; }
    const MGSprite& GetFrame() const { return m_oFrame; }

private:
    // The pointer position of this frame's events, when one is active.
    bool ReadPointer(fx32& x, fx32& y) const;
    void OnPointer(fx32 x, fx32 y);
    void OnClick(fx32 x, fx32 y);
    void UpdateKeys();
    void SizeButton(Button& button, const char* text);

    int32_t m_iResult = RESULT_NONE;
    bool m_bShown = false;
    bool m_bDone = false;
    bool m_bLastPage = false;
    bool m_bSecondHeldBack = false;
    MGSprite m_oFrame;
    const char* m_sTitle = nullptr;
    MGSprite m_oUpArrow;
    MGSprite m_oDownArrow;
    Button m_aoButtons[2];
    MGRectangle m_oClickArea;
    MGRectangle m_oTextArea;
    MGRectangle m_oTitleArea;
    MGRectangle m_oButtonsArea;
    const char* m_sTextDisplayed = nullptr;
    MGControlsDisplayer* m_pControlsDisplayer = nullptr;
    int32_t m_iControlsLine = -1;
    uint32_t m_uLayoutFlags = 0;
    int32_t m_iFirstLine = 0;
    int32_t m_iLineCount = 0;
    int32_t m_iLinesPerPage = 0;
    int32_t m_iScrollStep = 0;
    bool m_bUpLatch = false;
    bool m_bDownLatch = false;
    Tw::TextureTextRenderer m_oBodyRenderer;
    Tw::TextureTextRenderer m_oTitleRenderer;
    uint32_t m_uButtonColor = 0;
    uint32_t m_uHoveredButtonColor = 0;
    MGSprite m_oPointer;
};
