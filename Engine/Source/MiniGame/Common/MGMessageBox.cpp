#include "MiniGame/Common/MGMessageBox.h"

#include "Error/EngineAssert.h"
#include "MiniGame/Common/MiniGameFonts.h"

namespace {

constexpr fx32 SCREEN_WIDTH = 256 * FX32_ONE;
constexpr fx32 SCREEN_HEIGHT = 192 * FX32_ONE;
constexpr fx32 HALF_TURN = 0x3244;

void SetArea(MGRectangle& area, fx32 x, fx32 y, fx32 width, fx32 height)
{
    area.m_fxX = x;
    area.m_fxY = y;
    area.m_fxDepth = 0;
    area.SetSize(width, height);
}

} // namespace

bool MGMessageBox::Initialize()
{
    const bool bRenderers = m_oBodyRenderer.Initialize(&MiniGameFonts::MainFont, BODY_LINES) &&
                            m_oTitleRenderer.Initialize(&MiniGameFonts::TitleFont, TITLE_LINES);
    const int32_t pointerId = MGSprite::ID_POINTER;
    const fx32 holdFrame = 0;
    bool bMade = bRenderers && m_oPointer.Initialize(&pointerId, 1, &holdFrame, nullptr);
    if (bMade) {
        m_oPointer.SetAnimating(false);
        m_oPointer.SetVisible(false);
        bMade = m_oFrame.InitializeFromId(MGSprite::ID_MESSAGE_BOX, true);
    }
    if (bMade) {
        const CoreFxVec2& size = m_oFrame.GetSize();
        m_oFrame.SetPosition((SCREEN_WIDTH - size.x) / 2, (SCREEN_HEIGHT - size.y) / 2, m_oFrame.GetPosition().z);
        bMade = m_oUpArrow.InitializeFromId(MGSprite::ID_UP_ARROW, false);
    }
    if (bMade) {
        m_oUpArrow.SetPivotCentered();
        const CoreFxVec2& size = m_oUpArrow.GetSize();
        m_oUpArrow.SetPosition(TEXT_X + TEXT_WIDTH - size.x / 2, TEXT_Y + size.y / 2, 0);
        bMade = m_oDownArrow.InitializeFromId(MGSprite::ID_DOWN_ARROW, false);
    }
    if (bMade) {
        m_oDownArrow.SetPivotCentered();
        m_oDownArrow.SetRotation(HALF_TURN);
        const CoreFxVec2& size = m_oDownArrow.GetSize();
        m_oDownArrow.SetPosition(TEXT_X + TEXT_WIDTH - size.x / 2, TEXT_Y + TEXT_HEIGHT - size.y / 2, 0);
    }
    if (!bMade) {
        // Nothing of a box that failed stays made or counted.
        Shutdown();
        return false;
    }
    SetArea(m_oTitleArea, TITLE_X, TITLE_Y, TITLE_WIDTH, TITLE_HEIGHT);
    const fx32 titleLine = MiniGameFonts::TitleFont.GetLineHeight();
    SetArea(m_oButtonsArea, TEXT_X, BUTTONS_Y, TEXT_WIDTH,
            titleLine > BUTTONS_MIN_HEIGHT ? titleLine : BUTTONS_MIN_HEIGHT);
    return true;
}

void MGMessageBox::Shutdown()
{
    m_oDownArrow.Shutdown();
    m_oUpArrow.Shutdown();
    m_oFrame.Shutdown();
    m_oPointer.Shutdown();
    m_oTitleRenderer.Release();
    m_oBodyRenderer.Release();
    m_bShown = false;
    m_sTextDisplayed = nullptr;
}

void MGMessageBox::Show(const char* sMessageText, const char* title, const char* button1, const char* button2,
                        uint32_t layoutFlags)
{
    ENGINE_ASSERT(false == m_bShown);
    ENGINE_ASSERT(sMessageText != NULL);
    if (sMessageText == nullptr)
        return;
    m_iResult = RESULT_NONE;
    SetDisplayedContent(sMessageText);
    UpdateScrollButtons();
    m_uLayoutFlags = layoutFlags;
    m_sTitle = title;
    SizeButton(m_aoButtons[0], button1);
    SetButtons(button2);
    m_bShown = true;
    m_bDone = false;
    m_bSecondHeldBack = false;
    if (m_oPointer.IsInitialized())
        m_oPointer.SetVisible(false);
}

void MGMessageBox::Hide()
{
    m_bShown = false;
    m_sTextDisplayed = nullptr;
}

void MGMessageBox::SizeButton(Button& button, const char* text)
{
    button.m_sText = text;
    if (text != nullptr)
        button.m_oRect.SetSize(MiniGameFonts::TitleFont.ComputeTextWidth(text),
                               MiniGameFonts::TitleFont.GetLineHeight());
    else
        button.m_oRect.SetSize(0, 0);
    button.m_bHovered = false;
}

void MGMessageBox::SetButtons(const char* button2)
{
    SizeButton(m_aoButtons[1], button2);
    LayoutButtons();
}

