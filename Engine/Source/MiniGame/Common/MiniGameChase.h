#pragma once
#include "MiniGame/Common/MGRectangle.h"
#include "MiniGame/Common/MGSprite.h"
#include "MiniGame/Common/MiniGame.h"
#include "MiniGame/Common/MiniGameRace.h"
#include "MiniGame/Common/SpritePool.h"
#include "Random/RandomGenerator.h"
#include "Resource/CoreResource.h"

#include <cstdint>
#include <memory>

// The chase: the heroine runs up a street that scrolls down past her, and the
// player steers her left and right around the obstacles of the race while a
// cursor at the top of the screen, the pursued character, wanders from side
// to side. Reaching the end of the 5000-unit track wins; three hits lose.
// The obstacle kinds' collision boxes come from the collisions file.
class MiniGameChase final : public MiniGame {
public:
    enum Phase : int32_t {
        PHASE_STARTING = 0,
        PHASE_RUNNING = 1,
        PHASE_HIT = 2,
        PHASE_FINISHING = 3,
    };
    static constexpr int32_t ID = 5;
    static constexpr const char* PACK_NAME = "MG_TheChase";
    static constexpr const char* COLLISIONS_FILE = "minigame/MG_TheChase.col";
    static constexpr const char* RACE_FILE = "minigame/MG_TheChase.race";
    static constexpr uint32_t TEXT_NAME = 0xB1360698;
    static constexpr uint32_t TEXT_INSTRUCTIONS = 0x29FA2CDB;
    static constexpr int32_t MUSIC = 0x47E6E6F9;
    static constexpr int32_t SOUND_HIT = 0x57E8F0DF;
    // The docks, where the adventure goes on after the chase.
    static constexpr int32_t RESUME_SCENE = 13;

    // Sprite ids.
    static constexpr int32_t ID_LEFT_WALL = 2;
    static constexpr int32_t ID_RIGHT_WALL = 3;
    static constexpr int32_t ID_FIRST_OBSTACLE = 4;
    static constexpr int32_t ID_PLAYER_RUN = 29;
    static constexpr int32_t ID_IMPACT = 33;
    static constexpr int32_t ID_CURSOR = 34;
    static constexpr int32_t ID_LIFE = 35;
    static constexpr int32_t ID_LIFE_LOST = 36;

    // Obstacle kind k draws sprite id 4 + k, and ids 4 to 28 are the
    // obstacles: at most 25 kinds.
    static constexpr int32_t OBSTACLE_KIND_MAX = 25;
    static constexpr uint32_t COLLISION_RECORD_SIZE = 20;

    static constexpr fx32 TRACK_LENGTH = 0x1388000;
    static constexpr fx32 PLAYER_MIN_X = 42 * FX32_ONE;
    static constexpr fx32 PLAYER_MAX_X = 200 * FX32_ONE;
    static constexpr fx32 PLAYER_START_X = 128 * FX32_ONE;
    static constexpr fx32 PLAYER_START_Y = 150 * FX32_ONE;
    static constexpr fx32 SPRITE_DEPTH = -10 * FX32_ONE;
    static constexpr fx32 CURSOR_SPEED = 25 * FX32_ONE;
    static constexpr fx32 START_SPEED = 80 * FX32_ONE;
    static constexpr fx32 HIT_PAUSE = FX32_HALF;
    static constexpr fx32 INVULNERABILITY = 2 * FX32_ONE;
    static constexpr fx32 BLINK_SLICE = 1229;
    static constexpr fx32 RECOVERY_SPEED_FACTOR = 0xB33;
    static constexpr fx32 STARTING_TIME = FX32_ONE;
    static constexpr fx32 FINISH_WAIT = 0x2800;
    static constexpr fx32 SCREEN_HEIGHT = 192 * FX32_ONE;
    static constexpr fx32 SCREEN_WIDTH = 256 * FX32_ONE;
    static constexpr fx32 LEFT_WALL_X = static_cast<fx32>(0xFFFD5667);
    static constexpr fx32 RIGHT_WALL_X = 240 * FX32_ONE;
    static constexpr fx32 WALL_DEPTH = -511 * FX32_ONE;
    static constexpr uint32_t GROUND_COLOR = 0xCAB17BFF;

