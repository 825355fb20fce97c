// The in-game menu's start-up and shutdown steps.
#include "Game/TwGame.h"
#include "Interface/Common/InterfaceButton.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/InterfaceMenuLinks.h"

bool TwGame::InitializeInGameMenu()
{
    InterfaceButton::FillDefinitionTable();
    InterfaceMenu::CreateSingleton();
    InstallInterfaceMenuLinks();
    return true;
}

void TwGame::ShutdownInGameMenu()
{
    if (InterfaceMenu::GetInstance() == nullptr)
        return;
    UninstallInterfaceMenuLinks();
    InterfaceMenu::DestroySingleton();
}
