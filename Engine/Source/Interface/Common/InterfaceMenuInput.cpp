// The tab bar's input and the pad cursor's jumps between the menu's targets.
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Interface/Common/InterfaceMenu.h"

namespace {

// cos 45 degrees in 20.12: the cone a jump target must lie in.
constexpr fx32 CONE = 2896;
constexpr int32_t MAX_TAB_TARGETS = 64;

} // namespace

void InterfaceMenu::HandleTabInput()
{
    uint32_t pointer;
    if (InputEventActiveAt(InputEventId_MenuPointerPressed, pointer)) {
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        // The "off" buttons stand where the "on" ones do, shown or not.
        for (int32_t iTab = 0; iTab < NB_TABS; ++iTab) {
            if (m_aButtons[BUTTON_INVENTORY_OFF + iTab].HitTest(x, y, 0)) {
                SetCurrentTab(iTab);
                return;
            }
        }
        return;
    }
    if (InputEventActive(InputEventId_NextTab))
        SetCurrentTab(m_iCurrentTab >= TAB_OPTIONS ? TAB_INVENTORY : m_iCurrentTab + 1);
    else if (InputEventActive(InputEventId_PreviousTab))
        SetCurrentTab(m_iCurrentTab <= TAB_INVENTORY ? TAB_OPTIONS : m_iCurrentTab - 1);
}

CoreFxVec2 InterfaceMenu::FindNextCursorTarget(CoreFxVec2 c, CoreFxVec2 direction)
{
    CoreFxVec2 result = c;
    fx32 best = 0x7FFFFFFF;
    CoreFxVec d {direction.x, direction.y, 0};
    CoreFxVec::Normalize(d, d);
    const CoreFxVec from {c.x, c.y, 0};
    auto consider = [&](CoreFxVec2 p) {
        CoreFxVec to {p.x - c.x, p.y - c.y, 0};
        CoreFxVec::Normalize(to, to);
        const CoreFxVec point {p.x, p.y, 0};
        const fx32 distance = CoreFxVec::Distance(from, point);
        if (CoreFxVec::Dot(to, d) > CONE && distance < best) {
            best = distance;
            result = p;
        }
    };
    for (int32_t iEntry = 0; iEntry < NB_MENU_BUTTONS; ++iEntry) {
        const InterfaceButton& button = m_aButtons[iEntry];
        if (iEntry == BUTTON_QUEST_PORTRAIT_1 || iEntry == BUTTON_QUEST_PORTRAIT_2)
            continue;
        if (button.m_bVisible || iEntry < BUTTON_PREVIOUS_PAGE)
            consider(button.GetCenter());
    }
    if (m_pCurrentTab != nullptr) {
        CoreFxVec2 targets[MAX_TAB_TARGETS];
        const int32_t count = m_pCurrentTab->GetCursorTargets(targets, MAX_TAB_TARGETS);
        for (int32_t index = 0; index < count; ++index)
            consider(targets[index]);
    }
    return result;
}
