#include "MiniGame/Common/MGMessageBox.h"

#include "Common/GameLink.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "MiniGame/Common/MGControlsDisplayer.h"

#include <initializer_list>

namespace {

bool IsActive(uint16_t eventId, uint32_t* pValue = nullptr)
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    return pHandler != nullptr && pHandler->IsEventActive(eventId, pValue, nullptr);
}

// A pointer value of 4096ths of the picture in virtual-screen units.
void ToScreen(uint32_t value, fx32& x, fx32& y)
{
    x = InputPointerX(value) << 8;
    y = InputPointerY(value) * 192;
}

} // namespace

bool MGMessageBox::ReadPointer(fx32& x, fx32& y) const
{
    uint32_t value = 0;
    if (!IsActive(InputEventId_GamePointerUp, &value) && !IsActive(InputEventId_GamePointerDown, &value))
        return false;
    ToScreen(value, x, y);
    return true;
}

void MGMessageBox::UpdateKeys()
{
    if (IsActive(InputEventId_GameUpHeld)) {
        if (!m_bUpLatch)
            ScrollUp();
        m_bUpLatch = true;
    } else {
        m_bUpLatch = false;
    }
    if (IsActive(InputEventId_GameDownHeld)) {
        if (!m_bDownLatch)
            ScrollDown();
        m_bDownLatch = true;
    } else {
        m_bDownLatch = false;
    }
}

void MGMessageBox::OnPointer(fx32 x, fx32 y)
{
    if (m_oPointer.IsInitialized()) {
        m_oPointer.SetPosition(x, y, m_oPointer.GetPosition().z);
        m_oPointer.SetVisible(true);
    }
    for (MGSprite* pArrow : {&m_oUpArrow, &m_oDownArrow}) {
        if (!pArrow->IsInitialized())
            continue;
        const fx32 scale = pArrow->IsPointInside(x, y) ? HOVER_SCALE : FX32_ONE;
        pArrow->SetScale({scale, scale});
        pArrow->SetPivotCentered();
    }
    for (Button& button : m_aoButtons)
        button.m_bHovered = button.m_oRect.IsPointInside(x, y);
}

void MGMessageBox::OnClick(fx32 x, fx32 y)
{
    if (m_oClickArea.IsPointInside(x, y)) {
        ScrollDown();
    } else if (m_oDownArrow.IsInitialized() && m_oDownArrow.IsPointInside(x, y)) {
        ScrollDown();
    } else if (m_oUpArrow.IsInitialized() && m_oUpArrow.IsPointInside(x, y)) {
        ScrollUp();
    } else if (m_bLastPage) {
        if (m_aoButtons[0].m_oRect.IsPointInside(x, y)) {
            m_iResult = RESULT_FIRST;
            m_aoButtons[0].m_bHovered = true;
        } else if (!m_bSecondHeldBack && m_aoButtons[1].m_oRect.IsPointInside(x, y)) {
            m_iResult = RESULT_SECOND;
        }
    }
}

bool MGMessageBox::Update(uint32_t dtMs)
{
    ENGINE_ASSERT(m_sTextDisplayed != NULL && m_bShown);
    if (m_bDone)
        return true;
    if (m_sTextDisplayed == nullptr || !m_bShown)
        return false;
    const int32_t iPreviousFirstLine = m_iFirstLine;
    UpdateKeys();
    fx32 x = 0;
    fx32 y = 0;
    if (ReadPointer(x, y))
        OnPointer(x, y);
    uint32_t value = 0;
    if (IsActive(InputEventId_GameConfirm) && m_oPointer.IsInitialized()) {
        OnClick(m_oPointer.GetPosition().x, m_oPointer.GetPosition().y);
    } else if (IsActive(InputEventId_GamePointerReleased, &value)) {
        ToScreen(value, x, y);
        OnClick(x, y);
    }
    // A recorded play-through closes every box with its second result.
    if (GetGameLink().IsAutoTest())
        m_iResult = RESULT_SECOND;
    if (m_iResult != RESULT_NONE) {
        m_bDone = true;
        if (m_oPointer.IsInitialized())
            m_oPointer.SetVisible(false);
    }
    UpdateScrollButtons();
    if (m_pControlsDisplayer != nullptr && m_iFirstLine >= m_iControlsLine) {
        if (iPreviousFirstLine < m_iControlsLine)
            m_pControlsDisplayer->Reset();
        m_pControlsDisplayer->Update(dtMs);
    }
    return false;
}
