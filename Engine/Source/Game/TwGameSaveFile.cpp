#include "Game/TwGame.h"

#include "CardMngr/CardManager.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureManager.h"

bool TwGame::InitializeCardManager()
{
    LogInfo(" - Initialize and test CARD Manager...\n");
    CardManager::CreateSingleton(SAVE_FILE_SIZE)->UpdateStatus();
    return true;
}

void TwGame::ShutdownCardManager()
{
    CardManager::DestroySingleton();
}

bool TwGame::InitializeAdventureManager()
{
    CorePrint(&g_oCoreLog, " - Initialize adventure manager...\n");
    AdventureManager* manager = AdventureManager::CreateSingleton();
    manager->Initialize();
    manager->DumpBackupLayout();
    LogStep("Adventure manager done");
    return true;
}

void TwGame::ShutdownAdventureManager()
{
    if (m_pAdventureManager)
        AdventureManager::DestroySingleton();
}
