// Drawing the talk screen and the caption box.
#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/TalkScreenServices.h"
#include "Error/EngineAssert.h"
#include "Screen/CoreVirtualScreen.h"
#include "Utils/Common/Utf8.h"

#include <cstring>

namespace {

constexpr fx32 U = FX32_ONE;
constexpr uint32_t WHITE = 0xFFFFFFFF;
// The centre of the row markers.
constexpr fx32 MARKER_X = 66 * U;
// The caption's wrap box: x 25.6 to 230.4, y 176 to 192.
constexpr fx32 CAPTION_LEFT = 104857;
constexpr fx32 CAPTION_RIGHT = 943718;
constexpr fx32 CAPTION_TOP = 176 * U;
constexpr fx32 CAPTION_BOTTOM = 192 * U;
constexpr fx32 CAPTION_X = 128 * U;
// Lines laid out, each line centred, the block's bottom on y.
constexpr uint32_t CAPTION_PRINT_FLAGS = 0x2042;

} // namespace

void DialogInterface::Draw()
{
    m_oStrip.Render();
    m_oPortrait.Render();
    if (m_bSlidingOut)
        return;
    m_oNext.Render();
    m_oArrowUp.Render();
    m_oArrowDown.Render();

    Tw::TextRenderer* renderer = GetTalkScreenServices().GetTextRenderer();
    const fx32 rowHeight = GetRowHeight();
    if (m_eState == DIALOG_STATE_SENTENCE && renderer != nullptr) {
        renderer->BeginPrint();
        for (int32_t k = 0; k < PAGE_ROWS; ++k) {
            if (k > 0 && !m_aoLines[k - 1].IsDone())
                break;
            renderer->Print(m_aoLines[k].GetText(), m_fxTextX, m_fxTextTop + k * rowHeight, WHITE, 0);
        }
        renderer->EndPrint();
    }
    if (m_eState != DIALOG_STATE_THINKING)
        return;
    const int32_t rows = GetPageRows();
    if (renderer != nullptr) {
        renderer->BeginPrint();
        for (int32_t k = 0; k < rows; ++k)
            if (m_apRowTexts[k] != nullptr)
                renderer->Print(m_apRowTexts[k], m_afxRowX[k], m_fxTextTop + k * rowHeight, GetRowColour(k), 0);
        renderer->EndPrint();
    }
    for (int32_t k = 0; k < rows; ++k) {
        if (m_afxRowX[k] >= ROW_MARKER_LIMIT)
            continue;
        m_aoSquares[k].SetPosition(MARKER_X, m_fxTextTop + rowHeight / 2 + k * rowHeight);
        m_aoSquares[k].Render();
    }
}

void DialogInterface::DrawCaption()
{
    TalkScreenServices& services = GetTalkScreenServices();
    Tw::TextRenderer* renderer = services.GetTextRenderer();
    if (services.IsGameBusy() || !m_bCaptionDisplayed || renderer == nullptr)
        return;
    renderer->SetClipRect(CAPTION_LEFT, CAPTION_TOP, CAPTION_RIGHT, CAPTION_BOTTOM);
    if (renderer->GenerateSubstrings(m_sCaption, nullptr) <= 1)
        m_oCaption.Render();
    else
        m_oCaptionBig.Render();
    renderer->BeginPrint();
    renderer->Print(m_sCaption, CAPTION_X, CAPTION_TOP, WHITE, CAPTION_PRINT_FLAGS);
    renderer->EndPrint();
}

void DialogInterface::SetCaptionDisplayed(const char* sCaption)
{
    if (sCaption == nullptr) {
        m_bCaptionDisplayed = 0;
        return;
    }
    ENGINE_ASSERT(sCaption==NULL || strlen(sCaption)< NB_CHAR_MAX);
    const size_t length = Utf8FittingLength(sCaption, NB_CHAR_MAX - 1);
    std::memcpy(m_sCaption, sCaption, length);
    m_sCaption[length] = '\0';
    m_bCaptionDisplayed = 1;
    if (Tw::TextRenderer* renderer = GetTalkScreenServices().GetTextRenderer())
        renderer->SetClipRect(0, 0, VIRTUAL_SCREEN_WIDTH, VIRTUAL_SCREEN_HEIGHT);
}
