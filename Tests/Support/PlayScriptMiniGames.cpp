// The mini-games as a player plays them: with the pointer on the game's own
// pictures, as long as the game runs.
#include "Support/PlayScript.h"

#include "MiniGame/Common/MGSprite.h"
#include "MiniGame/Common/MiniGame.h"
#include "MiniGame/Common/MiniGameBirdsAttack.h"
#include "MiniGame/Common/MiniGameChase.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"
#include "MiniGame/Common/MiniGameTheLostKey.h"
#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"
#include "Support/ChaseAutopilot.h"
#include "Support/PlayLimits.h"
#include "Support/ScreenPlaces.h"
#include "Support/TurtleDoorPlanner.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

namespace TestSupport {
namespace {

// The slot machine's luck in every play.
constexpr uint64_t SLOT_MACHINE_SEED = 3;

// The key rack's draw in every play.
constexpr uint64_t LOST_KEY_SEED = 5;
// The chase runs about a minute, its hits' pauses on top.
constexpr int32_t CHASE_LIMIT = 2 * WAIT_LIMIT;
// Points across a picture, each way, where a covered middle looks for a free
// one.
constexpr int32_t PICTURE_GRID = 8;

bool WaitsForKey(const MiniGameTheLostKey::Lock& lock)
{
    return lock.m_iKeyhole != MiniGameTheLostKey::NO_DESIGN && !lock.m_bTurning;
}

// The lock of the key rack's door that waits for its key, else none.
int32_t WaitingLock(const MiniGameTheLostKey& game)
{
    for (int32_t plate = 0; plate < MiniGameTheLostKey::PLATE_COUNT; ++plate)
        if (WaitsForKey(game.GetLock(plate)))
            return plate;
    return -1;
}

// A point of the picture where the game, testing the others first, finds
// only it: its middle when free, else the free point of a grid over it
// nearest the middle. A player sees where pictures overlap.
Place PlaceOnlyOn(const MGSprite& picture, const std::vector<const MGSprite*>& testedFirst)
{
    const Place middle = MiniGameSpritePlace(picture);
    if (!middle.Found())
        return middle;
    CoreFxVec2 size;
    picture.GetScaledSize(size);
    const fx32 left = picture.GetPosition().x - picture.GetPivot().x;
    const fx32 top = picture.GetPosition().y - picture.GetPivot().y;
    std::optional<ScreenPoint> nearest;
    int64_t nearestDistance = 0;
    for (int32_t column = 1; column < PICTURE_GRID; ++column) {
        for (int32_t row = 1; row < PICTURE_GRID; ++row) {
            const ScreenPoint point = {left + size.x / PICTURE_GRID * column, top + size.y / PICTURE_GRID * row};
            const auto covers = [point](const MGSprite* other) { return other->IsPointInside(point.x, point.y); };
            if (std::any_of(testedFirst.begin(), testedFirst.end(), covers))
                continue;
            const int64_t dx = point.x - middle.point.x;
            const int64_t dy = point.y - middle.point.y;
            const int64_t distance = dx * dx + dy * dy;
            if (!nearest || distance < nearestDistance) {
                nearest = point;
                nearestDistance = distance;
            }
        }
    }
    if (!nearest)
        return Place::Nowhere("the picture is covered by others");
    return {*nearest, {}};
}

// The key of the slot where the game, testing the slots in order, picks it.
Place KeyPlace(const MiniGameTheLostKey& game, int32_t slot)
{
    std::vector<const MGSprite*> testedFirst;
    for (int32_t earlier = 0; earlier < slot; ++earlier)
        if (game.GetSlotDesign(earlier) != MiniGameTheLostKey::NO_DESIGN)
            testedFirst.push_back(&game.GetKey(game.GetSlotDesign(earlier)));
    return PlaceOnlyOn(game.GetKey(game.GetSlotDesign(slot)), testedFirst);
}

// The lock where the game, testing the waiting locks in order, drops the
// carried key into it.
Place LockPlace(const MiniGameTheLostKey& game, int32_t plate)
{
    std::vector<const MGSprite*> testedFirst;
    for (int32_t earlier = 0; earlier < plate; ++earlier)
        if (WaitsForKey(game.GetLock(earlier)))
            testedFirst.push_back(&game.GetLock(earlier).m_oPlate);
    return PlaceOnlyOn(game.GetLock(plate).m_oPlate, testedFirst);
}

// The hook of the key that fits the keyhole, else none.
int32_t SlotOfKey(const MiniGameTheLostKey& game, int32_t keyhole)
{
    for (int32_t slot = 0; slot < MiniGameTheLostKey::SLOT_COUNT; ++slot)
        if (game.GetSlotDesign(slot) == keyhole)
            return slot;
    return -1;
}

// Something falls onto the plank, or the bird on its pass will drop it
// there: a player sees the bird and keeps off the plank under its way.
bool IsThreatened(MiniGameBirdsAttack& game, int32_t plank)
{
    if (plank < 0 || plank > MiniGameBirdsAttack::LAST_PLATFORM)
        return false;
    using State = MiniGameBirdsAttack::DropState;
    return game.GetDropping(plank).m_eState == State::Falling || game.GetStone(plank).m_eState == State::Falling ||
           game.GetBird().m_iDropSlot == plank;
}

// The key a player presses now on the bridge, else none: a broken plank
// ahead is mended, a threatened one waited for, and a threatened plank
// under her left for the one ahead, or the one behind.
SDL_Scancode NextKeyOnTheBridge(MiniGameBirdsAttack& game)
{
    using Kind = MiniGameBirdsAttack::PlatformKind;
    const int32_t here = game.GetHeroine().m_iPlatform;
    const Kind ahead = game.GetPlatform(here + 1).m_eKind;
    const bool brokenAhead = ahead == Kind::Breaking || ahead == Kind::Broken;
    const bool canStepBack = here > 0 && !IsThreatened(game, here - 1);
    if (IsThreatened(game, here)) {
        if (!brokenAhead && !IsThreatened(game, here + 1))
            return SDL_SCANCODE_RIGHT;
        return canStepBack ? SDL_SCANCODE_LEFT : SDL_SCANCODE_UNKNOWN;
    }
    if (brokenAhead)
        return SDL_SCANCODE_LCTRL;
    return IsThreatened(game, here + 1) ? SDL_SCANCODE_UNKNOWN : SDL_SCANCODE_RIGHT;
}

// The turtle where the game, testing the smaller ones first, picks it.
Place TurtlePlace(const MiniGameTurtleDoorPuzzle& game, int32_t turtle)
{
    std::vector<const MGSprite*> testedFirst;
    for (int32_t smaller = MiniGameTurtleDoorPuzzle::Turtle_Small; smaller < turtle; ++smaller)
        if (game.GetTurtle(smaller).IsInitialized())
            testedFirst.push_back(&game.GetTurtle(smaller));
    return PlaceOnlyOn(game.GetTurtle(turtle), testedFirst);
}

// The middle of the post's drop zone, where a carried turtle is let go.
ScreenPoint PostPoint(int32_t post)
{
    const MGRectangle& zone = MiniGameTurtleDoorPuzzle::GetDropZone(post);
    return {zone.m_fxX + zone.m_fxWidth / 2, zone.m_fxY + zone.m_fxHeight / 2};
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
    Add(
        "seed the key rack's draw",
        [this]() {
            auto* game = dynamic_cast<MiniGameTheLostKey*>(PlayedMiniGame());
            if (!game)
                return Progress::Pending;
            game->SeedRandom(LOST_KEY_SEED);
            return Progress::Done;
        },
        WAIT_LIMIT);
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
                // Held still over the lock for a frame, where the key follows
                // the pointer, then let go.
                if (carrying->framesLeft == 0) {
                    m_oInput.Release(SDL_BUTTON_LEFT);
                    carrying->plate = -1;
                    carrying->lastDrop = m_iFrame;
                    return Progress::Pending;
                }
                const Place lock = LockPlace(*game, carrying->plate);
                if (!lock.Found())
                    Fail("lock " + std::to_string(carrying->plate) + ": " + lock.missing);
                else
                    StepTowards(PixelOf(lock.point, m_iWidth, m_iHeight), carrying->framesLeft);
                return Progress::Pending;
            }
            const int32_t plate = WaitingLock(*game);
            if (plate < 0 || m_iFrame - carrying->lastDrop < READING_PAUSE)
                return Progress::Pending;
            // The key that fits the keyhole, taken from its hook.
            const int32_t slot = SlotOfKey(*game, game->GetLock(plate).m_iKeyhole);
            if (slot < 0) {
                Fail("no key fits lock " + std::to_string(plate));
                return Progress::Done;
            }
            if (MoveOnto(KeyPlace(*game, slot), "the key of lock " + std::to_string(plate))) {
                m_oInput.Press(SDL_BUTTON_LEFT);
                carrying->plate = plate;
                carrying->framesLeft = CARRY_FRAMES;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
    TakeTheResult([carrying]() { return carrying->won; });
}

void PlayScript::PlayBirdsAttack()
{
    ChooseInMiniGameBox(0);
    auto won = std::make_shared<bool>(false);
    // The last press of the action key: the mend's count it made, on the
    // broken plank ahead of her.
    struct Mending {
        int32_t screen = -1;
        int32_t plank = -1;
        int32_t count = 0;
    };
    auto mending = std::make_shared<Mending>();
    Add(
        "cross the bridge plank by plank, mending the broken ones, until the game ends",
        [this, won, mending]() {
            auto* game = dynamic_cast<MiniGameBirdsAttack*>(PlayedMiniGame());
            if (!game) {
                Fail("no birds attack runs");
                return Progress::Done;
            }
            if (game->GetState() == MiniGame::STATE_END_BOX) {
                *won = game->IsWon();
                Note(std::string(*won ? "won" : "lost") + " on screen " + std::to_string(game->GetScreen()));
                return Progress::Done;
            }
            MiniGameBirdsAttack::Heroine& heroine = game->GetHeroine();
            const bool ready = game->GetState() == MiniGame::STATE_PLAYING && heroine.m_fxActionTimer == 0 &&
                               game->GetScreenChangeTimer() == 0 && m_eKeyToRelease == SDL_SCANCODE_UNKNOWN;
            if (!ready || heroine.m_iPlatform >= heroine.m_iLastPlatform)
                return Progress::Pending;
            // The press that completed a mend was read, unless a drop hit her
            // meanwhile: the plank must lie there now.
            const int32_t ahead = heroine.m_iPlatform + 1;
            if (mending->count >= MiniGameBirdsAttack::MENDING_PRESSES &&
                heroine.m_eState == MiniGameBirdsAttack::HeroineState::Mending &&
                game->GetPlatform(mending->plank).m_eKind != MiniGameBirdsAttack::PlatformKind::Intact) {
                Fail("the plank " + std::to_string(mending->plank) + " mended on screen " +
                     std::to_string(mending->screen) + " is not laid");
                return Progress::Done;
            }
            *mending = {};
            const SDL_Scancode key = NextKeyOnTheBridge(*game);
            if (key == SDL_SCANCODE_LCTRL) {
                const bool going = heroine.m_eState == MiniGameBirdsAttack::HeroineState::Mending;
                *mending = {game->GetScreen(), ahead, going ? heroine.m_iMendCount + 1 : 1};
            }
            if (key != SDL_SCANCODE_UNKNOWN) {
                m_oInput.Key(key, true);
                m_eKeyToRelease = key;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
    TakeTheResult([won]() { return *won; });
}

void PlayScript::PlayChase()
{
    ChooseInMiniGameBox(0);
    struct Running {
        bool won = false;
        ChaseKeys held;
    };
    auto running = std::make_shared<Running>();
    Add(
        "hold the arrow keys round the obstacles until the run ends",
        [this, running]() {
            auto* chase = dynamic_cast<MiniGameChase*>(PlayedMiniGame());
            if (!chase) {
                Fail("no chase runs");
                return Progress::Done;
            }
            const bool steering =
                chase->GetState() == MiniGame::STATE_PLAYING && chase->GetPhase() == MiniGameChase::PHASE_RUNNING;
            const ChaseKeys keys = steering ? SteerChase(*chase) : ChaseKeys {};
            if (keys.right != running->held.right)
                m_oInput.Key(SDL_SCANCODE_RIGHT, keys.right);
            if (keys.left != running->held.left)
                m_oInput.Key(SDL_SCANCODE_LEFT, keys.left);
            running->held = keys;
            if (chase->GetState() != MiniGame::STATE_END_BOX)
                return Progress::Pending;
            running->won = chase->IsWon();
            std::ostringstream result;
            result << (running->won ? "won" : "lost") << " with " << int(chase->GetMeter().GetValue()) << " lives left";
            Note(result.str());
            return Progress::Done;
        },
        CHASE_LIMIT);
    TakeTheResult([running]() { return running->won; });
}

void PlayScript::PlayTurtleDoorPuzzle()
{
    ChooseInMiniGameBox(0);
    struct Stacking {
        bool won = false;
        // The post the held turtle is carried to, else none.
        int32_t post = -1;
        int32_t framesLeft = 0;
        int32_t lastDrop = -READING_PAUSE;
    };
    auto stacking = std::make_shared<Stacking>();
    Add(
        "stack the turtles on the posts in the carving's order until the game ends",
        [this, stacking]() {
            auto* game = dynamic_cast<MiniGameTurtleDoorPuzzle*>(PlayedMiniGame());
            if (!game) {
                Fail("no turtle door puzzle runs");
                return Progress::Done;
            }
            if (game->GetState() == MiniGame::STATE_END_BOX) {
                stacking->won = game->IsWon();
                Note(std::string(stacking->won ? "won" : "lost") + " with " + std::to_string(game->GetProgress()) +
                     " posts lit");
                return Progress::Done;
            }
            if (game->GetState() != MiniGame::STATE_PLAYING)
                return Progress::Pending;
            if (stacking->post >= 0) {
                // Held still over the post for a frame, where the turtle
                // follows the pointer, then let go.
                if (stacking->framesLeft == 0) {
                    m_oInput.Release(SDL_BUTTON_LEFT);
                    stacking->post = -1;
                    stacking->lastDrop = m_iFrame;
                    return Progress::Pending;
                }
                StepTowards(PixelOf(PostPoint(stacking->post), m_iWidth, m_iHeight), stacking->framesLeft);
                return Progress::Pending;
            }
            const int32_t post = MiniGameTurtleDoorPuzzle::GetCompletionZone(game->GetProgress());
            if (post < 0 || m_iFrame - stacking->lastDrop < READING_PAUSE)
                return Progress::Pending;
            const TurtleMove move = NextTurtleMove(*game, post);
            if (!move.Found()) {
                Fail("no move stacks the turtles on post " + std::to_string(post));
                return Progress::Done;
            }
            if (MoveOnto(TurtlePlace(*game, move.turtle), "turtle " + std::to_string(move.turtle))) {
                m_oInput.Press(SDL_BUTTON_LEFT);
                stacking->post = move.post;
                stacking->framesLeft = CARRY_FRAMES;
            }
            return Progress::Pending;
        },
        WAIT_LIMIT);
    TakeTheResult([stacking]() { return stacking->won; });
}

} // namespace TestSupport
