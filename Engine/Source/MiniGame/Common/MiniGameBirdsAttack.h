#pragma once
#include "MiniGame/Common/MiniGame.h"
#include "MiniGame/Common/MiniGameBirdsAttackData.h"
#include "Random/RandomGenerator.h"

#include <cstdint>

// The birds attack: the heroine crosses a rope bridge of eight screens of
// seven platforms each, one platform a key press, while a bird flies over
// from right to left and drops a dropping or a stone onto one of the middle
// planks. A falling drop that touches her costs a life, a stone breaks the
// intact plank it lands on, a broken plank ahead is mended with three presses
// of the action key, and stepping onto a broken plank is a fall that costs a
// life. The far end of the eighth screen wins; the third life lost loses.
class MiniGameBirdsAttack final : public MiniGame {
public:
    static constexpr int32_t ID = 6;
    static constexpr int32_t MG_BA_LEVEL_NB = BirdsAttackData::SCREEN_COUNT;
    static constexpr int32_t MG_BA_LEVEL_PLATFORM_NB = BirdsAttackData::PLATFORM_COUNT;
    static constexpr int32_t MG_BA_DROP_PLATFORM_MIN = 1;
    static constexpr int32_t MG_BA_DROP_PLATFORM_MAX = 5;
    static constexpr int32_t LAST_PLATFORM = MG_BA_LEVEL_PLATFORM_NB - 1;
    static constexpr int32_t MENDING_PRESSES = 3;
    static constexpr int32_t NO_SLOT = -1;

    static constexpr int32_t SCENE_ID = 41;
    static constexpr uint32_t TEXT_NAME = 0x80DE1C05;
    static constexpr uint32_t TEXT_INSTRUCTIONS = 0x3B4F8335;
    static constexpr int32_t MUSIC = 0x47E6E6F9;
    static constexpr int32_t SOUND_MEND = 0x5EF58A36;
    static constexpr int32_t SOUND_HIT = 0x0E1399B7;
    static constexpr int32_t SOUND_DROPPING_LANDS = 0x48CA4502;
    static constexpr int32_t SOUND_PLANK_BREAKS = 0x245154F4;
    static constexpr int32_t SOUND_CRY = 0x3A37E023;
    static constexpr int32_t SOUND_DROP = 0x70150522;

    static constexpr fx32 STEP_TIME = 0x266;
    static constexpr fx32 MEND_PRESS_TIME = 0x4CD;
    static constexpr fx32 HIT_TIME = 0x800;
    static constexpr fx32 SCREEN_CHANGE_TIME = 0x800;
    static constexpr fx32 LANDED_TIME = 0x5000;
    static constexpr fx32 FALL_SPEED = 0x64000;
    static constexpr fx32 BIRD_SPEED = 0x96000;
    static constexpr fx32 FALL_DEPTH = 0x1E000;
    static constexpr fx32 BIRD_Y = 0x1B333;
    static constexpr fx32 BIRD_Z = -32 * FX32_ONE;
    static constexpr fx32 HEROINE_Z = -32 * FX32_ONE;
    static constexpr fx32 DROP_Z = -37 * FX32_ONE;
    static constexpr fx32 CARRIED_STONE_DX = 0x4CCD;
    static constexpr fx32 CARRIED_STONE_DY = 0x9333;
    static constexpr fx32 SCREEN_BOTTOM = 192 * FX32_ONE;
    static constexpr fx32 METER_X = 0x9666;
    static constexpr fx32 METER_Y = 0x97000;
    static constexpr fx32 METER_Z = -16 * FX32_ONE;

    enum class PlatformKind : int32_t {
        Start = 0,
        Border = 1,
        End = 2,
        Intact = 3,
        Breaking = 4,
        Broken = 5,
    };
    enum class HeroineState : int32_t {
        Idle = 0,
        Mending = 1,
        Stepped = 2,
        Hit = 3,
    };
    enum class DropKind : int32_t {
        None = 0,
        Dropping = 1,
        Stone = 2,
    };
    // A dropping or stone: waiting, falling (it can hit), falling on past
    // its plank (a dropping over no intact plank), and after its plank: a
    // dropping lies there fading, a stone falls on through.
    enum class DropState : int32_t {
        Idle = 0,
        Falling = 1,
        FallingOn = 2,
        Landed = 3,
    };
    // Heroine frames.
    static constexpr int32_t FRAME_STANDING = 0;
    static constexpr int32_t FRAME_WALKING = 1;
    static constexpr int32_t FRAME_FALLING = 2;
    static constexpr int32_t FRAME_HIT = 3;
    static constexpr int32_t FRAME_MENDING = 4;
    static constexpr int32_t BREAKING_LAST_FRAME = 3;

