#include "MiniGame/Common/MiniGameFactory.h"

#include "MiniGame/Common/MiniGameBirdsAttack.h"
#include "MiniGame/Common/MiniGameCredits.h"
#include "MiniGame/Common/SplashScreenSequence.h"

std::unique_ptr<MiniGame> CreateMiniGame(int32_t iId, uint32_t uStartStep)
{
    switch (iId) {
    case MINIGAME_SPLASH: return std::make_unique<SplashScreenSequence>(static_cast<int32_t>(uStartStep));
    case MINIGAME_CREDITS: return std::make_unique<MiniGameCredits>();
    case MiniGameBirdsAttack::ID: return std::make_unique<MiniGameBirdsAttack>();
    default: return nullptr;
    }
}
