#include "Interface/Common/MenuInput.h"

#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "Interface/Common/MenuTabSceneLink.h"

namespace MenuInput {

bool IsActive(uint16_t eventId)
{
    return InputEventActive(eventId);
}

bool PointerOf(uint16_t eventId, CoreFxVec2& point)
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    uint32_t value = 0;
    if (pHandler == nullptr || !pHandler->IsEventActive(eventId, &value, nullptr))
        return false;
    point = {InputPointerVirtualX(value), InputPointerVirtualY(value)};
    return true;
}

bool DirectionOf(uint16_t eventId, CoreFxVec2& direction)
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    uint32_t value = 0;
    if (pHandler == nullptr || !pHandler->IsEventActive(eventId, &value, nullptr))
        return false;
    direction = {InputPointerX(value), InputPointerY(value)};
    return true;
}

bool SelectPoint(uint16_t pressEventId, CoreFxVec2& point, bool& bFromCursor)
{
    bool bSelect = false;
    bFromCursor = false;
    if (IsActive(InputEventId_CursorSelect)) {
        point = GetMenuTabSceneLink().GetCursorPosition();
        bFromCursor = true;
        bSelect = true;
    }
    if (PointerOf(pressEventId, point)) {
        bFromCursor = false;
        bSelect = true;
    }
    return bSelect;
}

} // namespace MenuInput
