// The talk screen's thinking mode: the propositions on offer, three a page,
// chosen with the pointer, the up and down events, or by auto-test playback.
#include "Dialogs/Common/DialogInterface.h"
#include "Dialogs/Common/DialogManager.h"
#include "Dialogs/Common/TalkScreenServices.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "ScriptEngine/common/EventDesc.h"
#include "Utils/Common/DkLocalizer.h"

#include <algorithm>

namespace {

constexpr fx32 U = FX32_ONE;
// Left of the rows, the arrows' hit areas: the up arrow's above the middle
// of the text area, the down arrow's below it.
constexpr fx32 ARROWS_RIGHT = 66 * U;
constexpr fx32 ARROWS_TOP = 144 * U;
constexpr fx32 ARROWS_MIDDLE = 164 * U;
const fx32 LIT_ARROW[3] = {215 * U, 175 * U, 40 * U};

void ColourArrow(InterfaceSprite& arrow, bool bLit)
{
    if (bLit)
        arrow.SetColour(LIT_ARROW[0], LIT_ARROW[1], LIT_ARROW[2]);
    else
        arrow.SetColour(255 * U, 255 * U, 255 * U);
}

} // namespace

void DialogInterface::BuildPropositionPage(bool bResetPage)
{
    m_iNbPropositions = 0;
    m_iLastSelected = -1;
    if (const DialogManager* manager = GetManager())
        manager->GetPropositions(m_iNbPropositions, m_auPropositionIds, m_abPropositionRead, m_iLastSelected);
    if (bResetPage && m_iLastSelected >= 0 && m_iLastSelected < m_iNbPropositions) {
        m_iFirst = m_iLastSelected / PAGE_ROWS * PAGE_ROWS;
        m_iHighlight = -1;
    }
    for (int32_t k = 0; k < PAGE_ROWS; ++k) {
        const int32_t i = m_iFirst + k;
        m_apRowTexts[k] = i < m_iNbPropositions ? g_oDkLocalizer.GetText(m_auPropositionIds[i]) : nullptr;
    }
    for (int32_t i = 0; i < m_iNbPropositions; ++i)
        if (m_auPropositionIds[i] == NEVER_READ_TEXT_ID)
            m_abPropositionRead[i] = 0;
    m_oArrowUp.m_bVisible = m_iFirst > 0 ? 1 : 0;
    m_oArrowDown.m_bVisible = m_iFirst + PAGE_ROWS < m_iNbPropositions ? 1 : 0;
}

int32_t DialogInterface::GetPageRows() const
{
    return std::clamp(m_iNbPropositions - m_iFirst, 0, PAGE_ROWS);
}

void DialogInterface::TurnPage(int32_t iFirst, int32_t iHighlight)
{
    m_iFirst = iFirst;
    m_iHighlight = iHighlight;
    BuildPropositionPage(false);
}

void DialogInterface::HandleInputsThinkingMode()
{
    const InputEventHandler* input = InputEventHandler::m_pSingleton;
    if (input == nullptr)
        return;
    const int32_t rows = GetPageRows();
    const bool bNextPage = m_iFirst + PAGE_ROWS < m_iNbPropositions;
    const bool bPreviousPage = m_iFirst >= PAGE_ROWS;

    if (input->IsEventActive(InputEventId_TalkUp, nullptr, nullptr)) {
        if (m_iHighlight == -1)
            m_iHighlight = rows - 1;
        else if (m_iHighlight >= 1)
            --m_iHighlight;
        else if (bPreviousPage)
            TurnPage(m_iFirst - PAGE_ROWS, PAGE_ROWS - 1);
    }
    if (input->IsEventActive(InputEventId_TalkDown, nullptr, nullptr)) {
        if (m_iHighlight == -1)
            m_iHighlight = 0;
        else if (m_iHighlight < rows - 1)
            ++m_iHighlight;
        else if (bNextPage)
            TurnPage(m_iFirst + PAGE_ROWS, 0);
    }

    uint32_t pointer = 0;
    const bool bPointer = input->IsEventActive(InputEventId_PointerMoved, &pointer, nullptr);
    const fx32 pointX = InputPointerVirtualX(pointer);
    const fx32 pointY = InputPointerVirtualY(pointer);
    bool bUpLit = false;
    bool bDownLit = false;
    if (bPointer && pointX < ARROWS_RIGHT) {
        bDownLit = pointY > ARROWS_MIDDLE;
        bUpLit = pointY > ARROWS_TOP && pointY < ARROWS_MIDDLE;
        if (bUpLit || bDownLit)
            m_iHighlight = -1;
    }
    ColourArrow(m_oArrowUp, bUpLit);
    ColourArrow(m_oArrowDown, bDownLit);

    uint32_t click = 0;
    if (input->IsEventActive(InputEventId_PointerReleased, &click, nullptr)) {
        const fx32 x = InputPointerVirtualX(click);
        const fx32 y = InputPointerVirtualY(click);
        if (x < ARROWS_RIGHT && y > ARROWS_MIDDLE && bNextPage) {
            TurnPage(m_iFirst + PAGE_ROWS, -1);
            return;
        }
        if (x < ARROWS_RIGHT && y > ARROWS_TOP && y < ARROWS_MIDDLE && bPreviousPage) {
            TurnPage(m_iFirst - PAGE_ROWS, -1);
            return;
        }
        int32_t row = GetRowAt(x, y);
        if (row == -1) {
            row = m_iHighlight;
            m_iHighlight = -1;
        }
        if (row != -1) {
            ChooseRow(row);
            return;
        }
    }

    m_iHover = bPointer ? GetRowAt(pointX, pointY) : -1;
    if (m_iHover != -1)
        m_iHighlight = -1;
}