    struct Platform {
        MGSprite m_oSprite;
        MGSprite m_oBreaking;
        PlatformKind m_eKind = PlatformKind::Start;
    };
    struct Heroine {
        MGSprite m_oSprite;
        fx32 m_fxActionTimer = 0;
        HeroineState m_eState = HeroineState::Idle;
        int32_t m_iReturnPlatform = 0;
        int32_t m_iPlatform = 0;
        int32_t m_iLastPlatform = LAST_PLATFORM;
        int32_t m_iMendCount = 0;
    };
    struct Bird {
        MGSprite m_oSprite;
        MGSprite m_oStone;
        fx32 m_fxLaunchTimer = 0;
        DropKind m_eDropKind = DropKind::None;
        int32_t m_iDropSlot = NO_SLOT;
    };
    struct Drop {
        MGSprite m_oSprite;
        DropState m_eState = DropState::Idle;
        fx32 m_fxTimer = 0;
    };

    MiniGameBirdsAttack() = default;
    ~MiniGameBirdsAttack() override = default;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // Sets up screen `iLevel` from its table row; a level outside the eight
    // screens is refused (false) and nothing changes.
    bool InitializeLevel(int32_t iLevel);
    // The sprite id that shows a platform of that kind at that index; -1
    // for a plank kind at either end, which has no plank picture.
    static int32_t PlatformSpriteId(PlatformKind eKind, int32_t iIdx);

    int32_t GetScreen() const { return m_iScreen; }
    int32_t GetNextScreen() const { return m_iNextScreen; }
    fx32 GetScreenChangeTimer() const { return m_fxScreenChangeTimer; }
    // The current screen's platform at the index (0..6, clamped).
    Platform& GetPlatform(int32_t iIdx);
    Heroine& GetHeroine() { return m_oHeroine; }
    Bird& GetBird() { return m_oBird; }
    Drop& GetDropping(int32_t iIdx);
    Drop& GetStone(int32_t iIdx);
    const MGMeter& GetMeter() const { return m_oMeter; }
    fx32 GetMargin() const { return m_fxMargin; }

private:
    void InitializeSpriteNames();
    bool InitializePlatformsResources();
    bool InitializeBirdResources();
    bool InitializeHeroine();
    void ResetBird();
    void ResetDropping(int32_t iIdx);
    void ResetStone(int32_t iIdx);
    void PlaceHeroine(int32_t iIdx);
    void HandleInput();
    void UpdatePlatforms(uint32_t dtMs);
    void UpdateBird(uint32_t dtMs);
    void UpdateDrops(uint32_t dtMs);
    void LaunchAndFly(uint32_t dtMs);
    void UpdateHeroine(uint32_t dtMs);
    // The end of the heroine's action: false when a screen change started
    // and nothing else may happen this frame.
    bool EndAction();
    bool IsTouchedByDrop() const;
    void RenderPlatforms();
    bool IsBreakingOrBroken(int32_t iIdx) const;

    Platform m_aoPlatforms[MG_BA_LEVEL_NB][MG_BA_LEVEL_PLATFORM_NB];
    Heroine m_oHeroine;
    Bird m_oBird;
    Drop m_aoDroppings[MG_BA_LEVEL_PLATFORM_NB];
    Drop m_aoStones[MG_BA_LEVEL_PLATFORM_NB];
    int32_t m_iScreen = 0;
    int32_t m_iNextScreen = 0;
    fx32 m_fxScreenChangeTimer = 0;
    MGSprite m_aoClouds[BirdsAttackData::CLOUD_COUNT];
    MGSprite m_aoRopes[2];
    MGSprite m_aoFogs[2];
    MGSprite m_oSky;
    fx32 m_fxMargin = 0;
    // The game's own generator, a copy of the global one taken at start-up.
    RandomGenerator m_oRandom;
};
