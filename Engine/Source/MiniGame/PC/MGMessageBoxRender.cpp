#include "MiniGame/Common/MGMessageBox.h"

#include "Error/EngineAssert.h"
#include "MiniGame/Common/MGControlsDisplayer.h"
#include "MiniGame/Common/MiniGameFonts.h"

#include <initializer_list>

namespace {

constexpr uint32_t TITLE_PRINT_FLAGS = 0x2022;
constexpr uint32_t BODY_TEXT_COLOR = 0xFFFFFFFF;

} // namespace

void MGMessageBox::Render()
{
    if (!m_bShown)
        return;
    ENGINE_ASSERT(m_sTextDisplayed != NULL);
    if (m_sTextDisplayed == nullptr)
        return;
    if (m_oFrame.IsInitialized())
        m_oFrame.RenderWithPosition(m_oFrame.GetPosition());
    if (m_pControlsDisplayer != nullptr && m_iFirstLine >= m_iControlsLine)
        m_pControlsDisplayer->Render();

    m_oTitleRenderer.BeginPrint();
    if (m_sTitle != nullptr) {
        const MGRectangle& area = m_oTitleArea;
        m_oTitleRenderer.SetClipRect(area.m_fxX, area.m_fxY, area.m_fxX + area.m_fxWidth, area.m_fxY + area.m_fxHeight);
        m_oTitleRenderer.Print(m_sTitle, area.m_fxX + area.m_fxWidth / 2, area.m_fxY + area.m_fxHeight / 2,
                               m_uButtonColor, TITLE_PRINT_FLAGS);
    }
    if (m_bLastPage) {
        const MGRectangle& area = m_oButtonsArea;
        m_oTitleRenderer.SetClipRect(area.m_fxX, area.m_fxY, area.m_fxX + area.m_fxWidth, area.m_fxY + area.m_fxHeight);
        for (const Button& button : m_aoButtons) {
            if (button.m_sText != nullptr)
                m_oTitleRenderer.Print(button.m_sText, button.m_oRect.m_fxX, button.m_oRect.m_fxY,
                                       button.m_bHovered ? m_uHoveredButtonColor : m_uButtonColor, 0);
        }
    }
    m_oTitleRenderer.EndPrint();

    m_oBodyRenderer.BeginPrint();
    const MGRectangle& text = m_oTextArea;
    m_oBodyRenderer.SetClipRect(text.m_fxX, text.m_fxY, text.m_fxX + text.m_fxWidth, text.m_fxY + text.m_fxHeight);
    uint32_t flags = Tw::PRINT_SUBSTRINGS | Tw::PRINT_CLIP;
    fx32 x = text.m_fxX;
    fx32 y = text.m_fxY;
    if (m_uLayoutFlags & LAYOUT_CENTER_X) {
        x += text.m_fxWidth / 2;
        flags |= Tw::PRINT_CENTER_X;
    }
    if (m_uLayoutFlags & LAYOUT_CENTER_Y) {
        y += text.m_fxHeight / 2;
        flags |= Tw::PRINT_CENTER_Y;
    }
    y -= MiniGameFonts::MainFont.GetLineHeight() * m_iFirstLine;
    m_oBodyRenderer.Print(m_sTextDisplayed, x, y, BODY_TEXT_COLOR, flags);
    m_oBodyRenderer.EndPrint();

    for (const MGSprite* pSprite : {&m_oUpArrow, &m_oDownArrow, &m_oPointer}) {
        if (pSprite->IsInitialized())
            pSprite->RenderWithPosition(pSprite->GetPosition());
    }
}
