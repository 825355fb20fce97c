// The singletons whose pointers the game object holds: the dialog manager,
// the adventure manager and the inventory script.
#include "Dialogs/Common/DialogManager.h"
#include "Error/EngineAssert.h"
#include "Game/TwGame.h"
#include "Managers/Common/AdventureManager.h"
#include "Scripts/Common/InventoryScript.h"

#include <utility>

DialogManager* DialogManager::CreateSingleton()
{
    ENGINE_ASSERT(g_oTwGame.m_pDialogManager==NULL);
    if (g_oTwGame.m_pDialogManager == nullptr)
        g_oTwGame.m_pDialogManager = new DialogManager();
    return g_oTwGame.m_pDialogManager;
}

void DialogManager::DestroySingleton()
{
    ENGINE_ASSERT(g_oTwGame.m_pDialogManager!=NULL);
    delete g_oTwGame.m_pDialogManager;
    g_oTwGame.m_pDialogManager = nullptr;
}

DialogManager* DialogManager::GetInstance()
{
    return g_oTwGame.m_pDialogManager;
}

AdventureManager* AdventureManager::CreateSingleton()
{
    ENGINE_ASSERT(g_oTwGame.m_pAdventureManager==NULL);
    if (!g_oTwGame.m_pAdventureManager)
        g_oTwGame.m_pAdventureManager = new AdventureManager();
    return g_oTwGame.m_pAdventureManager;
}

void AdventureManager::DestroySingleton()
{
    ENGINE_ASSERT(g_oTwGame.m_pAdventureManager!=NULL);
    delete g_oTwGame.m_pAdventureManager;
    g_oTwGame.m_pAdventureManager = nullptr;
}

AdventureManager* AdventureManager::GetInstance()
{
    return g_oTwGame.m_pAdventureManager;
}

void InventoryScript::CreateSingleton()
{
    ENGINE_ASSERT(g_oTwGame.m_pInventoryScript==NULL);
    if (g_oTwGame.m_pInventoryScript != nullptr)
        return;
    g_oTwGame.m_pInventoryScript = new InventoryScript();
}

void InventoryScript::DestroySingleton()
{
    ENGINE_ASSERT(g_oTwGame.m_pInventoryScript!=NULL);
    delete std::exchange(g_oTwGame.m_pInventoryScript, nullptr);
}

InventoryScript* InventoryScript::GetInstance()
{
    return g_oTwGame.m_pInventoryScript;
}
