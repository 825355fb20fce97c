// The mini-games as a player plays them: with the pointer on the game's own
// pictures, as long as the game runs.
#include "Support/PlayScript.h"

#include "MiniGame/Common/MiniGame.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"
#include "MiniGame/Common/MiniGameTheLostKey.h"
#include "Support/PlayLimits.h"

#include <memory>
#include <sstream>

namespace TestSupport {
namespace {

// The slot machine's luck in every play.
constexpr uint64_t SLOT_MACHINE_SEED = 3;

// The lock of the key rack's door that waits for its key, else none.
int32_t WaitingLock(const MiniGameTheLostKey& game)
{
    for (int32_t plate = 0; plate < MiniGameTheLostKey::PLATE_COUNT; ++plate) {
        const MiniGameTheLostKey::Lock& lock = game.GetLock(plate);
        if (lock.m_iKeyhole != MiniGameTheLostKey::NO_DESIGN && !lock.m_bTurning)
            return plate;
    }
    return -1;
}

} // namespace

void PlayScript::TakeTheResult(std::function<bool()> won)
{
    AddBoxChoice("quit the won game, or retry the lost one", [won]() { return won() ? 0 : 1; });
    AddBoxChoice("skip the retried game", [won]() -> std::optional<int32_t> {
        if (won())
            return std::nullopt;
        return 1;
    });
    WaitForMiniGameEnd();
}

void PlayScript::PlaySlotMachine()
{
    ChooseInMiniGameBox(0);
    struct Pulling {
        bool seeded = false;
        bool won = false;
        int32_t lastPull = -READING_PAUSE;
    };
    auto pulling = std::make_shared<Pulling>();
    Add(
        "pull the lever until the reels stop for good",
        [this, pulling]() {
            auto* machine = dynamic_cast<MiniGameSlotMachine*>(PlayedMiniGame());
            if (!machine) {
                Fail("no slot machine runs");
                return Progress::Done;
            }
            if (machine->GetState() == MiniGame::STATE_END_BOX) {
                pulling->won = machine->IsWon();
                std::ostringstream result;
                result << (pulling->won ? "won" : "lost") << ", the reels show";
                for (int32_t reel = 0; reel < MiniGameSlotMachine::REEL_COUNT; ++reel)
                    result << " " << machine->GetSymbol(reel);
                Note(result.str());
                return Progress::Done;
            }
            if (!pulling->seeded) {
                machine->SeedRandom(SLOT_MACHINE_SEED);
                pulling->seeded = true;
            }
            const MiniGameSlotMachine::Phase phase = machine->GetPhase();
            const bool ready =
                phase == MiniGameSlotMachine::Phase::FirstPull || phase == MiniGameSlotMachine::Phase::BetweenPulls;
            if (machine->GetState() != MiniGame::STATE_PLAYING || !ready ||
                m_iFrame - pulling->lastPull < READING_PAUSE)
                return Progress::Pending;
            if (MoveOnto(MiniGameSpritePlace(machine->GetLeverUp()), "the lever")) {
                ClickNow(SDL_BUTTON_LEFT, ClickStyle::Held);
                pulling->lastPull = m_iFrame;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
    TakeTheResult([pulling]() { return pulling->won; });
}

void PlayScript::PlayLostKey()
{
    ChooseInMiniGameBox(0);
    struct Carrying {
        bool won = false;
        // The lock the held key is carried to, else none.
        int32_t plate = -1;
        int32_t framesLeft = 0;
        int32_t lastDrop = -READING_PAUSE;
    };
    auto carrying = std::make_shared<Carrying>();
    Add(
        "carry the key of each keyhole into its lock until the game ends",
        [this, carrying]() {
            auto* game = dynamic_cast<MiniGameTheLostKey*>(PlayedMiniGame());
            if (!game) {
                Fail("no key rack runs");
                return Progress::Done;
            }
            if (game->GetState() == MiniGame::STATE_END_BOX) {
                carrying->won = game->IsWon();
                std::ostringstream result;
                result << (carrying->won ? "won" : "lost") << " at level " << game->GetLevel();
                Note(result.str());
                return Progress::Done;
            }
            if (game->GetState() != MiniGame::STATE_PLAYING || game->GetPhase() != MiniGameTheLostKey::Phase::Play)
                return Progress::Pending;
            if (carrying->plate >= 0) {
                const Place lock = MiniGameSpritePlace(game->GetLock(carrying->plate).m_oPlate);
                if (!lock.Found())
                    Fail("lock " + std::to_string(carrying->plate) + ": " + lock.missing);
                else if (StepTowards(PixelOf(lock.point, m_iWidth, m_iHeight), carrying->framesLeft)) {
                    m_oInput.Release(SDL_BUTTON_LEFT);
                    carrying->plate = -1;
                    carrying->lastDrop = m_iFrame;
                }
                return Progress::Pending;
            }
            const int32_t plate = WaitingLock(*game);
            if (plate < 0 || m_iFrame - carrying->lastDrop < READING_PAUSE)
                return Progress::Pending;
            // The key that fits the keyhole, taken from its hook.
            const int32_t keyhole = game->GetLock(plate).m_iKeyhole;
            if (MoveOnto(MiniGameSpritePlace(game->GetKey(keyhole)), "the key of lock " + std::to_string(plate))) {
                m_oInput.Press(SDL_BUTTON_LEFT);
                carrying->plate = plate;
                carrying->framesLeft = CARRY_FRAMES;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
    TakeTheResult([carrying]() { return carrying->won; });
}

} // namespace TestSupport