    MiniGameChase() = default;
    ~MiniGameChase() override;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // Reads the collisions file's bytes: the kind count, then one box per
    // record, stored at the record's kind. A file whose count is not 1..25
    // or whose size is not that of its records, or with a box field beyond
    // 4096 units either way, is refused with a log line naming it; a record
    // of a kind outside the count is not stored.
    bool InitializeCollisionsResource(const uint8_t* data, uint32_t size, const char* fileName);
    void FreeCollisionsResource();

    void PickCursorTarget();
    // Moves the cursor towards its target; true once it is there.
    bool UpdateCursor(uint32_t dtMs);
    // The sideways move of one frame: 150 units a second for each arrow
    // held, and the axis' deflection (20.12, negative to the right) of it,
    // each rounded towards zero.
    static fx32 SteerStep(bool bRight, bool bLeft, const int32_t* pAxis, uint32_t dtMs);
    void HandleInputs(uint32_t dtMs);
    void ClampPlayerPosition();
    // 2 when an obstacle on screen touches the player's box, else 0.
    int32_t CheckCollisions();
    fx32 GetRaceSpeed() const;
    void AdvanceRace(uint32_t dtMs, fx32 fxSpeed);
    void UpdateGame(uint32_t dtMs);

    int32_t GetPhase() const { return m_iPhase; }
    fx32 GetRaceDistance() const { return m_fxRaceDistance; }
    fx32 GetSpeed() const { return m_fxSpeed; }
    fx32 GetScrollOffset() const { return m_fxScrollOffset; }
    fx32 GetInvulnerabilityTimer() const { return m_fxInvulnerabilityTimer; }
    fx32 GetFinishTimer() const { return m_fxFinishTimer; }
    bool IsOffScreen() const { return m_bOffScreen; }
    fx32 GetCursorTarget() const { return m_fxCursorTarget; }
    fx32 GetCursorVelocity() const { return m_fxCursorVelocity; }
    int8_t GetCollisionObstacleCount() const { return m_iCollisionObstacleCount; }
    // The kind's collision box; null for a kind outside the count.
    const MGRectangle* GetCollisionBox(int32_t iKind) const;
    MGSprite& GetPlayer() { return m_oPlayer; }
    MGSprite& GetImpact() { return m_oImpact; }
    MGSprite& GetCursor() { return m_oCursor; }
    const MGMeter& GetMeter() const { return m_oMeter; }
    MiniGameRace& GetRace() { return m_oRace; }
    SpritePool& GetSpritePool() { return m_oSpritePool; }

private:
    void InitializeSpriteNames();
    bool InitializeCollisionsResource();
    bool InitializeObstacleSprites(int32_t iKindCount);
    void ShutdownObstacleSprites();
    bool InitializeWallTiles();
    void RenderWallTiles() const;
    void RenderGround() const;
    void SetPlayerX(fx32 x);
    void UpdateRunning(uint32_t dtMs, bool bCursorArrived);
    void UpdateHit(uint32_t dtMs, bool bCursorArrived);
    void UpdateFinishing(uint32_t dtMs);

    RandomGenerator m_oRandom;
    SpritePool m_oSpritePool;
    fx32 m_fxScrollOffset = 0;
    MGSprite m_oLeftWall;
    MGSprite m_oRightWall;
    MGSprite m_oPlayer;
    MGSprite m_oImpact;
    fx32 m_fxRaceDistance = 0;
    MGSprite m_oCursor;
    fx32 m_fxCursorVelocity = 0;
    fx32 m_fxCursorTarget = 0;
    CoreResource m_oRaceFile;
    MiniGameRace m_oRace;
    int32_t m_iPhase = PHASE_STARTING;
    fx32 m_fxStartingTimer = 0;
    fx32 m_fxInvulnerabilityTimer = 0;
    bool m_bOffScreen = false;
    fx32 m_fxFinishTimer = 0;
    fx32 m_fxHitTimer = 0;
    fx32 m_fxSpeed = START_SPEED;
    int8_t m_iCollisionObstacleCount = 0;
    CoreResource m_oCollisionsFile;
    std::unique_ptr<MGRectangle[]> m_pCollisionRects;
    // What Initialize got to, so that Shutdown after a failed start only
    // undoes what was made.
    bool m_bPoolReady = false;
    bool m_bRaceReady = false;
};