void MGMessageBox::LayoutButtons()
{
    MGRectangle& first = m_aoButtons[0].m_oRect;
    MGRectangle& second = m_aoButtons[1].m_oRect;
    const fx32 w1 = first.m_fxWidth;
    const fx32 w2 = second.m_fxWidth;
    first.m_fxX = TEXT_X + TEXT_WIDTH / 3 - w1 / 2;
    second.m_fxX = TEXT_X + 2 * TEXT_WIDTH / 3 - w2 / 2;
    const bool bFirst = m_aoButtons[0].m_sText != nullptr;
    const bool bSecond = m_aoButtons[1].m_sText != nullptr;
    if (!bFirst)
        second.m_fxX -= TEXT_WIDTH / 6;
    if (!bSecond)
        first.m_fxX += TEXT_WIDTH / 6;
    if (bFirst && bSecond && second.m_fxX - (first.m_fxX + w1) < BUTTONS_MIN_GAP) {
        first.m_fxX = TEXT_X;
        second.m_fxX = TEXT_X + TEXT_WIDTH - w2;
        const fx32 overlap = first.m_fxX + w1 - second.m_fxX;
        if (overlap > 0) {
            first.m_fxX -= overlap / 2;
            second.m_fxX += overlap / 2;
        }
    }
    for (Button& button : m_aoButtons) {
        button.m_oRect.m_fxY = BUTTONS_Y;
        button.m_oRect.m_fxDepth = 0;
    }
}

void MGMessageBox::SetDisplayedContent(const char* sText)
{
    ENGINE_ASSERT(sText != NULL);
    if (sText == nullptr)
        return;
    m_sTextDisplayed = sText;
    m_iFirstLine = 0;
    SetArea(m_oClickArea, TEXT_X, TEXT_Y, TEXT_WIDTH, TEXT_HEIGHT);
    SetArea(m_oTextArea, TEXT_X, TEXT_Y, TEXT_WIDTH, TEXT_HEIGHT);
    const fx32 lineHeight = MiniGameFonts::MainFont.GetLineHeight();
    // A font that did not load has no line height: one line to a page then.
    m_iLinesPerPage = lineHeight > 0 ? TEXT_HEIGHT / lineHeight : 1;
    if (m_iLinesPerPage < 1)
        m_iLinesPerPage = 1;
    m_iScrollStep = m_iLinesPerPage;
    m_oBodyRenderer.SetClipRect(TEXT_X, TEXT_Y, TEXT_X + TEXT_WIDTH, TEXT_Y + TEXT_HEIGHT);
    m_iLineCount = m_oBodyRenderer.GenerateSubstrings(sText, nullptr);
    if (m_iLineCount > m_iLinesPerPage) {
        const fx32 width = TEXT_WIDTH - (m_oDownArrow.IsInitialized() ? m_oDownArrow.GetSize().x : 0);
        m_oClickArea.SetSize(width, TEXT_HEIGHT);
        m_oTextArea.SetSize(width, TEXT_HEIGHT);
        m_oBodyRenderer.SetClipRect(TEXT_X, TEXT_Y, TEXT_X + width, TEXT_Y + TEXT_HEIGHT);
        m_iLineCount = m_oBodyRenderer.GenerateSubstrings(sText, nullptr);
    }
    m_bLastPage = true;
    if (m_oUpArrow.IsInitialized())
        m_oUpArrow.SetVisible(false);
    if (m_oDownArrow.IsInitialized())
        m_oDownArrow.SetVisible(false);
}

void MGMessageBox::ScrollDown()
{
    if (m_iFirstLine < m_iLineCount - m_iLinesPerPage) {
        const int32_t next = m_iFirstLine + m_iScrollStep;
        m_iFirstLine = next < m_iLineCount - 1 ? next : m_iLineCount - 1;
    }
}

void MGMessageBox::ScrollUp()
{
    if (m_iFirstLine > 0) {
        const int32_t previous = m_iFirstLine - m_iScrollStep;
        m_iFirstLine = previous > 0 ? previous : 0;
    }
}

void MGMessageBox::UpdateScrollButtons()
{
    const bool bMoreBelow = m_iFirstLine < m_iLineCount - m_iLinesPerPage;
    if (m_oDownArrow.IsInitialized())
        m_oDownArrow.SetVisible(bMoreBelow);
    if (!bMoreBelow)
        m_bLastPage = true;
    if (m_oUpArrow.IsInitialized())
        m_oUpArrow.SetVisible(m_iFirstLine > 0);
}

void MGMessageBox::SetButtonColors(uint32_t normal, uint32_t hovered)
{
    m_uButtonColor = normal;
    m_uHoveredButtonColor = hovered;
}

void MGMessageBox::SetControlsDisplayer(MGControlsDisplayer* pDisplayer, int32_t iLine)
{
    m_pControlsDisplayer = pDisplayer;
    m_iControlsLine = iLine;
}
