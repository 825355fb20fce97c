#include "MiniGame/Common/MiniGameFactory.h"

#include "MiniGame/Common/MiniGameChase.h"
#include "MiniGame/Common/MiniGameCredits.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"
#include "MiniGame/Common/MiniGameTheLostKey.h"
#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"
#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"
#include "MiniGame/Common/SplashScreenSequence.h"

std::unique_ptr<MiniGame> CreateMiniGame(int32_t iId, uint32_t uStartStep)
{
    switch (iId) {
    case MINIGAME_SPLASH: return std::make_unique<SplashScreenSequence>(static_cast<int32_t>(uStartStep));
    case MINIGAME_CREDITS: return std::make_unique<MiniGameCredits>();
    case MiniGameTurtleDoorPuzzle::ID: return std::make_unique<MiniGameTurtleDoorPuzzle>();
    case MiniGameSlotMachine::ID: return std::make_unique<MiniGameSlotMachine>();
    case MINIGAME_WOODEN_SWORD_DUEL: return std::make_unique<MiniGameWoodenSwordDuel>();
    case MiniGameChase::ID: return std::make_unique<MiniGameChase>();
    case MiniGameTheLostKey::ID: return std::make_unique<MiniGameTheLostKey>();
    default: return nullptr;
    }
}
