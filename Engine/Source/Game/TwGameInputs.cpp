#include "Game/TwGame.h"

#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputSystem.h"
#include "Input/CoreInput.h"
#include "Input/InputEventHandler.h"

bool TwGame::InitializeInputs()
{
    LogInfo(" - Initialize Inputs...\n");
    InputSystem::CreateSingleton();
    InputSystem::GetInstance()->Init();
    InputSystem::GetInstance()->SetInputEnabled(true);
    LogStep("Inputs done");
    return true;
}

void TwGame::ShutdownInputs()
{
    LogInfo(" - Shutdown Inputs ...\n");
    if (InputSystem::m_pSingleton) {
        InputSystem::EnableGameEvents(false);
        InputEventHandler::m_pSingleton->EnableEventTrigger(InputEventId_Reserved47, false);
        InputSystem::m_pSingleton->SetInputEnabled(false);
        InputEventHandler::DestroySingleton();
    }
    // The devices are made with the core, before the input system, so a
    // start-up that failed in between still leaves them to close.
    if (Input::m_pSingleton) {
        Input::m_pSingleton->Shutdown();
        Input::DestroySingleton();
    }
    if (InputSystem::m_pSingleton)
        InputSystem::DestroySingleton();
    LogStep("Inputs done");
}
