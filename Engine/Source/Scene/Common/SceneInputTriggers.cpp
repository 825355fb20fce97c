#include "Input/InputEventHandler.h"
#include "Scene/Common/Scene.h"

#include <initializer_list>
#include <iterator>

namespace {

// Every input event id a scene switches.
constexpr uint16_t SCENE_EVENT_COUNT = 86;

// The input events each input state listens to.
const std::initializer_list<uint16_t> STATE_EVENTS[] = {
    {},
    {0, 1, 3, 2, 4, 6, 14, 15, 16, 17, 18, 5},
    {2},
    {2, 3, 2, 37, 38},
    {2},
    {2, 1},
    {7, 8, 9, 6, 4, 0, 1, 3, 2, 14, 15, 16, 17, 18, 19, 20, 28, 29, 30, 31, 79, 80, 81, 82, 83},
    {12, 13, 72, 73, 76, 77, 78},
    {11, 10, 3, 79, 80, 81, 82},
    {0, 1, 3, 2, 4, 38, 21, 22, 23, 74, 76, 77, 78},
    {0, 3, 2, 72, 76},
};

// Home, the pointer entering and leaving the window and three events without
// binding listen in every state.
constexpr uint16_t ALWAYS_EVENTS[] = {27, 24, 25, 26, 32, 33};

} // namespace

void Scene::ApplyStateInputs()
{
    InputEventHandler* handler = InputEventHandler::m_pSingleton;
    if (!handler)
        return;
    for (uint16_t id = 0; id < SCENE_EVENT_COUNT; ++id)
        handler->EnableEventTrigger(id, false);
    if (m_iInputState >= 0 && m_iInputState < static_cast<int32_t>(std::size(STATE_EVENTS)))
        for (uint16_t id : STATE_EVENTS[m_iInputState])
            handler->EnableEventTrigger(id, true);
    for (uint16_t id : ALWAYS_EVENTS)
        handler->EnableEventTrigger(id, true);
}
