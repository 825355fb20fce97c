#include "Interface/Common/SystemMessageBox.h"

#include "App/CoreApp.h"
#include "Effects/Common/ScreenQuad.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "Maths/CoreFxDivide.h"
#include "Renderer/CoreRenderer.h"
#include "Screen/CoreVirtualScreen.h"
#include "Utils/Common/Font/Common/TwFont.h"

namespace {

constexpr fx32 TEXT_CENTRE_X = 128 * FX32_ONE;
constexpr fx32 TITLE_Y = 38 * FX32_ONE;
constexpr fx32 FIRST_BUTTON_Y = 114 * FX32_ONE;
constexpr fx32 BUTTON_SPACING = 38 * FX32_ONE;
constexpr uint32_t TITLE_FLAGS = Tw::PRINT_SUBSTRINGS | Tw::PRINT_CENTER_X;
constexpr uint32_t BUTTON_FLAGS = Tw::PRINT_CENTER_Y | Tw::PRINT_CENTER_X;
constexpr uint32_t POINTER_COLOUR = 0xFFFFFFFF;

// The text box: laid out for a 640 x 480 screen and scaled to the virtual one.
struct TextBox {
    fx32 fxLeft;
    fx32 fxTop;
    fx32 fxRight;
    fx32 fxBottom;
};

TextBox MakeTextBox()
{
    const fx32 fxRight = CoreFx::Mul(CoreFx::Div(544 * FX32_ONE, 640 * FX32_ONE), VIRTUAL_SCREEN_WIDTH);
    const fx32 fxBottom = CoreFx::Mul(CoreFx::Div(388 * FX32_ONE, 480 * FX32_ONE), VIRTUAL_SCREEN_HEIGHT);
    return {(VIRTUAL_SCREEN_WIDTH - fxRight) / 2, (VIRTUAL_SCREEN_HEIGHT - fxBottom) / 2, fxRight, fxBottom};
}

// Whether this frame's triggers hold the event; its pointer goes to value.
bool IsActive(uint16_t uEventId, uint32_t* pValue = nullptr)
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    return pHandler != nullptr && pHandler->IsEventActive(uEventId, pValue, nullptr);
}

} // namespace

fx32 SystemMessageBox::ButtonLineY(int32_t iButton)
{
    return FIRST_BUTTON_Y + BUTTON_SPACING * iButton;
}

void SystemMessageBox::Initialize(const Tw::Font* pFont)
{
    m_iResult = NO_RESULT;
    m_iButtonCount = HIDDEN;
    m_oTextRenderer.Initialize(pFont, TEXT_LINES);
    m_oPointer.InitializePlatform();
    m_oPointer.m_vPosition = {VIRTUAL_SCREEN_WIDTH / 2, VIRTUAL_SCREEN_HEIGHT / 2};
    m_bPressed = 0;
}

void SystemMessageBox::Release()
{
    m_oTextRenderer.Release();
}

void SystemMessageBox::Open(const char* pTitle)
{
    m_pTitle = pTitle;
    m_iButtonCount = 0;
    // A choice left from the last time must not be taken by the first click.
    m_iResult = NO_RESULT;
    m_bReading = 0;
    if (InputEventHandler* pHandler = InputEventHandler::m_pSingleton) {
        for (const uint16_t uEventId : {InputEventId_PointerMoved, InputEventId_PointerPressed,
                                        InputEventId_PointerInside, InputEventId_PointerOutside})
            pHandler->EnableEventTrigger(uEventId, true);
    }
}

bool SystemMessageBox::AddButton(const char* pText)
{
    if (m_iButtonCount < 0 || m_iButtonCount >= MAX_BUTTONS)
        return false;
    m_apButtons[m_iButtonCount++] = pText;
    return true;
}

bool SystemMessageBox::Update()
{
    uint32_t uPointer = 0;
    if (IsActive(InputEventId_PointerMoved, &uPointer) || IsActive(InputEventId_PointerHeld, &uPointer))
        m_oPointer.SetPosition(InputPointerVirtualX(uPointer), InputPointerVirtualY(uPointer));
    if (IsActive(InputEventId_PointerInside))
        m_bPressed = 1;
    if (IsActive(InputEventId_PointerOutside))
        m_bPressed = 0;

    // A press chooses the line it lands on, also when the pointer came onto
    // the line in the same frame; a press in the frame the box opened chooses
    // nothing.
    uint32_t uPress = INPUT_NO_POINTER;
    const bool bPressed = IsActive(InputEventId_PointerPressed, &uPress) && m_bReading != 0;
    if (bPressed && uPress != INPUT_NO_POINTER)
        m_oPointer.SetPosition(InputPointerVirtualX(uPress), InputPointerVirtualY(uPress));
    m_bReading = 1;
    if (m_iButtonCount > 0) {
        m_iResult = NO_RESULT;
        const Tw::Font* pFont = m_oTextRenderer.GetFont();
        const fx32 fxHalfLine = pFont != nullptr ? pFont->GetLineHeight() / 2 : 0;
        for (int32_t iButton = 0; m_bPressed != 0 && iButton < m_iButtonCount; ++iButton) {
            const fx32 fxDistance = m_oPointer.m_vPosition.y - ButtonLineY(iButton);
            if (fxDistance >= -fxHalfLine && fxDistance <= fxHalfLine)
                m_iResult = iButton;
        }
    }
    if (bPressed && m_iResult >= 0) {
        m_iButtonCount = 0;
        return true;
    }
    return false;
}

void SystemMessageBox::Render()
{
    if (m_iButtonCount < 0)
        return;
    DrawScreenQuad(VEIL_COLOUR);
    const TextBox oBox = MakeTextBox();
    m_oTextRenderer.SetClipRect(oBox.fxLeft, oBox.fxTop, oBox.fxRight, oBox.fxBottom);
    m_oTextRenderer.BeginPrint();
    if (m_pTitle != nullptr)
        m_oTextRenderer.Print(m_pTitle, TEXT_CENTRE_X, TITLE_Y, TEXT_COLOUR, TITLE_FLAGS);
    for (int32_t iButton = 0; iButton < m_iButtonCount; ++iButton) {
        const uint32_t uColour = iButton == m_iResult ? HIGHLIGHT_COLOUR : TEXT_COLOUR;
        m_oTextRenderer.Print(m_apButtons[iButton], TEXT_CENTRE_X, ButtonLineY(iButton), uColour, BUTTON_FLAGS);
    }
    m_oTextRenderer.EndPrint();
    if (CoreRenderer* pRenderer = g_pCoreApp != nullptr ? g_pCoreApp->m_pRenderer : nullptr)
        m_oPointer.DrawImage(*pRenderer, {FX32_ONE, FX32_ONE}, m_oPointer.m_vPosition,
                             static_cast<int32_t>(m_oPointer.m_aSlots[0].m_uFrame), POINTER_COLOUR);
}
