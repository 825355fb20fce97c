#include "Error/EngineAssert.h"
#include "Game/TwGame.h"
#include "Managers/Common/SoundManager.h"

namespace {

// The sound group that stays loaded for the whole run.
constexpr uint32_t COMMON_SOUND_GROUP = 0x65EC7051;

} // namespace

bool TwGame::InitializeSound()
{
    LogInfo(" - Initialize Sound system...\n");
    bool bResult = SoundManager::Initialize();
    if (!bResult) {
        ENGINE_ASSERT_MSG(bResult, "Initialize sound failed\n");
        return false;
    }
    bResult = SoundManager::LoadGroup(COMMON_SOUND_GROUP);
    ENGINE_ASSERT_MSG(bResult, "Loading COMMON sound group failed\n");
    LogStep("Sound done");
    return bResult;
}

void TwGame::ShutdownSound()
{
    LogInfo(" - Shutdown Sound...\n");
    SoundManager::Terminate();
    LogStep("Sound done");
}
