#include "Common/IdInit.h"
#include "Game/TwGame.h"

// The id tables; the interface sprites that this step also loads come with
// the interface.
bool TwGame::InitializeIds()
{
    LogInfo(" - Initialize Ids...\n");
    Id::Init();
    LogStep("Ids done");
    return true;
}
