#pragma once
#include "Maths/CoreFxVec.h"
#include "MiniGame/Common/MiniGame.h"

#include <cstdint>

constexpr int32_t MG_THELOSTKEY_LEVEL_COUNT = 3;

// The lost key: a door carries five lock plates, of which a level uses three,
// four or five, each showing a keyhole; ten keys hang in two rows below. The
// player drags the key that matches each keyhole onto its lock before the
// level's timer runs out; a wrong key costs one of three lives. Three levels
// in a row win the game, running out of time or of lives loses it.
class MiniGameTheLostKey final : public MiniGame {
public:
    static constexpr int32_t ID = 4;
    static constexpr int32_t PLATE_COUNT = 5;
    static constexpr int32_t SLOT_COUNT = 10;
    static constexpr int32_t DESIGN_COUNT = 20;
    static constexpr int32_t NO_DESIGN = -1;
    static constexpr int32_t NO_SLOT = -1;
    static constexpr int32_t TURNING_KEY_COUNT = 2;

    enum class Phase : int32_t {
        InstallLevel = 0,
        Play = 1,
        LevelDone = 2,
    };

    // The sounds and texts of the game.
    static constexpr int32_t MUSIC = 0x57DAFA87;
    static constexpr int32_t SOUND_KEY_FITS = 0x247083A4;
    static constexpr int32_t SOUND_WRONG_KEY = 0x27C59D1A;
    static constexpr uint32_t TEXT_NAME = 0x17410D2C;
    static constexpr uint32_t TEXT_INSTRUCTIONS = 0x91464BBE;

    // One lock plate of the door and the key turning in it.
    struct Lock {
        MGSprite m_oPlate;
        bool m_bTurning = false;
        int32_t m_iKeyhole = NO_DESIGN;
        MGSprite m_aoTurningKeys[TURNING_KEY_COUNT];
        fx32 m_fxTurnTimer = 0;
    };

    MiniGameTheLostKey() = default;
    ~MiniGameTheLostKey() override = default;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // Hangs the level's keys and picks the plates' keyholes. A level outside
    // 0..MG_THELOSTKEY_LEVEL_COUNT - 1 is refused (false) and nothing changes.
    bool InstallLevel(int32_t iLevel);
    void ClearLevel();
    // The pointer and arrow events of one frame of play.
    void HandleInput();
    // One frame of play in the playing state, by phase.
    void UpdateGame(uint32_t dtMs);

    // The game's own generator starts again from the seed.
    void SeedRandom(uint64_t uSeed);
    // A draw in [0, n); with n = 0 the raw 32 bits.
    uint32_t DrawRandom(uint32_t n);

    static const CoreFxVec& GetSlotHome(int32_t iSlot);
    static const CoreFxVec& GetKeyholePosition(int32_t iPlate);
    int32_t GetLevel() const { return m_iLevel; }
    Phase GetPhase() const { return m_ePhase; }
    int32_t GetCarriedSlot() const { return m_iCarriedSlot; }
    int32_t GetFocus() const { return m_iFocus; }
    fx32 GetLevelTimer() const { return m_fxLevelTimer; }
    int32_t GetSlotDesign(int32_t iSlot) const { return m_aiSlots[iSlot]; }
    const Lock& GetLock(int32_t iPlate) const { return m_aoLocks[iPlate]; }
    const MGSprite& GetKey(int32_t iDesign) const { return m_aoKeys[iDesign]; }
    const MGSprite& GetKeyhole(int32_t iDesign) const { return m_aoKeyholes[iDesign]; }
    // The pointer cursor is the base's background sprite.
    const MGSprite& GetCursor() const { return m_oBackground; }
    const MGGauge& GetGauge() const { return m_oGauge; }
    const MGMeter& GetMeter() const { return m_oMeter; }

private:
    static void InitializeSpriteNames();
    bool InitializeSprites();
    void PlaceSprites();
    // The carried key dropped where it is: into a fitting lock, or back home.
    void DropCarriedKey();
    void ReturnCarriedKey();
    // The arrow keys' move from the focus toward the direction.
    void MoveFocus(const CoreFxVec& direction);
    // The used plate, not turning, nearest the base point in the direction;
    // -1 for none.
    int32_t FindPlate(const CoreFxVec& base, const CoreFxVec& direction) const;
    // The slot holding a key nearest the base point in the direction; -1 for
    // none.
    int32_t FindSlot(const CoreFxVec& base, const CoreFxVec& direction) const;
    bool IsPlateUsed(int32_t iPlate) const { return m_aoLocks[iPlate].m_iKeyhole != NO_DESIGN; }
    bool AreAllUsedPlatesTurning() const;
    void UpdatePlay(fx32 dt);
    void UpdateLevelDone(fx32 dt);

    MGSprite m_oSpider;
    MGSprite m_aoKeys[DESIGN_COUNT];
    MGSprite m_aoKeyholes[DESIGN_COUNT];
    Lock m_aoLocks[PLATE_COUNT];
    int32_t m_aiSlots[SLOT_COUNT] = {NO_DESIGN, NO_DESIGN, NO_DESIGN, NO_DESIGN, NO_DESIGN,
                                     NO_DESIGN, NO_DESIGN, NO_DESIGN, NO_DESIGN, NO_DESIGN};
    Phase m_ePhase = Phase::InstallLevel;
    int32_t m_iLevel = 0;
    int32_t m_iCarriedSlot = NO_SLOT;
    int32_t m_iFocus = 0;
    fx32 m_fxLevelTimer = 0;
    uint64_t m_uRandomState = 0;
    // The door, the game's own background picture.
    MGSprite m_oDoor;
};
