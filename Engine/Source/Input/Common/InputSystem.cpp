#include "Input/Common/InputSystem.h"

#include "Error/EngineAssert.h"
#include "Input/Common/DefaultInputTriggers.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"

#include <cstddef>

InputSystem* InputSystem::m_pSingleton = nullptr;

namespace {

// Record numbers of the default triggers, in registration order.
constexpr int QUIT_RECORD = 23;
constexpr int OPEN_MENU_RECORD = 22;
constexpr int RESERVED_47_RECORD = 52;
constexpr int RECORDS_A[] = {6,  7, 8,  15, 16, 0,  3,  1,  17, 18, 19, 20, 21, 24,
                             25, 9, 10, 11, 12, 26, 27, 28, 13, 14, 4,  5,  2};
constexpr int RECORDS_B[] = {29, 30, 31, 32, 39, 40, 41, 42, 43, 44, 45, 46, 47, 33, 34, 35, 36, 37, 38, 48, 49, 50};

// The events switched with the mini-games, in the order they are switched.
constexpr uint16_t GAME_EVENTS[] = {
    InputEventId_GameSkip,
    InputEventId_GameSecondaryPressed,
    InputEventId_GamePointerPressed,
    InputEventId_GamePointerHeld,
    InputEventId_GamePointerReleased,
    InputEventId_GameCtrlPressed,
    InputEventId_GameCtrlHeld,
    InputEventId_GameCtrlReleased,
    InputEventId_GameAltPressed,
    InputEventId_GameAltHeld,
    InputEventId_GameAltReleased,
    InputEventId_GamePointerUp,
    InputEventId_GamePointerDown,
    InputEventId_GameReserved40,
    InputEventId_GameReserved41,
    InputEventId_GamePause,
    InputEventId_GameRightHeld,
    InputEventId_GameLeftHeld,
    InputEventId_GameUpHeld,
    InputEventId_GameDownHeld,
    InputEventId_GameRightPressed,
    InputEventId_GameLeftPressed,
    InputEventId_GameAxisX,
    InputEventId_GameConfirm,
    InputEventId_GameReserved55,
    InputEventId_GameAction1,
    InputEventId_GameAction2,
};

void Register(int record)
{
    InputEventHandler::m_pSingleton->RegisterEventTrigger(&g_aoDefaultInputTriggers[record]);
}

} // namespace

void InputSystem::CreateSingleton()
{
    ENGINE_ASSERT(m_pSingleton == NULL);
    if (!m_pSingleton)
        m_pSingleton = new InputSystem;
}

InputSystem* InputSystem::GetInstance()
{
    ENGINE_ASSERT(m_pSingleton != NULL);
    return m_pSingleton;
}

void InputSystem::DestroySingleton()
{
    ENGINE_ASSERT(m_pSingleton != NULL);
    delete m_pSingleton;
    m_pSingleton = nullptr;
}

void InputSystem::Init()
{
    m_bInputEnabled = 0;
    InputEventHandler::CreateSingleton();
    Register(QUIT_RECORD);
    Register(OPEN_MENU_RECORD);
    RegisterTriggersA();
    RegisterTriggersB();
    Register(RESERVED_47_RECORD);
    EnableGameEvents(false);
    InputEventHandler::m_pSingleton->EnableEventTrigger(InputEventId_Reserved47, false);
    m_bInputEnabled = 0;
}

void InputSystem::EnableGameEvents(bool enable)
{
    InputEventHandler* handler = InputEventHandler::m_pSingleton;
    if (!handler)
        return;
    for (uint16_t eventId : GAME_EVENTS)
        handler->EnableEventTrigger(eventId, enable);
}

void InputSystem::RegisterTriggersA()
{
    for (int record : RECORDS_A)
        Register(record);
}

void InputSystem::RegisterTriggersB()
{
    for (int record : RECORDS_B)
        Register(record);
}