void DialogInterface::HandleInputsThinkingMode_AutoTest()
{
    int32_t iChoice = m_iLastSelected + 1 < m_iNbPropositions ? m_iLastSelected + 1 : 0;
    TalkScreenServices& services = GetTalkScreenServices();
    const EventDesc* recorded = services.PeekAutoTestEvent();
    if (recorded != nullptr && recorded->m_eType == TwEventType_Dialog_AutoTest) {
        const EventDesc oEventDesc = *recorded;
        services.ConsumeAutoTestEvent();
        ENGINE_ASSERT(oEventDesc.m_iNbParameter == 1);
        ENGINE_ASSERT(oEventDesc.m_iParameterType[0] == ID_PARAMETER_TYPE_INT);
        for (int32_t i = 0; i < m_iNbPropositions; ++i)
            if (m_auPropositionIds[i] == static_cast<uint32_t>(oEventDesc.m_oParameter[0]))
                iChoice = i;
    }
    m_bRefresh = 1;
    if (DialogManager* manager = GetManager())
        manager->SelectProposition(iChoice);
    m_bSlidingIn = 0;
}

int32_t DialogInterface::GetRowAt(fx32 x, fx32 y) const
{
    const fx32 rowHeight = GetRowHeight();
    const int32_t rows = GetPageRows();
    if (rowHeight <= 0 || rows == 0 ||
        !(x > m_fxTextLeft && x < m_fxTextRight && y > m_fxTextTop && y < m_fxTextBottom))
        return -1;
    // Below the page's last row the box is empty: no choice is there.
    const int32_t row = (y - m_fxTextTop) / rowHeight;
    return row < rows ? row : -1;
}

void DialogInterface::ChooseRow(int32_t k)
{
    if (k == -1)
        return;
    m_iHover = -1;
    m_bRefresh = 1;
    if (DialogManager* manager = GetManager())
        manager->SelectProposition(m_iFirst + k);
    m_bSlidingIn = 0;
    PlacePortraitAtTarget();
}

void DialogInterface::SlidePropositions(uint32_t dt)
{
    if (!m_bRowsSliding)
        return;
    const auto seconds = static_cast<fx32>((static_cast<uint64_t>(dt) << FX32_SHIFT) / 1000);
    const fx32 step = CoreFx::Mul(ROW_SLIDE_SPEED, seconds);
    const int32_t rows = GetPageRows();
    for (int32_t k = 0; k < rows; ++k)
        m_afxRowX[k] = m_afxRowX[k] - step <= m_fxTextX ? m_fxTextX : m_afxRowX[k] - step;
    if (rows == 0 || m_afxRowX[rows - 1] == m_fxTextX)
        m_bRowsSliding = 0;
}

uint32_t DialogInterface::GetRowColour(int32_t k) const
{
    const int32_t i = m_iFirst + k;
    const bool bRead = i >= 0 && i < m_iNbPropositions && m_abPropositionRead[i] != 0;
    if (k == m_iHighlight || k == m_iHover)
        return bRead ? ROW_HIGHLIGHTED_READ : ROW_HIGHLIGHTED;
    return bRead ? ROW_READ : ROW_NORMAL;
}
