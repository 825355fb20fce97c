#include "Common/GameInterface.h"

#include "Common/GameInterfaceImpl.h"

GameInterface::~GameInterface() = default;

GameInterface* GameInterface::GetGameInterface()
{
    return &g_oGameInterface;
}
