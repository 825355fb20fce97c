#include "Input/InputEventHandler.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"

#include <cstdint>
#include <iterator>

namespace {

// Ids up to this one are switched off before a state's row is applied.
constexpr uint16_t TRIGGER_COUNT = 86;

struct StateTriggers {
    const uint16_t* m_pIds;
    uint32_t m_uCount;
};

// The triggers each state listens to. Some ids have no binding on this
// platform and never fire; they stay for the code that binds them.
constexpr uint16_t IDLE[] = {0, 1, 3, 2, 4, 6, 14, 15, 16, 17, 18, 5};
constexpr uint16_t HELD[] = {2};
constexpr uint16_t FOLLOW[] = {2, 3, 2, 37, 38};
constexpr uint16_t HELD_RELEASED[] = {2, 1};
constexpr uint16_t MENU[] = {7, 8, 9, 6, 4, 0, 1, 3, 2, 14, 15, 16, 17, 18, 19, 20, 28, 29, 30, 31, 79, 80, 81, 82, 83};
constexpr uint16_t ITEM_DRAG[] = {12, 13, 72, 73, 76, 77, 78};
constexpr uint16_t POINTER_ONLY[] = {11, 10, 3, 79, 80, 81, 82};
constexpr uint16_t TALK[] = {0, 1, 3, 2, 4, 38, 21, 22, 23, 74, 76, 77, 78};
constexpr uint16_t PAD_POINTER[] = {0, 3, 2, 72, 76};
// Home, the reserved keys and the pointer entering and leaving the window.
constexpr uint16_t EVERY_STATE[] = {27, 24, 25, 26, 32, 33};

template <size_t N>
constexpr StateTriggers Row(const uint16_t (&ids)[N])
{
    return {ids, N};
}

constexpr StateTriggers STATE_TRIGGERS[] = {
    {nullptr, 0}, Row(IDLE),      Row(HELD),         Row(FOLLOW), Row(HELD),        Row(HELD_RELEASED),
    Row(MENU),    Row(ITEM_DRAG), Row(POINTER_ONLY), Row(TALK),   Row(PAD_POINTER),
};

} // namespace

void Scene::ApplyStateInputs() const
{
    InputEventHandler* handler = InputEventHandler::m_pSingleton;
    if (!handler)
        return;
    for (uint16_t id = 0; id < TRIGGER_COUNT; ++id)
        handler->EnableEventTrigger(id, false);
    if (m_iInputState >= 0 && m_iInputState < static_cast<int32_t>(std::size(STATE_TRIGGERS))) {
        const StateTriggers& row = STATE_TRIGGERS[m_iInputState];
        for (uint32_t i = 0; i < row.m_uCount; ++i)
            handler->EnableEventTrigger(row.m_pIds[i], true);
    }
    for (uint16_t id : EVERY_STATE)
        handler->EnableEventTrigger(id, true);
}

void Scene::EnterState(int32_t iState)
{
    if (iState == m_iInputState)
        return;
    GetSceneInputLink().HideCaption();
    m_iInputState = iState;
    ApplyStateInputs();
}

void Scene::EnterIdleState()
{
    if (m_iInputState == INPUT_STATE_IDLE)
        return;
    m_bVerbMenuOpen = 0;
    m_fHoldTime = 0;
    EnterState(INPUT_STATE_IDLE);
}
