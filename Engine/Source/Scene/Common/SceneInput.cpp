#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Input/InputPointer.h"
#include "Scene/Common/Scene.h"

namespace {

constexpr uint32_t NO_POINTER = 0xFFFFFFFFu;

} // namespace

void Scene::HandleInputs(uint32_t /*dtMs*/)
{
    const InputEventHandler* handler = InputEventHandler::m_pSingleton;
    if (!handler)
        return;
    if (handler->IsEventActive(InputEventId_PointerInside, nullptr, nullptr))
        m_oCursor.m_bShown = 1;
    if (handler->IsEventActive(InputEventId_PointerOutside, nullptr, nullptr))
        m_oCursor.m_bShown = 0;
    uint32_t pointer = NO_POINTER;
    if ((handler->IsEventActive(InputEventId_PointerHeld, &pointer, nullptr) ||
         handler->IsEventActive(InputEventId_PointerMoved, &pointer, nullptr)) &&
        pointer != NO_POINTER)
        m_oCursor.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer));
}
